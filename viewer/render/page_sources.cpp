#include "render/page_sources.h"

#include <algorithm>
#include <exception>

#include "pdf/object_key.h"
#include "pdf/page_extract.h"
#include "render/least_used.h"

namespace viewer::render {
namespace {

// Enough for the page view and the thumbnails in view.
constexpr size_t kOnePageCopies = 24;

}  // namespace

void PageSources::SyncWhole() {
  const unsigned layers = doc_.layers().changes();
  if (wholeMade_ && wholeLayers_ == layers) return;
  wholeMade_ = true;
  wholeRefused_ = false;
  wholeLayers_ = layers;
  whole_.reset();
  wholeIndex_.clear();
  std::vector<QPDFObjectHandle> pages;
  auto source = std::make_shared<RenderSource>();
  if (!doc_.layers().ChangedFromDefault() && !doc_.StoredPages().empty()) {
    // poppler reads the file itself, which holds the pages as they were opened.
    source->path = doc_.path();
    pages = doc_.StoredPages();
    wholeStamp_ = 0;
  } else {
    // poppler shows the layers of the default configuration, so the copy it reads
    // carries the layers shown now as that configuration.
    try {
      source->bytes = doc_.WriteForDisplay();
    } catch (const std::exception&) {
      return;
    }
    for (int i = 0; i < doc_.PageCount(); ++i) pages.push_back(doc_.Page(i).getObjectHandle());
    wholeStamp_ = doc_.contentRevision();
  }
  whole_ = std::move(source);
  for (size_t i = 0; i < pages.size(); ++i) {
    wholeIndex_.emplace(pdf::ObjectKey(pages[i].getObjGen()), static_cast<int>(i));
  }
}

void PageSources::Refused(const SharedSource& source) {
  if (source != nullptr && source == whole_) wholeRefused_ = true;
}

SharedSource PageSources::OnePage(int page, const pdf::PageLook& look) {
  auto found = std::find_if(copies_.begin(), copies_.end(),
                            [&](const OnePageCopy& copy) { return copy.look == look; });
  if (found == copies_.end()) {
    OnePageCopy copy;
    copy.look = look;
    try {
      auto source = std::make_shared<RenderSource>();
      source->bytes = OnePageForDisplay(doc_, page);
      copy.source = std::move(source);
    } catch (const std::exception&) {
      // Remembered as it is: the same page is not written again at every paint.
    }
    MakeRoomForOne(copies_, kOnePageCopies);
    copies_.push_back(std::move(copy));
    found = copies_.end() - 1;
  }
  found->used = ++uses_;
  return found->source;
}

PagePlan PageSources::Plan(int page) {
  if (page < 0 || page >= doc_.PageCount()) return {};
  SyncWhole();
  const pdf::PageLook look = doc_.LookOf(page);
  const auto inWhole = wholeIndex_.find(look.object);
  if (whole_ != nullptr && !wholeRefused_ && inWhole != wholeIndex_.end() &&
      look.stamp <= wholeStamp_) {
    return PagePlan{whole_, inWhole->second, true};
  }
  return PagePlan{OnePage(page, look), 0, false};
}

bool PageSources::DisplayedSize(int page, double* width, double* height) {
  if (page < 0 || page >= doc_.PageCount()) return false;
  try {
    const pdf::PageBox box = doc_.CropBox(page);
    const bool turned = doc_.Rotation(page) % 180 != 0;
    *width = turned ? box.Height() : box.Width();
    *height = turned ? box.Width() : box.Height();
  } catch (const std::exception&) {
    return false;
  }
  return *width > 0 && *height > 0;
}

}  // namespace viewer::render
