#pragma once

#include "texts/text_table.h"

namespace vt {

// Messages of the exception-list download, shown by the Drive Cleaner's window.
extern const TextSection kDcDownloadTexts;

}  // namespace vt
