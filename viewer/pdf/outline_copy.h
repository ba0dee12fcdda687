// A document's outline copied whole into another, as PDDocInsertPages does with the
// bookmarks flag: every item the outline's check reaches, its title, colour, style
// and where it leads, also the items that lead to pages not copied (they then lead to
// no page of the copy, for the caller to destroy or keep).
#pragma once

#include <functional>
#include <vector>

#include <qpdf/QPDF.hh>

#include "pdf/link_copy.h"
#include "pdf/pdf_document.h"

namespace viewer::pdf {

struct CopiedOutline {
  // The top-level items, in order, linked to each other and holding their children.
  std::vector<QPDFObjectHandle> items;
  // How many items show when the outline is shown: the top-level ones and the
  // descendants of the open ones.
  long long visible = 0;
};

// The outline of `from` as objects of `to`, its destinations copied by links (after
// the pages were). Bad links are not followed, so the copy holds no loops; counts
// are made anew from the items copied, each open or closed as in `from`. Nothing is
// put into `to`'s outline yet. `meanwhile`, when set, is called after every
// kItemsBetweenCalls items (a long outline is copied with the caller's windows alive);
// what it throws ends the copy.
constexpr int kItemsBetweenCalls = 256;
CopiedOutline CopyOutline(PdfDocument& from, QPDF& to, LinkCopier& links,
                          const std::function<void()>& meanwhile = {});

// Puts the items after the last top-level item of to's outline (the outline is made
// when there is none) and counts them in its root.
void AppendToOutline(PdfDocument& to, const CopiedOutline& outline);

}  // namespace viewer::pdf
