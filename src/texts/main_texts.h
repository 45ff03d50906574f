#pragma once

#include "texts/text_table.h"

namespace vt {

extern const TextSection kMainWindowTexts;  // the launcher window
extern const TextSection kSplashTexts;

}  // namespace vt
