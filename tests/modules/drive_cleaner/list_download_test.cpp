// Winsock before <windows.h>, which the download's header brings.
#include <winsock2.h>
#include <ws2tcpip.h>

#include "modules/drive_cleaner/list_download.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <map>
#include <thread>

#include "core/globals.h"
#include "platform/text_codec.h"
#include "support/test_support.h"
#include "texts/dc_download_texts.h"

namespace vt::testing {
namespace {

std::string Ok(const std::string& body) {
  return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\nConnection: close\r\n\r\n" + body;
}
std::string Status(const std::string& line, const std::string& body) {
  return "HTTP/1.1 " + line + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" +
         body;
}
constexpr char kSilent[] = "<silent>";  // accept the request and never answer

// A small HTTP server on 127.0.0.1 inside the test process: each request path
// gets its canned response, an unknown path a 404 without "404" in its body.
class TinyHttpServer {
 public:
  explicit TinyHttpServer(std::map<std::string, std::string> responses) : responses_(std::move(responses)) {
    listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    int size = sizeof(address);
    if (bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(listener_, 8) != 0 ||
        getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
      ADD_FAILURE() << "test server cannot listen: " << WSAGetLastError();
    port_ = ntohs(address.sin_port);
    worker_ = std::thread([this] { Serve(); });
  }
  ~TinyHttpServer() {
    stop_ = true;
    worker_.join();
    closesocket(listener_);
  }
  std::string Url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
  int requests() const { return requests_; }

 private:
  void Serve() {
    while (!stop_) {
      fd_set ready;
      FD_ZERO(&ready);
      FD_SET(listener_, &ready);
      timeval wait{0, 20000};
      if (select(0, &ready, nullptr, nullptr, &wait) != 1) continue;
      SOCKET client = accept(listener_, nullptr, nullptr);
      if (client == INVALID_SOCKET) continue;
      Answer(client);
      closesocket(client);
    }
  }
  void Answer(SOCKET client) {
    std::string request;
    char chunk[1024];
    while (request.find("\r\n\r\n") == std::string::npos) {
      const int got = recv(client, chunk, sizeof(chunk), 0);
      if (got <= 0) return;
      request.append(chunk, got);
    }
    ++requests_;
    const std::size_t start = request.find(' ') + 1;
    const std::string path = request.substr(start, request.find(' ', start) - start);
    const auto found = responses_.find(path);
    const std::string response = found == responses_.end() ? Status("404 Not Found", "gone") : found->second;
    if (response == kSilent) {
      for (int i = 0; i < 250 && !stop_; ++i) Sleep(20);
      return;
    }
    send(client, response.data(), static_cast<int>(response.size()), 0);
    shutdown(client, SD_SEND);
  }

  std::map<std::string, std::string> responses_;
  SOCKET listener_ = INVALID_SOCKET;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> requests_{0};
  std::thread worker_;
};

// A port that nobody listens on: bound once, then given back.
int RefusingPort() {
  SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int size = sizeof(address);
  bind(s, reinterpret_cast<sockaddr*>(&address), size);
  getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
  closesocket(s);
  return ntohs(address.sin_port);
}

constexpr char kOldFolders[] = "C:\\Alt\\\r\n";
constexpr char kOldFiles[] = "alt.txt\r\n";

// A program folder of its own with Project.ini and the old lists, as AppDir.
class ListDownload : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
  }
  static void TearDownTestSuite() { WSACleanup(); }
  void SetUp() override {
    previousAppDir_ = AppDir;
    AppDir = folder_.Path();
    for (const auto* name : {L"DC-Folders.txt", L"DLL-Folders.txt"}) WriteTextFile(folder_ / name, kOldFolders);
    for (const auto* name : {L"DC-Files.txt", L"DLL-Files.txt"}) WriteTextFile(folder_ / name, kOldFiles);
  }
  void TearDown() override { AppDir = previousAppDir_; }

