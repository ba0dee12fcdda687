// A failure inside a host operation. Operations throw it; the boundary of each
// operation turns it into a raise to the plug-in's innermost error frame.
#pragma once

#include <stdexcept>
#include <string>

#include "host_errors.h"

namespace viewer::core {

class HostError : public std::runtime_error {
 public:
  explicit HostError(ASErrorCode code, const std::string& detail = {})
      : std::runtime_error(detail), code_(code) {}
  ASErrorCode code() const { return code_; }

 private:
  ASErrorCode code_;
};

}  // namespace viewer::core
