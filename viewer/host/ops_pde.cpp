// PDFEditWrite and PDFEditRead: fonts, colour spaces, extended graphics states and
// text elements, and releasing elements.
#include <algorithm>
#include <cstring>
#include <memory>

#include "core/atom_table.h"
#include "core/fixed_math.h"
#include "core/host_error.h"
#include "fonts/font_face.h"
#include "host/host_impl.h"
#include "host/object_refs.h"
#include "host/sys_font_handles.h"
#include "host_records.h"
#include "pdf/pde_handles.h"
#include "pdf/text_bbox.h"

namespace viewer::ops {
namespace {

using core::HostError;
using pdf::HostElements;

// PDETextAdd and PDETextGetBBox work on whole runs.
constexpr ASUns32 kTextRun = 1;

double Unit(ASFixed value) { return std::clamp(core::FixedToDouble(value), 0.0, 1.0); }

// The caller's graphic state as far as it reaches; fields past graphicStateSize are 0.
PDEGraphicState ReadGraphicState(const PDEGraphicState* given, ASUns32 size) {
  PDEGraphicState state{};
  if (given != nullptr) std::memcpy(&state, given, std::min<size_t>(size, sizeof state));
  return state;
}

pdf::TextMatrix ReadMatrix(const ASFixedMatrix* given) {
  if (given == nullptr) return {};
  return {core::FixedToDouble(given->a), core::FixedToDouble(given->b),
          core::FixedToDouble(given->c), core::FixedToDouble(given->d),
          core::FixedToDouble(given->h), core::FixedToDouble(given->v)};
}

// Colour, colour space and opacity of a run from the graphic state: black in
// DeviceGray when no space is given.
void ApplyGraphicState(const PDEGraphicState& state, pdf::TextRun* run) {
  if (state.fillColorSpec.space != nullptr) {
    run->fillSpace = HostElements().Checked<pdf::ColourSpaceElement>(state.fillColorSpec.space)->space;
  }
  for (int i = 0; i < pdf::ComponentCount(run->fillSpace); ++i) {
    run->fill[static_cast<size_t>(i)] = Unit(state.fillColorSpec.value.color[i]);
  }
  if ((state.wasSetFlags & kPDEExtGStateWasSet) != 0 && state.extGState != nullptr) {
    run->opacity = HostElements().Checked<pdf::ExtGStateElement>(state.extGState)->opacity;
  }
}

void RequireWholeRuns(ASUns32 flags) {
  if (flags != kTextRun) throw HostError(kHostErrNotImplemented, "only whole text runs");
}

const pdf::TextRun& CheckedRun(const pdf::TextElement& text, ASUns32 flags, ASInt32 index) {
  RequireWholeRuns(flags);
  if (index < 0 || static_cast<size_t>(index) >= text.runs.size()) {
    throw HostError(kHostErrBadParameter, "no such text run");
  }
  return text.runs[static_cast<size_t>(index)];
}

}  // namespace

PDEFont PDEFontCreateFromSysFont_Impl(PDSysFont sysFont, ASUns32) {
  const fonts::SystemFont& font = host::CheckedSysFont(sysFont);
  auto face = fonts::LoadFontFace(font.file, font.index);
  if (face == nullptr) {
    throw HostError(kHostErrNoFont, font.postScriptName + " is not a TrueType font with Unicode characters");
  }
  return HostElements().Add(std::make_shared<pdf::FontElement>(std::move(face)));
}

PDEColorSpace PDEColorSpaceCreateFromName_Impl(ASAtom name) {
  const char* text = core::HostAtoms().GetString(name);
  const std::string given = text != nullptr ? text : "";
  pdf::ColourSpace space;
  if (given == "DeviceRGB" || given == "RGB") {
    space = pdf::ColourSpace::DeviceRGB;
  } else if (given == "DeviceGray" || given == "G") {
    space = pdf::ColourSpace::DeviceGray;
  } else if (given == "DeviceCMYK" || given == "CMYK") {
    space = pdf::ColourSpace::DeviceCMYK;
  } else {
    throw HostError(kHostErrBadParameter, "not a device colour space: " + given);
  }
  return HostElements().Add(std::make_shared<pdf::ColourSpaceElement>(space));
}

// Only the families that need no parameters: with none, the same as by name.
PDEColorSpace PDEColorSpaceCreate_Impl(ASAtom family, void* colorSpaceStruct) {
  if (colorSpaceStruct != nullptr) {
    throw HostError(kHostErrNotImplemented, "colour spaces with parameters");
  }
  return PDEColorSpaceCreateFromName_Impl(family);
}

PDEExtGState PDEExtGStateCreateNew_Impl(CosDoc doc) {
  host::CheckedModel(doc);
  return HostElements().Add(std::make_shared<pdf::ExtGStateElement>());
}

void PDEExtGStateSetOpacityFill_Impl(PDEExtGState state, ASFixed opacity) {
  HostElements().Checked<pdf::ExtGStateElement>(state)->opacity.fill = Unit(opacity);
}

void PDEExtGStateSetOpacityStroke_Impl(PDEExtGState state, ASFixed opacity) {
  HostElements().Checked<pdf::ExtGStateElement>(state)->opacity.stroke = Unit(opacity);
}

PDEText PDETextCreate_Impl() { return HostElements().Add(std::make_shared<pdf::TextElement>()); }

// A new run at index (past the end: after the last run). The graphic state's values,
// its extended graphics state's opacities included, are taken as they are now.
void PDETextAdd_Impl(PDEText text, ASUns32 flags, ASInt32 index, const ASUns8* bytes,
                     ASInt32 length, PDEFont font, PDEGraphicState* graphicState,
                     ASUns32 graphicStateSize, PDETextState, ASUns32, ASFixedMatrix* textMatrix,
                     ASFixedMatrix*) {
  auto element = HostElements().Checked<pdf::TextElement>(text);
  RequireWholeRuns(flags);
  if (index < 0 || length < 0 || (length > 0 && bytes == nullptr)) {
    throw HostError(kHostErrBadParameter, "bad text run");
  }
  pdf::TextRun run;
  run.font = HostElements().Checked<pdf::FontElement>(font)->face;
  if (length > 0) run.bytes.assign(reinterpret_cast<const char*>(bytes), static_cast<size_t>(length));
  run.matrix = ReadMatrix(textMatrix);
  ApplyGraphicState(ReadGraphicState(graphicState, graphicStateSize), &run);
  const size_t at = std::min(static_cast<size_t>(index), element->runs.size());
  element->runs.insert(element->runs.begin() + static_cast<std::ptrdiff_t>(at), std::move(run));
}

void PDETextGetBBox_Impl(PDEText text, ASUns32 flags, ASInt32 index, ASFixedRect* box) {
  if (box == nullptr) throw HostError(kHostErrBadParameter);
  auto element = HostElements().Checked<pdf::TextElement>(text);
  const pdf::TextRun& run = CheckedRun(*element, flags, index);
  const pdf::Box found = pdf::TextRunBox(*run.font, run.bytes, run.matrix);
  *box = ASFixedRect{core::DoubleToFixed(found.left), core::DoubleToFixed(found.top),
                     core::DoubleToFixed(found.right), core::DoubleToFixed(found.bottom)};
}

void PDERelease_Impl(PDEObject object) { HostElements().Release(object); }

}  // namespace viewer::ops
