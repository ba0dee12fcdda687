#include "host/created_documents.h"

#include <memory>
#include <vector>

#include "host/word_handles.h"

namespace viewer::host {
namespace {

// Few at a time (the plug-in makes one, saves it and closes it), so a list will do.
std::vector<std::unique_ptr<pdf::PdfDocument>>& Created() {
  static std::vector<std::unique_ptr<pdf::PdfDocument>> documents;
  return documents;
}

PDDoc HandleOf(pdf::PdfDocument* doc) { return reinterpret_cast<PDDoc>(doc); }

}  // namespace

PDDoc CreateDocument() {
  Created().push_back(pdf::PdfDocument::CreateEmpty());
  return HandleOf(Created().back().get());
}

pdf::PdfDocument* FindCreatedDocument(PDDoc doc) {
  for (const auto& created : Created()) {
    if (HandleOf(created.get()) == doc) return created.get();
  }
  return nullptr;
}

bool CloseCreatedDocument(PDDoc doc) {
  auto& documents = Created();
  for (auto created = documents.begin(); created != documents.end(); ++created) {
    if (HandleOf(created->get()) != doc) continue;
    // Taken out of the list first: nothing reached while it is freed finds it there.
    std::unique_ptr<pdf::PdfDocument> closing = std::move(*created);
    documents.erase(created);
    DropWordFinders(closing->serial());
    return true;
  }
  return false;
}

size_t CreatedDocumentCount() { return Created().size(); }

}  // namespace viewer::host
