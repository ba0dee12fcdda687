// Reading a tree view of the user-interface thread from the driver thread: items in
// pre-order, their texts and check states. The buffers live in this process, so
// TVM_GETITEMA works across the threads.
#pragma once

#include "script/win32.h"
#include <commctrl.h>

#include <functional>
#include <string>

namespace viewer::script {

class TreeReader {
 public:
  TreeReader(HWND tree, int timeoutMs) : tree_(tree), timeoutMs_(timeoutMs) {}

  int Count() const;
  // Visits the items in pre-order (1-based index; depth 1 for a root item) until visit
  // answers true; answers the item it stopped at, or null.
  HTREEITEM Walk(const std::function<bool(HTREEITEM item, int index, int depth)>& visit) const;
  HTREEITEM FirstWithLabelStart(const std::string& start) const;
  HTREEITEM AtIndex(int index) const;

  std::string Text(HTREEITEM item) const;
  // The state image: 1 unticked, 2 ticked (0 when the item has none).
  int StateImage(HTREEITEM item) const;
  bool HasChildren(HTREEITEM item) const;
  bool Expanded(HTREEITEM item) const;
  HTREEITEM Selected() const;

 private:
  HTREEITEM Next(HTREEITEM item, UINT relation) const;
  UINT State(HTREEITEM item, UINT mask) const;
  HWND tree_;
  int timeoutMs_;
};

}  // namespace viewer::script
