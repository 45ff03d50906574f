#include "platform/shortcut_link.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/text_codec.h"
#include "support/test_support.h"

namespace vt::testing {
namespace {

// A field of the file's fixed header, read as the format lays it out.
unsigned HeaderValue(const std::wstring& path, size_t offset, size_t size) {
  const std::string bytes = ReadFileBytes(path).value_or("");
  if (bytes.size() < offset + size) return 0xFFFFFFFF;
  unsigned value = 0;
  std::memcpy(&value, bytes.data() + offset, size);
  return value;
}

void PatchShowCommand(const std::wstring& path, unsigned value) {
  std::string bytes = ReadFileBytes(path).value_or("");
  ASSERT_GE(bytes.size(), 0x40u);
  std::memcpy(bytes.data() + 0x3C, &value, 4);
  WriteTextFile(path, bytes);
}

TEST(ShortcutLink, WrittenFieldsReadBack) {
  ScratchFolder folder(L"lnk");
  const std::wstring program = folder / L"tool.exe";
  WriteTextFile(program, "MZ");
  struct Case {
    const char* what;
    std::wstring target, workingDir, arguments, description, iconLocation;
    std::uint16_t iconNumber;
    std::wstring hotKeySet, hotKeyRead;
    unsigned storedHotKey;  // header: virtual key, modifiers in the high byte
    TShowCmd show;
    unsigned storedShow;
  };
  const Case cases[] = {
      {"every field, lower-case hot key, minimised", program, folder.Path(), L"/s \"a b\"", L"Werkzeug \u00E4\u00F6",
       L"C:\\windows\\system32\\shell32.dll", 12, L"q", L"Q", 0x0651, TShowCmd::scShowMinimized, 7},
      {"digit hot key, maximised", program, L"", L"", L"", L"", 0, L"7", L"7", 0x0637, TShowCmd::scShowMaximized, 3},
      {"blank hot key writes none, normal", program, L"C:\\", L"-x", L"d", L"", 65535, L" ", L" ", 0,
       TShowCmd::scShowNormal, 1},
      {"empty hot key writes none", program, L"", L"", L"", L"", 0, L"", L" ", 0, TShowCmd::scShowNormal, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::wstring file = folder / L"case.lnk";
    TShortcutLink writer;
    writer.ShortcutFile = file;
    writer.Target = c.target;
    writer.WorkingDir = c.workingDir;
    writer.Arguments = c.arguments;
    writer.Description = c.description;
    writer.IconLocation = c.iconLocation;
    writer.IconNumber = c.iconNumber;
    writer.SetHotKey(c.hotKeySet);
    writer.SetShowCmd(c.show);
    ASSERT_TRUE(writer.WriteLink());
    EXPECT_EQ(HeaderValue(file, 0x3C, 4), c.storedShow);
    EXPECT_EQ(HeaderValue(file, 0x40, 2), c.storedHotKey);

    TShortcutLink reader;
    reader.ShortcutFile = file;
    ASSERT_TRUE(reader.ReadLink());
    EXPECT_TRUE(reader.Success());
    EXPECT_EQ(reader.Target, c.target);
    EXPECT_FALSE(reader.IsDir);
    EXPECT_EQ(reader.WorkingDir, c.workingDir);
    EXPECT_EQ(reader.Arguments, c.arguments);
    EXPECT_EQ(reader.Description, c.description);
    EXPECT_EQ(reader.IconLocation, c.iconLocation);
    EXPECT_EQ(reader.IconNumber, c.iconNumber);
    EXPECT_EQ(reader.HotKey(), c.hotKeyRead);
    EXPECT_EQ(reader.ShowCmd(), c.show);
  }
}

TEST(ShortcutLink, ShowCommandComesFromTheFileHeader) {
  ScratchFolder folder(L"lnk");
  const std::wstring file = folder / L"show.lnk";
  TShortcutLink writer;
  writer.ShortcutFile = file;
  writer.Target = L"C:\\windows\\notepad.exe";
  ASSERT_TRUE(writer.WriteLink());
  EXPECT_EQ(HeaderValue(file, 0x3C, 4), 1u) << "a new link's show command 0 is written as normal";
  const struct {
    unsigned stored;
    TShowCmd read;
  } cases[] = {{3, TShowCmd::scShowMaximized}, {7, TShowCmd::scShowMinimized}, {1, TShowCmd::scShowNormal},
               {9, TShowCmd::scShowNormal},    {0, TShowCmd::scShowNormal},    {2, TShowCmd::scShowNormal}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    PatchShowCommand(file, c.stored);
    TShortcutLink reader;
    reader.ShortcutFile = file;
    ASSERT_TRUE(reader.ReadLink());
    EXPECT_EQ(reader.ShowCmd(), c.read);
    EXPECT_EQ(reader.StoredShowCmd(), static_cast<int>(c.stored));
  }
}

TEST(ShortcutLink, TargetsThatAreFoldersOrGone) {
  ScratchFolder folder(L"lnk");
  const std::wstring sub = folder / L"Sub Folder";
  ASSERT_TRUE(CreateDirectoryW(sub.c_str(), nullptr));
  const std::wstring program = folder / L"gone.exe";
  WriteTextFile(program, "MZ");

  TShortcutLink link;
  link.ShortcutFile = folder / L"folder.lnk";
  link.Target = sub;
  ASSERT_TRUE(link.WriteLink());
  link.ShortcutFile = folder / L"gone.lnk";
  link.Target = program;
  ASSERT_TRUE(link.WriteLink());
  ASSERT_TRUE(DeleteFileW(program.c_str()));

  TShortcutLink reader;
  reader.ShortcutFile = folder / L"folder.lnk";
  ASSERT_TRUE(reader.ReadLink());
  EXPECT_EQ(reader.Target, sub);
  EXPECT_TRUE(reader.IsDir);

  // The shell keeps the stored path of a vanished target; the caller tests it.
  reader.ShortcutFile = folder / L"gone.lnk";
  ASSERT_TRUE(reader.ReadLink());
  EXPECT_EQ(reader.Target, program);
  EXPECT_FALSE(reader.IsDir);
  EXPECT_FALSE(FileExists(reader.Target));
}

TEST(ShortcutLink, FilesThatAreNoShortcutsFailWithoutChangingTheFields) {
  ScratchFolder folder(L"lnk");
  TShortcutLink good;
  good.ShortcutFile = folder / L"good.lnk";
  good.Target = L"C:\\windows\\notepad.exe";
  ASSERT_TRUE(good.WriteLink());
  const std::string goodBytes = ReadFileBytes(good.ShortcutFile).value_or("");
  ASSERT_GT(goodBytes.size(), 0x4Cu + 8);

  const struct {
    const char* what;
    std::wstring name;
    std::string bytes;
    bool create;
  } cases[] = {
      {"text file", L"text.lnk", "this is no shortcut\r\n", true},
      {"empty file", L"empty.lnk", "", true},
      {"header only", L"header.lnk", goodBytes.substr(0, 0x4C), true},
      {"header with broken rest", L"broken.lnk", goodBytes.substr(0, 0x4C) + std::string(64, '\xFF'), true},
      {"cut in the middle", L"cut.lnk", goodBytes.substr(0, goodBytes.size() / 2), true},
      {"missing file", L"missing.lnk", "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.create) WriteTextFile(folder / c.name, c.bytes);
    for (const bool quiet : {true, false}) {
      RecordingDialogs dialogs;
      TShortcutLink link;
      link.Quiet = quiet;
      link.ShortcutFile = folder / c.name;
      link.Target = L"kept";
      link.Arguments = L"kept too";
      EXPECT_FALSE(link.ReadLink());
      EXPECT_FALSE(link.Success());
      EXPECT_EQ(link.Target, L"kept");
      EXPECT_EQ(link.Arguments, L"kept too");
      EXPECT_FALSE(link.IsDir);
      EXPECT_FALSE(link.ErrorText().empty());
      if (quiet) {
        EXPECT_TRUE(dialogs.requests.empty());
      } else {
        ASSERT_EQ(dialogs.requests.size(), 1u);
        EXPECT_EQ(dialogs.requests[0].text, link.ErrorText());
        EXPECT_EQ(dialogs.requests[0].icon, MessageIcon::Error);
      }
    }
  }
  // The last good read stays good after a failed one on the same object.
  TShortcutLink reader;
  reader.Quiet = true;
  reader.ShortcutFile = good.ShortcutFile;
  ASSERT_TRUE(reader.ReadLink());
  reader.ShortcutFile = folder / L"text.lnk";
  EXPECT_FALSE(reader.ReadLink());
  EXPECT_EQ(reader.Target, L"C:\\windows\\notepad.exe");
}

TEST(ShortcutLink, WriteFailureIsShownEvenWhenQuiet) {
  ScratchFolder folder(L"lnk");
  RecordingDialogs dialogs;
  TShortcutLink link;
  link.Quiet = true;
  link.ShortcutFile = folder / L"no such folder\\x.lnk";
  link.Target = L"C:\\windows\\notepad.exe";
  EXPECT_FALSE(link.WriteLink());
  ASSERT_EQ(dialogs.requests.size(), 1u);
  EXPECT_EQ(dialogs.requests[0].text, L"Unable to create .lnk file");
  EXPECT_EQ(dialogs.requests[0].icon, MessageIcon::Error);
  EXPECT_FALSE(FileExists(link.ShortcutFile));

  // An existing shortcut is replaced.
  link.ShortcutFile = folder / L"x.lnk";
  WriteTextFile(link.ShortcutFile, "old");
  EXPECT_TRUE(link.WriteLink());
  TShortcutLink reader;
  reader.ShortcutFile = link.ShortcutFile;
  EXPECT_TRUE(reader.ReadLink());
  EXPECT_EQ(reader.Target, link.Target);
}

}  // namespace
}  // namespace vt::testing
