#include "core/services.h"

namespace vt {

namespace {
std::wstring ServiceKey(const std::wstring& name) { return L"SYSTEM\\CurrentControlSet\\Services\\" + name; }
bool Settable(int type) { return type == kServiceAutomatic || type == kServiceManual || type == kServiceDisabled; }
}  // namespace

bool ServiceExists(const RegistryAccess& reg, const std::wstring& name) {
  // An empty name would address the Services key itself.
  return !name.empty() && reg.KeyExists(HKLM, ServiceKey(name));
}

std::wstring ServiceDisplayName(const RegistryAccess& reg, const std::wstring& name) {
  if (!ServiceExists(reg, name) || !reg.ValueExists(HKLM, ServiceKey(name), L"DisplayName")) return {};
  return reg.ReadStringValue(HKLM, ServiceKey(name), L"DisplayName");
}

int ServiceStartType(const RegistryAccess& reg, const std::wstring& name) {
  if (!ServiceExists(reg, name)) return kServiceStartOther;
  const int start = reg.ReadIntegerValue(HKLM, ServiceKey(name), L"Start");
  return Settable(start) ? start : kServiceStartOther;
}

void SetServiceStartType(RegistryAccess& reg, const std::wstring& name, int type) {
  if (!Settable(type) || !ServiceExists(reg, name)) return;
  reg.RemoveValue(HKLM, ServiceKey(name), L"Start");
  reg.WriteIntegerValue(HKLM, ServiceKey(name), L"Start", type);
}

}  // namespace vt
