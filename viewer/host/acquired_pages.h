// The pages the host has handed out (PDPage): each is the page object itself, so it
// stays the same page when pages are inserted or deleted before it.
#pragma once

#include <qpdf/QPDFObjectHandle.hh>

#include "host_types.h"
#include "pdf/pdf_document.h"

struct _t_PDPage {
  PDDoc doc;
  QPDFObjectHandle object;
};

namespace viewer::host {

// A new acquired page of doc; released with ReleasePage.
PDPage AcquirePage(PDDoc doc, QPDFObjectHandle object);
// Throws core::HostError(kHostErrBadParameter) for a page not handed out.
PDPage CheckedPage(PDPage page);
void ReleasePage(PDPage page);
// How many pages are handed out and not released.
size_t AcquiredPageCount();

struct PageInModel {
  pdf::PdfDocument& model;
  int index;
};

// The page's document and its index there now; throws core::HostError
// (kHostErrBadPage once the page has left its document).
PageInModel LocatePage(PDPage page);

}  // namespace viewer::host
