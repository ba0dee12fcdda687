#include "pdf/character_map.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace viewer::pdf {
namespace {

struct Token {
  enum Kind { Hex, Number, Word, Open, Close, End } kind = End;
  std::string text;  // a hex string's bytes, a number's or word's characters
};

class Tokens {
 public:
  explicit Tokens(std::string_view data) : data_(data) {}

  Token Next() {
    while (at_ < data_.size()) {
      const char c = data_[at_];
      if (std::isspace(static_cast<unsigned char>(c))) {
        ++at_;
      } else if (c == '%') {
        while (at_ < data_.size() && data_[at_] != '\n' && data_[at_] != '\r') ++at_;
      } else {
        break;
      }
    }
    Token token;
    if (at_ >= data_.size()) return token;
    const char c = data_[at_];
    if (c == '<' && at_ + 1 < data_.size() && data_[at_ + 1] == '<') {
      at_ += 2;
      token.kind = Token::Word;
      token.text = "<<";
    } else if (c == '<') {
      ++at_;
      token.kind = Token::Hex;
      std::string digits;
      while (at_ < data_.size() && data_[at_] != '>') {
        if (std::isxdigit(static_cast<unsigned char>(data_[at_]))) digits += data_[at_];
        ++at_;
      }
      ++at_;
      if (digits.size() % 2 != 0) digits += '0';
      for (size_t i = 0; i < digits.size(); i += 2) {
        token.text += static_cast<char>(std::strtol(digits.substr(i, 2).c_str(), nullptr, 16));
      }
    } else if (c == '[') {
      ++at_;
      token.kind = Token::Open;
    } else if (c == ']') {
      ++at_;
      token.kind = Token::Close;
    } else if (c == '(') {
      // A literal string: kept as its bytes, escapes of the common kind undone.
      ++at_;
      token.kind = Token::Hex;
      int depth = 1;
      while (at_ < data_.size()) {
        char ch = data_[at_++];
        if (ch == '\\' && at_ < data_.size()) {
          ch = data_[at_++];
        } else if (ch == '(') {
          ++depth;
        } else if (ch == ')' && --depth == 0) {
          break;
        }
        token.text += ch;
      }
    } else {
      const size_t start = at_;
      while (at_ < data_.size() && !std::isspace(static_cast<unsigned char>(data_[at_])) &&
             std::string_view("<>[]()%").find(data_[at_]) == std::string_view::npos) {
        ++at_;
      }
      if (at_ == start) ++at_;  // a stray '>' or ')'
      token.text = std::string(data_.substr(start, at_ - start));
      const bool number = !token.text.empty() &&
                          std::all_of(token.text.begin(), token.text.end(),
                                      [](char ch) { return std::isdigit(static_cast<unsigned char>(ch)); });
      token.kind = number ? Token::Number : Token::Word;
    }
    return token;
  }

