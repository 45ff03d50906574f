#include "texts/options_texts.h"

namespace vt {

namespace {

constexpr TextEntry kOptionsEntries[] = {
    {L"Form_ZELK2_Options", L"Einstellungen zur Software"},
    {L"TabSheet_Language", L"Sprache und Skin"},
    {L"TabSheet_Results", L"Ergebnissfenster"},
    {L"TabSheet_Password", L"Passwort"},
    {L"TabSheet_Other", L"Sonstiges"},
    {L"Label_Info_Language",
     L"W\u00E4hlen Sie die Sprache der Texte und das Aussehen (Skin) der Anwendung. "
     L"Beide \u00C4nderungen werden beim n\u00E4chsten Start der Anwendung wirksam."},
    {L"Label_Language", L"Sprache:"},
    {L"Label_Skin", L"Skin:"},
    {L"Label_Info_Results", L"Legen Sie fest, wie die Ergebnissfenster der Module ihre Funde anzeigen."},
    {L"CheckBox_HideEmpty", L"Leere Kategorien in den Ergebnissfenstern ausblenden"},
    {L"CheckBox_OpenMaximized", L"Ergebnissfenster stets maximiert \u00F6ffnen"},
    {L"Label_Info_Password",
     L"Ein Passwort sch\u00FCtzt die Anwendung vor unbefugter Benutzung: Sie fragt es bei "
     L"jedem Start ab. Es muss mindestens 6 Zeichen lang sein, Gro\u00DF- und "
     L"Kleinschreibung spielt keine Rolle. Zum Entfernen geben Sie das aktuelle Passwort in "
     L"das Feld \"Passwort\" ein."},
    {L"LabeledEdit_Pass1", L"Passwort"},
    {L"LabeledEdit_Pass2", L"Passwort wiederholen"},
    {L"Button_PassSet", L"Setzen"},
    {L"Button_PassDelete", L"Entfernen"},
    {L"Label_Info_Other", L"Weitere Einstellungen, die die ganze Anwendung betreffen."},
    {L"GroupBox_Reset", L"Einstellungen zur\u00FCcksetzen"},
    {L"Label_Reset",
     L"Setzt Sprache, Skin und die Einstellungen aller Module auf den Auslieferungszustand "
     L"zur\u00FCck. Das Passwort bleibt erhalten."},
    {L"Button_Reset", L"Zur\u00FCcksetzen"},
    {L"GroupBox_NewsChannel", L"News-Channel"},
    {L"Label_NewsChannel", L"Legen Sie fest, welche Neuigkeiten zur Anwendung Sie erhalten m\u00F6chten."},
    {L"Button_Config_Channels", L"Konfigurieren"},
    {L"CheckBox_NewsChannel", L"News-Channel anzeigen"},
    {L"Button_Ok", L"&Ok"},
    {L"Button_Help", L"&Hilfe"},
    {L"MESSAGE_PleaseRestart", L"Sie m\u00FCssen die Anwendung neu starten damit die \u00C4nderungen wirksam werden."},
    {L"MESSAGE_SureToReset", L"Sind Sie sicher, dass Sie alle Einstellungen zur\u00FCcksetzen wollen?"},
    {L"MESSAGE_ResetDone",
     L"Einstellungen wurden zur\u00FCckgesetzt. Sie m\u00FCssen die Anwendung neu starten "
     L"damit die \u00C4nderungen wirksam werden."},
    {L"Message_PasswordLength", L"Das Passwort muss mindestens 6 Zeichen lang sein!"},
    {L"Message_PasswordBoth", L"Bitte geben Sie in beide Eingabefelder das Passwort ein!"},
    {L"Message_PasswordSet", L"Passwort wurde festgelegt. Bitte bewahren Sie das Passwort gut auf!"},
    {L"Message_PasswordWrong",
     L"Passwort falsch! Bitte aktuelles Passwort korrekt eingeben in das Feld "
     L"\"Passwort\"."},
    {L"Message_PasswordRemoved", L"Passwort wurde entfernt."},
};

}  // namespace

const TextSection kOptionsTexts{L"Form_ZELK2_Options", kOptionsEntries};

}  // namespace vt
