// Which version of each named host table the viewer offers, as set by `--offer`.
// A table offered at version V answers a request for any version up to V.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "host_tables.h"

namespace viewer::core {

// Offered version of a table that is not offered at all.
constexpr ASVersion kNotOffered = 0;

// "4.5" -> 0x00040005, "0x00040000" -> 0x00040000, "none" -> kNotOffered.
std::optional<ASVersion> ParseTableVersion(std::string_view text);
// A plain hexadecimal version, with or without "0x": "20000" -> 0x00020000.
std::optional<ASVersion> ParseHexVersion(std::string_view text);
// The table called name, if there is one.
std::optional<HostTable> FindNamedTable(std::string_view name);

// Whether a table offered at `offered` answers a request for `requested`.
constexpr bool OfferAnswers(ASVersion offered, ASVersion requested) {
  return offered != kNotOffered && requested <= offered;
}

class TableOffers {
 public:
  TableOffers();  // every table at 5.0

  // Applies "NAME=VERSION"; false with *error when it cannot be read.
  bool Apply(std::string_view option, std::string* error);
  void Set(HostTable table, ASVersion version);
  ASVersion Offered(HostTable table) const;
  bool Answers(HostTable table, ASVersion requested) const {
    return OfferAnswers(Offered(table), requested);
  }

 private:
  ASVersion versions_[kNamedTableCount];
};

}  // namespace viewer::core
