#include "main_layout.h"

#include "resource.h"

std::array<ControlPlacement, kMainLayoutControlCount> MainDialogLayout(int W, int H) {
  return {{
      {IDC_BOOKMARK_TREE, 69, 7, W - 80, H - 183},
      {IDC_AUTO_EXPAND, 71, H - 170, 190, 12},
      {IDC_SELECT_ALL, 71, H - 153, 100, 12},
      {IDC_SELECT_THUMBNAILS, 71, H - 136, 120, 12},
      {IDC_PRINT, W / 2 - 80, H - 80, 180, 21},
      {IDC_LEVEL_LABEL, W - 237, H - 168, 140, 12},
      {IDC_SELECT_LEVEL, W - 123, H - 170, 50, 20},
      {IDC_SELECT_LEVEL_BUTTON, W - 69, H - 172, 57, 22},
      {IDC_SELECT_TEXT, W - 292, H - 145, 220, 21},
      {IDC_TEXT_LABEL, W - 385, H - 143, 90, 21},
      {IDC_FIND_TEXT, W - 69, H - 145, 57, 22},
      {IDC_CLOSE, W - 69, H - 85, 57, 22},
      {IDC_PAGE_SIZE_LIST, W - 292, H - 115, 220, 22},
      {IDC_FIND_PAGE_SIZE, W - 69, H - 115, 57, 22},
      {IDC_PAGE_SIZE_LABEL, W - 417, H - 113, 120, 21},
      {IDC_SILENT_PRINT, W - 177, H - 91, 85, 22},
      {IDC_PRINT_INDEX, W - 177, H - 74, 85, 22},
  }};
}
