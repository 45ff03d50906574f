#pragma once

#include "texts/text_table.h"

namespace vt {

extern const TextSection kDcOptionsTexts;  // the Drive Cleaner's settings window
extern const TextSection kDcNewTypTexts;   // its dialog for a new file type
extern const TextSection kDcNewExcTexts;   // its dialog for a new exception

}  // namespace vt
