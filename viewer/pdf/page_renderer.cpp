#include "pdf/page_renderer.h"

#include <cstring>

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include "pdf/pdf_document.h"

namespace viewer::pdf {
namespace {

void IgnorePopplerMessage(const std::string&, void*) {}

}  // namespace

PageRenderer::PageRenderer(PdfDocument& doc) : doc_(doc) {
  poppler::set_debug_error_function(IgnorePopplerMessage, nullptr);
}

PageRenderer::~PageRenderer() = default;

bool PageRenderer::Sync() {
  if (poppler_ && syncedRevision_ == doc_.displayRevision()) return true;
  poppler_.reset();
  if (doc_.DisplayedAsStored()) {
    // Unchanged since opening: poppler reads the file itself.
    poppler_.reset(poppler::document::load_from_file(doc_.path()));
  } else {
    // poppler shows the layers of the default configuration, so the copy it reads
    // carries the layers shown now as that configuration.
    try {
      bytes_ = doc_.WriteForDisplay();
    } catch (const std::exception&) {
      return false;
    }
    poppler_.reset(poppler::document::load_from_raw_data(bytes_.data(),
                                                         static_cast<int>(bytes_.size())));
  }
  syncedRevision_ = doc_.displayRevision();
  return poppler_ != nullptr && !poppler_->is_locked();
}

bool PageRenderer::DisplayedSize(int page, double* width, double* height) {
  if (!Sync() || page < 0 || page >= poppler_->pages()) return false;
  std::unique_ptr<poppler::page> p(poppler_->create_page(page));
  if (!p) return false;
  const poppler::rectf box = p->page_rect(poppler::crop_box);
  const bool turned = p->orientation() == poppler::page::landscape ||
                      p->orientation() == poppler::page::seascape;
  *width = turned ? box.height() : box.width();
  *height = turned ? box.width() : box.height();
  return *width > 0 && *height > 0;
}

bool PageRenderer::Render(int page, double pixelsPerPoint, RasterImage* out) {
  if (!Sync() || page < 0 || page >= poppler_->pages()) return false;
  std::unique_ptr<poppler::page> p(poppler_->create_page(page));
  if (!p) return false;
  poppler::page_renderer renderer;
  renderer.set_render_hint(poppler::page_renderer::antialiasing, true);
  renderer.set_render_hint(poppler::page_renderer::text_antialiasing, true);
  renderer.set_image_format(poppler::image::format_argb32);
  const double dpi = pixelsPerPoint * 72.0;
  poppler::image image = renderer.render_page(p.get(), dpi, dpi);
  if (!image.is_valid() || image.format() != poppler::image::format_argb32) return false;
  out->width = image.width();
  out->height = image.height();
  out->pixels.resize(static_cast<size_t>(out->width) * static_cast<size_t>(out->height));
  const char* data = image.const_data();
  for (int y = 0; y < out->height; ++y) {
    std::memcpy(&out->pixels[static_cast<size_t>(y) * static_cast<size_t>(out->width)],
                data + static_cast<ptrdiff_t>(y) * image.bytes_per_row(),
                static_cast<size_t>(out->width) * 4);
  }
  return true;
}

}  // namespace viewer::pdf
