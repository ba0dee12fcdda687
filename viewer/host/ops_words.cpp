// PDModel, words: the word finder of a document and the words it reports, page by page.
#include <algorithm>
#include <vector>

#include "core/buffer_copy.h"
#include "core/exception_frames.h"
#include "core/host_error.h"
#include "host/host_impl.h"
#include "host/object_refs.h"
#include "host/word_handles.h"
#include "pdf/word_finder.h"

namespace viewer::ops {

using core::HostError;

// One algorithm serves every version and flag: words as word_builder.h splits them, in
// the host's encoding. No encoding information, vector or ligature table is handed
// out, so the out parameters are left alone.
PDWordFinder PDDocCreateWordFinder_Impl(PDDoc doc, ASUns16*, char**, const char**, ASInt16, ASUns16,
                                        void*) {
  return host::NewWordFinder(doc, host::CheckedModel(doc).serial());
}

// The page is read again at every call, by its index now, so a finder stays right as
// pages are inserted and deleted between calls. The words are copied out first, and
// the finder is not touched again: the procedure may change or close the document,
// which drops the finder (its handlers pump messages).
// Answers false when the procedure stopped the enumeration, true when every word was told.
ASBool PDWordFinderEnumWords_Impl(PDWordFinder finder, PDPageNumber page, PDWordProc proc,
                                  void* clientData) {
  host::WordFinder& checked = host::CheckedWordFinder(finder);
  if (proc == nullptr) throw HostError(kHostErrBadParameter, "null word procedure");
  pdf::PdfDocument& model = host::CheckedModel(checked.doc);
  if (model.serial() != checked.serial) throw HostError(kHostErrBadParameter, "word finder of a closed document");
  const std::vector<pdf::FoundWord> words = pdf::PageWords(model.Page(page).getObjectHandle(), &checked.fonts);
  for (const pdf::FoundWord& found : words) {
    host::LiveWord word(found.text);
    ASBool more;
    {
      core::ExceptionFrameBarrier barrier("word procedure");
      more = proc(finder, word.handle(), page, clientData);
    }
    if (!more) return 0;
  }
  return 1;
}

// Copies what fits of the text, terminated within bufferSize.
void PDWordGetString_Impl(PDWord word, char* buffer, ASInt32 bufferSize) {
  core::CopyTerminated(host::CheckedWord(word).text, buffer, bufferSize);
}

// The number of bytes (characters in the host's encoding) of the word's text; the
// answer is 8-bit, so a longer word answers 255.
ASUns8 PDWordGetLength_Impl(PDWord word) {
  return static_cast<ASUns8>(std::min<size_t>(host::CheckedWord(word).text.size(), 255));
}

// The word's attribute bits. The word finder reports no hyphenation, ligatures or
// spacing, so none is set.
ASUns16 PDWordGetAttr_Impl(PDWord word) {
  host::CheckedWord(word);
  return 0;
}

}  // namespace viewer::ops
