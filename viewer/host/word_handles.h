// The word finders and words the host hands out. A finder names its document (and the
// document's serial number) and holds nothing of its pages: each enumeration reads the
// page at its index then. It keeps the fonts it has read, so it lasts no longer than
// its document: closing the document drops its finders, and their handles raise from
// then on. A word handle is live only while the word procedure it was handed to runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "host_types.h"
#include "pdf/word_finder.h"

struct _t_PDWord {
  std::string text;  // in the host's encoding
};

namespace viewer::host {

struct WordFinder {
  PDDoc doc = nullptr;
  uint32_t serial = 0;
  // The document's fonts as the finder has read them so far.
  pdf::FontDecoderCache fonts;
};

// The host interface offers no call to free a finder, so the plug-in makes one per scan
// and leaves it; its document's closing frees it.
PDWordFinder NewWordFinder(PDDoc doc, uint32_t serial);
// Throws core::HostError(kHostErrBadParameter) for a handle never handed out or dropped.
// The finder stays until its document closes.
WordFinder& CheckedWordFinder(PDWordFinder finder);
// Drops the finders of the document with this serial number, which closes.
void DropWordFinders(uint32_t serial);
// How many finders are live.
size_t WordFinderCount();

// A word handle for the duration of this object.
class LiveWord {
 public:
  explicit LiveWord(std::string text);
  ~LiveWord();
  LiveWord(const LiveWord&) = delete;
  LiveWord& operator=(const LiveWord&) = delete;
  PDWord handle() { return &word_; }

 private:
  _t_PDWord word_;
};

// Throws core::HostError(kHostErrBadParameter) for a word that is not live.
const _t_PDWord& CheckedWord(PDWord word);

}  // namespace viewer::host
