#include <windows.h>

#include "shell/startup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return vt::RunTidewright(); }
