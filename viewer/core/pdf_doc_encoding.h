// Text strings of a document in PDFDocEncoding, turned into the host's 8-bit
// encoding (Windows-1252), byte for byte.
#pragma once

#include <cstddef>

namespace viewer::core {

// The Windows-1252 byte for a PDFDocEncoding byte. Characters Windows-1252 lacks
// become their base letter or plain ASCII look-alike where there is one, else '?'.
unsigned char PdfDocToHostByte(unsigned char pdfDocByte);

// Translates length bytes; in may equal out.
void PdfDocToHost(const char* in, char* out, size_t length);

// The other direction: the PDFDocEncoding byte of a Windows-1252 byte; what
// PDFDocEncoding lacks (control characters 0x18 to 0x1F, the no-break space, the
// undefined bytes) becomes '?'.
unsigned char HostToPdfDocByte(unsigned char hostByte);
void HostToPdfDoc(const char* in, char* out, size_t length);

}  // namespace viewer::core
