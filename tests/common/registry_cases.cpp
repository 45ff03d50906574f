#include "common/registry_cases.h"

#include <algorithm>
#include <atomic>

namespace vt::testing {

namespace {
const std::wstring kScratchParent = L"Software\\VeltranoTidewrightTests";
std::atomic<int> scratchCounter{0};
}  // namespace

void RegistryCases::SetUp() {
  registry_ = GetParam().make();
  reg_ = std::make_unique<RegistryAccess>(*registry_);
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->name()) + "_" + std::to_string(++scratchCounter);
  std::replace(name.begin(), name.end(), '/', '_');
  scratch_ = kScratchParent + L"\\" + std::wstring(name.begin(), name.end());
  reg_->RemoveKey(HKCU, scratch_);
  ASSERT_TRUE(reg_->CreateKeyPath(HKCU, scratch_));
}

void RegistryCases::TearDown() {
  if (reg_) {
    reg_->RemoveKey(HKCU, scratch_);
    std::vector<std::wstring> left;
    if (reg_->ListSubKeys(HKCU, kScratchParent, left) && left.empty() && reg_->CountValues(HKCU, kScratchParent) == 0)
      reg_->RemoveKey(HKCU, kScratchParent);
  }
}

void RegistryCases::Seed(const std::wstring& sub, const std::wstring& name, std::uint32_t type,
                         const std::vector<std::uint8_t>& data) {
  auto key = registry_->OpenWrite(HKCU, Key(sub));
  ASSERT_TRUE(key);
  ASSERT_TRUE(key->Set(name, type, data));
}

namespace {

struct ReadCase {
  const char* what;
  std::uint32_t type;
  std::vector<std::uint8_t> data;
  std::wstring asString;
  std::int32_t asInteger;
  std::int64_t asInt64;
  int kind;
};

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<std::uint8_t> out;
  for (int v : values) out.push_back(static_cast<std::uint8_t>(v));
  return out;
}

}  // namespace

