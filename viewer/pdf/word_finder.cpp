#include "pdf/word_finder.h"

#include <charconv>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <string>

#include <qpdf/Buffer.hh>
#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFTokenizer.hh>

#include "pdf/font_decoder.h"
#include "pdf/number_value.h"
#include "pdf/text_run.h"

namespace viewer::pdf {
namespace {

// Forms drawn inside forms deeper than this are left out, loops or not.
constexpr int kMaxFormDepth = 32;

// first, then second (row vectors: p x first x second).
TextMatrix Times(const TextMatrix& m1, const TextMatrix& m2) {
  return TextMatrix{m1.a * m2.a + m1.b * m2.c, m1.a * m2.b + m1.b * m2.d,
                    m1.c * m2.a + m1.d * m2.c, m1.c * m2.b + m1.d * m2.d,
                    m1.h * m2.a + m1.v * m2.c + m2.h, m1.h * m2.b + m1.v * m2.d + m2.v};
}

void Apply(const TextMatrix& m, double x, double y, double* outX, double* outY) {
  *outX = m.a * x + m.c * y + m.h;
  *outY = m.b * x + m.d * y + m.v;
}

struct GraphicsState {
  TextMatrix ctm;
  std::shared_ptr<const FontDecoder> font;
  double fontSize = 0, charSpacing = 0, wordSpacing = 0, hScale = 1, leading = 0, rise = 0;
};

// What text drawn without a usable font decodes with: one for all pages.
const std::shared_ptr<const FontDecoder>& NoFont() {
  static const std::shared_ptr<const FontDecoder> none =
      std::make_shared<FontDecoder>(QPDFObjectHandle::newNull());
  return none;
}

// An operand as the reader needs it, read straight from the content's tokens: building
// qpdf objects for every operand of every page cost more than reading the text.
struct ContentOperand {
  enum class Kind : uint8_t { Number, String, Name, Array, Other };
  Kind kind = Kind::Other;
  double number = 0;
  std::string text;                    // a string's bytes, a name ("/F1")
  std::vector<ContentOperand> items;   // an array's numbers and strings
};

double NumberOf(const std::string& token) {
  double value = 0;
  const char* begin = token.data();
  const char* end = begin + token.size();
  if (begin != end && *begin == '+') ++begin;
  const auto [at, error] = std::from_chars(begin, end, value);
  return error == std::errc() && at == end && std::isfinite(value) ? value : 0;
}

class PageReader {
 public:
  PageReader(QPDFObjectHandle resources, FontDecoderCache& fonts)
      : resources_(resources), fonts_(fonts) {}

  void Operator(const std::string& op, std::vector<ContentOperand>& operands);
  std::vector<FoundWord> Take() { return words_.Take(); }

  // Reads one content stream (of the page or of a form) with the resources in force.
  void Read(QPDFObjectHandle stream);

 private:
  static double Operand(const std::vector<ContentOperand>& operands, size_t fromEnd) {
    if (operands.size() < fromEnd) return 0;
    const ContentOperand& operand = operands[operands.size() - fromEnd];
    return operand.kind == ContentOperand::Kind::Number ? operand.number : 0;
  }
  void MoveLine(double tx, double ty) {
    lineMatrix_ = Times(TextMatrix{1, 0, 0, 1, tx, ty}, lineMatrix_);
    textMatrix_ = lineMatrix_;
  }
  void Show(const std::string& bytes);
  void Adjust(double thousandths) {
    const double tx = -thousandths / 1000 * state_.fontSize * state_.hScale;
    textMatrix_ = Times(TextMatrix{1, 0, 0, 1, tx, 0}, textMatrix_);
  }
  void SetFont(const ContentOperand& name, double size);
  void DrawForm(const ContentOperand& name);

