// Writes the benchmark document: 20000 pages and 16384 bookmarks five levels deep
// (4 parts, 7 chapters each, then 8 sections, 8 subsections and 8 topics), every
// bookmark a page or two after the one before it.
//   make-big-document OUTPUT.pdf [--named]
// With --named every bookmark goes to its page through a named destination in the
// /Names tree whose value is a dictionary with /D, as LaTeX writes them.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "pdf_builder.h"

namespace {

constexpr int kPages = 20000;
constexpr int kBookmarks = 16384;
constexpr int kBranching[] = {4, 7, 8, 8, 8};
constexpr const char* kLevelNames[] = {"Part", "Chapter", "Section", "Subsection", "Topic"};
constexpr int kLevels = 5;

struct Builder {
  pdfgen::Target target;
  int made = 0;

  // The n-th bookmark in outline order goes to the page that spreads them evenly.
  int NextPage() {
    return 1 + static_cast<int>(static_cast<long long>(made++) * kPages / kBookmarks);
  }

  std::vector<pdfgen::OutlineItem> Level(int level, const std::string& number) {
    std::vector<pdfgen::OutlineItem> items;
    for (int i = 1; i <= kBranching[level]; ++i) {
      std::string mine = number.empty() ? std::to_string(i) : number + "." + std::to_string(i);
      pdfgen::OutlineItem item =
          pdfgen::Bookmark(std::string(kLevelNames[level]) + " " + mine, NextPage(), target);
      if (level + 1 < kLevels) item.children = Level(level + 1, mine);
      items.push_back(std::move(item));
    }
    return items;
  }
};

}  // namespace

int main(int argc, char** argv) {
  const bool named = argc == 3 && std::strcmp(argv[2], "--named") == 0;
  // An option in the file's place (--help) is a request for the usage, not a name.
  if (argc < 2 || argc > 3 || (argc == 3 && !named) || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: make-big-document OUTPUT.pdf [--named]\n");
    return 2;
  }
  pdfgen::DocumentSpec doc;
  doc.title = "Benchmark document";
  doc.compress = true;
  pdfgen::AddPlainPages(doc, kPages, "Benchmark document");
  Builder builder{named ? pdfgen::Target::NamesTreeDict : pdfgen::Target::DestArray};
  doc.outline = builder.Level(0, "");
  if (builder.made != kBookmarks) {
    std::fprintf(stderr, "make-big-document: %d bookmarks, not %d\n", builder.made, kBookmarks);
    return 1;
  }
  try {
    pdfgen::WriteDocument(doc, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-big-document: %s\n", e.what());
    return 1;
  }
  std::printf("%s: %d pages, %d bookmarks\n", argv[1], kPages, kBookmarks);
  return 0;
}
