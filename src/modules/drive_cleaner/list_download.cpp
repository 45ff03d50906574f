#include "modules/drive_cleaner/list_download.h"

#include <wininet.h>

#include <atomic>
#include <memory>
#include <system_error>
#include <thread>

#include "core/globals.h"
#include "platform/files.h"
#include "platform/handles.h"

namespace vt {

namespace {

// Exception lists are a few kilobytes; anything this big is no list of ours.
constexpr std::size_t kMaxListBytes = 8 * 1024 * 1024;
constexpr wchar_t kProjectIniError[] = L"Error in project.ini!";

struct Fetched {
  FetchFailure failure = FetchFailure::None;
  DWORD error = 0;
  int status = 0;
  std::string body;
};

FetchFailure FailureOf(DWORD error) {
  switch (error) {
    case ERROR_INTERNET_CANNOT_CONNECT: return FetchFailure::CannotConnect;
    case ERROR_INTERNET_NAME_NOT_RESOLVED: return FetchFailure::UnknownHost;
    case ERROR_INTERNET_TIMEOUT: return FetchFailure::TimedOut;
    default: return FetchFailure::OtherError;
  }
}

Fetched Failed(FetchFailure failure, DWORD error = 0) {
  Fetched result;
  result.failure = failure;
  result.error = error;
  return result;
}

// What a fetch shares with the thread that waits for it; whichever of the two
// finishes last frees it, so a fetch given up on may still end on its own.
struct FetchState {
  std::atomic<std::size_t> bytes{0};
  std::atomic<bool> abandoned{false};
  UniqueKernelHandle done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
  Fetched result;
};

// GET of one address into memory, never from or into the browser's cache.
void FetchInto(const std::wstring& agent, const std::wstring& address, DWORD timeoutMs, FetchState& state) {
  Fetched& result = state.result;
  UniqueInternetHandle session(InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0));
  if (!session) {
    result = Failed(FetchFailure::OtherError, GetLastError());
    return;
  }
  for (DWORD option : {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT, INTERNET_OPTION_RECEIVE_TIMEOUT})
    InternetSetOptionW(session.get(), option, &timeoutMs, sizeof(timeoutMs));
  constexpr DWORD kFlags = INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_UI |
                           INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_AUTH;
  UniqueInternetHandle request(InternetOpenUrlW(session.get(), address.c_str(), nullptr, 0, kFlags, 0));
  if (!request) {
    const DWORD error = GetLastError();
    result = Failed(FailureOf(error), error);
    return;
  }
  DWORD status = 0;
  DWORD size = sizeof(status);
  if (!HttpQueryInfoW(request.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) {
    result = Failed(FetchFailure::OtherError, GetLastError());
    return;
  }
  result.status = static_cast<int>(status);
  // A server's error page is no list, whatever its text says.
  if (status < 200 || status > 299) {
    result.failure = FetchFailure::HttpStatus;
    return;
  }
  char chunk[16384];
  for (;;) {
    if (state.abandoned) return;
    DWORD read = 0;
    if (!InternetReadFile(request.get(), chunk, sizeof(chunk), &read)) {
      const DWORD error = GetLastError();
      result = Failed(FailureOf(error), error);
      return;
    }
    if (read == 0) return;
    if (result.body.size() + read > kMaxListBytes) {
      result = Failed(FetchFailure::TooLarge);
      return;
    }
    result.body.append(chunk, read);
    state.bytes = result.body.size();
  }
}

// The fetch runs on a thread of its own, so that the caller's window keeps
// processing its messages (through the progress callback) while a slow server
// takes its time, and a time limit holds even where the client ignores its own.
Fetched Fetch(const std::wstring& address, const ListDownloadOptions& options) {
  auto state = std::make_shared<FetchState>();
  if (!state->done) return Failed(FetchFailure::OtherError, GetLastError());
  // The thread owns copies of all it reads: a fetch given up on may outlive
  // every caller, even the program's globals at exit.
  try {
    std::thread([state, address, agent = ProductTitle, timeout = options.timeoutMs] {
      FetchInto(agent, address, timeout, *state);
      SetEvent(state->done.get());
    }).detach();
  } catch (const std::system_error&) {
    return Failed(FetchFailure::OtherError, ERROR_NOT_ENOUGH_MEMORY);
  }
  const ULONGLONG started = GetTickCount64();
  for (;;) {
    const bool finished = WaitForSingleObject(state->done.get(), 50) == WAIT_OBJECT_0;
    const bool goOn = !options.progress || options.progress(state->bytes);
    if (!goOn || (!finished && GetTickCount64() - started >= options.timeoutMs)) {
      state->abandoned = true;
      return Failed(goOn ? FetchFailure::TimedOut : FetchFailure::Cancelled, goOn ? ERROR_INTERNET_TIMEOUT : 0);
    }
    if (finished) return std::move(state->result);
  }
}

bool IsWebAddress(const std::wstring& address) {
  const auto startsWith = [&address](std::wstring_view prefix) {
    return address.size() > prefix.size() &&
           CompareStringOrdinal(address.c_str(), static_cast<int>(prefix.size()), prefix.data(),
                                static_cast<int>(prefix.size()), TRUE) == CSTR_EQUAL;
  };
  return startsWith(L"http://") || startsWith(L"https://");
}

// The body's lines (ended by CR, LF or CR LF) each ended by CR LF; a last line
// without an end counts, an empty body stays empty.
std::string WithCrLf(const std::string& body) {
  std::string out;
  out.reserve(body.size() + body.size() / 16 + 2);
  std::size_t lineStart = 0;
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '\r' && body[i] != '\n') continue;
    out.append(body, lineStart, i - lineStart).append("\r\n");
    if (body[i] == '\r' && i + 1 < body.size() && body[i + 1] == '\n') ++i;
    lineStart = i + 1;
  }
  if (lineStart < body.size()) out.append(body, lineStart, std::string::npos).append("\r\n");
  return out;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes, DWORD& error) {
  UniqueFileHandle file(
      CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (!file ||
      (!bytes.empty() && (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
                          written != bytes.size())) ||
      !FlushFileBuffers(file.get())) {
    error = GetLastError();
    file.reset();
    DeleteFileW(LongPath(path).c_str());
    return false;
  }
  return true;
}

}  // namespace

