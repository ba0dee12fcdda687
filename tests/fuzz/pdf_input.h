// The fuzz input as a PDF document: qpdf reads the bytes where they are, its warnings
// kept quiet (a damaged file gives many; they are not findings).
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>

#include <qpdf/QPDF.hh>

#include "pdf/pdf_document.h"

// qpdf over the bytes, or null when qpdf refuses them.
inline std::unique_ptr<QPDF> OpenInputPdf(const uint8_t* data, size_t size) {
  auto pdf = std::make_unique<QPDF>();
  pdf->setSuppressWarnings(true);
  try {
    pdf->processMemoryFile("fuzz input", reinterpret_cast<const char*>(data), size);
  } catch (const std::exception&) {
    return nullptr;
  }
  return pdf;
}

// The viewer's document over the bytes, or null when it refuses them. The viewer opens
// documents by path, so the bytes are handed over as an anonymous in-memory file.
inline std::unique_ptr<viewer::pdf::PdfDocument> OpenInputDocument(const uint8_t* data,
                                                                   size_t size) {
  const int fd = memfd_create("fuzz-input", 0);
  if (fd < 0) return nullptr;
  size_t written = 0;
  while (written < size) {
    const ssize_t n = write(fd, data + written, size - written);
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  std::unique_ptr<viewer::pdf::PdfDocument> doc;
  if (written == size) {
    try {
      doc = viewer::pdf::PdfDocument::Open("/proc/self/fd/" + std::to_string(fd));
    } catch (const std::exception&) {
    }
  }
  close(fd);
  return doc;
}
