#include "pdf/page_renderer.h"

#include <algorithm>
#include <cstring>

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include "pdf/object_key.h"
#include "pdf/page_extract.h"

namespace viewer::pdf {
namespace {

// Enough for the page view and the thumbnails in view.
constexpr size_t kOnePageCopies = 24;

void IgnorePopplerMessage(const std::string&, void*) {}

}  // namespace

PageRenderer::PageRenderer(PdfDocument& doc) : doc_(doc) {
  poppler::set_debug_error_function(IgnorePopplerMessage, nullptr);
}

PageRenderer::~PageRenderer() = default;

bool PageRenderer::SyncWhole() {
  const unsigned layers = doc_.layers().changes();
  if (whole_ && wholeLayers_ == layers) return !whole_->is_locked();
  whole_.reset();
  wholeIndex_.clear();
  std::vector<QPDFObjectHandle> pages;
  if (!doc_.layers().ChangedFromDefault() && !doc_.StoredPages().empty()) {
    // poppler reads the file itself, which holds the pages as they were opened.
    whole_.reset(poppler::document::load_from_file(doc_.path()));
    pages = doc_.StoredPages();
    wholeStamp_ = 0;
  } else {
    // poppler shows the layers of the default configuration, so the copy it reads
    // carries the layers shown now as that configuration.
    try {
      wholeBytes_ = doc_.WriteForDisplay();
    } catch (const std::exception&) {
      return false;
    }
    whole_.reset(poppler::document::load_from_raw_data(wholeBytes_.data(),
                                                       static_cast<int>(wholeBytes_.size())));
    for (int i = 0; i < doc_.PageCount(); ++i) pages.push_back(doc_.Page(i).getObjectHandle());
    wholeStamp_ = doc_.contentRevision();
  }
  wholeLayers_ = layers;
  for (size_t i = 0; i < pages.size(); ++i) {
    wholeIndex_.emplace(ObjectKey(pages[i].getObjGen()), static_cast<int>(i));
  }
  return whole_ != nullptr && !whole_->is_locked();
}

poppler::document* PageRenderer::OnePage(int page, const PageLook& look) {
  auto found = std::find_if(copies_.begin(), copies_.end(),
                            [&](const OnePageCopy& copy) { return copy.look == look; });
  if (found == copies_.end()) {
    OnePageCopy copy;
    copy.look = look;
    try {
      copy.bytes = OnePageForDisplay(doc_, page);
    } catch (const std::exception&) {
      return nullptr;
    }
    copy.doc.reset(poppler::document::load_from_raw_data(copy.bytes.data(),
                                                         static_cast<int>(copy.bytes.size())));
    if (copies_.size() >= kOnePageCopies) {
      copies_.erase(std::min_element(copies_.begin(), copies_.end(),
                                     [](const OnePageCopy& a, const OnePageCopy& b) {
                                       return a.used < b.used;
                                     }));
    }
    copies_.push_back(std::move(copy));
    found = copies_.end() - 1;
  }
  found->used = ++uses_;
  return found->doc.get();
}

bool PageRenderer::Locate(int page, Source* source) {
  if (page < 0 || page >= doc_.PageCount()) return false;
  const bool whole = SyncWhole();
  const PageLook look = doc_.LookOf(page);
  const auto inWhole = wholeIndex_.find(look.object);
  if (whole && inWhole != wholeIndex_.end() && look.stamp <= wholeStamp_ &&
      inWhole->second < whole_->pages()) {
    *source = {whole_.get(), inWhole->second};
    return true;
  }
  poppler::document* copy = OnePage(page, look);
  if (copy == nullptr || copy->is_locked() || copy->pages() < 1) return false;
  *source = {copy, 0};
  return true;
}

bool PageRenderer::DisplayedSize(int page, double* width, double* height) {
  Source source;
  if (!Locate(page, &source)) return false;
  std::unique_ptr<poppler::page> p(source.doc->create_page(source.page));
  if (!p) return false;
  const poppler::rectf box = p->page_rect(poppler::crop_box);
  const bool turned = p->orientation() == poppler::page::landscape ||
                      p->orientation() == poppler::page::seascape;
  *width = turned ? box.height() : box.width();
  *height = turned ? box.width() : box.height();
  return *width > 0 && *height > 0;
}

bool PageRenderer::Render(int page, double pixelsPerPoint, RasterImage* out) {
  Source source;
  if (!Locate(page, &source)) return false;
  std::unique_ptr<poppler::page> p(source.doc->create_page(source.page));
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
