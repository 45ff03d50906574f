#include "texts/main_texts.h"

namespace vt {

namespace {

// Buttons, slots and headers have no built-in text: without a language file
// they stay empty.
constexpr TextEntry kMainEntries[] = {
    {L"PardunMouseImage3State_Cleaning", L""},
    {L"PardunMouseImage3State_Tuning", L""},
    {L"PardunMouseImage3State_Tools", L""},
    {L"PardunMouseImage3State_New", L""},
    {L"PardunMouseImage3State_OCO", L""},
    {L"PardunMouseImage3State_Close", L""},
    {L"PardunMouseImage3State_Minimize", L""},
    {L"PardunMouseImage3State_Help", L""},
    {L"PardunMouseImage3State_Options", L""},
    {L"PardunMouseImage3State_Internetmenu", L""},
    {L"PardunMouseImage3State_About", L""},
    {L"MESSAGE_Header_Cleaning", L""},
    {L"MESSAGE_Header_Tuning", L""},
    {L"MESSAGE_Header_FileTools", L""},
    {L"MESSAGE_Header_NewTools", L""},
    {L"MESSAGE_Button_DC", L""},
    {L"MESSAGE_Button_RC", L""},
    {L"MESSAGE_Button_IC", L""},
    {L"MESSAGE_Button_ST", L""},
    {L"MESSAGE_Button_IP", L""},
    {L"MESSAGE_Button_WIN", L""},
    {L"MESSAGE_Button_FW", L""},
    {L"MESSAGE_Button_FSJ", L""},
    {L"MESSAGE_Button_FED", L""},
    {L"MESSAGE_Button_SI", L""},
    {L"MESSAGE_Button_DEFRAG", L""},
    {L"MESSAGE_Button_FA", L""},
    {L"MESSAGE_MenuButton_Options", L"Options"},
    {L"MESSAGE_MenuButton_IM", L"Internet"},
    {L"MESSAGE_MenuButton_Help", L"Help"},
    {L"MESSAGE_SubMenuCaption_Start", L"Willkommen"},
    {L"MESSAGE_SubMenu_StartText", L""},
    {L"MESSAGE_NoNT", L"Dieser Programmteil steht nur unter Windows 2000/XP zur Verf\u00FCgung."},
    {L"MESSAGE_ComingSoon", L"Dieses Modul ist in Vorbereitung und wird mit einer der n\u00E4chsten Versionen geliefert."},
    {L"MESSAGE_Credits", L""},
    {L"IM_Homepage", L"Homepage"},
    {L"IM_Products", L"Products"},
    {L"IM_Offers", L"Offers"},
    {L"IM_Support", L"Support"},
    {L"IM_Newsletter", L"Newsletter"},
    {L"Label_About_Back", L"Hauptmen\u00FC"},
};

constexpr TextEntry kSplashEntries[] = {
    {L"Label_Title", L"Veltrano Tidewright 2007"},
};

}  // namespace

const TextSection kMainWindowTexts{L"Form_ZELK3", kMainEntries};
const TextSection kSplashTexts{L"Form_ZELK_Splash", kSplashEntries};

}  // namespace vt
