#include "render/poppler_pages.h"

#include <algorithm>
#include <cstring>
#include <string>

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include "render/least_used.h"

namespace viewer::render {
namespace {

// The one-page copies the user-interface thread keeps, the whole document and a few
// more on their way out.
constexpr size_t kLoadedDocuments = 28;

void IgnorePopplerMessage(const std::string&, void*) {}

}  // namespace

void QuietPoppler() { poppler::set_debug_error_function(IgnorePopplerMessage, nullptr); }

PopplerPages::PopplerPages() = default;
PopplerPages::~PopplerPages() = default;

poppler::document* PopplerPages::Load(const SharedSource& source) {
  // A source nobody else holds any more is never asked for again.
  std::erase_if(loaded_, [](const Loaded& l) { return l.source.use_count() == 1; });
  auto found = std::find_if(loaded_.begin(), loaded_.end(),
                            [&](const Loaded& l) { return l.source == source; });
  if (found == loaded_.end()) {
    Loaded loaded;
    loaded.source = source;
    if (!source->path.empty()) {
      loaded.doc.reset(poppler::document::load_from_file(source->path));
    } else {
      loaded.doc.reset(poppler::document::load_from_raw_data(
          source->bytes.data(), static_cast<int>(source->bytes.size())));
    }
    MakeRoomForOne(loaded_, kLoadedDocuments);
    loaded_.push_back(std::move(loaded));
    found = loaded_.end() - 1;
  }
  found->used = ++uses_;
  return found->doc.get();
}

RenderOutcome PopplerPages::Render(const SharedSource& source, int page, double pixelsPerPoint,
                                   RasterImage* out) {
  if (source == nullptr) return RenderOutcome::SourceRefused;
  poppler::document* doc = Load(source);
  if (doc == nullptr || doc->is_locked() || page < 0 || page >= doc->pages()) {
    return RenderOutcome::SourceRefused;
  }
  std::unique_ptr<poppler::page> p(doc->create_page(page));
  if (!p) return RenderOutcome::Refused;
  poppler::page_renderer renderer;
  renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
  renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
  renderer.set_image_format(poppler::image::format_argb32);
  const double dpi = pixelsPerPoint * 72.0;
  poppler::image image = renderer.render_page(p.get(), dpi, dpi);
  if (!image.is_valid() || image.format() != poppler::image::format_argb32) {
    return RenderOutcome::Refused;
  }
  out->width = image.width();
  out->height = image.height();
  out->pixels.resize(static_cast<size_t>(out->width) * static_cast<size_t>(out->height));
  const char* data = image.const_data();
  for (int y = 0; y < out->height; ++y) {
    std::memcpy(&out->pixels[static_cast<size_t>(y) * static_cast<size_t>(out->width)],
                data + static_cast<ptrdiff_t>(y) * image.bytes_per_row(),
                static_cast<size_t>(out->width) * 4);
  }
  return RenderOutcome::Drawn;
}

}  // namespace viewer::render
