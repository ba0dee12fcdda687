// Builds PDF documents with qpdf: pages of given sizes carrying a few lines of text
// (some of them in optional-content layers), and an outline tree whose items reach
// their pages in every way a document may write it.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class QPDF;
class QPDFObjectHandle;

namespace pdfgen {

struct LayerLine {
  std::string layer;  // the optional-content group the line belongs to
  std::string text;
};

struct PageSpec {
  double width = 612;   // points
  double height = 792;
  std::vector<std::string> lines;  // drawn top-down in Helvetica, the first as a heading
  std::vector<LayerLine> layerLines;  // drawn below them, each inside its layer
};

// How an outline item reaches its page.
enum class Target {
  DestArray,        // /Dest [page /XYZ null null null]
  GoToArray,        // /A << /S /GoTo /D [page ...] >>
  DestsName,        // /Dest /name; the catalog's /Dests maps the name to the array
  DestsNameDict,    // /Dest /name; /Dests maps it to << /D [page ...] >>
  NamesTree,        // /A GoTo /D (name); the /Names /Dests tree maps it to the array
  NamesTreeDict,    // /A GoTo /D (name); the tree maps it to << /D [page ...] >>
  DestString,       // /Dest (name), a string looked up in the /Names /Dests tree
  MissingName,      // /Dest /name that neither /Dests nor the tree holds
  GoToWithoutDest,  // /A << /S /GoTo >> with no /D
  UriAction,        // /A << /S /URI ... >>: an action that goes to no page
  NoAction,         // neither /Dest nor /A
  ActionNotDict,    // /A 42
  LayersThenGoTo,   // /A SetOCGState (layerState), then /Next GoTo the page
};

struct OutlineItem {
  std::string title;    // text; written as PDFDocEncoding, or UTF-16 when it must be
  int page = 1;         // 1-based target page
  Target target = Target::DestArray;
  bool open = false;    // shown expanded (positive /Count)
  std::vector<OutlineItem> children;
  // When set, written as the /Title string byte for byte instead of title.
  std::optional<std::string> titleBytes;
  // When set, /Title is this object in PDF syntax ("42", "/Name"); "" leaves /Title out.
  std::optional<std::string> titleObject;
  // For LayersThenGoTo: the /State array, as in {"/OFF", "Plumbing", "/ON", "Wiring"}.
  std::vector<std::string> layerState;
  // A name by which DocumentSpec::damage finds the item's dictionary.
  std::string key;
};

// An item with a title and a page, reached the given way.
OutlineItem Bookmark(const std::string& title, int page, Target target = Target::DestArray,
                     std::vector<OutlineItem> children = {});

struct Layer {
  std::string name;
  bool shown = true;
};

// The written objects that DocumentSpec::damage may change.
struct WrittenOutline {
  QPDF* pdf = nullptr;
  std::map<std::string, QPDFObjectHandle>* items = nullptr;  // by OutlineItem::key
};

// The item, with the key by which DocumentSpec::damage finds its dictionary.
OutlineItem Keyed(OutlineItem item, const std::string& key);

// The dictionary written for the item of that key.
QPDFObjectHandle& Item(WrittenOutline& written, const std::string& key);

struct DocumentSpec {
  std::vector<PageSpec> pages;
  std::vector<OutlineItem> outline;
  bool emptyOutlineRoot = false;     // with no items, still write an empty /Outlines
  std::string title;
  std::vector<Layer> layers;         // optional-content groups, in this order
  // Runs after the outline is written and before the file is: breaks it on purpose.
  std::function<void(WrittenOutline&)> damage;
  bool compress = false;             // object streams (for very large documents)
};

// Writes the document to path; throws std::exception on failure.
void WriteDocument(const DocumentSpec& plan, const std::string& path);

// The UTF-16BE form of a UTF-8 text, with its byte order mark: the bytes a PDF text
// string holds when it is not PDFDocEncoding.
std::string Utf16Title(const std::string& utf8);

// Pages of the given size headed "Page N" (N counting from the document's first page).
void AddPlainPages(DocumentSpec& doc, int count, const std::string& heading = "");

}  // namespace pdfgen
