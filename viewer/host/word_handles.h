// The word finders and words the host hands out. A finder names its document (and the
// document's serial number, so a finder outlives its document harmlessly: using it
// then raises) and holds nothing of its pages: each enumeration reads the page at its
// index then. A word handle is live only while the word procedure it was handed to
// runs.
#pragma once

#include <cstdint>
#include <string>

#include "host_types.h"
#include "pdf/word_finder.h"

struct _t_PDWordFinder {
  PDDoc doc;
  uint32_t serial;
  // The document's fonts as the finder has read them so far.
  viewer::pdf::FontDecoderCache fonts;
};

struct _t_PDWord {
  std::string text;  // in the host's encoding
};

namespace viewer::host {

// Finders are few (one per scan of a document) and small; the host interface offers
// no call to free them, so they last as long as the process.
PDWordFinder NewWordFinder(PDDoc doc, uint32_t serial);
// Throws core::HostError(kHostErrBadParameter) for a handle never handed out.
_t_PDWordFinder& CheckedWordFinder(PDWordFinder finder);

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
