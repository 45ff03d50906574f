// Replaces the shipped exception lists with current ones from the maker's update
// server. The addresses come from "Project.ini" in the program folder, section
// [NewLists]. The Drive Cleaner and the DLL Cleaner run the same download, each
// with its own keys and files; the work shows nothing, its window reports the
// result.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "texts/text_table.h"

namespace vt {

// One list: its address key in [NewLists] and its file name in the program folder.
struct ExceptionListSource {
  std::wstring_view key;
  std::wstring_view file;
};

inline constexpr ExceptionListSource kDriveCleanerLists[] = {
    {L"DC_Folders", L"DC-Folders.txt"},
    {L"DC_Files", L"DC-Files.txt"},
};
inline constexpr ExceptionListSource kDllCleanerLists[] = {
    {L"DLL_Folders", L"DLL-Folders.txt"},
    {L"DLL_Files", L"DLL-Files.txt"},
};

enum class ListDownloadStatus {
  Downloaded,       // every list fetched and stored
  ProjectIniError,  // an address is missing, empty or no http(s) address
  FetchFailed,      // a list could not be fetched or was no list
  WriteFailed,      // a fetched list could not be stored
  Cancelled,        // the progress callback said stop
};

// Why a fetch failed, for the window and the tests; the user sees one message.
enum class FetchFailure {
  None,
  CannotConnect,  // nobody answers at that address
  UnknownHost,    // the host name cannot be resolved
  TimedOut,
  HttpStatus,    // an answer other than 2xx
  NotFoundText,  // the body contains "404": the server's "not found" page
  TooLarge,      // more than any exception list could be
  OtherError,    // any other client error
  Cancelled,
};

struct ListDownloadOptions {
  std::wstring appDir;      // the folder of Project.ini and the lists; AppDir when empty
  DWORD timeoutMs = 20000;  // time limit of each list's fetch
  // Called about every 50 ms while a list is fetched and once when it is in,
  // with its bytes so far, on the calling thread; returning false cancels the
  // download. A window lets its messages be processed here.
  std::function<bool(std::size_t bytes)> progress;
};

struct ListDownloadResult {
  ListDownloadStatus status = ListDownloadStatus::ProjectIniError;
  FetchFailure failure = FetchFailure::None;
  std::wstring key;       // the list a failure concerns
  std::wstring address;   // its address
  std::wstring file;      // its file (path) where storing failed
  DWORD systemError = 0;  // WinINet or file-system error code, 0 when none
  int httpStatus = 0;
  std::vector<std::wstring> storedFiles;  // full paths, in list order
};

// Fetches every list first and replaces files only when all of them arrived, so
// a failed download leaves the old lists in place. After Downloaded the module
// stores its settings and reloads its exception lists (the Drive Cleaner:
// SaveDCSettings, then LoadDCExceptions). Each file is replaced in one
// step (written beside it, then moved over it) with CR LF line ends.
ListDownloadResult DownloadExceptionLists(std::span<const ExceptionListSource> lists,
                                          const ListDownloadOptions& options = {});

// What the window tells the user about a result; `texts` is the section of the
// showing window (Form_DC or Form_DLL), which holds the download's message keys.
// A cancelled download has nothing to say (empty text).
MessageRequest ListDownloadMessage(const ListDownloadResult& result, const TextSection& texts);
// Shows that message through Dialogs(), owned by `owner`.
void ShowListDownloadResult(HWND owner, const ListDownloadResult& result, const TextSection& texts);

}  // namespace vt
