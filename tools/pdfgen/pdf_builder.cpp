#include "pdf_builder.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFObjectHandle.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <qpdf/QUtil.hh>

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace pdfgen {
namespace {

using Handle = QPDFObjectHandle;

std::string EscapeText(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '(' || c == ')' || c == '\\') out += '\\';
    out += c;
  }
  return out;
}

std::string LayerResourceName(size_t index) { return "/oc" + std::to_string(index + 1); }

size_t LayerIndex(const DocumentSpec& plan, const std::string& name) {
  for (size_t i = 0; i < plan.layers.size(); ++i) {
    if (plan.layers[i].name == name) return i;
  }
  throw std::runtime_error("no layer named " + name);
}

std::string PageContent(const DocumentSpec& plan, const PageSpec& page) {
  std::ostringstream content;
  double y = page.height - 72;
  bool heading = true;
  for (const std::string& line : page.lines) {
    int size = heading ? 18 : 11;
    content << "BT /F1 " << size << " Tf 72 " << y << " Td (" << EscapeText(line) << ") Tj ET\n";
    y -= heading ? 30 : 15;
    heading = false;
  }
  for (const LayerLine& line : page.layerLines) {
    content << "/OC " << LayerResourceName(LayerIndex(plan, line.layer)) << " BDC\n"
            << "BT /F1 14 Tf 72 " << y << " Td (" << EscapeText(line.text) << ") Tj ET\nEMC\n";
    y -= 20;
  }
  return content.str();
}

Handle MakeFont(QPDF& pdf) {
  return pdf.makeIndirectObject(Handle::parse(
      "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>"));
}

std::vector<Handle> MakeLayers(QPDF& pdf, const DocumentSpec& plan) {
  std::vector<Handle> groups;
  if (plan.layers.empty()) return groups;
  Handle all = Handle::newArray();
  Handle off = Handle::newArray();
  for (const Layer& layer : plan.layers) {
    Handle group = pdf.makeIndirectObject(Handle::newDictionary());
    group.replaceKey("/Type", Handle::newName("/OCG"));
    group.replaceKey("/Name", Handle::newUnicodeString(layer.name));
    groups.push_back(group);
    all.appendItem(group);
    if (!layer.shown) off.appendItem(group);
  }
  Handle config = Handle::newDictionary();
  config.replaceKey("/Order", all);
  config.replaceKey("/OFF", off);
  Handle properties = Handle::newDictionary();
  properties.replaceKey("/OCGs", all);
  properties.replaceKey("/D", config);
  pdf.getRoot().replaceKey("/OCProperties", properties);
  return groups;
}

// Named destinations of both kinds, gathered while the outline is written.
struct NamedDestinations {
  Handle dests = Handle::newDictionary();                   // /Dests: name -> value
  std::vector<std::pair<std::string, Handle>> treeEntries;  // /Names /Dests: string -> value

  // The name tree, split into two leaves so that readers must follow /Kids.
  Handle Tree(QPDF& pdf) {
    std::sort(treeEntries.begin(), treeEntries.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    Handle kids = Handle::newArray();
    const size_t half = (treeEntries.size() + 1) / 2;
    for (size_t from = 0; from < treeEntries.size(); from += half) {
      const size_t to = std::min(treeEntries.size(), from + half);
      Handle names = Handle::newArray();
      for (size_t i = from; i < to; ++i) {
        names.appendItem(Handle::newString(treeEntries[i].first));
        names.appendItem(treeEntries[i].second);
      }
      Handle limits = Handle::newArray();
      limits.appendItem(Handle::newString(treeEntries[from].first));
      limits.appendItem(Handle::newString(treeEntries[to - 1].first));
      Handle leaf = pdf.makeIndirectObject(Handle::newDictionary());
      leaf.replaceKey("/Names", names);
      leaf.replaceKey("/Limits", limits);
      kids.appendItem(leaf);
    }
    Handle root = pdf.makeIndirectObject(Handle::newDictionary());
    root.replaceKey("/Kids", kids);
    return root;
  }
};

struct OutlineWriter {
  QPDF& pdf;
  const DocumentSpec& plan;
  std::vector<Handle>& pages;
  std::vector<Handle>& layers;
  NamedDestinations names;
  std::map<std::string, Handle> keyed;
  int nameCounter = 0;

  Handle PageArray(int page) {
    size_t index = page >= 1 && static_cast<size_t>(page) <= pages.size()
                       ? static_cast<size_t>(page - 1)
                       : 0;
    Handle array = Handle::newArray();
    array.appendItem(pages[index]);
    array.appendItem(Handle::newName("/XYZ"));
    array.appendItem(Handle::newNull());
    array.appendItem(Handle::newNull());
    array.appendItem(Handle::newNull());
    return array;
  }

