#include "index_layout.h"

#include <algorithm>
#include <cstdint>

#include "model/nested_selection.h"

namespace {

// INDEXWRAP's value for "no wrapping", besides 0.
constexpr int kNoWrapping = 9999;
// The pages of an entry stand this far to the left of the page's right edge.
constexpr int64_t kLabelInset = 70;
// Each level indents the title by this much more.
constexpr int64_t kIndentPerLevel = 20;

// Each page brings its own font object, the same every time.
void BeginIndexPage(IndexPdfWriter& writer, const SetupSettings& settings) {
  // The titles come in Windows-1252 (index_layout.h), which is WinAnsiEncoding.
  writer.font("Type1", "F1", "Helvetica", "WinAnsiEncoding");
  writer.page(settings.indexPageWidth, settings.indexPageHeight, "F1");
}

std::string PagesLabel(const BookmarkEntry& entry) {
  if (entry.firstPage == entry.lastPage) return std::to_string(entry.firstPage);
  return std::to_string(entry.firstPage) + "-" + std::to_string(entry.lastPage);
}

// The lines of the index, top down, page after page.
class IndexLines {
 public:
  IndexLines(IndexPdfWriter& writer, const SetupSettings& settings)
      : writer_(writer),
        settings_(settings),
        // A font size below 1 would leave lines no height (or divide by zero).
        fontSize_(std::max(settings.indexFontSize, 1)),
        lineHeight_(fontSize_ + 2),
        lastLine_(settings.indexPageHeight / lineHeight_ - 1) {}

  // Writes `text` at x on the next line, with `label` at the right when given; a page
  // that this line fills is followed by a new one.
  void Write(std::string_view text, int64_t x, const std::string* label) {
    ++lineNumber_;
    // A content stream that cannot take the whole line ends its page early.
    if (!Fits(text, x, label) && !writer_.content().empty()) {
      BreakPage();
      ++lineNumber_;
    }
    const int64_t y = Y();
    writer_.text(fontSize_, text, x, y);
    if (label != nullptr) writer_.text(fontSize_, *label, LabelX(), y);
    if (lineNumber_ > lastLine_) BreakPage();
  }

 private:
  int64_t Y() const { return settings_.indexPageHeight - lineNumber_ * lineHeight_; }
  int64_t LabelX() const { return settings_.indexPageWidth - kLabelInset; }

  bool Fits(std::string_view text, int64_t x, const std::string* label) const {
    size_t bytes = IndexTextOperator(fontSize_, text, x, Y()).size();
    if (label != nullptr) bytes += IndexTextOperator(fontSize_, *label, LabelX(), Y()).size();
    return writer_.contentHasRoomFor(bytes);
  }

  void BreakPage() {
    lineNumber_ = 0;
    writer_.endPage();
    BeginIndexPage(writer_, settings_);
    writer_.resetContent();
  }

  IndexPdfWriter& writer_;
  const SetupSettings& settings_;
  const int64_t fontSize_;
  const int64_t lineHeight_;
  const int64_t lastLine_;
  int64_t lineNumber_ = 0;
};

}  // namespace

size_t FindWrapBreak(std::string_view line, size_t start, size_t width) {
  if (start >= line.size()) return 0;
  const size_t last = std::min(start + width, line.size() - 1);
  for (size_t k = last + 1; k-- > start;)
    if (line[k] == ' ' || line[k] == ',') return k - start + 1;
  return 0;
}

void WriteIndexEntries(IndexPdfWriter& writer, BookmarkModel& model,
                       const SetupSettings& settings, IndexTitleEncoder toWinAnsi) {
  IndexLines lines(writer, settings);
  // A wrap column below 1 could not make progress through a title: no wrapping.
  const bool wrapping = settings.indexWrap >= 1 && settings.indexWrap != kNoWrapping;
  const size_t width = wrapping ? static_cast<size_t>(settings.indexWrap) : 0;
  writer.resetContent();
  WidenSelectionToNested(model);

  for (int32_t i = 0; i < model.entryCount; ++i) {
    const BookmarkEntry& entry = model.entries[i];
    if (entry.ticked != 1) continue;
    const std::string title = toWinAnsi ? toWinAnsi(model.titles[i]) : model.titles[i];
    const int64_t x = int64_t{settings.indexIndent} + kIndentPerLevel * entry.level;
    const std::string label = PagesLabel(entry);
    if (!wrapping) {
      lines.Write(title, x, &label);
    } else {
      // An empty title gives no line, and so no label either.
      for (size_t position = 0; position < title.size();) {
        size_t length = position + width < title.size() ? FindWrapBreak(title, position, width) : 0;
        if (length == 0) length = width;
        lines.Write(std::string_view(title).substr(position, length), x,
                    position == 0 ? &label : nullptr);
        position += length;
      }
    }
    if (settings.indexBlankLine != 0) lines.Write(" ", x, nullptr);
  }
  writer.endPage();
}

int BuildIndexDocument(IndexPdfWriter& writer, const std::string& path, BookmarkModel& model,
                       const SetupSettings& settings, IndexTitleEncoder toWinAnsi) {
  writer.setCountOnly(true);
  int64_t kids = 1;
  for (int pass = 0; pass < 2; ++pass) {
    writer.open(path);
    writer.catalog();
    writer.outlines();
    writer.pageTree(kids);
    BeginIndexPage(writer, settings);
    WriteIndexEntries(writer, model, settings, toWinAnsi);
    writer.finish();
    kids = writer.pageCount();
    writer.setCountOnly(false);
  }
  return static_cast<int>(writer.pageCount());
}
