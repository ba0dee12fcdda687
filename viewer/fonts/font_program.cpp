#include "fonts/font_program.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

namespace viewer::fonts {
namespace {

constexpr size_t kOffsetTableSize = 12, kTableRecordSize = 16;

uint32_t Read32(const std::string& bytes, size_t at) {
  return static_cast<uint32_t>(static_cast<uint8_t>(bytes[at])) << 24 |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 1])) << 16 |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 2])) << 8 |
         static_cast<uint32_t>(static_cast<uint8_t>(bytes[at + 3]));
}

uint16_t Read16(const std::string& bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(bytes[at]) << 8 |
                               static_cast<uint8_t>(bytes[at + 1]));
}

void Write32(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + static_cast<size_t>(i)] = static_cast<char>(value >> (24 - 8 * i));
}

bool IsCollection(const std::string& bytes) { return bytes.compare(0, 4, "ttcf") == 0; }

}  // namespace

std::string FaceOfCollection(const std::string& collection, int index) {
  if (collection.size() < 12 || !IsCollection(collection) || index < 0) return {};
  const uint32_t faces = Read32(collection, 8);
  if (static_cast<uint32_t>(index) >= faces || 12 + 4 * static_cast<size_t>(faces) > collection.size()) return {};
  const size_t start = Read32(collection, 12 + 4 * static_cast<size_t>(index));
  if (start + kOffsetTableSize > collection.size()) return {};
  const size_t tables = Read16(collection, start + 4);
  const size_t directory = kOffsetTableSize + kTableRecordSize * tables;
  if (start + directory > collection.size()) return {};
  // The offset table and directory as they stand, then every table again, each on a
  // four-byte boundary as the format wants, with its offset pointing there.
  std::string font = collection.substr(start, directory);
  for (size_t t = 0; t < tables; ++t) {
    const size_t record = kOffsetTableSize + kTableRecordSize * t;
    const size_t offset = Read32(font, record + 8), length = Read32(font, record + 12);
    if (offset > collection.size() || length > collection.size() - offset) return {};
    Write32(font, record + 8, static_cast<uint32_t>(font.size()));
    font.append(collection, offset, length);
    font.append((4 - font.size() % 4) % 4, '\0');
  }
  return font;
}

std::string ReadFontProgram(const std::string& file, int index) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return {};
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (IsCollection(bytes)) return FaceOfCollection(bytes, index);
  return index == 0 && bytes.size() >= kOffsetTableSize ? bytes : std::string();
}

}  // namespace viewer::fonts
