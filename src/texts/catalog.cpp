#include "texts/dc_download_texts.h"
#include "texts/dc_options_texts.h"
#include "texts/main_texts.h"
#include "texts/options_texts.h"
#include "texts/startup_texts.h"
#include "texts/text_table.h"

namespace vt {

std::span<const TextSection* const> AllTextSections() {
  static const TextSection* const kAll[] = {
      &kPasswordTexts,
      &kOptionsTexts,
      &kContextMenuTexts,
      &kMainWindowTexts,
      &kSplashTexts,
      &kDcDownloadTexts,
      &kDcOptionsTexts,
      &kDcNewTypTexts,
      &kDcNewExcTexts,
  };
  return kAll;
}

}  // namespace vt