  void WriteProjectIni(const std::string& text) { WriteTextFile(folder_ / L"Project.ini", text); }
  void WriteAddresses(const std::string& folders, const std::string& files, const std::string& prefix = "DC") {
    WriteProjectIni("[Other]\r\nDC_Folders=x\r\n[NewLists]\r\n" + prefix + "_Folders=" + folders + "\r\n" + prefix +
                    "_Files=" + files + "\r\n");
  }
  std::string File(const wchar_t* name) const { return ReadTextFile(folder_ / name); }
  // Nothing half-written may stay behind.
  void ExpectOnlyTheLists() const {
    WIN32_FIND_DATAW data{};
    HANDLE find = FindFirstFileW((folder_ / L"*.download").c_str(), &data);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE) << "left behind: " << WideToAnsi(data.cFileName);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
  }
  std::wstring Shown(const ListDownloadResult& result, MessageIcon& icon) const {
    RecordingDialogs dialogs;
    ShowListDownloadResult(nullptr, result, kDcDownloadTexts);
    if (dialogs.requests.empty()) return L"<nothing>";
    EXPECT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].caption, ProductTitle);
    icon = dialogs.requests[0].icon;
    return dialogs.requests[0].text;
  }
  static std::wstring German(const wchar_t* key) { return std::wstring(kDcDownloadTexts.German(key)); }

  ScratchFolder folder_{L"lists"};
  std::wstring previousAppDir_;
};

