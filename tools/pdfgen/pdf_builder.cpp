#include "pdf_builder.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <sstream>

namespace pdfgen {
namespace {

std::string EscapeText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '(' || c == ')' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

std::string PageContent(const PageSpec& page) {
  std::ostringstream content;
  double y = page.height - 72;
  bool heading = true;
  for (const std::string& line : page.lines) {
    int size = heading ? 18 : 11;
    content << "BT /F1 " << size << " Tf 72 " << y << " Td (" << EscapeText(line) << ") Tj ET\n";
    y -= heading ? 30 : 15;
    heading = false;
  }
  return content.str();
}

QPDFObjectHandle MakeFont(QPDF& pdf) {
  return pdf.makeIndirectObject(QPDFObjectHandle::parse(
      "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
}

struct OutlineWriter {
  QPDF& pdf;
  std::vector<QPDFObjectHandle>& pages;
  QPDFObjectHandle dests;
  int nameCounter = 0;

  QPDFObjectHandle Destination(const OutlineItem& item) {
    size_t index = item.page >= 1 && static_cast<size_t>(item.page) <= pages.size()
                       ? static_cast<size_t>(item.page - 1)
                       : 0;
    QPDFObjectHandle array = QPDFObjectHandle::newArray();
    array.appendItem(pages[index]);
    array.appendItem(QPDFObjectHandle::newName("/XYZ"));
    array.appendItem(QPDFObjectHandle::newNull());
    array.appendItem(QPDFObjectHandle::newNull());
    array.appendItem(QPDFObjectHandle::newNull());
    if (!item.namedDestination) return array;
    std::string name = "section." + std::to_string(++nameCounter);
    dests.replaceKey("/" + name, array);
    return QPDFObjectHandle::newName("/" + name);
  }

  // Writes the items as children of parent; returns the visible descendant count.
  int Children(QPDFObjectHandle parent, const std::vector<OutlineItem>& items) {
    std::vector<QPDFObjectHandle> nodes;
    int visible = 0;
    for (const OutlineItem& item : items) {
      QPDFObjectHandle node = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
      node.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(item.title));
      node.replaceKey("/Parent", parent);
      node.replaceKey("/Dest", Destination(item));
      nodes.push_back(node);
      ++visible;
      if (!item.children.empty()) {
        int inner = Children(node, item.children);
        node.replaceKey("/Count", QPDFObjectHandle::newInteger(item.open ? inner : -inner));
        if (item.open) visible += inner;
      }
    }
    for (size_t i = 0; i < nodes.size(); ++i) {
      if (i > 0) nodes[i].replaceKey("/Prev", nodes[i - 1]);
      if (i + 1 < nodes.size()) nodes[i].replaceKey("/Next", nodes[i + 1]);
    }
    if (!nodes.empty()) {
      parent.replaceKey("/First", nodes.front());
      parent.replaceKey("/Last", nodes.back());
    }
    return visible;
  }
};

}  // namespace

void WriteDocument(const DocumentSpec& spec, const std::string& path) {
  QPDF pdf;
  pdf.emptyPDF();
  QPDFObjectHandle font = MakeFont(pdf);
  QPDFPageDocumentHelper pageHelper(pdf);
  for (const PageSpec& page : spec.pages) {
    QPDFObjectHandle resources = QPDFObjectHandle::parse("<< /Font << >> >>");
    resources.getKey("/Font").replaceKey("/F1", font);
    QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
    dict.replaceKey("/Type", QPDFObjectHandle::newName("/Page"));
    dict.replaceKey("/MediaBox", QPDFObjectHandle::newArray(QPDFObjectHandle::Rectangle(
                                     0, 0, page.width, page.height)));
    dict.replaceKey("/Resources", resources);
    dict.replaceKey("/Contents", QPDFObjectHandle::newStream(&pdf, PageContent(page)));
    pageHelper.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(dict)), false);
  }
  std::vector<QPDFObjectHandle> pages = pdf.getAllPages();
  QPDFObjectHandle root = pdf.getRoot();
  if (!spec.outline.empty()) {
    OutlineWriter writer{pdf, pages, QPDFObjectHandle::newDictionary()};
    QPDFObjectHandle outlines = pdf.makeIndirectObject(
        QPDFObjectHandle::parse("<< /Type /Outlines >>"));
    int visible = writer.Children(outlines, spec.outline);
    outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(visible));
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));
    if (!writer.dests.getKeys().empty()) {
      root.replaceKey("/Dests", pdf.makeIndirectObject(writer.dests));
    }
  }
  if (!spec.title.empty()) {
    QPDFObjectHandle info = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    info.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(spec.title));
    pdf.getTrailer().replaceKey("/Info", info);
  }
  QPDFWriter writer(pdf, path.c_str());
  writer.setStaticID(true);
  writer.write();
}

}  // namespace pdfgen
