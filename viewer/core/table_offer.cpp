#include "core/table_offer.h"

#include <charconv>

namespace viewer::core {
namespace {

std::optional<ASUns32> ParseUnsigned(std::string_view text, int base) {
  if (text.empty()) return std::nullopt;
  ASUns32 value = 0;
  const auto* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value, base);
  if (result.ec != std::errc() || result.ptr != end) return std::nullopt;
  return value;
}

bool HasHexPrefix(std::string_view text) {
  return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

}  // namespace

std::optional<ASVersion> ParseHexVersion(std::string_view text) {
  if (HasHexPrefix(text)) text.remove_prefix(2);
  return ParseUnsigned(text, 16);
}

std::optional<ASVersion> ParseTableVersion(std::string_view text) {
  if (text == "none") return kNotOffered;
  if (HasHexPrefix(text)) return ParseHexVersion(text);
  const auto dot = text.find('.');
  if (dot == std::string_view::npos) return std::nullopt;
  const auto major = ParseUnsigned(text.substr(0, dot), 10);
  const auto minor = ParseUnsigned(text.substr(dot + 1), 10);
  if (!major || !minor || *major > 0xFFFF || *minor > 0xFFFF) return std::nullopt;
  return MakeTableVersion(*major, *minor);
}

std::optional<HostTable> FindNamedTable(std::string_view name) {
  for (int i = 0; i < kNamedTableCount; ++i) {
    if (name == kHostTableNames[i]) return static_cast<HostTable>(i);
  }
  return std::nullopt;
}

TableOffers::TableOffers() {
  for (auto& version : versions_) version = kTableVersion50;
}

bool TableOffers::Apply(std::string_view option, std::string* error) {
  const auto equals = option.find('=');
  if (equals == std::string_view::npos) {
    *error = "expected NAME=VERSION, got \"" + std::string(option) + "\"";
    return false;
  }
  const auto name = option.substr(0, equals);
  const auto table = FindNamedTable(name);
  if (!table) {
    *error = "no host table is called \"" + std::string(name) + "\"";
    return false;
  }
  const auto versionText = option.substr(equals + 1);
  const auto version = ParseTableVersion(versionText);
  if (!version) {
    *error = "bad table version \"" + std::string(versionText) +
             "\" (use 4.0, 4.5, 5.0, a hexadecimal 0x00050000, or none)";
    return false;
  }
  Set(*table, *version);
  return true;
}

void TableOffers::Set(HostTable table, ASVersion version) {
  versions_[static_cast<int>(table)] = version;
}

ASVersion TableOffers::Offered(HostTable table) const {
  const int index = static_cast<int>(table);
  if (index < 0 || index >= kNamedTableCount) return kNotOffered;
  return versions_[index];
}

}  // namespace viewer::core