TEST_F(ListDownload, StoresEveryListWithCrLfLineEnds) {
  const struct {
    const char* what;
    std::string body, stored;
  } cases[] = {
      {"LF lines", "C:\\Windows\\\nC:\\Programme\\\n", "C:\\Windows\\\r\nC:\\Programme\\\r\n"},
      {"CR LF lines, last one open", "a.txt\r\nb.txt", "a.txt\r\nb.txt\r\n"},
      {"CR lines and an empty line", "x\r\ry\r", "x\r\n\r\ny\r\n"},
      {"mixed", "a\nb\r\nc\rd", "a\r\nb\r\nc\r\nd\r\n"},
      {"empty body: empty list", "", ""},
      {"8-bit text passes unchanged",
       "C:\\Gr\xF6\xDF"
       "e\\\n",
       "C:\\Gr\xF6\xDF"
       "e\\\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TinyHttpServer server({{"/lists/f.txt", Ok(c.body)}, {"/lists/d.txt", Ok("tmp\\\n")}});
    WriteAddresses(server.Url("/lists/f.txt"), server.Url("/lists/d.txt"));
    const auto result = DownloadExceptionLists(kDriveCleanerLists);
    ASSERT_EQ(result.status, ListDownloadStatus::Downloaded);
    EXPECT_EQ(File(L"DC-Folders.txt"), c.stored);
    EXPECT_EQ(File(L"DC-Files.txt"), "tmp\\\r\n");
    EXPECT_EQ(result.storedFiles, (std::vector<std::wstring>{folder_ / L"DC-Folders.txt", folder_ / L"DC-Files.txt"}));
    EXPECT_EQ(File(L"DLL-Folders.txt"), kOldFolders);
    ExpectOnlyTheLists();
    MessageIcon icon{};
    EXPECT_EQ(Shown(result, icon), German(L"MESSAGE_NewListsDownloaded"));
    EXPECT_EQ(icon, MessageIcon::Information);
  }
}

TEST_F(ListDownload, DllCleanerUsesItsOwnKeysAndFiles) {
  TinyHttpServer server({{"/dll-folders", Ok("C:\\Windows\\System32\\\n")}, {"/dll-files", Ok("msvcrt.dll\n")}});
  WriteProjectIni("[NewLists]\r\nDC_Folders=" + server.Url("/dc") + "\r\nDLL_Folders=" + server.Url("/dll-folders") +
                  "\r\nDLL_Files=" + server.Url("/dll-files") + "\r\n");
  ListDownloadOptions options;
  options.appDir = folder_.Path();
  AppDir = L"C:\\nowhere";  // the folder given wins
  const auto result = DownloadExceptionLists(kDllCleanerLists, options);
  ASSERT_EQ(result.status, ListDownloadStatus::Downloaded);
  EXPECT_EQ(File(L"DLL-Folders.txt"), "C:\\Windows\\System32\\\r\n");
  EXPECT_EQ(File(L"DLL-Files.txt"), "msvcrt.dll\r\n");
  EXPECT_EQ(File(L"DC-Folders.txt"), kOldFolders);
  EXPECT_EQ(File(L"DC-Files.txt"), kOldFiles);
  EXPECT_EQ(server.requests(), 2);
}

// Every failure leaves both lists as they were and says so once.
TEST_F(ListDownload, FailuresChangeNoList) {
  TinyHttpServer server({
      {"/good", Ok("C:\\Temp\\\n")},
      {"/with404", Ok("C:\\Spiele\\Level404\\\n")},
      {"/status404", Status("404 Not Found", "gone")},
      {"/status500", Status("500 Internal Server Error", "busy")},
      {"/silent", kSilent},
  });
  const std::string good = server.Url("/good");
  const std::string refused = "http://127.0.0.1:" + std::to_string(RefusingPort()) + "/list.txt";
  const std::wstring projectIniError = L"Error in project.ini!";
  const std::wstring failed = German(L"MESSAGE_NewListsFailed");
  const struct {
    const char* what;
    std::string projectIni;  // "-" for no Project.ini at all
    ListDownloadStatus status;
    FetchFailure failure;
    int requests;
    std::wstring message;
  } cases[] = {
      {"no Project.ini", "-", ListDownloadStatus::ProjectIniError, FetchFailure::None, 0, projectIniError},
      {"no NewLists section", "[Lists]\r\nDC_Folders=" + good + "\r\nDC_Files=" + good + "\r\n",
       ListDownloadStatus::ProjectIniError, FetchFailure::None, 0, projectIniError},
      {"second key missing: nothing fetched", "[NewLists]\r\nDC_Folders=" + good + "\r\n",
       ListDownloadStatus::ProjectIniError, FetchFailure::None, 0, projectIniError},
      {"no web address", "[NewLists]\r\nDC_Folders=C:\\lists\\DC-Folders.txt\r\nDC_Files=" + good + "\r\n",
       ListDownloadStatus::ProjectIniError, FetchFailure::None, 0, projectIniError},
      {"body containing 404", "[NewLists]\r\nDC_Folders=" + server.Url("/with404") + "\r\nDC_Files=" + good + "\r\n",
       ListDownloadStatus::FetchFailed, FetchFailure::NotFoundText, 1, failed},
      {"second list fails: first stays too",
       "[NewLists]\r\nDC_Folders=" + good + "\r\nDC_Files=" + server.Url("/with404") + "\r\n",
       ListDownloadStatus::FetchFailed, FetchFailure::NotFoundText, 2, failed},
      {"status 404", "[NewLists]\r\nDC_Folders=" + server.Url("/status404") + "\r\nDC_Files=" + good + "\r\n",
       ListDownloadStatus::FetchFailed, FetchFailure::HttpStatus, 1, failed},
      {"status 500", "[NewLists]\r\nDC_Folders=" + good + "\r\nDC_Files=" + server.Url("/status500") + "\r\n",
       ListDownloadStatus::FetchFailed, FetchFailure::HttpStatus, 2, failed},
      {"connection refused", "[NewLists]\r\nDC_Folders=" + refused + "\r\nDC_Files=" + good + "\r\n",
       ListDownloadStatus::FetchFailed, FetchFailure::CannotConnect, 0, failed},
      {"unknown host",
       "[NewLists]\r\nDC_Folders=http://vt-no-such-host.invalid/DC-Folders.txt\r\nDC_Files=" + good + "\r\n",
       ListDownloadStatus::FetchFailed, FetchFailure::UnknownHost, 0, failed},
      {"server never answers", "[NewLists]\r\nDC_Folders=" + server.Url("/silent") + "\r\nDC_Files=" + good + "\r\n",
       ListDownloadStatus::FetchFailed, FetchFailure::TimedOut, 1, failed},
  };
  int requestsBefore = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteFileW((folder_ / L"Project.ini").c_str());
    if (c.projectIni != "-") WriteProjectIni(c.projectIni);
    ListDownloadOptions options;
    options.timeoutMs = 1000;
    const auto started = std::chrono::steady_clock::now();
    const auto result = DownloadExceptionLists(kDriveCleanerLists, options);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(15));
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.failure, c.failure) << "system error " << result.systemError;
    EXPECT_EQ(server.requests() - requestsBefore, c.requests);
    requestsBefore = server.requests();
    EXPECT_EQ(File(L"DC-Folders.txt"), kOldFolders);
    EXPECT_EQ(File(L"DC-Files.txt"), kOldFiles);
    EXPECT_TRUE(result.storedFiles.empty());
    ExpectOnlyTheLists();
    MessageIcon icon{};
    EXPECT_EQ(Shown(result, icon), c.message);
    EXPECT_EQ(icon, MessageIcon::Error);
  }
}

