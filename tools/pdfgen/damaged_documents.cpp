#include "damaged_documents.h"

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <set>
#include <stdexcept>
#include <vector>

#include "pdf_builder.h"

namespace pdfgen {
namespace {

using Handle = QPDFObjectHandle;

// The key that marks an object to be freed in the written file's table, so that every
// reference to it dangles.
const char kFreedMark[] = "/TessalyFreed";

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

// The document as qpdf writes it: a plain table, no object streams, streams decoded.
std::string Written(QPDF& pdf, const std::function<void(QPDFWriter&)>& setUp = {}) {
  QPDFWriter writer(pdf);
  writer.setOutputMemory();
  writer.setStaticID(true);
  writer.setObjectStreamMode(qpdf_o_disable);
  writer.setCompressStreams(false);
  writer.setDecodeLevel(qpdf_dl_generalized);
  if (setUp) setUp(writer);
  writer.write();
  std::shared_ptr<Buffer> buffer = writer.getBufferSharedPointer();
  return std::string(reinterpret_cast<const char*>(buffer->getBuffer()), buffer->getSize());
}

// The planned document written to path, read back, changed by change() and written again.
std::string Planned(const DocumentSpec& plan, const std::string& path,
                    const std::function<void(QPDF&)>& change = {},
                    const std::function<void(QPDFWriter&)>& setUp = {}) {
  WriteDocument(plan, path);
  const std::string bytes = ReadBytes(path);
  QPDF pdf;
  pdf.setSuppressWarnings(true);  // the damage done here is wanted
  pdf.processMemoryFile(path.c_str(), bytes.data(), bytes.size());
  if (change) change(pdf);
  return Written(pdf, setUp);
}

// Where the table that the last startxref names begins.
size_t XrefOffset(const std::string& bytes) {
  const size_t at = bytes.rfind("startxref");
  if (at == std::string::npos) throw std::runtime_error("no startxref");
  return std::strtoul(bytes.c_str() + at + 9, nullptr, 10);
}

// Calls visit(object number, offset of its 20-byte entry) for every entry of the table.
void ForEachXrefEntry(const std::string& bytes, const std::function<void(int, size_t)>& visit) {
  size_t at = XrefOffset(bytes);
  if (bytes.compare(at, 4, "xref") != 0) throw std::runtime_error("no plain xref table");
  at += 4;
  for (;;) {
    while (at < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[at]))) ++at;
    if (at >= bytes.size() || !std::isdigit(static_cast<unsigned char>(bytes[at]))) return;
    char* end = nullptr;
    const long first = std::strtol(bytes.c_str() + at, &end, 10);
    const long count = std::strtol(end, &end, 10);
    at = static_cast<size_t>(end - bytes.c_str());
    while (at < bytes.size() && std::isspace(static_cast<unsigned char>(bytes[at]))) ++at;
    for (long i = 0; i < count; ++i, at += 20) visit(static_cast<int>(first + i), at);
  }
}

// Frees, in the table, every object that carries the mark: references to it dangle.
std::string FreeMarkedObjects(std::string bytes) {
  std::set<int> marked;
  {
    QPDF pdf;
    pdf.setSuppressWarnings(true);
    pdf.processMemoryFile("marked", bytes.data(), bytes.size());
    for (Handle object : pdf.getAllObjects()) {
      if (object.isDictionary() && object.hasKey(kFreedMark)) marked.insert(object.getObjectID());
    }
  }
  if (marked.empty()) throw std::runtime_error("no object is marked to be freed");
  ForEachXrefEntry(bytes, [&](int number, size_t entry) {
    if (marked.count(number)) bytes.replace(entry, 18, "0000000000 00001 f");
  });
  return bytes;
}

Handle FreedObject(QPDF& pdf) {
  return pdf.makeIndirectObject(Handle::parse(std::string("<< ") + kFreedMark + " true >>"));
}

DocumentSpec ThreeChapters() {
  DocumentSpec doc;
  AddPlainPages(doc, 12);
  doc.outline = {Bookmark("Chapter One", 1, Target::DestArray, {Bookmark("Section 1.1", 2)}),
                 Bookmark("Chapter Two", 5), Bookmark("Chapter Three", 9)};
  return doc;
}

// Every offset in the table points a few bytes past its object.
std::string WrongXrefOffsets(const std::string& path) {
  std::string bytes = Planned(ThreeChapters(), path);
  ForEachXrefEntry(bytes, [&](int number, size_t entry) {
    if (number == 0) return;
    char digits[11];
    std::snprintf(digits, sizeof digits, "%010lu", std::strtoul(bytes.c_str() + entry, nullptr, 10) + 7);
    bytes.replace(entry, 10, digits);
  });
  return bytes;
}

