// Writes the bundled sample: an operator's manual of a few hundred pages with a
// three-level outline (chapters, sections, topics) and pages of several sizes.
#include "pdf_builder.h"

#include <cstdio>
#include <exception>

namespace {

struct Size {
  double width, height;
};
constexpr Size kLetter{612, 792};
constexpr Size kA4{595, 842};
constexpr Size kLegal{612, 1008};
constexpr Size kTabloid{792, 1224};
constexpr Size kA3Landscape{1191, 842};

struct Topic {
  const char* title;
  int pages;
};
struct Section {
  const char* title;
  int pages;  // pages before its first topic
  std::initializer_list<Topic> topics;
};
struct Chapter {
  const char* title;
  Size size;
  std::initializer_list<Section> sections;
};

const std::initializer_list<Chapter> kManual = {
    {"Safety and Regulatory Information", kLetter,
     {{"Warnings and Cautions", 3, {{"Electrical Safety", 2}, {"Laser Safety", 2}, {"Ozone and Ventilation", 1}}},
      {"Regulatory Notices", 2, {{"Radio Frequency Emissions", 1}, {"Energy Consumption", 1}}},
      {"Recycling and Disposal", 2, {}}}},
    {"Getting Started", kLetter,
     {{"Unpacking the Press", 2, {{"Checking the Contents", 2}, {"Removing the Shipping Locks", 3}}},
      {"Choosing a Location", 2, {{"Clearances and Floor Load", 2}, {"Power Requirements", 2}}},
      {"Installing Consumables", 3, {{"Toner Cartridges", 3}, {"Imaging Drums", 3}, {"Fuser Unit", 2}}},
      {"First Power-On", 2, {{"Running the Setup Wizard", 3}, {"Printing a Test Page", 1}}}}},
    {"Control Panel and Menus", kA4,
     {{"Control Panel Overview", 3, {{"Keys and Indicators", 2}, {"Touch Screen Gestures", 2}}},
      {"Menu Map", 4, {}},
      {"Job Menu", 2, {{"Holding and Releasing Jobs", 2}, {"Secure Print", 2}}},
      {"Paper Menu", 2, {{"Tray Configuration", 3}, {"Custom Paper Sizes", 2}}},
      {"Quality Menu", 2, {{"Resolution and Screening", 2}, {"Colour Calibration", 3}}}}},
    {"Paper Handling", kLetter,
     {{"Supported Media", 3, {{"Weights and Finishes", 2}, {"Envelopes and Labels", 2}, {"Transparencies", 1}}},
      {"Loading the Trays", 2, {{"Main Tray", 2}, {"Multipurpose Tray", 2}, {"High-Capacity Feeder", 3}}},
      {"Output Options", 2, {{"Face-Down Bin", 1}, {"Offset Stacker", 2}, {"Stapler and Finisher", 4}}}}},
    {"Printing Large Documents", kLegal,
     {{"Print Queues and Priorities", 3, {{"Queue Limits", 2}, {"Priority Classes", 2}}},
      {"Duplex Printing", 2, {{"Binding Edge", 2}, {"Booklet Layout", 3}}},
      {"Separator Sheets", 3, {{"Banner Pages", 2}, {"Tab Stock", 2}}},
      {"Stapling by Section", 3, {}}}},
    {"Network Configuration", kA4,
     {{"Wired Network", 3, {{"Addressing", 2}, {"Link Speed", 1}}},
      {"Wireless Network", 2, {{"Joining a Network", 2}, {"Security Modes", 3}}},
      {"Print Protocols", 3, {{"Internet Printing Protocol", 3}, {"Raw Port Printing", 2}, {"Line Printer Daemon", 2}}},
      {"Embedded Web Server", 4, {{"Signing In", 1}, {"Device Status Pages", 2}, {"Remote Configuration", 3}}}}},
    {"Large-Format Drawings", kTabloid,
     {{"Tabloid Output", 3, {{"Fold Patterns", 2}}},
      {"Engineering Sheets", 4, {{"Scaling to Fit", 2}, {"Title Blocks", 2}}}}},
    {"Wiring Diagrams", kA3Landscape,
     {{"Main Controller Board", 4, {{"Power Distribution", 3}, {"Sensor Harness", 3}}},
      {"Fuser and Drive Motors", 3, {{"Drive Train", 2}, {"Fuser Heater Circuit", 2}}}}},
    {"Routine Maintenance", kLetter,
     {{"Maintenance Schedule", 3, {{"Daily Checks", 1}, {"Monthly Checks", 2}, {"Yearly Service", 2}}},
      {"Cleaning", 2, {{"Exterior and Glass", 2}, {"Paper Path Rollers", 3}, {"Laser Window", 2}}},
      {"Replacing Parts", 3, {{"Transfer Belt", 4}, {"Pickup Rollers", 3}, {"Waste Toner Box", 2}}}}},
    {"Troubleshooting", kLetter,
     {{"Clearing Paper Jams", 3, {{"Jams in the Trays", 3}, {"Jams in the Fuser", 3}, {"Jams in the Finisher", 3}}},
      {"Print Quality Problems", 3, {{"Light or Faded Prints", 2}, {"Streaks and Smears", 3}, {"Colour Registration", 3}}},
      {"Error Codes", 8, {{"Codes 100 to 199", 4}, {"Codes 200 to 299", 4}, {"Codes 300 to 399", 4}}},
      {"Contacting Service", 2, {}}}},
    {"Specifications", kA4,
     {{"Engine Specifications", 3, {{"Speed and Resolution", 2}, {"Duty Cycle", 1}}},
      {"Electrical Specifications", 2, {}},
      {"Environmental Specifications", 2, {{"Acoustic Noise", 1}, {"Operating Range", 1}}}}},
    {"Appendices", kLetter,
     {{"Glossary", 8, {}},
      {"Font Samples", 6, {{"Resident Fonts", 4}, {"Barcode Fonts", 3}}},
      {"Index of Menus", 6, {}}}},
};

void AddPages(pdfgen::DocumentSpec& doc, Size size, const std::string& heading, int count,
              const std::string& running) {
  for (int i = 0; i < count; ++i) {
    pdfgen::PageSpec page;
    page.width = size.width;
    page.height = size.height;
    page.lines.push_back(i == 0 ? heading : heading + " (continued)");
    page.lines.push_back(running);
    page.lines.push_back("Page " + std::to_string(doc.pages.size() + 1));
    doc.pages.push_back(page);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '-') {
    std::fprintf(stderr, "usage: make-sample OUTPUT.pdf\n");
    return 2;
  }
  pdfgen::DocumentSpec doc;
  doc.title = "Model 4200 Production Press: Operator's Manual";
  AddPages(doc, kLetter, doc.title, 1, "Edition 3, for controller firmware 7.x");
  AddPages(doc, kLetter, "Contents", 3, "How this manual is arranged");
  doc.outline.push_back(pdfgen::Bookmark("Contents", 2));
  int chapterNumber = 0;
  int namedEvery = 0;
  for (const Chapter& chapter : kManual) {
    ++chapterNumber;
    std::string chapterTitle = "Chapter " + std::to_string(chapterNumber) + ": " + chapter.title;
    pdfgen::OutlineItem chapterItem =
        pdfgen::Bookmark(chapterTitle, static_cast<int>(doc.pages.size()) + 1);
    chapterItem.open = chapterNumber <= 2;
    AddPages(doc, chapter.size, chapterTitle, 2, "Chapter overview");
    int sectionNumber = 0;
    for (const Section& section : chapter.sections) {
      ++sectionNumber;
      std::string number = std::to_string(chapterNumber) + "." + std::to_string(sectionNumber);
      std::string sectionTitle = number + " " + section.title;
      pdfgen::OutlineItem sectionItem = pdfgen::Bookmark(
          sectionTitle, static_cast<int>(doc.pages.size()) + 1,
          (++namedEvery % 3) == 0 ? pdfgen::Target::DestsName : pdfgen::Target::DestArray);
      AddPages(doc, chapter.size, sectionTitle, section.pages, chapterTitle);
      int topicNumber = 0;
      for (const Topic& topic : section.topics) {
        std::string topicTitle = number + "." + std::to_string(++topicNumber) + " " + topic.title;
        sectionItem.children.push_back(
            pdfgen::Bookmark(topicTitle, static_cast<int>(doc.pages.size()) + 1));
        AddPages(doc, chapter.size, topicTitle, topic.pages, sectionTitle);
      }
      chapterItem.children.push_back(sectionItem);
    }
    doc.outline.push_back(chapterItem);
  }
  doc.outline.push_back(pdfgen::Bookmark("Index", static_cast<int>(doc.pages.size()) + 1));
  AddPages(doc, kLetter, "Index", 12, "Alphabetical index");
  try {
    pdfgen::WriteDocument(doc, argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make-sample: %s\n", e.what());
    return 1;
  }
  std::printf("%s: %zu pages\n", argv[1], doc.pages.size());
  return 0;
}
