// Writes the benchmark document: 20000 pages and 16384 bookmarks five levels deep
// (4 parts, 7 chapters each, then 8 sections, 8 subsections and 8 topics), every
// bookmark a page or two after the one before it. The pages come in a repeating mix of
// paper sizes, mostly US Letter.
//   make-big-document OUTPUT.pdf [--named]
//   make-big-document --pages-sized NAME
// With --named every bookmark goes to its page through a named destination in the
// /Names tree whose value is a dictionary with /D, as LaTeX writes them.
// --pages-sized prints the numbers (1-based, comma-separated) of the pages of one of
// the sizes (Letter, A4, Legal, A3), which is what a search by paper size should find.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "pdf_builder.h"

namespace {

constexpr int kPages = 20000;
constexpr int kBookmarks = 16384;
constexpr int kBranching[] = {4, 7, 8, 8, 8};
constexpr const char* kLevelNames[] = {"Part", "Chapter", "Section", "Subsection", "Topic"};
constexpr int kLevels = 5;

struct PaperSize {
  const char* name;
  double width, height;  // points
};
constexpr PaperSize kLetter{"Letter", 612, 792};
constexpr PaperSize kA4{"A4", 595, 842};
constexpr PaperSize kLegal{"Legal", 612, 1008};
constexpr PaperSize kA3Landscape{"A3", 1191, 842};
// Every twelve pages: A4 twice, Legal and A3 landscape once each, Letter otherwise.
constexpr const PaperSize* kSizeCycle[] = {&kLetter, &kLetter, &kLetter, &kA4,
                                           &kLetter, &kLetter, &kLegal,  &kLetter,
                                           &kLetter, &kA4,     &kLetter, &kA3Landscape};
constexpr int kCycleLength = sizeof kSizeCycle / sizeof kSizeCycle[0];

const PaperSize& SizeOfPage(int page) { return *kSizeCycle[(page - 1) % kCycleLength]; }

// The 1-based numbers of the pages of the named size, comma-separated.
std::string PagesSized(const char* name) {
  std::string list;
  for (int page = 1; page <= kPages; ++page) {
    if (std::strcmp(SizeOfPage(page).name, name) != 0) continue;
    if (!list.empty()) list += ',';
    list += std::to_string(page);
  }
  return list;
}

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
  if (argc == 3 && std::strcmp(argv[1], "--pages-sized") == 0) {
    const std::string pages = PagesSized(argv[2]);
    if (pages.empty()) {
      std::fprintf(stderr, "make-big-document: no page is of size %s\n", argv[2]);
      return 2;
    }
    std::printf("%s\n", pages.c_str());
    return 0;
  }
  const bool named = argc == 3 && std::strcmp(argv[2], "--named") == 0;
  // An option in the file's place (--help) is a request for the usage, not a name.
  if (argc < 2 || argc > 3 || (argc == 3 && !named) || argv[1][0] == '-') {
    std::fprintf(stderr,
                 "usage: make-big-document OUTPUT.pdf [--named]\n"
                 "       make-big-document --pages-sized Letter|A4|Legal|A3\n");
    return 2;
  }
  pdfgen::DocumentSpec doc;
  doc.title = "Benchmark document";
  doc.compress = true;
  pdfgen::AddPlainPages(doc, kPages, "Benchmark document");
  for (int page = 1; page <= kPages; ++page) {
    pdfgen::PageSpec& sized = doc.pages[static_cast<size_t>(page - 1)];
    sized.width = SizeOfPage(page).width;
    sized.height = SizeOfPage(page).height;
  }
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