ListDownloadResult DownloadExceptionLists(std::span<const ExceptionListSource> lists,
                                          const ListDownloadOptions& options) {
  ListDownloadResult result;
  const std::wstring folder = options.appDir.empty() ? AppDir : options.appDir;
  const std::wstring projectIni = folder + L"\\Project.ini";

  // Every address is checked before anything is fetched or changed.
  std::vector<std::wstring> addresses;
  for (const auto& list : lists) {
    const std::wstring key(list.key);
    addresses.push_back(IniReadString(projectIni, L"NewLists", key));
    if (!IsWebAddress(addresses.back())) {
      result.status = ListDownloadStatus::ProjectIniError;
      result.key = key;
      result.address = addresses.back();
      return result;
    }
  }

  std::vector<std::string> contents;
  for (std::size_t i = 0; i < lists.size(); ++i) {
    Fetched fetched = Fetch(addresses[i], options);
    // A body with "404" anywhere is taken for the server's "not found" page.
    if (fetched.failure == FetchFailure::None && fetched.body.find("404") != std::string::npos)
      fetched.failure = FetchFailure::NotFoundText;
    if (fetched.failure != FetchFailure::None) {
      result.status =
          fetched.failure == FetchFailure::Cancelled ? ListDownloadStatus::Cancelled : ListDownloadStatus::FetchFailed;
      result.failure = fetched.failure;
      result.key = lists[i].key;
      result.address = addresses[i];
      result.systemError = fetched.error;
      result.httpStatus = fetched.status;
      return result;
    }
    contents.push_back(WithCrLf(fetched.body));
  }

  // Each list is written beside its file first, so a failed write never costs the
  // old list; only then are the files replaced.
  std::vector<std::wstring> targets, temporaries;
  const auto dropTemporaries = [&temporaries](std::size_t from) {
    for (std::size_t j = from; j < temporaries.size(); ++j) DeleteFileW(LongPath(temporaries[j]).c_str());
  };
  for (std::size_t i = 0; i < lists.size(); ++i) {
    targets.push_back(folder + L"\\" + std::wstring(lists[i].file));
    temporaries.push_back(targets.back() + L".download");
    DWORD error = 0;
    if (!WriteWholeFile(temporaries.back(), contents[i], error)) {
      temporaries.pop_back();
      dropTemporaries(0);
      result.status = ListDownloadStatus::WriteFailed;
      result.key = lists[i].key;
      result.address = addresses[i];
      result.file = targets.back();
      result.systemError = error;
      return result;
    }
  }
  for (std::size_t i = 0; i < lists.size(); ++i) {
    if (!MoveFileExW(LongPath(temporaries[i]).c_str(), LongPath(targets[i]).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      result.systemError = GetLastError();
      dropTemporaries(i);
      result.status = ListDownloadStatus::WriteFailed;
      result.key = lists[i].key;
      result.address = addresses[i];
      result.file = targets[i];
      return result;
    }
    result.storedFiles.push_back(targets[i]);
  }
  result.status = ListDownloadStatus::Downloaded;
  return result;
}

MessageRequest ListDownloadMessage(const ListDownloadResult& result, const TextSection& texts) {
  MessageRequest message;
  message.caption = ProductTitle;
  message.icon = MessageIcon::Error;
  switch (result.status) {
    case ListDownloadStatus::Downloaded:
      message.text = texts.Text(L"MESSAGE_NewListsDownloaded");
      message.icon = MessageIcon::Information;
      break;
    case ListDownloadStatus::ProjectIniError: message.text = kProjectIniError; break;
    case ListDownloadStatus::FetchFailed: message.text = texts.Text(L"MESSAGE_NewListsFailed"); break;
    case ListDownloadStatus::WriteFailed:
      message.text = texts.Text(L"MESSAGE_NewListsNotSaved") + L"\r\n" + result.file;
      break;
    case ListDownloadStatus::Cancelled: message.icon = MessageIcon::None; break;
  }
  return message;
}

void ShowListDownloadResult(HWND owner, const ListDownloadResult& result, const TextSection& texts) {
  MessageRequest message = ListDownloadMessage(result, texts);
  if (message.text.empty()) return;
  message.owner = owner;
  Dialogs().ShowMessage(message);
}

}  // namespace vt
