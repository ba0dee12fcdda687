// Documents for the viewer's tests: temporary files under /tmp, an outline item per
// page, and a document saved by the viewer read back as qpdf reads it.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include "pdf/pdf_document.h"

// The path of a new empty file under /tmp whose name starts with stem.
inline std::string TempPath(const char* stem) {
  std::string name = std::string("/tmp/") + stem + "-XXXXXX";
  const int fd = mkstemp(name.data());
  if (fd >= 0) close(fd);
  return name;
}

// pdf written to a new file under /tmp whose name starts with stem; its path.
inline std::string WriteTempPdf(QPDF& pdf, const char* stem) {
  const std::string path = TempPath(stem);
  QPDFWriter writer(pdf, path.c_str());
  writer.write();
  return path;
}

// One top-level outline item per page ("Item 0", "Item 1"...), each leading to its page.
inline void AddOutlineItemPerPage(QPDF& pdf) {
  QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
  QPDFObjectHandle previous;
  const std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
  for (size_t i = 0; i < pages.size(); ++i) {
    QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::parse(
        "<< /Title (Item " + std::to_string(i) + ") /Dest [null /Fit] >>"));
    item.getKey("/Dest").setArrayItem(0, pages[i]);
    item.replaceKey("/Parent", outlines);
    if (!previous.isInitialized()) {
      outlines.replaceKey("/First", item);
    } else {
      previous.replaceKey("/Next", item);
      item.replaceKey("/Prev", previous);
    }
    previous = item;
  }
  outlines.replaceKey("/Last", previous);
  outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(static_cast<long long>(pages.size())));
  pdf.getRoot().replaceKey("/Outlines", outlines);
}

// doc saved by the viewer to a new file under /tmp (its path in `savedPath`, for the
// caller to remove), then read back.
inline std::unique_ptr<QPDF> SaveAndReadBack(viewer::pdf::PdfDocument& doc, const char* stem,
                                            std::string& savedPath) {
  savedPath = TempPath(stem);
  doc.SaveAs(savedPath);
  auto read = std::make_unique<QPDF>();
  read->processFile(savedPath.c_str());
  return read;
}
