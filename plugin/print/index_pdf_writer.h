// The index document's PDF writer: fixed object templates written byte by byte, each
// object's offset recorded, and a cross-reference table at the end. Every line of the
// file ends in CR LF.
//
// In countOnly mode every step does its counting (objects, pages, the content of the
// current page) and writes nothing, so a first pass can learn how many pages the
// page tree, written before the pages, has to name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "framework/file_swap.h"

// The text operators one page's content stream holds (a 64 KiB buffer with its
// terminating zero).
inline constexpr size_t kIndexContentCapacity = 65535;
// The escaped text of one operator (a 16 KiB line buffer with its terminating zero):
// room for a title of 4095 bytes even if every byte needs escaping.
inline constexpr size_t kIndexLineCapacity = 16383;

// A backslash before every "(", ")" and backslash; every other byte, one above 127
// too, stays as it is.
std::string EscapePdfText(std::string_view text);

// The text operator that shows `text` (escaped here, and cut, if needed, so that its
// escaped form fits kIndexLineCapacity) at x, y.
std::string IndexTextOperator(int64_t fontSize, std::string_view text, int64_t x, int64_t y);

class IndexPdfWriter {
 public:
  IndexPdfWriter() = default;
  virtual ~IndexPdfWriter();
  IndexPdfWriter(const IndexPdfWriter&) = delete;
  IndexPdfWriter& operator=(const IndexPdfWriter&) = delete;

  // The steps. Those that write to the file return false when no file is open (they
  // still count), true otherwise; each that writes an object begins the next object
  // number and records where the object begins.
  bool open(const std::string& path);
  bool catalog();
  bool outlines();
  bool pageTree(int64_t kidsCount);
  bool font(const char* subtype, const char* name, const char* baseFont, const char* encoding);
  bool page(int64_t width, int64_t height, const char* fontName);
  // Adds a text operator to the current page's content, in countOnly mode too; begins
  // no object. False, adding nothing, when the operator does not fit the content.
  bool text(int64_t fontSize, std::string_view text, int64_t x, int64_t y);
  // The content object from the current content, then the procedure-set object. The
  // content stays as it is.
  bool endPage();
  void resetContent();
  // The cross-reference table and trailer; then the page tree's count and kids are
  // written over their placeholders, and the file is closed. The file is written
  // beside the path and takes its place only here, whole: false, the file at the path
  // untouched, when a write failed. In countOnly mode nothing takes the path's place.
  bool finish();

  void setCountOnly(bool countOnly) { countOnly_ = countOnly; }
  bool countOnly() const { return countOnly_; }
  // Whether the last finish() out of countOnly mode put the whole file in the path's place.
  bool written() const { return written_; }
  bool isOpen() const { return file() != nullptr; }
  // Whether `bytes` more bytes of text operators fit the current content.
  bool contentHasRoomFor(size_t bytes) const;

  int64_t objectCount() const { return objectCount_; }
  // Where object `object` (from 1) begins; 0 for an object not begun.
  int64_t offsetOf(int64_t object) const;
  // The object number of page `page` (from 1); 0 for a page not begun.
  int64_t pageObject(int64_t page) const;
  int64_t pageCount() const { return pageCount_; }
  int64_t fontObject() const { return fontObject_; }
  int64_t pagesObject() const { return pagesObject_; }
  int64_t outlineFirst() const { return outlineFirst_; }
  int64_t outlineLast() const { return outlineLast_; }
  int64_t kidsPosition() const { return kidsPosition_; }
  int64_t countPosition() const { return countPosition_; }
  const std::string& content() const { return content_; }

 private:
  // Begins the next object at the current offset and returns its number.
  int64_t beginObject();
  void write(const std::string& bytes);
  int64_t position() const;
  // Discards a file not finished.
  void close();
  std::FILE* file() const { return newFile_.file(); }

  CNewFileBeside newFile_;
  bool written_ = false;
  bool countOnly_ = true;
  int64_t objectCount_ = 0;
  // By object number; grows with the objects, so any number of them is recorded.
  std::vector<int64_t> offsets_ = std::vector<int64_t>(1, 0);
  // By page number; grows with the pages.
  std::vector<int64_t> pageObjects_ = std::vector<int64_t>(1, 0);
  int64_t pageCount_ = 0;
  int64_t fontObject_ = 0;
  int64_t pagesObject_ = 0;
  int64_t outlineFirst_ = 0;
  int64_t outlineLast_ = 0;
  int64_t kidsPosition_ = 0;
  int64_t countPosition_ = 0;
  // How many kids the page tree's placeholders name.
  int64_t kidsPlaceholders_ = 0;
  std::string content_;
};
