// PDModel, the outline: the root, an item's links, title and action, taking an item
// out, and the translation of title bytes to the host's encoding. A damaged link (one
// the outline's check found bad) raises kHostErrBadOutline from the call that would
// follow it.
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "core/buffer_copy.h"
#include "core/host_error.h"
#include "app/ansi_code_page.h"
#include "core/pdf_doc_encoding.h"
#include "host/host_impl.h"
#include "host/object_refs.h"
#include "pdf/actions.h"
#include "pdf/outline_edits.h"

namespace viewer::ops {
namespace {

using core::HostError;
using host::HandleOfKind;
using host::NullHandle;

PDBookmark Follow(PDBookmark bookmark, pdf::OutlineLink pdf::OutlineNode::*link) {
  pdf::HandleTarget item = host::CheckedTarget(bookmark);
  const pdf::OutlineNode* node =
      item.doc->OutlineNodeOf(item.index, link == &pdf::OutlineNode::next);
  if (node == nullptr) return NullHandle<PDBookmark>();
  const pdf::OutlineLink& target = node->*link;
  switch (target.state) {
    case pdf::OutlineLinkState::Absent:
      return NullHandle<PDBookmark>();
    case pdf::OutlineLinkState::Bad:
      throw HostError(kHostErrBadOutline, "outline link to a non-item or to an item met before");
    case pdf::OutlineLinkState::Item:
      break;
  }
  return HandleOfKind<PDBookmark>(item.doc->handles().RefOf(target.target));
}

}  // namespace

PDBookmark PDDocGetBookmarkRoot_Impl(PDDoc doc) {
  pdf::PdfDocument& model = host::CheckedModel(doc);
  const pdf::OutlineIndex& outline = model.OutlineBegun();
  if (outline.rootBad()) throw HostError(kHostErrBadOutline, "/Outlines is not a dictionary");
  return HandleOfKind<PDBookmark>(model.handles().RefOf(outline.root()));
}

// The bookmark and its descendants leave the outline; their handles are no longer
// valid bookmarks (PDBookmarkIsValid answers false for them).
void PDBookmarkDestroy_Impl(PDBookmark bookmark) {
  pdf::HandleTarget item = host::CheckedTarget(bookmark);
  pdf::DestroyOutlineItem(*item.doc, item.index);
}

ASBool PDBookmarkIsValid_Impl(PDBookmark bookmark) {
  pdf::HandleTarget item;
  return pdf::ResolveHandle(bookmark, &item) && item.object.isDictionary() ? 1 : 0;
}

ASBool PDBookmarkHasChildren_Impl(PDBookmark bookmark) {
  pdf::HandleTarget item = host::CheckedTarget(bookmark);
  const pdf::OutlineNode* node = item.doc->OutlineNodeOf(item.index, false);
  return node != nullptr && node->first.state != pdf::OutlineLinkState::Absent ? 1 : 0;
}

PDBookmark PDBookmarkGetFirstChild_Impl(PDBookmark bookmark) {
  return Follow(bookmark, &pdf::OutlineNode::first);
}

PDBookmark PDBookmarkGetNext_Impl(PDBookmark bookmark) {
  return Follow(bookmark, &pdf::OutlineNode::next);
}

// The title's bytes as stored (a two-byte Unicode title keeps its byte-order mark
// and its zero bytes); answers the title's whole length.
ASInt32 PDBookmarkGetTitle_Impl(PDBookmark bookmark, char* buffer, ASInt32 bufferSize) {
  pdf::HandleTarget item = host::CheckedTarget(bookmark);
  QPDFObjectHandle title = item.object.isDictionary() ? item.object.getKey("/Title")
                                                      : QPDFObjectHandle::newNull();
  const std::string bytes = title.isString() ? title.getStringValue() : std::string();
  core::CopyTerminated(bytes, buffer, bufferSize);
  return static_cast<ASInt32>(std::min<size_t>(bytes.size(), 0x7FFFFFFF));
}

PDAction PDBookmarkGetAction_Impl(PDBookmark bookmark) {
  pdf::HandleTarget item = host::CheckedTarget(bookmark);
  QPDFObjectHandle action = pdf::OutlineItemAction(item.object);
  if (action.isNull()) return NullHandle<PDAction>();
  return HandleOfKind<PDAction>(item.doc->handles().Of(action, item.index, pdf::HandleLink::Action));
}

namespace {

// out receives text's bytes, zero-filled to length; text already fits.
void FillTranslation(std::string_view text, char* out, ASInt32 length) {
  if (length <= 0) return;
  std::memset(out, 0, static_cast<size_t>(length));
  std::memcpy(out, text.data(), std::min(text.size(), static_cast<size_t>(length)));
}

void CheckTranslation(const char* in, char* out, ASInt32 length) {
  if (length < 0 || (length > 0 && (in == nullptr || out == nullptr))) {
    throw HostError(kHostErrBadParameter);
  }
}

}  // namespace

// Both directions go through Unicode; out receives at most length bytes (a text that
// grows in a double-byte code page is cut on a character boundary), zero-filled after.
void PDXlateToPDFDocEnc_Impl(const char* in, char* out, ASInt32 length) {
  CheckTranslation(in, out, length);
  const std::string_view text(in, static_cast<size_t>(length));
  FillTranslation(core::UnicodeToPdfDoc(AnsiToUnicode(text)), out, length);
}

void PDXlateToHost_Impl(const char* in, char* out, ASInt32 length) {
  CheckTranslation(in, out, length);
  const std::string_view text(in, static_cast<size_t>(length));
  const std::string ansi = UnicodeToAnsi(core::PdfDocToUnicode(text));
  size_t fits = 0;
  while (fits < ansi.size()) {
    const size_t step = IsDBCSLeadByte(static_cast<BYTE>(ansi[fits])) ? 2 : 1;
    if (fits + step > static_cast<size_t>(length)) break;
    fits += step;
  }
  FillTranslation(std::string_view(ansi).substr(0, fits), out, length);
}

}  // namespace viewer::ops
