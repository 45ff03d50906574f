#include "texts/dc_download_texts.h"

namespace vt {

namespace {

constexpr TextEntry kDcDownloadEntries[] = {
    {L"MESSAGE_NewListsDownloaded", L"Die aktuellen Ausnahmelisten wurden heruntergeladen und gesichert."},
    {L"MESSAGE_NewListsFailed",
     L"Die Suche nach aktuellen Ausnahme-Listen war nicht erfolgreich!\r\nEntweder ist der Updateserver nicht "
     L"erreichbar oder \u00FCberlastet - oder es gab ein Problem mit Ihrer Verbindung."},
    // Followed by the file's path on a line of its own.
    {L"MESSAGE_NewListsNotSaved", L"Die heruntergeladene Ausnahme-Liste konnte nicht gespeichert werden:"},
};

}  // namespace

// The section of the Drive Cleaner's window, which shows these messages.
const TextSection kDcDownloadTexts{L"Form_DC", kDcDownloadEntries};

}  // namespace vt
