#pragma once

#include "texts/text_table.h"

namespace vt {

extern const TextSection kPasswordTexts;      // the start-up password window
extern const TextSection kContextMenuTexts;  // captions handed to the shell extension

}  // namespace vt