  QPDFObjectHandle resources_;
  GraphicsState state_;
  std::vector<GraphicsState> saved_;
  TextMatrix textMatrix_, lineMatrix_;
  FontDecoderCache& fonts_;
  const std::shared_ptr<const FontDecoder>& noFont_ = NoFont();
  std::set<QPDFObjGen> formsOpen_;
  WordBuilder words_;
};

void PageReader::Read(QPDFObjectHandle stream) {
  std::shared_ptr<Buffer> data;
  try {
    data = stream.getStreamData(qpdf_dl_generalized);
  } catch (const std::exception&) {
    return;  // undecodable: nothing to read
  }
  static const std::string kContext = "content stream";
  auto input = std::make_shared<BufferInputSource>(kContext, data.get());
  QPDFTokenizer tokenizer;
  tokenizer.allowEOF();
  std::vector<ContentOperand> operands;
  // Inside an array (its items are gathered) or a dictionary (passed over as a whole).
  int arrayDepth = 0, dictDepth = 0;
  auto add = [&](ContentOperand operand) {
    if (dictDepth > 0) return;
    if (arrayDepth == 1 && !operands.empty()) {
      operands.back().items.push_back(std::move(operand));
    } else if (arrayDepth == 0) {
      operands.push_back(std::move(operand));
    }
  };
  for (;;) {
    const QPDFTokenizer::Token token = tokenizer.readToken(input, kContext, true);
    switch (token.getType()) {
      case QPDFTokenizer::tt_eof:
      case QPDFTokenizer::tt_bad:
        return;  // damaged: what came before has been read
      case QPDFTokenizer::tt_integer:
      case QPDFTokenizer::tt_real:
        add({ContentOperand::Kind::Number, NumberOf(token.getValue()), {}, {}});
        break;
      case QPDFTokenizer::tt_string:
        add({ContentOperand::Kind::String, 0, token.getValue(), {}});
        break;
      case QPDFTokenizer::tt_name:
        add({ContentOperand::Kind::Name, 0, token.getValue(), {}});
        break;
      case QPDFTokenizer::tt_array_open:
        if (dictDepth == 0 && arrayDepth++ == 0) operands.push_back({ContentOperand::Kind::Array, 0, {}, {}});
        break;
      case QPDFTokenizer::tt_array_close:
        if (arrayDepth > 0) --arrayDepth;
        break;
      case QPDFTokenizer::tt_dict_open:
        ++dictDepth;
        break;
      case QPDFTokenizer::tt_dict_close:
        if (dictDepth > 0 && --dictDepth == 0) add({});
        break;
      case QPDFTokenizer::tt_word:
        if (arrayDepth > 0 || dictDepth > 0) {
          // An operator inside an operand: the operand ends there, as a reader takes it.
          arrayDepth = dictDepth = 0;
        }
        if (token.getValue() == "ID") {
          // The image's data, up to EI, is no content to tokenize.
          char separator = 0;
          input->read(&separator, 1);
          tokenizer.expectInlineImage(input);
        } else {
          try {
            Operator(token.getValue(), operands);
          } catch (const std::exception&) {
            // An operator with operands of the wrong kind is passed over.
          }
        }
        operands.clear();
        break;
      default:
        add({});
        break;
    }
  }
}

void PageReader::Operator(const std::string& op, std::vector<ContentOperand>& operands) {
  if (op == "BT") {
    textMatrix_ = lineMatrix_ = TextMatrix{};
  } else if (op == "Tf") {
    if (operands.size() >= 2) SetFont(operands[operands.size() - 2], Operand(operands, 1));
  } else if (op == "Td") {
    MoveLine(Operand(operands, 2), Operand(operands, 1));
  } else if (op == "TD") {
    state_.leading = -Operand(operands, 1);
    MoveLine(Operand(operands, 2), Operand(operands, 1));
  } else if (op == "Tm") {
    if (operands.size() >= 6) {
      textMatrix_ = lineMatrix_ = TextMatrix{Operand(operands, 6), Operand(operands, 5), Operand(operands, 4),
                                             Operand(operands, 3), Operand(operands, 2), Operand(operands, 1)};
    }
  } else if (op == "T*") {
    MoveLine(0, -state_.leading);
  } else if (op == "TL") {
    state_.leading = Operand(operands, 1);
  } else if (op == "Tc") {
    state_.charSpacing = Operand(operands, 1);
  } else if (op == "Tw") {
    state_.wordSpacing = Operand(operands, 1);
  } else if (op == "Tz") {
    state_.hScale = Operand(operands, 1) / 100;
  } else if (op == "Ts") {
    state_.rise = Operand(operands, 1);
  } else if (op == "Tj" || op == "'" || op == "\"") {
    if (op == "\"" && operands.size() >= 3) {
      state_.wordSpacing = Operand(operands, 3);
      state_.charSpacing = Operand(operands, 2);
    }
    if (op != "Tj") MoveLine(0, -state_.leading);
    if (!operands.empty() && operands.back().kind == ContentOperand::Kind::String) {
      Show(operands.back().text);
    }
  } else if (op == "TJ") {
    if (operands.empty() || operands.back().kind != ContentOperand::Kind::Array) return;
    for (const ContentOperand& item : operands.back().items) {
      if (item.kind == ContentOperand::Kind::String) {
        Show(item.text);
      } else if (item.kind == ContentOperand::Kind::Number) {
        Adjust(item.number);
      }
    }
  } else if (op == "cm") {
    if (operands.size() >= 6) {
      const TextMatrix m{Operand(operands, 6), Operand(operands, 5), Operand(operands, 4),
                         Operand(operands, 3), Operand(operands, 2), Operand(operands, 1)};
      state_.ctm = Times(m, state_.ctm);
    }
  } else if (op == "q") {
    saved_.push_back(state_);
  } else if (op == "Q") {
    if (!saved_.empty()) {
      state_ = saved_.back();
      saved_.pop_back();
    }
  } else if (op == "Do") {
    if (!operands.empty()) DrawForm(operands.back());
  }
}

void PageReader::SetFont(const ContentOperand& name, double size) {
  state_.fontSize = size;
  state_.font = noFont_;
  if (name.kind != ContentOperand::Kind::Name || !resources_.isDictionary()) return;
  QPDFObjectHandle fonts = resources_.getKey("/Font");
  if (!fonts.isDictionary() || !fonts.hasKey(name.text)) return;
  QPDFObjectHandle font = fonts.getKey(name.text);
  if (!font.isDictionary()) return;
  if (!font.isIndirect()) {
    state_.font = std::make_shared<FontDecoder>(font);
    return;
  }
  auto& cached = fonts_[font.getObjGen()];
  if (!cached) cached = std::make_shared<FontDecoder>(font);
  state_.font = cached;
}

void PageReader::Show(const std::string& bytes) {
  const FontDecoder& font = state_.font ? *state_.font : *noFont_;
  const double size = state_.fontSize;
  const double rise = state_.rise;
  for (const DecodedGlyph& decoded : font.Decode(bytes)) {
    // The text rendering matrix: font size and scaling, then the text matrix, then the CTM.
    const TextMatrix trm = Times(Times(TextMatrix{size * state_.hScale, 0, 0, size, 0, rise}, textMatrix_), state_.ctm);
    PlacedGlyph glyph;
    glyph.text = decoded.text;
    Apply(trm, 0, 0, &glyph.x, &glyph.y);
    double endX = 0, endY = 0;
    Apply(trm, decoded.width, 0, &endX, &endY);
    glyph.dx = endX - glyph.x;
    glyph.dy = endY - glyph.y;
    const double baseline = std::hypot(trm.a, trm.b);
    if (baseline > 0) {
      glyph.ux = trm.a / baseline;
      glyph.uy = trm.b / baseline;
    }
    glyph.size = std::hypot(trm.c, trm.d);
    double xs[4], ys[4];
    Apply(trm, 0, font.descent(), &xs[0], &ys[0]);
    Apply(trm, decoded.width, font.descent(), &xs[1], &ys[1]);
    Apply(trm, 0, font.ascent(), &xs[2], &ys[2]);
    Apply(trm, decoded.width, font.ascent(), &xs[3], &ys[3]);
    glyph.box = Box{std::min({xs[0], xs[1], xs[2], xs[3]}), std::min({ys[0], ys[1], ys[2], ys[3]}),
                    std::max({xs[0], xs[1], xs[2], xs[3]}), std::max({ys[0], ys[1], ys[2], ys[3]})};
    words_.Add(glyph);
    const double advance = (decoded.width * size + state_.charSpacing +
                            (decoded.wordSpace ? state_.wordSpacing : 0)) * state_.hScale;
    textMatrix_ = Times(TextMatrix{1, 0, 0, 1, advance, 0}, textMatrix_);
  }
}

void PageReader::DrawForm(const ContentOperand& name) {
  if (name.kind != ContentOperand::Kind::Name || !resources_.isDictionary()) return;
  QPDFObjectHandle xobjects = resources_.getKey("/XObject");
  if (!xobjects.isDictionary() || !xobjects.hasKey(name.text)) return;
  QPDFObjectHandle form = xobjects.getKey(name.text);
  if (!form.isStream()) return;
  QPDFObjectHandle dict = form.getDict();
  if (!dict.getKey("/Subtype").isNameAndEquals("/Form")) return;
  if (formsOpen_.size() >= kMaxFormDepth || !formsOpen_.insert(form.getObjGen()).second) return;

  const GraphicsState outerState = state_;
  const std::vector<GraphicsState> outerSaved = saved_;
  const TextMatrix outerText = textMatrix_, outerLine = lineMatrix_;
  const QPDFObjectHandle outerResources = resources_;
  QPDFObjectHandle matrix = dict.getKey("/Matrix");
  if (matrix.isArray() && matrix.getArrayNItems() == 6) {
    const TextMatrix m{NumberValue(matrix.getArrayItem(0), 0), NumberValue(matrix.getArrayItem(1), 0),
                       NumberValue(matrix.getArrayItem(2), 0), NumberValue(matrix.getArrayItem(3), 0),
                       NumberValue(matrix.getArrayItem(4), 0), NumberValue(matrix.getArrayItem(5), 0)};
    state_.ctm = Times(m, state_.ctm);
  }
  saved_.clear();
  // A form without resources of its own uses those of what draws it.
  if (dict.getKey("/Resources").isDictionary()) resources_ = dict.getKey("/Resources");
  Read(form);
  formsOpen_.erase(form.getObjGen());
  state_ = outerState;
  saved_ = outerSaved;
  textMatrix_ = outerText;
  lineMatrix_ = outerLine;
  resources_ = outerResources;
}

}  // namespace

std::vector<FoundWord> PageWords(QPDFObjectHandle page, FontDecoderCache* fonts) {
  FontDecoderCache pageFonts;
  try {
    if (!page.isDictionary()) return {};
    QPDFPageObjectHelper helper(page);
    PageReader reader(helper.getAttribute("/Resources", false), fonts ? *fonts : pageFonts);
    for (QPDFObjectHandle stream : helper.getPageContents()) {
      if (stream.isStream()) reader.Read(stream);
    }
    return reader.Take();
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace viewer::pdf
