#include "banner_drawing.h"

#include "banner_geometry.h"
#include "host/error_frame.h"
#include "model/ansi_text.h"
#include "host/guarded_calls.h"

namespace {

constexpr PDPerms kModifyPermission = 0x08;
constexpr const char* kNoPermission =
    "Orvane\r\nNo permissions to update PDF, please change permissions in "
    "'File'-->'Document Security' menu";
constexpr const char* kFontError = "Font or Font Type error!, please see help for font details\n\n";
constexpr const char* kTextError =
    "Font,Font Type or Flag error!, please see help for font details\n\n";
constexpr ASUns32 kFindFontFlags = 1;
constexpr ASUns32 kCreateFontFlags = 4;
constexpr ASUns32 kTextRun = 1;
constexpr ASInt32 kAfterLastElement = 0x7FFFFFFE;

// Everything one line is drawn with; released together.
struct LineObjects {
  PDEFont font = nullptr;
  PDEColorSpace colourSpace = nullptr;
  PDEExtGState extGState = nullptr;
  PDEText text = nullptr;
};

void Release(PDEObject object) {
  if (!object) return;
  HOST_DURING
    host::PDERelease(object);
  HOST_HANDLER
  HOST_END_HANDLER
}

bool MayModify(PDDoc document) {
  volatile PDPerms permissions = 0;
  HOST_DURING
    permissions = host::PDDocGetPermissions(document);
  HOST_HANDLER
  HOST_END_HANDLER
  return (permissions & kModifyPermission) != 0;
}

// The system font of the settings' name and type; null, after telling the user why.
PDEFont CreateFont(const BannerSettings& settings) {
  const char* name = settings.fontName.c_str();
  const char* type = settings.fontType.c_str();
  PDEFont volatile font = nullptr;
  ASErrorCode volatile error = 0;
  HOST_DURING
    PDEFontAttrs attributes{};
    attributes.name = host::ASAtomFromString(name);
    attributes.type = host::ASAtomFromString(type);
    PDSysFont found = host::PDFindSysFont(&attributes, sizeof attributes, kFindFontFlags);
    font = host::PDEFontCreateFromSysFont(found, kCreateFontFlags);
  HOST_HANDLER
    error = HOST_ERRORCODE;
  HOST_END_HANDLER
  if (!font) AlertNote(kFontError + HostErrorText(error));
  return font;
}

PDEColorSpace CreateRgbSpace() {
  PDEColorSpace volatile space = nullptr;
  HOST_DURING
    space = host::PDEColorSpaceCreateFromName(host::ASAtomFromString("DeviceRGB"));
  HOST_HANDLER
  HOST_END_HANDLER
  return space;
}

// The translucency of the text; null (after the host's message) when it cannot be
// set up, and the line is drawn opaque.
PDEExtGState CreateOpacity(PDDoc document, int32_t opacity) {
  const ASFixed value = ToFixed(opacity * 0.01);
  PDEExtGState volatile state = nullptr;
  ASErrorCode volatile error = 0;
  bool volatile failed = false;
  HOST_DURING
    state = host::PDEExtGStateCreateNew(host::PDDocGetCosDoc(document));
    host::PDEExtGStateSetOpacityFill(state, value);
    host::PDEExtGStateSetOpacityStroke(state, value);
  HOST_HANDLER
    error = HOST_ERRORCODE;
    failed = true;
  HOST_END_HANDLER
  if (!failed) return state;
  AlertHostError(error);
  Release(state);
  return nullptr;
}

PDEGraphicState GraphicState(const BannerSettings& settings, const std::string& text,
                             const LineObjects& objects) {
  PDEGraphicState state{};
  state.strokeColorSpec.space = objects.colourSpace;
  state.fillColorSpec.space = objects.colourSpace;
  const BannerFill fill = BannerFillColour(settings.textColor, text);
  state.fillColorSpec.value.color[0] = fill.red;
  state.fillColorSpec.value.color[1] = fill.green;
  state.fillColorSpec.value.color[2] = fill.blue;
  state.lineWidth = ToFixed(1.0);
  state.miterLimit = ToFixed(10.0);
  state.flatness = ToFixed(1.0);
  if (settings.opacity < 100 && objects.extGState) {
    state.extGState = objects.extGState;
    state.wasSetFlags = kPDEExtGStateWasSet;
  }
  return state;
}

// A text element with one run. `text` holds the element from before the run is added,
// so that a raise there, which jumps to the caller's frame, does not lose it.
void CreateRun(const std::string& bytes, PDEFont font, PDEGraphicState* state,
               ASFixedMatrix* matrix, PDEText volatile& text) {
  text = host::PDETextCreate();
  host::PDETextAdd(text, kTextRun, 0, reinterpret_cast<const ASUns8*>(bytes.data()),
                   static_cast<ASInt32>(bytes.size()), font, state, sizeof *state, nullptr, 0,
                   matrix, nullptr);
}

// The run made again at its aligned place, in place of the one measured.
void RemakeRun(const std::string& bytes, PDEFont font, PDEGraphicState* state,
               ASFixedMatrix* matrix, PDEText volatile& text) {
  host::PDERelease(text);
  text = nullptr;
  CreateRun(bytes, font, state, matrix, text);
}

// The text element of one run, placed and aligned as the settings say; what was built
// when the host raised, after telling the user (null only when no element was made).
PDEText BuildText(const BannerSettings& settings, const std::string& bytes, PDEFont font,
                  PDEGraphicState* state, ASFixedMatrix matrix) {
  PDEText volatile text = nullptr;
  ASErrorCode volatile error = 0;
  bool volatile failed = false;
  HOST_DURING
    CreateRun(bytes, font, state, &matrix, text);
    ASFixedRect box{};
    host::PDETextGetBBox(text, kTextRun, 0, &box);
    if (settings.alignTextRight) {
      matrix = RightAligned(matrix, box);
      RemakeRun(bytes, font, state, &matrix, text);
    }
    if (settings.alignTextCenter) {
      matrix = CentreAligned(matrix, box, settings.degreesAngle);
      RemakeRun(bytes, font, state, &matrix, text);
    }
  HOST_HANDLER
    error = HOST_ERRORCODE;
    failed = true;
  HOST_END_HANDLER
  if (failed) AlertNote(kTextError + HostErrorText(error));
  return text;
}

// The page's boxes in page units. Called inside the line's own frame: a raise here
// leaves the line out, with the host's message.
void ReadBoxes(PDPage page, PageRect& media, PageRect& crop) {
  ASFixedRect mediaBox{}, cropBox{};
  host::PDPageGetMediaBox(page, &mediaBox);
  host::PDPageGetCropBox(page, &cropBox);
  media = ToPageRect(mediaBox);
  crop = ToPageRect(cropBox);
}

void ReleaseContent(PDPage page, ASExtension self) {
  HOST_DURING
    host::PDPageReleasePDEContent(page, self);
  HOST_HANDLER
  HOST_END_HANDLER
}

}  // namespace

