// Bookmark models for the tests, built as the outline walk builds them.
#pragma once

#include <memory>
#include <vector>

#include "model/bookmark_model.h"

// One bookmark per level given, each on page 1 of a one-page document, titled "t".
inline std::unique_ptr<BookmarkModel> ModelOfLevels(const std::vector<int>& levels) {
  auto model = std::make_unique<BookmarkModel>();
  model->pageCount = 1;
  for (int level : levels) AppendBookmarkEntry(*model, level, 1, 0, "t", PDAction{});
  return model;
}
