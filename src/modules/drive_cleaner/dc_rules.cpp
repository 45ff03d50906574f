#include "modules/drive_cleaner/dc_rules.h"

namespace vt {

std::vector<TDCFileType> DefaultDcFileTypes(const std::vector<std::wstring>& names) {
  std::vector<TDCFileType> types = {
      {L"Tempor\u00E4re Dateien", {L"*.TMP", L"*._MP", L"*.~MP"}, 0, true},
      {L"Generelle Backup-Dateien", {L"*.OLD", L"*.PRV", L"*.NAV", L"*.1ST", L"*.BAK", L"*.SYD"}, 11, true},
      {L"Allgemeine Backup-Dateien", {L"*.??~", L"*.~*", L"*~.*"}, 11, true},
      {L"Unn\u00F6tige Dateien", {L"*.$$$", L"*.---", L"MSCREATE.DIR"}, 11, true},
      {L"Von Chkdsk erzeugte Dateien", {L"CHKDSK.CHK", L"FILE*.CHK"}, 11, true},
      {L"Logfiles (selten ben\u00F6tigt)", {L"*.LOG"}, 11, false},
      {L"Indexdateien der Windowshilfe (selten ben\u00F6tigt)", {L"*.GID"}, 5, false},
  };
  for (std::size_t i = 0; i < names.size() && i < types.size(); ++i) types[i].Name = names[i];
  return types;
}

}  // namespace vt
