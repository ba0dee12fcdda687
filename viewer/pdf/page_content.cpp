#include "pdf/page_content.h"

#include "core/host_error.h"
#include "pdf/document_edits.h"
#include "pdf/document_slots.h"
#include "pdf/page_resources.h"
#include "pdf/pdf_document.h"
#include "pdf/text_operators.h"

namespace viewer::pdf {

PageContent::PageContent(PdfDocument& doc, QPDFObjectHandle page)
    : doc_(&doc), slot_(doc.slot()), serial_(doc.serial()), page_(page) {}

PdfDocument* PageContent::Document() const {
  PdfDocument* open = DocumentInSlot(slot_);
  return open == doc_ && open != nullptr && open->serial() == serial_ ? open : nullptr;
}

bool PageContent::Of(const PdfDocument& doc, QPDFObjectHandle page) const {
  return &doc == doc_ && doc.serial() == serial_ && page.getObjGen() == page_.getObjGen();
}

void PageContent::Append(std::shared_ptr<const Element> element) {
  if (element == nullptr || element->kind() != ElementKind::Text) {
    throw core::HostError(kHostErrBadParameter, "only text elements can be added to a page");
  }
  appended_.push_back(std::static_pointer_cast<const TextElement>(element));
}

bool PageContent::Write() {
  PdfDocument* doc = Document();
  if (doc == nullptr) throw core::HostError(kHostErrBadParameter, "the page's document is closed");
  if (written_ == appended_.size()) return false;
  DocumentEdits& edits = doc->edits();
  std::string operators;
  for (size_t i = written_; i < appended_.size(); ++i) {
    for (const TextRun& run : appended_[i]->runs) {
      const std::string font = PageResourceName(page_, "/Font", edits.Font(*run.font), "F");
      const std::string state =
          run.opacity ? PageResourceName(page_, "/ExtGState", edits.ExtGState(*run.opacity), "GS")
                      : std::string();
      operators += TextRunOperators(run, font, state);
    }
  }
  written_ = appended_.size();
  if (operators.empty()) return false;
  edits.AppendContent(page_, operators);
  doc->MarkPageChanged(page_);
  return true;
}

}  // namespace viewer::pdf
