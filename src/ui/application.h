// The message loops. All of the program's work runs on the one user-interface
// thread; long work calls ProcessPendingMessages between items so the windows
// stay responsive and a Cancel button can be pressed.
#pragma once

#include <functional>

namespace vt::ui {

// Handles every message waiting now, then returns.
void ProcessPendingMessages();
// Runs until `done` says so (a modal window) or the program is asked to quit.
void RunModalLoop(const std::function<bool()>& done);
// The program's main loop; returns the exit code of the quit message.
int RunMessageLoop();
// Whether a quit was requested while a modal loop ran (the loops re-post it).
bool QuitRequested();

}  // namespace vt::ui
