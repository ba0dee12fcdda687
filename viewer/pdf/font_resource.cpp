#include "pdf/font_resource.h"

#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>

#include "core/host_error.h"
#include "fonts/font_program.h"

namespace viewer::pdf {
namespace {

struct CompressedProgram {
  std::shared_ptr<Buffer> bytes;  // Flate-compressed, shared by every document
  size_t length = 0;   // before compression, for /Length1
};

// Compressed once per process: the writer keeps compressed streams as they are, so a
// document is not compressed afresh every time it is written for display.
std::shared_ptr<const CompressedProgram> ProgramOf(const fonts::FontFace& face) {
  static std::mutex mutex;
  static std::map<std::pair<std::string, int>, std::shared_ptr<const CompressedProgram>> programs;
  std::lock_guard<std::mutex> lock(mutex);
  const auto key = std::make_pair(face.file, face.index);
  if (auto found = programs.find(key); found != programs.end()) return found->second;
  const std::string program = fonts::ReadFontProgram(face.file, face.index);
  if (program.empty()) {
    throw core::HostError(kHostErrNoFont, "cannot read the font program of " + face.file);
  }
  Pl_Buffer buffer("font program");
  Pl_Flate deflate("font program", &buffer, Pl_Flate::a_deflate);
  deflate.write(reinterpret_cast<const unsigned char*>(program.data()), program.size());
  deflate.finish();
  auto compressed = std::make_shared<CompressedProgram>();
  compressed->bytes = buffer.getBufferSharedPointer();
  compressed->length = program.size();
  programs.emplace(key, compressed);
  return compressed;
}

QPDFObjectHandle Integers(std::initializer_list<int> values) {
  QPDFObjectHandle array = QPDFObjectHandle::newArray();
  for (int value : values) array.appendItem(QPDFObjectHandle::newInteger(value));
  return array;
}

QPDFObjectHandle FontFile(QPDF& qpdf, const fonts::FontFace& face) {
  const auto program = ProgramOf(face);
  QPDFObjectHandle stream = qpdf.newStream();
  stream.replaceStreamData(program->bytes, QPDFObjectHandle::newName("/FlateDecode"),
                           QPDFObjectHandle::newNull());
  stream.getDict().replaceKey("/Length1", QPDFObjectHandle::newInteger(static_cast<long long>(program->length)));
  return stream;
}

QPDFObjectHandle Descriptor(QPDF& qpdf, const fonts::FontFace& face) {
  QPDFObjectHandle d = QPDFObjectHandle::newDictionary();
  d.replaceKey("/Type", QPDFObjectHandle::newName("/FontDescriptor"));
  d.replaceKey("/FontName", QPDFObjectHandle::newName("/" + face.postScriptName));
  d.replaceKey("/Flags", QPDFObjectHandle::newInteger(face.DescriptorFlags()));
  d.replaceKey("/FontBBox", Integers({face.bbox[0], face.bbox[1], face.bbox[2], face.bbox[3]}));
  d.replaceKey("/ItalicAngle", QPDFObjectHandle::newReal(face.italicAngle, 2));
  d.replaceKey("/Ascent", QPDFObjectHandle::newInteger(face.ascent));
  d.replaceKey("/Descent", QPDFObjectHandle::newInteger(face.descent));
  d.replaceKey("/CapHeight", QPDFObjectHandle::newInteger(face.capHeight));
  d.replaceKey("/StemV", QPDFObjectHandle::newInteger(face.stemV));
  d.replaceKey("/MissingWidth", QPDFObjectHandle::newInteger(face.missingWidth));
  d.replaceKey("/FontFile2", FontFile(qpdf, face));
  return qpdf.makeIndirectObject(d);
}

}  // namespace

QPDFObjectHandle MakeTrueTypeFont(QPDF& qpdf, const fonts::FontFace& face) {
  QPDFObjectHandle font = QPDFObjectHandle::newDictionary();
  font.replaceKey("/Type", QPDFObjectHandle::newName("/Font"));
  font.replaceKey("/Subtype", QPDFObjectHandle::newName("/TrueType"));
  font.replaceKey("/BaseFont", QPDFObjectHandle::newName("/" + face.postScriptName));
  font.replaceKey("/Encoding", QPDFObjectHandle::newName("/WinAnsiEncoding"));
  font.replaceKey("/FirstChar", QPDFObjectHandle::newInteger(fonts::kFirstCode));
  font.replaceKey("/LastChar", QPDFObjectHandle::newInteger(fonts::kLastCode));
  QPDFObjectHandle widths = QPDFObjectHandle::newArray();
  for (int width : face.widths) widths.appendItem(QPDFObjectHandle::newInteger(width));
  font.replaceKey("/Widths", qpdf.makeIndirectObject(widths));
  font.replaceKey("/FontDescriptor", Descriptor(qpdf, face));
  return qpdf.makeIndirectObject(font);
}

}  // namespace viewer::pdf