TEST_P(RegistryCases, ReadsEveryValueTypeAsTheOperationsPromise) {
  const std::vector<ReadCase> cases = {
      {"multi-string gives its first string", kRegMultiSz, RegMultiStringData({L"a", L"b"}), L"a", 0,
       0x0000006200000061LL, 0},
      {"4-byte integer reads as decimal text", kRegDword, RegDwordData(10), L"10", 10, 10, 3},
      {"all bits set is unsigned as text, sign-extended as 64-bit", kRegDword, RegDwordData(0xFFFFFFFFu),
       L"4294967295", -1, -1, 3},
      {"8-byte binary with a leading zero", kRegBinary, Bytes({0, 'A', 'B', 0, 0, 0, 0, 1}), L"", 0,
       0x0100000000424100LL, 4},
      {"binary text stops at the zero byte", kRegBinary, Bytes({'A', 'B', 0, 'C'}), L"AB", 0x43004241, 0x43004241,
       4},
      {"3-byte binary is no integer", kRegBinary, Bytes({1, 2, 3}), std::wstring(L"\x01\x02\x03"), 0, 0x030201, 4},
      {"digits followed by letters are no number", kRegSz, RegStringData(L"123abc"), L"123abc", 0, 0, 1},
      {"leading blanks before a number", kRegSz, RegStringData(L"  42"), L"  42", 42, 42, 1},
      {"negative number text", kRegSz, RegStringData(L"-5"), L"-5", -5, -5, 1},
      {"expandable string stays unexpanded", kRegExpandSz, RegStringData(L"%TEMP%\\x"), L"%TEMP%\\x", 0, 0, 2},
      {"64-bit number text", kRegExpandSz, RegStringData(L"12345678901"), L"12345678901", 0, 12345678901LL, 2},
      {"8-byte integer is unknown", kRegQword, Bytes({2, 0, 0, 0, 1, 0, 0, 0}), L"", 0, 0x100000002LL, 0},
      {"untyped 4 bytes read as an integer", kRegNone, Bytes({7, 0, 0, 0}), std::wstring(L"\x07"), 7, 7, 0},
      {"empty string", kRegSz, RegStringData(L""), L"", 0, 0, 1},
      {"empty binary", kRegBinary, {}, L"", 0, 0, 4},
      {"non-ASCII text", kRegSz, RegStringData(L"Gr\u00FC\u00DFe \u0416"), L"Gr\u00FC\u00DFe \u0416", 0, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Seed(L"", L"v", c.type, c.data);
    EXPECT_TRUE(reg_->ValueExists(HKCU, Key(), L"v"));
    EXPECT_EQ(reg_->ReadStringValue(HKCU, Key(), L"v"), c.asString);
    EXPECT_EQ(reg_->ReadIntegerValue(HKCU, Key(), L"v"), c.asInteger);
    EXPECT_EQ(reg_->ReadInt64Value(HKCU, Key(), L"v"), c.asInt64);
    EXPECT_EQ(reg_->ValueDataType(HKCU, Key(), L"v"), c.kind);
    EXPECT_EQ(reg_->ValueDataSize(HKCU, Key(), L"v"), static_cast<int>(c.data.size()));
    EXPECT_EQ(reg_->IntegerValueEquals(HKCU, Key(), L"v", c.asInteger), true);
  }
}

TEST_P(RegistryCases, MissingKeysAndValuesReadAsNothing) {
  const std::wstring missingKey = Key(L"nothing\\here");
  for (const auto& key : {missingKey, Key()}) {
    EXPECT_FALSE(reg_->ValueExists(HKCU, key, L"absent"));
    EXPECT_EQ(reg_->ReadStringValue(HKCU, key, L"absent"), L"");
    EXPECT_EQ(reg_->ReadIntegerValue(HKCU, key, L"absent"), 0);
    EXPECT_EQ(reg_->ReadInt64Value(HKCU, key, L"absent"), 0);
    EXPECT_EQ(reg_->ReadBinaryValue(HKCU, key, L"absent"), 0);
    EXPECT_EQ(reg_->ValueDataType(HKCU, key, L"absent"), 0);
    EXPECT_EQ(reg_->ValueDataSize(HKCU, key, L"absent"), 0);
    EXPECT_FALSE(reg_->IntegerValueEquals(HKCU, key, L"absent", 0));
  }
  EXPECT_FALSE(reg_->KeyExists(HKCU, missingKey));
  EXPECT_EQ(reg_->CountValues(HKCU, missingKey), 0);
  std::vector<std::wstring> list{L"kept"};
  EXPECT_FALSE(reg_->ListValueNames(HKCU, missingKey, list));
  EXPECT_EQ(list, std::vector<std::wstring>{L"kept"});
  EXPECT_FALSE(reg_->ListSubKeys(HKCU, missingKey, list));
  EXPECT_TRUE(list.empty());
}

TEST_P(RegistryCases, DefaultValueCountsAsTextWhateverItHolds) {
  EXPECT_EQ(reg_->ValueDataType(HKCU, Key(), L""), 1) << "absent default value";
  EXPECT_FALSE(reg_->ValueExists(HKCU, Key(), L""));
  Seed(L"", L"", kRegBinary, Bytes({1, 2}));
  EXPECT_EQ(reg_->ValueDataType(HKCU, Key(), L""), 1) << "binary default value";
  EXPECT_TRUE(reg_->ValueExists(HKCU, Key(), L""));
  EXPECT_TRUE(reg_->WriteStringValue(HKCU, Key(), L"", L"abc"));
  EXPECT_EQ(reg_->ReadStringValue(HKCU, Key(), L""), L"abc");
  EXPECT_EQ(reg_->ValueDataType(HKCU, Key(L"missing"), L""), 0) << "missing key";
}

TEST_P(RegistryCases, WritesReplaceTheTypeAndVerify) {
  ASSERT_TRUE(reg_->WriteIntegerValue(HKCU, Key(), L"Mixed", 7));
  EXPECT_EQ(reg_->ValueDataType(HKCU, Key(), L"Mixed"), 3);
  ASSERT_TRUE(reg_->WriteStringValue(HKCU, Key(), L"mixed", L"seven"));  // names ignore letter case
  EXPECT_EQ(reg_->ValueDataType(HKCU, Key(), L"Mixed"), 1);
  EXPECT_EQ(reg_->ReadStringValue(HKCU, Key(), L"MIXED"), L"seven");
  ASSERT_TRUE(reg_->WriteIntegerValue(HKCU, Key(), L"Mixed", -3));
  EXPECT_EQ(reg_->ValueDataType(HKCU, Key(), L"Mixed"), 3);
  EXPECT_EQ(reg_->ReadIntegerValue(HKCU, Key(), L"Mixed"), -3);
  EXPECT_EQ(reg_->CountValues(HKCU, Key()), 1);

  // Writing creates every missing parent key.
  EXPECT_TRUE(reg_->WriteStringValue(HKCU, Key(L"a\\b\\c"), L"deep", L"x"));
  EXPECT_TRUE(reg_->KeyExists(HKCU, Key(L"a\\b")));
  EXPECT_TRUE(reg_->CreateKeyPath(HKCU, Key(L"a\\b\\c")));
  EXPECT_TRUE(reg_->CreateKeyPath(HKCU, Key(L"p\\q")));
  EXPECT_TRUE(reg_->KeyExists(HKCU, Key(L"P\\Q")));
}

TEST_P(RegistryCases, RemovalsAndListings) {
  EXPECT_TRUE(reg_->RemoveValue(HKCU, Key(L"no\\such\\key"), L"v")) << "missing key counts as removed";
  EXPECT_FALSE(reg_->KeyExists(HKCU, Key(L"no"))) << "and is not created";
  reg_->WriteStringValue(HKCU, Key(), L"one", L"1");
  reg_->WriteStringValue(HKCU, Key(), L"two", L"2");
  EXPECT_TRUE(reg_->RemoveValue(HKCU, Key(), L"one"));
  EXPECT_TRUE(reg_->RemoveValue(HKCU, Key(), L"one")) << "already gone";
  std::vector<std::wstring> names{L"earlier"};
  EXPECT_TRUE(reg_->ListValueNames(HKCU, Key(), names));
  EXPECT_EQ(names, (std::vector<std::wstring>{L"earlier", L"two"})) << "value names are appended";
  EXPECT_EQ(reg_->CountValues(HKCU, Key()), 1);

  for (const auto* sub : {L"t\\x\\y\\z", L"t\\x\\w", L"t\\v", L"u"}) reg_->WriteIntegerValue(HKCU, Key(sub), L"n", 1);
  std::vector<std::wstring> subKeys{L"stale"};
  EXPECT_TRUE(reg_->ListSubKeys(HKCU, Key(L"t"), subKeys));
  std::sort(subKeys.begin(), subKeys.end());
  EXPECT_EQ(subKeys, (std::vector<std::wstring>{L"v", L"x"}));
  EXPECT_TRUE(reg_->RemoveKey(HKCU, Key(L"t")));
  EXPECT_FALSE(reg_->KeyExists(HKCU, Key(L"t")));
  EXPECT_TRUE(reg_->KeyExists(HKCU, Key(L"u")));
  EXPECT_TRUE(reg_->RemoveKey(HKCU, Key(L"t"))) << "a missing key is removed already";
  EXPECT_FALSE(reg_->RemoveKey(HKCU, L"")) << "a whole root is never removed";
  EXPECT_TRUE(reg_->KeyExists(HKCU, L"Software"));
}

TEST_P(RegistryCases, BinaryBuffer) {
  Seed(L"", L"small", kRegBinary, Bytes({9, 8, 7}));
  EXPECT_EQ(reg_->ReadBinaryValue(HKCU, Key(), L"small"), 3);
  EXPECT_EQ(reg_->RegBinaryBuffer()[0], 9);
  EXPECT_EQ(reg_->RegBinaryBuffer()[2], 7);
  Seed(L"", L"huge", kRegBinary, std::vector<std::uint8_t>(8192, 0x55));
  EXPECT_EQ(reg_->ReadBinaryValue(HKCU, Key(), L"huge"), 8192);
  EXPECT_EQ(reg_->RegBinaryBuffer()[3], 0) << "too large for the buffer: not copied";
  Seed(L"", L"text", kRegSz, RegStringData(L"abc"));
  EXPECT_EQ(reg_->ReadBinaryValue(HKCU, Key(), L"text"), 0);
}

TEST_P(RegistryCases, CheckBoxesTakeOnlyZeroOrOne) {
  struct Case {
    const char* what;
    std::function<void()> seed;
    bool designed;
    bool expected;
  };
  const std::vector<Case> cases = {
      {"missing keeps designed", [] {}, true, true},
      {"0 unchecks", [&] { reg_->WriteIntegerValue(HKCU, Key(), L"box", 0); }, true, false},
      {"1 checks", [&] { reg_->WriteIntegerValue(HKCU, Key(), L"box", 1); }, false, true},
      {"2 keeps designed", [&] { reg_->WriteIntegerValue(HKCU, Key(), L"box", 2); }, true, true},
      {"2 keeps designed off", [&] { reg_->WriteIntegerValue(HKCU, Key(), L"box", 2); }, false, false},
      {"text 1 checks", [&] { reg_->WriteStringValue(HKCU, Key(), L"box", L"1"); }, false, true},
      {"text that is no number keeps designed", [&] { reg_->WriteStringValue(HKCU, Key(), L"box", L"ja"); }, true,
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    reg_->RemoveValue(HKCU, Key(), L"box");
    c.seed();
    bool checked = c.designed;
    reg_->LoadCheckBox(HKCU, Key(), L"box", checked);
    EXPECT_EQ(checked, c.expected);
  }
  EXPECT_TRUE(reg_->SaveCheckBox(HKCU, Key(), L"box", true));
  EXPECT_TRUE(reg_->IntegerValueEquals(HKCU, Key(), L"box", 1));
}

TEST_P(RegistryCases, ListsStoredAsValueNames) {
  std::vector<std::wstring> lines{L"untouched"};
  reg_->LoadListFromValueNames(HKCU, Key(L"list"), lines);
  EXPECT_EQ(lines, std::vector<std::wstring>{L"untouched"}) << "missing key leaves the list";

  reg_->WriteStringValue(HKCU, Key(L"list"), L"OLD", L"");
  reg_->SaveListAsValueNames(HKCU, Key(L"list"), {L"c:\\temp\\", L"*.tmp"}, true);
  reg_->LoadListFromValueNames(HKCU, Key(L"list"), lines);
  std::sort(lines.begin(), lines.end());  // Windows promises no order of values
  EXPECT_EQ(lines, (std::vector<std::wstring>{L"*.TMP", L"C:\\TEMP\\"}));
  EXPECT_EQ(reg_->ValueDataType(HKCU, Key(L"list"), L"*.TMP"), 1);

  reg_->SaveListAsValueNames(HKCU, Key(L"list"), {}, false);
  EXPECT_FALSE(reg_->KeyExists(HKCU, Key(L"list"))) << "empty list leaves the key removed";
}

TEST(RegistryNames, RootKeyNames) {
  EXPECT_EQ(RegistryAccess::RootKeyName(HKCR), L"HKEY_CLASSES_ROOT");
  EXPECT_EQ(RegistryAccess::RootKeyName(HKCU), L"HKEY_CURRENT_USER");
  EXPECT_EQ(RegistryAccess::RootKeyName(HKLM), L"HKEY_LOCAL_MACHINE");
  EXPECT_EQ(RegistryAccess::RootKeyName(HKU), L"HKEY_USERS");
  EXPECT_EQ(RegistryAccess::RootKeyName(HKCC), L"HKEY_CURRENT_CONFIG");
  EXPECT_EQ(RegistryAccess::RootKeyName(RegRoot::PerformanceData), L"");
}

}  // namespace vt::testing
