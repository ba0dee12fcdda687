#include "core/pdf_doc_encoding.h"

namespace viewer::core {
namespace {

// 0x18 to 0x1F: spacing accents. Only the circumflex and the tilde exist in
// Windows-1252.
constexpr unsigned char kAccents[8] = {
    '?',   // breve
    '?',   // caron
    0x88,  // circumflex
    '?',   // dot accent
    '?',   // double acute
    '?',   // ogonek
    '?',   // ring
    0x98,  // small tilde
};

// 0x80 to 0x9F: the typographic characters PDFDocEncoding puts there.
constexpr unsigned char kHighBlock[32] = {
    0x95,  // bullet
    0x86,  // dagger
    0x87,  // double dagger
    0x85,  // ellipsis
    0x97,  // em dash
    0x96,  // en dash
    0x83,  // florin
    '/',   // fraction slash
    0x8B,  // single left guillemet
    0x9B,  // single right guillemet
    '-',   // minus
    0x89,  // per mille
    0x84,  // low double quote
    0x93,  // left double quote
    0x94,  // right double quote
    0x91,  // left single quote
    0x92,  // right single quote
    0x82,  // low single quote
    0x99,  // trade mark
    '?',   // fi ligature
    '?',   // fl ligature
    'L',   // L with stroke
    0x8C,  // OE
    0x8A,  // S caron
    0x9F,  // Y diaeresis
    0x8E,  // Z caron
    'i',   // dotless i
    'l',   // l with stroke
    0x9C,  // oe
    0x9A,  // s caron
    0x9E,  // z caron
    '?',   // undefined
};

}  // namespace

unsigned char PdfDocToHostByte(unsigned char b) {
  if (b >= 0x18 && b <= 0x1F) return kAccents[b - 0x18];
  if (b >= 0x80 && b <= 0x9F) return kHighBlock[b - 0x80];
  if (b == 0xA0) return 0x80;  // euro sign
  // ASCII and 0xA1 to 0xFF (Latin-1) are the same in both.
  return b;
}

void PdfDocToHost(const char* in, char* out, size_t length) {
  if (in == nullptr || out == nullptr) return;
  for (size_t i = 0; i < length; ++i) {
    out[i] = static_cast<char>(PdfDocToHostByte(static_cast<unsigned char>(in[i])));
  }
}

unsigned char HostToPdfDocByte(unsigned char h) {
  const bool accentBlock = h >= 0x18 && h <= 0x1F;
  if ((h < 0x80 && !accentBlock) || h >= 0xA1) return h;  // the same in both
  // The bytes PDFDocEncoding moved; the look-alikes the other direction falls back on
  // are not the characters themselves.
  for (unsigned p = 0x18; p <= 0xA0; ++p) {
    if (p == 0x20) p = 0x80;
    if (PdfDocToHostByte(static_cast<unsigned char>(p)) == h && h >= 0x80) {
      return static_cast<unsigned char>(p);
    }
  }
  return '?';
}

void HostToPdfDoc(const char* in, char* out, size_t length) {
  if (in == nullptr || out == nullptr) return;
  for (size_t i = 0; i < length; ++i) {
    out[i] = static_cast<char>(HostToPdfDocByte(static_cast<unsigned char>(in[i])));
  }
}

}  // namespace viewer::core