  static Handle DictWithD(Handle array) {
    Handle dict = Handle::newDictionary();
    dict.replaceKey("/D", array);
    return dict;
  }

  static Handle GoTo(Handle destination) {
    Handle action = Handle::newDictionary();
    action.replaceKey("/S", Handle::newName("/GoTo"));
    action.replaceKey("/D", destination);
    return action;
  }

  std::string NewName(const char* prefix) { return prefix + std::to_string(++nameCounter); }

  Handle LayerState(const OutlineItem& item) {
    Handle state = Handle::newArray();
    for (const std::string& word : item.layerState) {
      if (word == "/ON" || word == "/OFF" || word == "/Toggle") {
        state.appendItem(Handle::newName(word));
      } else {
        state.appendItem(layers.at(LayerIndex(plan, word)));
      }
    }
    return state;
  }

  // Sets /Dest or /A on the item's dictionary.
  void Reach(Handle node, const OutlineItem& item) {
    switch (item.target) {
      case Target::DestArray:
        node.replaceKey("/Dest", PageArray(item.page));
        break;
      case Target::GoToArray:
        node.replaceKey("/A", GoTo(PageArray(item.page)));
        break;
      case Target::DestsName:
      case Target::DestsNameDict: {
        std::string name = NewName("dests.");
        Handle value = PageArray(item.page);
        names.dests.replaceKey("/" + name,
                               item.target == Target::DestsNameDict ? DictWithD(value) : value);
        node.replaceKey("/Dest", Handle::newName("/" + name));
        break;
      }
      case Target::NamesTree:
      case Target::NamesTreeDict:
      case Target::DestString: {
        std::string name = NewName("names.");
        Handle value = PageArray(item.page);
        names.treeEntries.emplace_back(
            name, item.target == Target::NamesTreeDict ? DictWithD(value) : value);
        if (item.target == Target::DestString) {
          node.replaceKey("/Dest", Handle::newString(name));
        } else {
          node.replaceKey("/A", GoTo(Handle::newString(name)));
        }
        break;
      }
      case Target::MissingName:
        node.replaceKey("/Dest", Handle::newName("/" + NewName("nowhere.")));
        break;
      case Target::GoToWithoutDest:
        node.replaceKey("/A", Handle::parse("<< /S /GoTo >>"));
        break;
      case Target::UriAction:
        node.replaceKey("/A", Handle::parse("<< /S /URI /URI (https://example.invalid/) >>"));
        break;
      case Target::NoAction:
        break;
      case Target::ActionNotDict:
        node.replaceKey("/A", Handle::newInteger(42));
        break;
      case Target::LayersThenGoTo: {
        Handle action = Handle::newDictionary();
        action.replaceKey("/S", Handle::newName("/SetOCGState"));
        action.replaceKey("/State", LayerState(item));
        action.replaceKey("/Next", GoTo(PageArray(item.page)));
        node.replaceKey("/A", action);
        break;
      }
    }
  }

  void Title(Handle node, const OutlineItem& item) {
    if (item.titleObject) {
      if (!item.titleObject->empty()) node.replaceKey("/Title", Handle::parse(*item.titleObject));
    } else if (item.titleBytes) {
      node.replaceKey("/Title", Handle::newString(*item.titleBytes));
    } else {
      node.replaceKey("/Title", Handle::newUnicodeString(item.title));
    }
  }

