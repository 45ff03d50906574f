#include "support/test_support.h"

#include <objidl.h>
#include <gdiplus.h>

#include <atomic>

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/handles.h"

namespace vt::testing {

namespace {
std::atomic<unsigned> scratchCounter{0};
}

ScratchFolder::ScratchFolder(const std::wstring& hint) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  for (;;) {
    path_ = std::wstring(temp) + hint + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++scratchCounter);
    if (CreateDirectoryW(path_.c_str(), nullptr)) break;
  }
}

ScratchFolder::~ScratchFolder() { RemoveTree(path_); }

void RemoveTree(const std::wstring& path) {
  const std::wstring longPath = LongPath(path);
  const DWORD attributes = GetFileAttributesW(longPath.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(longPath.c_str(), attributes & FILE_ATTRIBUTE_DIRECTORY);
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    DeleteFileW(longPath.c_str());
    return;
  }
  if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    WIN32_FIND_DATAW data;
    UniqueFindHandle find(FindFirstFileW(LongPath(path + L"\\*").c_str(), &data));
    if (find) {
      do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") RemoveTree(path + L"\\" + name);
      } while (FindNextFileW(find.get(), &data));
    }
  }
  RemoveDirectoryW(longPath.c_str());
}

std::wstring WindowText(HWND window) {
  std::wstring text(GetWindowTextLengthW(window), L'\0');
  GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
  return text;
}

void WriteTextFile(const std::wstring& path, const std::string& bytes) {
  UniqueFileHandle file(CreateFileW(LongPath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file) WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

std::string ReadTextFile(const std::wstring& path) {
  UniqueFileHandle file(CreateFileW(LongPath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, 0, nullptr));
  if (!file) return {};
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) bytes.append(buffer, read);
  return bytes;
}

bool SaveWindowShot(HWND window, const std::wstring& path) {
  RECT rect;
  if (!GetWindowRect(window, &rect)) return false;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  SelectObject(memory, old);
  bool saved = false;
  {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    {
      Gdiplus::Bitmap image(bitmap, nullptr);
      CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
      saved = image.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
    }
    Gdiplus::GdiplusShutdown(token);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

std::wstring ScreensFolder() {
  wchar_t buffer[MAX_PATH] = {};
  const DWORD length = GetEnvironmentVariableW(L"VT_SCREENS_DIR", buffer, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(buffer, length) : std::wstring();
}

std::wstring TestProgramFolder() { return ExecutableFolder(); }

std::wstring DistFolder() {
  const std::wstring tests = TestProgramFolder();
  return tests.substr(0, tests.rfind(L'\\')) + L"\\dist";
}

}  // namespace vt::testing