 private:
  std::string_view data_;
  size_t at_ = 0;
};

// UTF-16BE as the maps write their characters (a single byte stands for itself).
std::u32string Utf16(const std::string& bytes) {
  std::u32string out;
  if (bytes.size() == 1) {
    out.push_back(static_cast<unsigned char>(bytes[0]));
    return out;
  }
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const char32_t unit = (static_cast<unsigned char>(bytes[i]) << 8) | static_cast<unsigned char>(bytes[i + 1]);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      const char32_t low =
          (static_cast<unsigned char>(bytes[i + 2]) << 8) | static_cast<unsigned char>(bytes[i + 3]);
      if (low >= 0xDC00 && low < 0xE000) {
        out.push_back(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    out.push_back(unit);
  }
  return out;
}

}  // namespace

uint32_t CodeValue(std::string_view bytes) {
  uint32_t value = 0;
  for (char c : bytes.substr(0, 4)) value = (value << 8) | static_cast<unsigned char>(c);
  return value;
}

CharacterMap CharacterMap::Parse(std::string_view data) {
  CharacterMap map;
  Tokens tokens(data);
  enum class Section { None, CodeSpace, BfChar, BfRange, CidChar, CidRange } section = Section::None;
  std::vector<Token> pending;
  for (Token token = tokens.Next(); token.kind != Token::End; token = tokens.Next()) {
    if (token.kind == Token::Word) {
      const std::string& w = token.text;
      if (w == "begincodespacerange") section = Section::CodeSpace;
      else if (w == "beginbfchar") section = Section::BfChar;
      else if (w == "beginbfrange") section = Section::BfRange;
      else if (w == "begincidchar") section = Section::CidChar;
      else if (w == "begincidrange") section = Section::CidRange;
      else if (w.rfind("end", 0) == 0) section = Section::None;
      pending.clear();
      continue;
    }
    if (section == Section::None) continue;
    if (section == Section::BfRange && token.kind == Token::Open) {
      // <low> <high> [<first> <second> ...]: one destination per code.
      if (pending.size() == 2) {
        uint32_t code = CodeValue(pending[0].text);
        const uint32_t high = CodeValue(pending[1].text);
        for (Token item = tokens.Next(); item.kind == Token::Hex; item = tokens.Next()) {
          if (code <= high) map.characters_.emplace(code++, Utf16(item.text));
        }
      }
      pending.clear();
      continue;
    }
    pending.push_back(token);
    switch (section) {
      case Section::CodeSpace:
        if (pending.size() == 2) {
          const std::string& low = pending[0].text;
          const std::string& high = pending[1].text;
          if (low.size() == high.size() && !low.empty() && low.size() <= 4) {
            Space space;
            space.length = low.size();
            for (size_t i = 0; i < low.size(); ++i) {
              space.low[i] = static_cast<uint8_t>(low[i]);
              space.high[i] = static_cast<uint8_t>(high[i]);
            }
            map.spaces_.push_back(space);
          }
          pending.clear();
        }
        break;
      case Section::BfChar:
        if (pending.size() == 2) {
          if (pending[1].kind == Token::Hex) {
            map.characters_.emplace(CodeValue(pending[0].text), Utf16(pending[1].text));
          }
          pending.clear();
        }
        break;
      case Section::BfRange:
        if (pending.size() == 3) {
          const uint32_t low = CodeValue(pending[0].text), high = CodeValue(pending[1].text);
          const std::u32string first = Utf16(pending[2].text);
          if (low <= high && !first.empty()) map.characterRanges_.push_back({low, high, first});
          pending.clear();
        }
        break;
      case Section::CidChar:
        if (pending.size() == 2) {
          map.cids_.emplace(CodeValue(pending[0].text),
                            static_cast<uint32_t>(std::strtoul(pending[1].text.c_str(), nullptr, 10)));
          pending.clear();
        }
        break;
      case Section::CidRange:
        if (pending.size() == 3) {
          map.cidRanges_.push_back({CodeValue(pending[0].text), CodeValue(pending[1].text),
                                    static_cast<uint32_t>(std::strtoul(pending[2].text.c_str(), nullptr, 10))});
          pending.clear();
        }
        break;
      case Section::None:
        break;
    }
  }
  return map;
}

size_t CharacterMap::CodeLength(std::string_view bytes, size_t fallback) const {
  for (size_t length = 1; length <= 4 && length <= bytes.size(); ++length) {
    for (const Space& space : spaces_) {
      if (space.length != length) continue;
      bool inside = true;
      for (size_t i = 0; i < length && inside; ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        inside = b >= space.low[i] && b <= space.high[i];
      }
      if (inside) return length;
    }
  }
  return std::max<size_t>(1, std::min(fallback, bytes.size()));
}

std::optional<std::u32string> CharacterMap::Characters(uint32_t code) const {
  if (auto found = characters_.find(code); found != characters_.end()) return found->second;
  for (const CharacterRange& range : characterRanges_) {
    if (code < range.low || code > range.high) continue;
    std::u32string out = range.first;
    out.back() += code - range.low;
    return out;
  }
  return std::nullopt;
}

std::optional<uint32_t> CharacterMap::Cid(uint32_t code) const {
  if (auto found = cids_.find(code); found != cids_.end()) return found->second;
  for (const CidRange& range : cidRanges_) {
    if (code >= range.low && code <= range.high) return range.first + (code - range.low);
  }
  return std::nullopt;
}

}  // namespace viewer::pdf
