#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <thread>

#include "platform/files.h"
#include "platform/folder_links.h"

namespace vt::testing {
namespace {

using Paths = std::vector<std::wstring>;

Paths Sorted(Paths paths) {
  std::sort(paths.begin(), paths.end());
  return paths;
}

// A walk that follows a link loop may never end; the whole test program is
// stopped then rather than left hanging.
void FinishesWithin(std::chrono::seconds limit, const char* what, const std::function<void()>& work) {
  std::packaged_task<void()> task(work);
  auto done = task.get_future();
  std::thread worker(std::move(task));
  if (done.wait_for(limit) == std::future_status::timeout) {
    std::fprintf(stderr, "%s did not finish within %lld s: it follows a link loop\n", what,
                 static_cast<long long>(limit.count()));
    std::fflush(stderr);
    std::_Exit(3);
  }
  worker.join();
}

TEST(FilesList, ListFilesAppendsMatchingFilesOnly) {
  TempFolder temp;
  ASSERT_TRUE(WriteBytes(temp / L"a.txt", "a"));
  ASSERT_TRUE(WriteBytes(temp / L"b.log", "b"));
  ASSERT_TRUE(MakeFolder(temp / L"folder.txt"));  // matches the mask, but is a folder
  Paths list{L"kept"};
  ListFiles(temp.path(), L"*.txt", list);
  EXPECT_EQ(list, (Paths{L"kept", temp / L"a.txt"}));

  list.clear();
  ListFiles(temp / L"missing\\", L"*", list);
  EXPECT_TRUE(list.empty());
}

TEST(FilesList, FolderWithoutBackslashGluesTheMaskToItsName) {
  TempFolder temp;
  ASSERT_TRUE(MakeFolder(temp / L"sub"));
  ASSERT_TRUE(WriteBytes(temp / L"sub\\inner.txt", "x"));
  ASSERT_TRUE(WriteBytes(temp / L"subnote.txt", "x"));  // matches "sub*.txt" beside the folder
  Paths list;
  ListFiles(temp / L"sub", L"*.txt", list);
  EXPECT_EQ(list, (Paths{temp / L"subsubnote.txt"}));
}

TEST(FilesList, RecursiveIsDepthFirstAndSkipsDotFolders) {
  TempFolder temp;
  for (auto folder : {L"a", L"a\\deep", L"b", L".hidden"}) ASSERT_TRUE(MakeFolder(temp / folder));
  for (auto file : {L"1.txt", L"a\\2.txt", L"a\\deep\\3.txt", L"b\\4.txt", L".hidden\\5.txt", L"b\\6.dat"})
    ASSERT_TRUE(WriteBytes(temp / file, "x"));

  Paths list;
  ListFilesRecursive(temp.path(), L"*.txt", list);
  ASSERT_EQ(Sorted(list), Sorted({temp / L"1.txt", temp / L"a\\2.txt", temp / L"a\\deep\\3.txt", temp / L"b\\4.txt"}));
  EXPECT_EQ(list[0], temp / L"1.txt") << "the folder's own files come first";
  const auto at = [&](const std::wstring& name) {
    return std::find(list.begin(), list.end(), temp / name) - list.begin();
  };
  // Depth first: a's subtree is listed in one piece, b's files never fall inside it.
  const auto a = at(L"a\\2.txt"), deep = at(L"a\\deep\\3.txt"), b = at(L"b\\4.txt");
  EXPECT_EQ(deep, a + 1);
  EXPECT_TRUE(b < a || b > deep);

  Paths names;
  ListSubfolders(temp.path(), names);
  EXPECT_EQ(Sorted(names), (Paths{L"a", L"b"}));
}

// Folders of a walk root: a\file.txt, a\up -> .. (the root) and a\self -> . (a itself).
class FilesLinkLoop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(MakeFolder(temp_ / L"a"));
    ASSERT_TRUE(WriteBytes(temp_ / L"a\\file.txt", "x"));
    ASSERT_TRUE(MakeFolderLink(temp_ / L"a\\", L"up", L"..")) << "cannot make a directory link here";
    ASSERT_TRUE(MakeFolderLink(temp_ / L"a\\", L"self", L"."));
  }
  TempFolder temp_;
};

