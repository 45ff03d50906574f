#include "texts/dc_options_texts.h"

namespace vt {

namespace {

constexpr TextEntry kDcOptionsEntries[] = {
    {L"Form_DC_Options", L"Einstellungen zum Drive Cleaner"},
    {L"TabSheet_Laufwerke", L"Laufwerke"},
    {L"TabSheet_Elemente", L"Elemente"},
    {L"TabSheet_Optionen", L"Optionen"},
    {L"TabSheet_Ausnahmen", L"Ausnahmen"},
    {L"Label_Info_Laufwerke", L"W\u00E4hlen Sie die Festplatten, die der Drive Cleaner nach \u00FCberfl\u00FCssigen "
                              L"Dateien durchsuchen soll."},
    {L"ListView_Drives", L"Laufwerk"},
    {L"Label_Info_Elemente", L"Diese Dateitypen sucht der Drive Cleaner. Nur die markierten Dateitypen werden "
                             L"bei der Suche ber\u00FCcksichtigt."},
    {L"VirtualDrawTree_DC_Filetype", L"Aktiv\r\nBeschreibung"},
    {L"Button_DC_Filetyp_ADD", L"&Hinzuf\u00FCgen"},
    {L"Button_DC_FileTyp_Delete", L"&L\u00F6schen"},
    {L"GroupBox_OrdnerLeeren", L"Ordner leeren"},
    {L"CheckBox_TMPDir_ALL", L"Inhalt von Ordner \"Tempor\u00E4re Dateien\" f\u00FCr alle Benutzer l\u00F6schen"},
    {L"CheckBox_TMPDir_USER",
     L"Inhalt von Ordner \"Tempor\u00E4re Dateien\" f\u00FCr aktuellen Benutzer l\u00F6schen"},
    {L"CheckBox_Minidump",
     L"Inhalt von Ordner \"Minidump\" leeren (zeigt nur Wirkung unter Windows 2000 / XP)"},
    {L"Label_Minidump", L"Windows 2000 und XP legen beim Absturz Speicherabbilder im Ordner \"Minidump\" des "
                        L"Windows-Verzeichnisses ab."},
    {L"GroupBox_Verknuepfungen", L"Verkn\u00FCpfungen"},
    {L"CheckBox_DC_LNK", L"Verwaiste Verkn\u00FCpfungen (*.LNK) untersuchen"},
    {L"CheckBox_DC_PIF", L"Verwaiste DOS-Verkn\u00FCpfungen (*.PIF) untersuchen"},
    {L"GroupBox_Optionen", L"Optionen"},
    {L"CheckBox_DC_Ignore_InUseOrWriteProtected",
     L"Dateien mit Schreibschutz, oder solche die in Benutzung sind, ignorieren (empfohlen)"},
    {L"CheckBox_DC_NoRecycleBin", L"Dateien direkt l\u00F6schen und nicht in den Papierkorb verschieben"},
    {L"Label_Achtung", L"ACHTUNG: Dadurch werden \u00FCberfl\u00FCssige Dateien sofort gel\u00F6scht."},
    {L"Label_Info_Ausnahmen",
     L"Ordner und Dateien in dieser Liste r\u00FChrt der Drive Cleaner nicht an. Die vordefinierten Ausnahmen "
     L"lassen sich nicht dauerhaft l\u00F6schen."},
    {L"VirtualDrawTree_Ausnahmen", L"Beschreibung"},
    {L"Button_Ausnahme_Add", L"&Hinzuf\u00FCgen"},
    {L"Button_Ausnahme_Delete", L"&L\u00F6schen"},
    {L"Button_Ok", L"&Ok"},
    {L"Button_Help", L"&Hilfe"},
    {L"MESSAGE_FileTyp_0", L"Tempor\u00E4re Dateien"},
    {L"MESSAGE_FileTyp_1", L"Generelle Backup-Dateien"},
    {L"MESSAGE_FileTyp_2", L"Allgemeine Backup-Dateien"},
    {L"MESSAGE_FileTyp_3", L"Unn\u00F6tige Dateien"},
    {L"MESSAGE_FileTyp_4", L"Von Chkdsk erzeugte Dateien"},
    {L"MESSAGE_FileTyp_5", L"Logfiles (selten ben\u00F6tigt)"},
    {L"MESSAGE_FileTyp_6", L"Indexdateien der Windowshilfe (selten ben\u00F6tigt)"},
    {L"MESSAGE_SureToDeleteFileTyp", L"Sind Sie sicher, dass Sie den markierte Dateityp entfernen wollen?\r\n"
                                     L"Drive-Cleaner wird dann nicht mehr nach solchen Dateien suchen."},
    {L"MESSAGE_CantDeleteThisExc", L"Diese Ausnahme ist fest einprogrammiert.\r\nZu Ihrer Sicherheit kann diese "
                                   L"Ausnahme nicht ge\u00E4ndert werden."},
};

constexpr TextEntry kDcNewTypEntries[] = {
    {L"Form_DC_NewTyp", L"Drive Cleaner ; neuen Dateityp festlegen"},
    {L"Label_Edit1", L"<b>Beschreibung</b> des Dateitypes als Text:"},
    {L"Label_Edit2", L"<b>Suchmaske(n)</b> des Dateityps:"},
    {L"Label_Hint", L"Bei mehreren Suchmasken bitte durch Semikolon trennen (z.b. \"*.gid ; *.xxx\")"},
    {L"Button_Ok", L"&Ok"},
    {L"Button_Abbruch", L"&Abbruch"},
};

constexpr TextEntry kDcNewExcEntries[] = {
    {L"Form_DC_NewExc", L"Drive Cleaner ; neue Ausnahme festlegen"},
    {L"Label_Name", L"<b>Ordner- oder Dateiname</b> der Ausnahme:"},
    {L"Button_Browse", L"..."},
    {L"RadioButton_asFile", L"Als Datei"},
    {L"RadioButton_asDir", L"Als Ordner"},
    {L"Button_Ok", L"&Ok"},
    {L"Button_Abbrechen", L"&Abbrechen"},
};

}  // namespace

const TextSection kDcOptionsTexts{L"Form_DC_Options", kDcOptionsEntries};
const TextSection kDcNewTypTexts{L"Form_DC_NewTyp", kDcNewTypEntries};
const TextSection kDcNewExcTexts{L"Form_DC_NewExc", kDcNewExcEntries};

}  // namespace vt