// The file ends after its last object: no table, no trailer, no startxref.
std::string NoXref(const std::string& path) {
  const std::string bytes = Planned(ThreeChapters(), path);
  return bytes.substr(0, XrefOffset(bytes));
}

// The file ends inside the content stream of page 7.
std::string Truncated(const std::string& path) {
  const std::string bytes = Planned(ThreeChapters(), path);
  const size_t at = bytes.find("(Page 7)");
  if (at == std::string::npos) throw std::runtime_error("page 7's text is not in the file");
  return bytes.substr(0, at + 4);
}

// /First, /Last and /Next that name objects the table says are free.
std::string DanglingOutline(const std::string& path) {
  DocumentSpec doc;
  AddPlainPages(doc, 12);
  doc.outline = {
      Keyed(Bookmark("First dangles", 1, Target::DestArray, {Bookmark("Child behind a dangling first", 2)}),
            "first"),
      Keyed(Bookmark("Last dangles", 3, Target::DestArray, {Bookmark("Child before a dangling last", 4)}),
            "last"),
      Keyed(Bookmark("Next dangles", 5), "next"),
      Bookmark("Never reached by next", 9),
  };
  doc.damage = [](WrittenOutline& written) {
    Item(written, "first").replaceKey("/First", FreedObject(*written.pdf));
    Item(written, "last").replaceKey("/Last", FreedObject(*written.pdf));
    Item(written, "next").replaceKey("/Next", FreedObject(*written.pdf));
  };
  WriteDocument(doc, path);
  return FreeMarkedObjects(ReadBytes(path));
}

// Children that are an array, a stream and a name, and a root whose /Last is null.
std::string KidKinds(const std::string& path) {
  DocumentSpec doc;
  AddPlainPages(doc, 12);
  doc.outline = {
      Keyed(Bookmark("Kids an array", 1, Target::DestArray, {Bookmark("Replaced", 2)}), "array"),
      Keyed(Bookmark("Kids a stream", 5, Target::DestArray, {Bookmark("Replaced", 6)}), "stream"),
      Bookmark("Next a name", 9, Target::DestArray, {Keyed(Bookmark("Child with a name next", 10), "name")}),
      Bookmark("After the odd kids", 11),
  };
  doc.damage = [](WrittenOutline& written) {
    Item(written, "array").replaceKey("/First", Handle::parse("[1 2 (three)]"));
    Item(written, "stream").replaceKey(
        "/First", written.pdf->newStream("<< /Title (stream kid) >>"));
    Item(written, "name").replaceKey("/Next", Handle::newName("/NotABookmark"));
    written.pdf->getRoot().getKey("/Outlines").replaceKey("/Last", Handle::newNull());
  };
  WriteDocument(doc, path);
  return ReadBytes(path);
}

// Visible-descendant counts in the millions, open and closed.
std::string HugeCount(const std::string& path) {
  DocumentSpec doc = ThreeChapters();
  doc.outline[0].key = "chapter";
  doc.damage = [](WrittenOutline& written) {
    written.pdf->getRoot().getKey("/Outlines").replaceKey("/Count", Handle::newInteger(5000000));
    Item(written, "chapter").replaceKey("/Count", Handle::newInteger(-3000000));
  };
  WriteDocument(doc, path);
  return ReadBytes(path);
}

// Pages 5 and 9 are out of the page tree but still named by bookmarks; page 9's object
// is also freed, so its bookmark's destination dangles.
std::string RemovedPages(const std::string& path) {
  DocumentSpec doc;
  AddPlainPages(doc, 12);
  doc.outline = {Bookmark("Before", 1), Bookmark("On the removed page", 5), Bookmark("After", 6),
                 Bookmark("On the freed page", 9), Bookmark("Last", 12)};
  doc.damage = [](WrittenOutline& written) {
    QPDFPageDocumentHelper pages(*written.pdf);
    std::vector<Handle> all = written.pdf->getAllPages();
    all[8].replaceKey(kFreedMark, Handle::newBool(true));
    pages.removePage(QPDFPageObjectHelper(all[4]));
    pages.removePage(QPDFPageObjectHelper(all[8]));
  };
  WriteDocument(doc, path);
  return FreeMarkedObjects(ReadBytes(path));
}