TEST_F(ListDownload, ListThatCannotBeStoredKeepsTheOldOnes) {
  TinyHttpServer server({{"/f", Ok("neu\n")}, {"/d", Ok("neu.txt\n")}});
  WriteAddresses(server.Url("/f"), server.Url("/d"));
  const std::wstring files = folder_ / L"DC-Files.txt";
  const std::wstring folders = folder_ / L"DC-Folders.txt";
  // Something in the way of the second list's new text: the first list is not
  // replaced either.
  const std::wstring blocker = files + L".download";
  ASSERT_TRUE(CreateDirectoryW(blocker.c_str(), nullptr));
  auto result = DownloadExceptionLists(kDriveCleanerLists);
  RemoveDirectoryW(blocker.c_str());
  EXPECT_EQ(result.status, ListDownloadStatus::WriteFailed);
  EXPECT_EQ(result.file, files);
  EXPECT_EQ(File(L"DC-Folders.txt"), kOldFolders);
  EXPECT_EQ(File(L"DC-Files.txt"), kOldFiles);
  ExpectOnlyTheLists();
  MessageIcon icon{};
  EXPECT_EQ(Shown(result, icon), German(L"MESSAGE_NewListsNotSaved") + L"\r\n" + files);
  EXPECT_EQ(icon, MessageIcon::Error);

  // A list that cannot be replaced (a folder in its place) is reported too.
  ASSERT_TRUE(DeleteFileW(folders.c_str()) && CreateDirectoryW(folders.c_str(), nullptr));
  result = DownloadExceptionLists(kDriveCleanerLists);
  EXPECT_EQ(result.status, ListDownloadStatus::WriteFailed);
  EXPECT_EQ(result.file, folders);
  EXPECT_TRUE(FolderExists(folders));
  EXPECT_EQ(File(L"DC-Files.txt"), kOldFiles);
  ExpectOnlyTheLists();
}

TEST_F(ListDownload, ProgressReportsBytesAndCanCancel) {
  const std::string big(100000, 'x');
  TinyHttpServer server({{"/f", Ok(big + "\n")}, {"/d", Ok("d\n")}});
  WriteAddresses(server.Url("/f"), server.Url("/d"));
  std::vector<std::size_t> seen;
  ListDownloadOptions options;
  options.progress = [&seen](std::size_t bytes) {
    seen.push_back(bytes);
    return true;
  };
  ASSERT_EQ(DownloadExceptionLists(kDriveCleanerLists, options).status, ListDownloadStatus::Downloaded);
  // Each list counts from 0 up to its size.
  const auto firstDone = std::find(seen.begin(), seen.end(), big.size() + 1);
  ASSERT_NE(firstDone, seen.end());
  EXPECT_TRUE(std::is_sorted(seen.begin(), firstDone));
  EXPECT_EQ(seen.back(), 2u) << "the second list's bytes";

  WriteTextFile(folder_ / L"DC-Folders.txt", kOldFolders);
  options.progress = [](std::size_t) { return false; };
  const auto cancelled = DownloadExceptionLists(kDriveCleanerLists, options);
  EXPECT_EQ(cancelled.status, ListDownloadStatus::Cancelled);
  EXPECT_EQ(File(L"DC-Folders.txt"), kOldFolders);
  MessageIcon icon{};
  EXPECT_EQ(Shown(cancelled, icon), L"<nothing>");
}

}  // namespace
}  // namespace vt::testing
