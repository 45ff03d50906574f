#pragma once

#include "texts/text_table.h"

namespace vt {

extern const TextSection kOptionsTexts;  // the global settings window

}  // namespace vt
