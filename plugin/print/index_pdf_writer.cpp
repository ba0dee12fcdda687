#include "index_pdf_writer.h"

#include <cstdarg>

namespace {

__attribute__((format(printf, 1, 2))) std::string Printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list again;
  va_copy(again, args);
  const int length = std::vsnprintf(nullptr, 0, format, args);
  va_end(args);
  std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
  if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
  va_end(again);
  return text;
}

long long Long(int64_t value) { return static_cast<long long>(value); }

// Escapes the longest start of `text` whose escaped form has at most `capacity`
// bytes, so an escape is never split from the character it stands before. A
// backslash is escaped too: left alone, one at the end of a title would swallow the
// string's closing parenthesis and break the file.
std::string EscapeWithin(std::string_view text, size_t capacity) {
  std::string escaped;
  escaped.reserve(text.size() < capacity ? text.size() : capacity);
  for (const char c : text) {
    const bool special = c == '(' || c == ')' || c == '\\';
    if (escaped.size() + (special ? 2 : 1) > capacity) break;
    if (special) escaped += '\\';
    escaped += c;
  }
  return escaped;
}

// The digits of the page tree's count, written before the pages and over them after.
std::string CountDigits(int64_t count) { return Printf("%8.8lld", Long(count)); }

std::string KidsText(const std::vector<int64_t>& pageObjects, int64_t count) {
  std::string kids;
  for (int64_t page = 1; page <= count; ++page)
    kids += Printf("%lld 0 R ", Long(pageObjects[static_cast<size_t>(page)]));
  return kids;
}

}  // namespace

std::string EscapePdfText(std::string_view text) { return EscapeWithin(text, std::string::npos); }

std::string IndexTextOperator(int64_t fontSize, std::string_view text, int64_t x, int64_t y) {
  const std::string escaped = EscapeWithin(text, kIndexLineCapacity);
  return Printf("BT\r\n/F1 %lld Tf\r\n%lld %lld Td\r\n(%s) Tj\r\nET\r\n", Long(fontSize), Long(x),
                Long(y), escaped.c_str());
}

IndexPdfWriter::~IndexPdfWriter() { close(); }

bool IndexPdfWriter::open(const std::string& path) {
  close();
  written_ = false;
  pageCount_ = 0;
  pageObjects_.assign(1, 0);
  newFile_.Create(path);
  if (isOpen() && !countOnly_) write("%PDF-1.4\r\n");
  objectCount_ = 0;
  offsets_.assign(1, 0);
  fontObject_ = 0;
  if (countOnly_) outlineFirst_ = outlineLast_ = 0;
  return isOpen();
}

bool IndexPdfWriter::catalog() {
  const int64_t object = beginObject();
  write(Printf("%lld 0 obj\r\n<< /Type /Catalog\r\n/Outlines %lld 0 R\r\n/Pages %lld 0 R\r\n>>\r\n"
               "endobj\r\n",
               Long(object), 2LL, 3LL));
  return isOpen();
}

bool IndexPdfWriter::outlines() {
  if (isOpen()) std::fflush(file());
  const int64_t object = beginObject();
  write(Printf("%lld 0 obj\r\n<< /Type /Outlines\r\n/First %lld 0 R\r\n/Last %lld 0 R\r\n"
               "/Count 1\r\n>>\r\nendobj\r\n",
               Long(object), Long(outlineFirst_), Long(outlineLast_)));
  return isOpen();
}

bool IndexPdfWriter::pageTree(int64_t kidsCount) {
  const int64_t object = beginObject();
  pagesObject_ = object;
  write(Printf("%lld 0 obj\r\n<< /Type /Pages\r\n/Kids [", Long(object)));
  if (isOpen()) std::fflush(file());
  kidsPosition_ = position();
  kidsPlaceholders_ = kidsCount < 0 ? 0 : kidsCount;
  // The pages follow the page tree and the first font: page i (from 0) is 3 + 2 + 4i.
  std::string kids;
  for (int64_t i = 0; i < kidsPlaceholders_; ++i)
    kids += Printf("%lld 0 R ", Long(object + 2 + 4 * i));
  write(kids);
  countPosition_ = position() + 10;  // the length of "]\r\n/Count "
  write("]\r\n/Count " + CountDigits(kidsPlaceholders_) + "\r\n>>\r\nendobj\r\n");
  return isOpen();
}

bool IndexPdfWriter::font(const char* subtype, const char* name, const char* baseFont,
                          const char* encoding) {
  const int64_t object = beginObject();
  fontObject_ = object;
  write(Printf("%lld 0 obj\r\n<< /Type /Font\r\n/Subtype /%s\r\n/Name /%s\r\n/BaseFont /%s\r\n"
               "/Encoding /%s\r\n>>\r\nendobj\r\n",
               Long(object), subtype, name, baseFont, encoding));
  return isOpen();
}

