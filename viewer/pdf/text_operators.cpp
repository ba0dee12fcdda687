#include "pdf/text_operators.h"

#include "pdf/content_syntax.h"

namespace viewer::pdf {
namespace {

const char* FillOperator(ColourSpace space) {
  switch (space) {
    case ColourSpace::DeviceGray: return "g";
    case ColourSpace::DeviceRGB: return "rg";
    case ColourSpace::DeviceCMYK: return "k";
  }
  return "g";
}

}  // namespace

std::string TextRunOperators(const TextRun& run, const std::string& fontName,
                             const std::string& extGStateName) {
  std::string ops = "q\n";
  if (!extGStateName.empty()) ops += "/" + extGStateName + " gs\n";
  for (int i = 0; i < ComponentCount(run.fillSpace); ++i) {
    ops += PdfNumber(run.fill[static_cast<size_t>(i)]) + " ";
  }
  ops += FillOperator(run.fillSpace);
  ops += "\nBT\n/" + fontName + " 1 Tf\n";
  const TextMatrix& m = run.matrix;
  for (double value : {m.a, m.b, m.c, m.d, m.h, m.v}) ops += PdfNumber(value) + " ";
  ops += "Tm\n" + PdfLiteralString(run.bytes) + " Tj\nET\nQ\n";
  return ops;
}

}  // namespace viewer::pdf