void DrawBannerText(BannerSettings& settings, PDPageNumber pageIndex, const std::string& text,
                    int32_t lineIndex, int32_t lineCount) {
  settings.prefixStr = text;
  settings.fontType = "TrueType";
  settings.fontFlags = "STD_ENCODING";
  const AVDoc doc = ActiveDocument();
  PDDoc document = nullptr;
  ASInt32 pageCount = 0;
  if (!doc || !DocumentPageCount(doc, document, pageCount)) return;
  if (!MayModify(document)) {
    AlertNote(kNoPermission);
    return;
  }
  LineObjects objects;
  objects.font = CreateFont(settings);
  if (!objects.font) return;
  objects.colourSpace = CreateRgbSpace();
  objects.extGState = CreateOpacity(document, settings.opacity);
  PDEGraphicState state = GraphicState(settings, text, objects);
  // The banner's font draws in WinAnsiEncoding.
  const std::string bytes = BannerTextBytes(AnsiToWindows1252(text));
  const ASExtension self = host::hostTables.extensionID;

  PDPage volatile page = nullptr;
  PDEContent volatile content = nullptr;
  PDEText volatile element = nullptr;
  ASErrorCode volatile error = 0;
  bool volatile failed = false;
  HOST_DURING
    page = host::PDDocAcquirePage(document, pageIndex);
    PageRect media, crop;
    ReadBoxes(page, media, crop);
    const BannerLinePlace place =
        PlaceBannerLine(settings, crop, media, text, lineIndex, lineCount);
    ASFixedMatrix translation = BannerTranslation(place);
    ASFixedMatrix rotation = BannerRotation(place.angle);
    ASFixedMatrix scale = BannerScale(settings.fontSize);
    host::ASFixedMatrixConcat(&rotation, &translation, &rotation);
    host::ASFixedMatrixConcat(&scale, &rotation, &scale);
    element = BuildText(settings, bytes, objects.font, &state, scale);
    if (element) {
      content = host::PDPageAcquirePDEContent(page, self);
      host::PDEContentAddElem(content, kAfterLastElement, element);
      host::PDPageSetPDEContent(page, self);
    }
  HOST_HANDLER
    error = HOST_ERRORCODE;
    failed = true;
  HOST_END_HANDLER
  // Given back whichever call raised: the content while its page is still held.
  if (content) ReleaseContent(page, self);
  if (page) ReleasePage(page);
  objects.text = element;
  Release(objects.text);
  Release(objects.colourSpace);
  Release(objects.font);
  Release(objects.extGState);
  if (failed) AlertHostError(error);
}
