#include "script/measure_expression.h"

namespace viewer::script {
namespace {

class MeasureReader {
 public:
  MeasureReader(std::string_view text, long width, long height)
      : text_(text), width_(width), height_(height) {}

  std::optional<long> Read() {
    bool negative = Take('-');
    std::optional<long> sum = Product();
    if (!sum) return std::nullopt;
    if (negative) *sum = -*sum;
    while (at_ < text_.size()) {
      char op = text_[at_];
      if (op != '+' && op != '-') return std::nullopt;
      ++at_;
      std::optional<long> next = Product();
      if (!next) return std::nullopt;
      *sum = op == '+' ? *sum + *next : *sum - *next;
    }
    return sum;
  }

 private:
  bool Take(char c) {
    if (at_ < text_.size() && text_[at_] == c) {
      ++at_;
      return true;
    }
    return false;
  }

  std::optional<long> Product() {
    std::optional<long> value = Term();
    while (value && at_ < text_.size() && (text_[at_] == '*' || text_[at_] == '/')) {
      char op = text_[at_++];
      std::optional<long> next = Term();
      if (!next || (op == '/' && *next == 0)) return std::nullopt;
      value = op == '*' ? *value * *next : *value / *next;
    }
    return value;
  }

  std::optional<long> Term() {
    if (Take('W')) return width_;
    if (Take('H')) return height_;
    size_t digits = 0;
    long value = 0;
    while (at_ < text_.size() && text_[at_] >= '0' && text_[at_] <= '9') {
      value = value * 10 + (text_[at_++] - '0');
      if (++digits > 6) return std::nullopt;
    }
    if (digits == 0) return std::nullopt;
    return value;
  }

  std::string_view text_;
  long width_;
  long height_;
  size_t at_ = 0;
};

}  // namespace

std::optional<long> EvaluateMeasure(std::string_view text, long width, long height) {
  return MeasureReader(text, width, height).Read();
}

bool IsAnyMeasure(std::string_view text) { return text == "*"; }

bool IsMeasure(std::string_view text) {
  // Any window size will do to check the form; 1 keeps divisions by W or H defined.
  return IsAnyMeasure(text) || EvaluateMeasure(text, 1, 1).has_value();
}

}  // namespace viewer::script