TEST_F(FilesLinkLoop, ListFilesRecursiveListsEachFileOnce) {
  Paths list;
  FinishesWithin(std::chrono::seconds(60), "ListFilesRecursive", [&] { ListFilesRecursive(temp_.path(), L"*", list); });
  EXPECT_EQ(list, (Paths{temp_ / L"a\\file.txt"}));
}

TEST_F(FilesLinkLoop, RemoveEmptyFoldersEndsAndKeepsTheLinks) {
  ASSERT_TRUE(DeleteFileW((temp_ / L"a\\file.txt").c_str()));  // a now holds nothing but the links
  FinishesWithin(std::chrono::seconds(60), "RemoveEmptyFolders", [&] { RemoveEmptyFolders(temp_.path()); });
  EXPECT_TRUE(IsLinkAt(temp_ / L"a\\up"));
  EXPECT_TRUE(IsLinkAt(temp_ / L"a\\self"));
  EXPECT_TRUE(Exists(temp_ / L"a"));
}

TEST(FilesRemoveEmpty, RemovesEmptyChainsKeepsFoldersWithFilesAndTheRoot) {
  TempFolder temp;
  const std::wstring root = temp / L"root\\";
  for (auto folder : {L"", L"e1", L"e1\\e2", L"e1\\e2\\e3", L"readonly", L"keep", L"keep\\emptyChild", L".dot"})
    ASSERT_TRUE(MakeFolder(root + folder));
  ASSERT_TRUE(WriteBytes(root + L"keep\\file.txt", "x"));
  ASSERT_TRUE(SetFileAttributesW((root + L"readonly").c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(SetFileAttributesW((root + L"keep").c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

  RemoveEmptyFolders(root);

  for (auto gone : {L"e1", L"readonly", L"keep\\emptyChild", L".dot"}) EXPECT_FALSE(Exists(root + gone)) << gone;
  EXPECT_TRUE(Exists(root + L"keep\\file.txt"));
  EXPECT_EQ(Attributes(root + L"keep"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY)) << "normal attributes";

  ASSERT_TRUE(DeleteFileW((root + L"keep\\file.txt").c_str()));
  RemoveEmptyFolders(root.substr(0, root.size() - 1));  // also without the backslash
  EXPECT_FALSE(Exists(root + L"keep"));
  EXPECT_TRUE(Exists(root)) << "the folder itself stays";
}

TEST(FilesRemoveEmpty, NeverRemovesOrChangesAnythingBehindALink) {
  // walk\sub\toOutside -> ..\..\outside and walk\sub2\toInner -> ..\..\outside\inner;
  // outside\inner is an empty folder that the walk could reach only through a link.
  TempFolder temp;
  for (auto folder : {L"walk", L"walk\\sub", L"walk\\sub2", L"outside", L"outside\\inner"})
    ASSERT_TRUE(MakeFolder(temp / folder));
  ASSERT_TRUE(SetFileAttributesW((temp / L"outside").c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SetFileAttributesW((temp / L"outside\\inner").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
  ASSERT_TRUE(MakeFolderLink(temp / L"walk\\sub\\", L"toOutside", L"..\\..\\outside"));
  ASSERT_TRUE(MakeFolderLink(temp / L"walk\\sub2\\", L"toInner", L"..\\..\\outside\\inner"));
  const DWORD outsideBefore = Attributes(temp / L"outside");
  const DWORD innerBefore = Attributes(temp / L"outside\\inner");
  const DWORD linkBefore = Attributes(temp / L"walk\\sub\\toOutside");

  RemoveEmptyFolders(temp / L"walk\\");
  RemoveEmptyFolders(temp / L"walk\\sub\\toOutside\\");  // a link as the starting point

  EXPECT_TRUE(Exists(temp / L"outside\\inner"));
  EXPECT_EQ(Attributes(temp / L"outside"), outsideBefore);
  EXPECT_EQ(Attributes(temp / L"outside\\inner"), innerBefore);
  EXPECT_EQ(Attributes(temp / L"walk\\sub\\toOutside"), linkBefore);
  EXPECT_TRUE(IsLinkAt(temp / L"walk\\sub2\\toInner"));
}

TEST(FilesLongPath, WalksAndRemovesBeyondMaxPath) {
  TempFolder temp;
  const std::wstring part(60, L'd');
  std::wstring deep = temp.path();
  for (int level = 0; level < 5; ++level) {
    deep += part + std::to_wstring(level) + L"\\";
    ASSERT_TRUE(MakeFolder(deep));
  }
  ASSERT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
  ASSERT_TRUE(WriteBytes(deep + L"deep.txt", "x"));
  ASSERT_TRUE(MakeFolder(deep + L"empty"));
  ASSERT_TRUE(MakeFolder(deep + L"empty\\emptier"));
  ASSERT_TRUE(SetFileAttributesW(LongPath(deep).c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));

  Paths list;
  ListFilesRecursive(temp.path(), L"*.txt", list);
  EXPECT_EQ(list, (Paths{deep + L"deep.txt"}));

  RemoveEmptyFolders(temp.path());
  EXPECT_FALSE(Exists(deep + L"empty"));
  EXPECT_TRUE(Exists(deep + L"deep.txt"));
  EXPECT_EQ(Attributes(deep), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

TEST(FilesIsLocalFolder, Cases) {
  TempFolder temp;
  ASSERT_TRUE(WriteBytes(temp / L"file.txt", "x"));
  const std::wstring noBackslash = temp.path().substr(0, temp.path().size() - 1);
  const struct {
    std::wstring path;
    bool expected;
  } cases[] = {
      {temp.path(), true},
      {noBackslash, true},
      {L"C:\\", true},
      {temp / L"missing", false},
      {temp / L"file.txt", false},
      {L"\\\\localhost\\C$\\", false},
      {L"\\\\?\\" + temp.path(), false},
      {L"C:", false},
      {L"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsLocalFolder(c.path), c.expected) << c.path;
}

TEST(FilesInUse, OpenFilesReadOnlyFilesAndMissingOnes) {
  TempFolder temp;
  const std::wstring plain = temp / L"plain.txt", held = temp / L"held.txt", shared = temp / L"shared.txt",
                     readOnly = temp / L"readonly.txt";
  for (const auto& file : {plain, held, shared, readOnly}) ASSERT_TRUE(WriteBytes(file, "x"));
  ASSERT_TRUE(SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  const DWORD readOnlyAttributes = Attributes(readOnly);
  // Windows refuses to open a read-only file for writing; Wine run by root does not.
  const bool readOnlyRefusesWriting = !UniqueFileHandle(CreateFileW(
      readOnly.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));

  UniqueFileHandle holdExclusive(
      CreateFileW(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(holdExclusive);
  // Others may read and write it, but nobody gets it alone.
  UniqueFileHandle holdShared(CreateFileW(shared.c_str(), GENERIC_READ,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(holdShared);

  const struct {
    std::wstring path;
    bool inUse, inUseIgnoringAttributes;
  } cases[] = {
      {plain, false, false},
      {held, true, true},
      {shared, true, true},
      {readOnly, readOnlyRefusesWriting, false},
      {temp / L"missing.txt", false, false},
      {temp.path(), false, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileInUse(c.path), c.inUse) << c.path;
    EXPECT_EQ(FileInUseIgnoringAttributes(c.path), c.inUseIgnoringAttributes) << c.path;
  }
  EXPECT_EQ(Attributes(readOnly), readOnlyAttributes) << "attributes restored";
  EXPECT_FALSE(Exists(temp / L"missing.txt"));

  // Read-only and held open: in use either way, attributes restored all the same.
  UniqueFileHandle holdReadOnly(
      CreateFileW(readOnly.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(holdReadOnly);
  EXPECT_TRUE(FileInUseIgnoringAttributes(readOnly));
  EXPECT_EQ(Attributes(readOnly), readOnlyAttributes);
}

}  // namespace
}  // namespace vt::testing
