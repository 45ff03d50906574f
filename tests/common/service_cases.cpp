#include <gtest/gtest.h>

#include "core/services.h"

namespace vt {

void CheckServiceStartTypes(RegistryAccess& reg, const std::wstring& prefix) {
  const std::wstring base = L"SYSTEM\\CurrentControlSet\\Services\\";
  const std::wstring svc = prefix + L"_Svc";
  const std::wstring driver = prefix + L"_Driver";
  const std::wstring bare = prefix + L"_Bare";
  const std::wstring missing = prefix + L"_Missing";
  reg.WriteStringValue(HKLM, base + svc, L"DisplayName", L"Test Service");
  reg.WriteIntegerValue(HKLM, base + svc, L"Start", 3);
  reg.WriteIntegerValue(HKLM, base + driver, L"Start", 1);
  reg.CreateKeyPath(HKLM, base + bare);

  EXPECT_TRUE(ServiceExists(reg, svc));
  EXPECT_FALSE(ServiceExists(reg, missing));
  EXPECT_FALSE(ServiceExists(reg, L""));
  EXPECT_EQ(ServiceDisplayName(reg, svc), L"Test Service");
  EXPECT_EQ(ServiceDisplayName(reg, bare), L"");
  EXPECT_EQ(ServiceStartType(reg, svc), 3);
  EXPECT_EQ(ServiceStartType(reg, driver), 0) << "Start 1 reads as 0";
  EXPECT_EQ(ServiceStartType(reg, bare), 0);
  EXPECT_EQ(ServiceStartType(reg, missing), 0);

  for (int type : {2, 4, 3}) {
    SetServiceStartType(reg, svc, type);
    EXPECT_EQ(ServiceStartType(reg, svc), type);
    EXPECT_EQ(reg.ValueDataType(HKLM, base + svc, L"Start"), kValueInteger);
  }
  SetServiceStartType(reg, svc, 5);
  EXPECT_EQ(reg.ReadIntegerValue(HKLM, base + svc, L"Start"), 3) << "5 leaves the registry unchanged";
  SetServiceStartType(reg, driver, 0);
  EXPECT_EQ(reg.ReadIntegerValue(HKLM, base + driver, L"Start"), 1);
  SetServiceStartType(reg, missing, 2);
  EXPECT_FALSE(reg.KeyExists(HKLM, base + missing)) << "creates nothing";

  for (const auto& name : {svc, driver, bare}) reg.RemoveKey(HKLM, base + name);
}

}  // namespace vt
