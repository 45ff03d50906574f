#include "texts/startup_texts.h"

namespace vt {

namespace {

constexpr TextEntry kPasswordEntries[] = {
    {L"Form_Password", L"Passwort eingeben"},
    {L"Label_Info", L"Dieses Programm ist durch ein Passwort gesch\u00FCtzt. Bitte geben Sie das Passwort ein, "
                    L"um fortzufahren."},
    {L"LabeledEdit1", L"Passwort"},
    {L"Button_Abort", L"&Abbrechen"},
    {L"Button_Ok", L"&Ok"},
    {L"Message_PasswordLength", L"Das Passwort muss mindestens 6 Zeichen lang sein!"},
    {L"Message_PasswordWrong", L"Das eingegebene Passwort ist falsch! Bitte korrektes Passwort eingeben."},
};

// No built-in defaults: without the section every caption repeats the program path.
constexpr TextEntry kContextMenuEntries[] = {
    {L"CONTEXTMENU_SHREDDER", L""}, {L"CONTEXTMENU_DC", L""},      {L"CONTEXTMENU_DL", L""},
    {L"CONTEXTMENU_DEFRAG", L""},   {L"CONTEXTMENU_ENCRYPT", L""}, {L"CONTEXTMENU_DECRYPT", L""},
    {L"CONTEXTMENU_JOIN", L""},     {L"CONTEXTMENU_SPLIT", L""},
};

}  // namespace

const TextSection kPasswordTexts{L"Form_Password", kPasswordEntries};
const TextSection kContextMenuTexts{L"ShellContextmenus", kContextMenuEntries};

}  // namespace vt
