#include "banner_scan.h"

#include <string_view>

#include "banner_numbers.h"
#include "host/callbacks.h"
#include "host/error_frame.h"

namespace {

constexpr ASInt16 kWordFinderAlgorithm = 0;
constexpr ASUns16 kWordFinderFlags = 2;
constexpr ASInt32 kWordBufferSize = 255;

// The word's text, or an empty text when the host raised. The procedures run inside
// the host's enumeration: a raise must stop here, not jump across the host's frames.
std::string_view WordText(PDWord word, char (&buffer)[kWordBufferSize]) {
  buffer[0] = '\0';
  HOST_DURING
    host::PDWordGetLength(word);
    host::PDWordGetString(word, buffer, kWordBufferSize);
  HOST_HANDLER
    buffer[0] = '\0';
  HOST_END_HANDLER
  buffer[kWordBufferSize - 1] = '\0';
  return buffer;
}

ASBool HOSTCALL MarkBannerPageWord(PDWordFinder, PDWord word, PDPageNumber, void* clientData) {
  char buffer[kWordBufferSize];
  if (IsBannerPageWord(WordText(word, buffer))) *static_cast<bool*>(clientData) = true;
  return true;
}

ASBool HOSTCALL ReadLevelWord(PDWordFinder, PDWord word, PDPageNumber, void* clientData) {
  char buffer[kWordBufferSize];
  ReadBannerLevelWord(WordText(word, buffer), *static_cast<int32_t*>(clientData));
  return true;
}

}  // namespace

BannerWordScan::BannerWordScan(PDDoc document) {
  PDWordFinder volatile finder = nullptr;
  HOST_DURING
    pageWordProc_ = host::CreateCallback(&MarkBannerPageWord);
    levelWordProc_ = host::CreateCallback(&ReadLevelWord);
    finder = host::PDDocCreateWordFinder(document, nullptr, nullptr, nullptr,
                                         kWordFinderAlgorithm, kWordFinderFlags, nullptr);
  HOST_HANDLER
    finder = nullptr;
  HOST_END_HANDLER
  finder_ = finder;
}

bool BannerWordScan::IsBannerPage(PDPageNumber page) {
  pageFlag_ = false;
  if (!finder_) return false;
  HOST_DURING
    host::PDWordFinderEnumWords(finder_, page, pageWordProc_, &pageFlag_);
  HOST_HANDLER
    pageFlag_ = false;
  HOST_END_HANDLER
  return pageFlag_;
}

int32_t BannerWordScan::PageLevel(PDPageNumber page) {
  pageLevel_ = 0;
  if (!finder_) return 0;
  HOST_DURING
    host::PDWordFinderEnumWords(finder_, page, levelWordProc_, &pageLevel_);
  HOST_HANDLER
    pageLevel_ = 0;
  HOST_END_HANDLER
  return pageLevel_;
}