bool IndexPdfWriter::page(int64_t width, int64_t height, const char* fontName) {
  const int64_t object = beginObject();
  ++pageCount_;
  pageObjects_.push_back(object);
  write(Printf("%lld 0 obj\r\n<< /Type /Page\r\n/Parent %lld 0 R\r\n/MediaBox [0 0 %lld %lld]\r\n"
               "/Contents [%lld 0 R]\r\n/Resources << /ProcSet %lld 0 R\r\n"
               "/Font << /%s %lld 0 R >>\r\n>>\r\n>>\r\nendobj\r\n",
               Long(object), Long(pagesObject_), Long(width), Long(height), Long(object + 1),
               Long(object + 2), fontName, Long(fontObject_)));
  return isOpen();
}

bool IndexPdfWriter::text(int64_t fontSize, std::string_view text, int64_t x, int64_t y) {
  const std::string op = IndexTextOperator(fontSize, text, x, y);
  if (!contentHasRoomFor(op.size())) return false;
  content_ += op;
  return true;
}

bool IndexPdfWriter::endPage() {
  const int64_t contentObject = beginObject();
  write(Printf("%lld 0 obj\r\n<< /Length %lld >>\r\nstream\r\n", Long(contentObject),
               Long(static_cast<int64_t>(content_.size()))) +
        content_ + "endstream\r\nendobj\r\n");
  const int64_t procSetObject = beginObject();
  write(Printf("%lld 0 obj\r\n[/PDF /Text]\r\nendobj\r\n", Long(procSetObject)));
  return isOpen();
}

void IndexPdfWriter::resetContent() { content_.clear(); }

bool IndexPdfWriter::finish() {
  const bool wasOpen = isOpen();
  // Grows with the objects: any number of them gets its line.
  std::string crossReference;
  crossReference.reserve(static_cast<size_t>(objectCount_) * 20);
  for (int64_t object = 1; object <= objectCount_; ++object)
    crossReference += Printf("%10.10lld 00000 n\r\n", Long(offsets_[static_cast<size_t>(object)]));
  const int64_t crossReferenceOffset = position();
  write(Printf("xref\r\n0 %lld\r\n0000000000 65535 f\r\n", Long(objectCount_ + 1)) +
        crossReference +
        Printf("trailer\r\n<< /Size %lld\r\n/Root 1 0 R\r\n>>\r\nstartxref\r\n%lld\r\n%%%%EOF\r\n",
               Long(objectCount_ + 1), Long(crossReferenceOffset)));
  // The placeholders are rewritten only where the text has their length: a count of
  // other than eight digits, or other kids than the placeholders named, would
  // overwrite the bytes after them and move every offset recorded.
  if (wasOpen && !countOnly_) {
    const std::string digits = CountDigits(pageCount_);
    if (digits.size() == 8) {
      std::fflush(file());
      if (std::fseek(file(), static_cast<long>(countPosition_), SEEK_SET) != 0) newFile_.Fail();
      write(digits);
    }
    if (pageCount_ == kidsPlaceholders_) {
      const std::string kids = KidsText(pageObjects_, pageCount_);
      std::fflush(file());
      if (std::fseek(file(), static_cast<long>(kidsPosition_), SEEK_SET) != 0) newFile_.Fail();
      write(kids);
    }
  }
  if (!wasOpen) return false;
  if (countOnly_) {
    close();
    return true;
  }
  written_ = newFile_.Commit();
  return written_;
}

bool IndexPdfWriter::contentHasRoomFor(size_t bytes) const {
  return bytes <= kIndexContentCapacity - content_.size();
}

int64_t IndexPdfWriter::offsetOf(int64_t object) const {
  if (object < 1 || object > objectCount_) return 0;
  return offsets_[static_cast<size_t>(object)];
}

int64_t IndexPdfWriter::pageObject(int64_t page) const {
  if (page < 1 || page > pageCount_) return 0;
  return pageObjects_[static_cast<size_t>(page)];
}

int64_t IndexPdfWriter::beginObject() {
  ++objectCount_;
  offsets_.push_back(position());
  return objectCount_;
}

void IndexPdfWriter::write(const std::string& bytes) {
  if (!isOpen() || countOnly_) return;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file()) != bytes.size()) newFile_.Fail();
}

int64_t IndexPdfWriter::position() const {
  if (!isOpen()) return 0;
  const long at = std::ftell(file());
  return at < 0 ? 0 : at;
}

void IndexPdfWriter::close() { newFile_.Discard(); }
