// How long work (a scan, a deletion, a wipe) paces itself. The work calls Next()
// after each unit; whoever runs it decides what happens in between (a window lets
// its pending messages through, so Cancel can be pressed; a test or the
// one-click run may do nothing) and every work stops at the first Next() after
// CancelRequested was set.
#pragma once

#include <functional>

#include "core/globals.h"

namespace vt {

struct WorkSteps {
  std::function<void()> betweenItems;

  // False once the work should stop.
  bool Next() const {
    if (betweenItems) betweenItems();
    return !CancelRequested;
  }
};

}  // namespace vt
