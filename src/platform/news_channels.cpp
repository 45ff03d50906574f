#include "platform/news_channels.h"

#include "platform/dialogs.h"
#include "vtr_inet/vtr_inet_api.h"

namespace vt {

namespace {

// The entry points of one loaded library; any missing one counts as no library.
struct NewsLibrary {
  VinetInitFunction init = nullptr;
  VinetCreateFunction create = nullptr;
  VinetSetTextFunction setProduct = nullptr;
  VinetSetTextFunction setVersion = nullptr;
  VinetSetIntegerFunction setLanguage = nullptr;
  VinetSetWindowFunction setParent = nullptr;
  VinetSetKeyFunction setKey = nullptr;
  VinetStartFunction startAllAuto = nullptr;
  VinetConfigFunction doConfig = nullptr;

  bool Complete() const {
    return init && create && setProduct && setVersion && setLanguage && setParent && setKey && startAllAuto && doConfig;
  }
};

template <typename Function>
void Bind(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The library of the current AppDir, by full path so no other vtr_inet.dll on
// the search path can stand in. Never freed, so no UniqueModule: the objects it
// hands out are never destroyed and must outlive every call. Loading the same
// file again only returns the module already loaded.
NewsLibrary LoadNewsLibrary() {
  NewsLibrary library;
  const std::wstring path = AppDir + L"\\vtr_inet.dll";
  HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module) return library;
  Bind(module, "vinet_Init", library.init);
  Bind(module, "vinet_InfoCheckCreate", library.create);
  Bind(module, "vinet_InfoCheckSetProduct", library.setProduct);
  Bind(module, "vinet_InfoCheckSetProductVersion", library.setVersion);
  Bind(module, "vinet_InfoCheckSetProductLanguage", library.setLanguage);
  Bind(module, "vinet_InfoCheckSetParentWindow", library.setParent);
  Bind(module, "vinet_InfoCheckSetRegistryKey", library.setKey);
  Bind(module, "vinet_InfoCheckStartAllAuto", library.startAllAuto);
  Bind(module, "vinet_InfoCheckDoConfig", library.doConfig);
  return library;
}

// Init, create and the five setters, in that order. Null (after the message)
// when there is no object to work with.
VinetInfoCheck* PrepareInfoCheck(const NewsLibrary& library, HWND parent, const std::wstring& product,
                                 const std::wstring& version, RegRoot root, const std::wstring& key) {
  VinetInfoCheck* check = nullptr;
  if (library.Complete()) {
    library.init();
    check = library.create();
  }
  if (!check) {
    ShowMessage(nullptr, L"NewsChannels : pObject is NIL!!!", MessageIcon::None);
    return nullptr;
  }
  library.setProduct(check, product.c_str());
  library.setVersion(check, version.c_str());
  library.setLanguage(check, LanguageId);
  library.setParent(check, parent);
  library.setKey(check, reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)), key.c_str());
  return check;
}

}  // namespace

void ShowNewsChannels(HWND parent, const std::wstring& product, const std::wstring& version, RegRoot root,
                      const std::wstring& key) {
  const NewsLibrary library = LoadNewsLibrary();
  if (VinetInfoCheck* check = PrepareInfoCheck(library, parent, product, version, root, key))
    library.startAllAuto(check);
}

void ConfigureNewsChannels(HWND window, RegRoot root, const std::wstring& key) {
  const NewsLibrary library = LoadNewsLibrary();
  if (VinetInfoCheck* check = PrepareInfoCheck(library, window, NewsProductId, ProductVersion, root, key))
    library.doConfig(check, nullptr);
}

void ConfigureNewsChannels(HWND window) {
  ConfigureNewsChannels(window, HKLM, NewsChannelsKey());
}

}  // namespace vt
