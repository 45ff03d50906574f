// The exports of vtr_inet.dll, the news-channel library. Shared by the library
// and the program, which loads it at run time by full path from AppDir.
//
// Calling convention: every export is extern "C" and __stdcall (WINAPI), the
// convention of Windows' own DLLs, so the names stay undecorated and any caller
// written against the plain Win32 rules can use them. Strings are UTF-16.
//
// Order of use: vinet_Init, vinet_InfoCheckCreate, the setters, then
// vinet_InfoCheckStartAllAuto or vinet_InfoCheckDoConfig. The object is never
// destroyed; it lives as long as the process.
//
// The library never touches the network. StartAllAuto only records, under the
// registry key it was given, that the channels were started ("LastStart", local
// time "YYYY-MM-DD hh:mm:ss") and for which product ("Product", "Version" as
// strings, "Language" as a DWORD). DoConfig shows a modal dialog and, on OK
// only, stores "Enabled" (DWORD 0/1) and "Interval" ("daily", "weekly" or
// "monthly") under the same key.
#pragma once

#include <windows.h>

#ifdef VTR_INET_BUILD
#define VINET_API extern "C" __declspec(dllexport)
#else
#define VINET_API extern "C"
#endif

struct VinetInfoCheck;  // opaque

VINET_API BOOL WINAPI vinet_Init(void);
// Null when the object cannot be made.
VINET_API VinetInfoCheck* WINAPI vinet_InfoCheckCreate(void);
// Setters return FALSE for a null object or argument and change nothing then.
VINET_API BOOL WINAPI vinet_InfoCheckSetProduct(VinetInfoCheck* check, const wchar_t* product);
VINET_API BOOL WINAPI vinet_InfoCheckSetProductVersion(VinetInfoCheck* check, const wchar_t* version);
// A Windows primary language number: 7 German gives German texts, anything else English.
VINET_API BOOL WINAPI vinet_InfoCheckSetProductLanguage(VinetInfoCheck* check, int language);
VINET_API BOOL WINAPI vinet_InfoCheckSetParentWindow(VinetInfoCheck* check, HWND parent);
VINET_API BOOL WINAPI vinet_InfoCheckSetRegistryKey(VinetInfoCheck* check, HKEY root, const wchar_t* key);
// FALSE when no registry key was set or it cannot be written.
VINET_API BOOL WINAPI vinet_InfoCheckStartAllAuto(VinetInfoCheck* check);
// Modal; owner 0 means the parent window set before (if any). TRUE when the user
// pressed OK and the choice was stored.
VINET_API BOOL WINAPI vinet_InfoCheckDoConfig(VinetInfoCheck* check, HWND owner);

// The configuration dialog, for callers that automate it.
inline constexpr wchar_t kVinetConfigTitle[] = L"News-Channel";
inline constexpr int kVinetConfigShowOnStart = 1001;  // check box
inline constexpr int kVinetConfigInterval = 1002;     // drop-down list: daily, weekly, monthly

// Function types for GetProcAddress.
using VinetInitFunction = BOOL(WINAPI*)(void);
using VinetCreateFunction = VinetInfoCheck*(WINAPI*)(void);
using VinetSetTextFunction = BOOL(WINAPI*)(VinetInfoCheck*, const wchar_t*);
using VinetSetIntegerFunction = BOOL(WINAPI*)(VinetInfoCheck*, int);
using VinetSetWindowFunction = BOOL(WINAPI*)(VinetInfoCheck*, HWND);
using VinetSetKeyFunction = BOOL(WINAPI*)(VinetInfoCheck*, HKEY, const wchar_t*);
using VinetStartFunction = BOOL(WINAPI*)(VinetInfoCheck*);
using VinetConfigFunction = BOOL(WINAPI*)(VinetInfoCheck*, HWND);