// A catalog without /Pages; the outline still names the page objects.
std::string NoPages(const std::string& path) {
  return Planned(ThreeChapters(), path, [](QPDF& pdf) { pdf.getRoot().removeKey("/Pages"); });
}

std::string Deflated(const std::string& text) {
  Pl_Buffer buffer("deflated");
  Pl_Flate flate("deflate", &buffer, Pl_Flate::a_deflate);
  flate.write(reinterpret_cast<const unsigned char*>(text.data()), text.size());
  flate.finish();
  std::unique_ptr<Buffer> data(buffer.getBuffer());
  return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
}

// Pages 2 to 6 each hold content broken another way; 1 and 7 are sound.
std::string BrokenContent(const std::string& path) {
  DocumentSpec doc;
  AddPlainPages(doc, 7);
  doc.outline = {Bookmark("Sound", 1),           Bookmark("Unbalanced", 2),
                 Bookmark("Unterminated", 3),    Bookmark("Garbage", 4),
                 Bookmark("Truncated stream", 5), Bookmark("Not streams", 6),
                 Bookmark("Sound again", 7)};
  const auto heading = [](int page) {
    return "BT /F1 18 Tf 72 720 Td (Page " + std::to_string(page) + ") Tj ET\n";
  };
  std::string longText;
  for (int line = 0; line < 40; ++line) {
    longText += "BT /F1 11 Tf 72 " + std::to_string(690 - 15 * line) + " Td (Line " +
                std::to_string(line) + " of a stream cut short) Tj ET\n";
  }
  const std::string deflated = Deflated(heading(5) + longText);
  return FreeMarkedObjects(Planned(doc, path, [&](QPDF& pdf) {
    std::vector<Handle> pages = pdf.getAllPages();
    pages[1].replaceKey("/Contents", pdf.newStream("Q Q Q q q " + heading(2) + "q q cm Q"));
    pages[2].replaceKey("/Contents",
                        pdf.newStream(heading(3) + "BT /F1 11 Tf 72 690 Td (never closed Tj ET\n"));
    pages[3].replaceKey("/Contents",
                        pdf.newStream(heading(4) + "1 2 3 frobnicate /Foo bar ] >> } BT BT ET ET "
                                                   "12 Tf Tj TJ <4142 ( [ << ET Q"));
    Handle cut = pdf.newStream();
    cut.replaceStreamData(deflated.substr(0, deflated.size() / 2), Handle::newName("/FlateDecode"),
                          Handle::newNull());
    pages[4].replaceKey("/Contents", cut);
    // An array of contents holding a stream, a number, a null and a freed object.
    Handle parts = Handle::newArray();
    parts.appendItem(pdf.newStream(heading(6)));
    parts.appendItem(Handle::newInteger(42));
    parts.appendItem(Handle::newNull());
    parts.appendItem(FreedObject(pdf));
    pages[5].replaceKey("/Contents", parts);
  }, [](QPDFWriter& writer) { writer.setDecodeLevel(qpdf_dl_none); }));
}

// Opens only with a user password nobody gives.
std::string Encrypted(const std::string& path) {
  return Planned(ThreeChapters(), path, {}, [](QPDFWriter& writer) {
    writer.setR6EncryptionParameters("nobody-knows", "owner", true, true, true, true, true, true,
                                     qpdf_r3p_full, true);
  });
}

struct Damaged {
  const char* file;
  std::function<std::string(const std::string& path)> make;
};

}  // namespace

int WriteDamagedDocuments(const std::string& folder) {
  const std::vector<Damaged> documents = {
      {"damaged-xref-offsets.pdf", WrongXrefOffsets},
      {"damaged-no-xref.pdf", NoXref},
      {"damaged-truncated.pdf", Truncated},
      {"damaged-dangling.pdf", DanglingOutline},
      {"damaged-kid-kinds.pdf", KidKinds},
      {"damaged-huge-count.pdf", HugeCount},
      {"damaged-removed-pages.pdf", RemovedPages},
      {"damaged-no-pages.pdf", NoPages},
      {"damaged-content.pdf", BrokenContent},
      {"damaged-encrypted.pdf", Encrypted},
  };
  for (const Damaged& document : documents) {
    const std::string path = folder + "/" + document.file;
    try {
      const std::string bytes = document.make(path);
      WriteBytes(path, bytes);
    } catch (const std::exception& e) {
      throw std::runtime_error(path + ": " + e.what());
    }
  }
  return static_cast<int>(documents.size());
}

}  // namespace pdfgen