  // Writes the items as children of parent; returns the visible descendant count.
  int Children(Handle parent, const std::vector<OutlineItem>& items) {
    std::vector<Handle> nodes;
    int visible = 0;
    for (const OutlineItem& item : items) {
      Handle node = pdf.makeIndirectObject(Handle::newDictionary());
      Title(node, item);
      node.replaceKey("/Parent", parent);
      Reach(node, item);
      if (!item.key.empty()) keyed[item.key] = node;
      nodes.push_back(node);
      ++visible;
      if (!item.children.empty()) {
        int inner = Children(node, item.children);
        node.replaceKey("/Count", Handle::newInteger(item.open ? inner : -inner));
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

void AddPages(QPDF& pdf, const DocumentSpec& plan, const std::vector<Handle>& layers) {
  Handle font = MakeFont(pdf);
  Handle properties = Handle::newDictionary();
  for (size_t i = 0; i < layers.size(); ++i) {
    properties.replaceKey(LayerResourceName(i), layers[i]);
  }
  QPDFPageDocumentHelper pageHelper(pdf);
  for (const PageSpec& page : plan.pages) {
    Handle resources = Handle::parse("<< /Font << >> >>");
    resources.getKey("/Font").replaceKey("/F1", font);
    if (!page.layerLines.empty()) resources.replaceKey("/Properties", properties);
    Handle dict = Handle::newDictionary();
    dict.replaceKey("/Type", Handle::newName("/Page"));
    dict.replaceKey("/MediaBox",
                    Handle::newArray(Handle::Rectangle(0, 0, page.width, page.height)));
    dict.replaceKey("/Resources", resources);
    dict.replaceKey("/Contents", Handle::newStream(&pdf, PageContent(plan, page)));
    pageHelper.addPage(QPDFPageObjectHelper(pdf.makeIndirectObject(dict)), false);
  }
}

void AddOutline(QPDF& pdf, const DocumentSpec& plan, std::vector<Handle>& layers) {
  std::vector<Handle> pages = pdf.getAllPages();
  Handle root = pdf.getRoot();
  OutlineWriter writer{pdf, plan, pages, layers, {}, {}};
  Handle outlines = pdf.makeIndirectObject(Handle::parse("<< /Type /Outlines >>"));
  int visible = writer.Children(outlines, plan.outline);
  outlines.replaceKey("/Count", Handle::newInteger(visible));
  root.replaceKey("/Outlines", outlines);
  root.replaceKey("/PageMode", Handle::newName("/UseOutlines"));
  if (!writer.names.dests.getKeys().empty()) {
    root.replaceKey("/Dests", pdf.makeIndirectObject(writer.names.dests));
  }
  if (!writer.names.treeEntries.empty()) {
    Handle names = pdf.makeIndirectObject(Handle::newDictionary());
    names.replaceKey("/Dests", writer.names.Tree(pdf));
    root.replaceKey("/Names", names);
  }
  if (plan.damage) {
    WrittenOutline written{&pdf, &writer.keyed};
    plan.damage(written);
  }
}

void AppendUtf16(std::string& out, unsigned unit) {
  out += static_cast<char>(unit >> 8);
  out += static_cast<char>(unit & 0xFF);
}

}  // namespace

OutlineItem Bookmark(const std::string& title, int page, Target target,
                     std::vector<OutlineItem> children) {
  OutlineItem item;
  item.title = title;
  item.page = page;
  item.target = target;
  item.children = std::move(children);
  return item;
}

OutlineItem Keyed(OutlineItem item, const std::string& key) {
  item.key = key;
  return item;
}

QPDFObjectHandle& Item(WrittenOutline& written, const std::string& key) {
  return written.items->at(key);
}

std::string Utf16Title(const std::string& utf8) {
  std::string out = "\xFE\xFF";
  for (size_t i = 0; i < utf8.size();) {
    unsigned char c = static_cast<unsigned char>(utf8[i]);
    unsigned code = c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (extra) code = c & (0x3F >> extra);
    for (int k = 1; k <= extra && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    }
    i += 1 + extra;
    if (code >= 0x10000) {
      code -= 0x10000;
      AppendUtf16(out, 0xD800 + (code >> 10));
      AppendUtf16(out, 0xDC00 + (code & 0x3FF));
    } else {
      AppendUtf16(out, code);
    }
  }
  return out;
}

void AddPlainPages(DocumentSpec& doc, int count, const std::string& heading) {
  for (int i = 0; i < count; ++i) {
    PageSpec page;
    const std::string number = "Page " + std::to_string(doc.pages.size() + 1);
    page.lines.push_back(heading.empty() ? number : heading);
    if (!heading.empty()) page.lines.push_back(number);
    doc.pages.push_back(page);
  }
}

void WriteDocument(const DocumentSpec& plan, const std::string& path) {
  QPDF pdf;
  pdf.emptyPDF();
  std::vector<Handle> layers = MakeLayers(pdf, plan);
  AddPages(pdf, plan, layers);
  if (!plan.outline.empty() || plan.emptyOutlineRoot || plan.damage) {
    AddOutline(pdf, plan, layers);
  }
  if (!plan.title.empty()) {
    Handle info = pdf.makeIndirectObject(Handle::newDictionary());
    info.replaceKey("/Title", Handle::newUnicodeString(plan.title));
    pdf.getTrailer().replaceKey("/Info", info);
  }
  QPDFWriter writer(pdf, path.c_str());
  writer.setStaticID(true);
  if (plan.compress) writer.setObjectStreamMode(qpdf_o_generate);
  writer.write();
}

}  // namespace pdfgen
