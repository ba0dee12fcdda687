#include "script/tree_access.h"

#include <vector>

#include "script/ui_windows.h"

namespace viewer::script {

int TreeReader::Count() const {
  return static_cast<int>(SendForAnswer(tree_, TVM_GETCOUNT, 0, 0, timeoutMs_));
}

HTREEITEM TreeReader::Next(HTREEITEM item, UINT relation) const {
  return reinterpret_cast<HTREEITEM>(SendForAnswer(tree_, TVM_GETNEXTITEM, relation,
                                                   reinterpret_cast<LPARAM>(item), timeoutMs_));
}

HTREEITEM TreeReader::Walk(const std::function<bool(HTREEITEM, int, int)>& visit) const {
  int index = 0;
  int depth = 1;
  HTREEITEM item = Next(nullptr, TVGN_ROOT);
  while (item) {
    if (visit(item, ++index, depth)) return item;
    HTREEITEM next = Next(item, TVGN_CHILD);
    if (next) ++depth;
    while (!next && item) {
      next = Next(item, TVGN_NEXT);
      if (!next) {
        item = Next(item, TVGN_PARENT);
        --depth;
      }
    }
    item = next;
  }
  return nullptr;
}

HTREEITEM TreeReader::FirstWithLabelStart(const std::string& start) const {
  return Walk([&](HTREEITEM item, int, int) {
    return Text(item).compare(0, start.size(), start) == 0;
  });
}

HTREEITEM TreeReader::AtIndex(int index) const {
  return Walk([&](HTREEITEM, int at, int) { return at == index; });
}

std::string TreeReader::Text(HTREEITEM item) const {
  // Labels may be as long as the plug-in's 4096-byte label buffer allows, and more.
  std::vector<char> buffer(8192, '\0');
  TVITEMA query = {};
  query.mask = TVIF_TEXT | TVIF_HANDLE;
  query.hItem = item;
  query.pszText = buffer.data();
  query.cchTextMax = static_cast<int>(buffer.size());
  SendForAnswer(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query), timeoutMs_);
  // The control may answer with a pointer of its own instead of filling the buffer.
  return query.pszText ? std::string(query.pszText) : std::string();
}

UINT TreeReader::State(HTREEITEM item, UINT mask) const {
  TVITEMA query = {};
  query.mask = TVIF_STATE | TVIF_HANDLE;
  query.hItem = item;
  query.stateMask = mask;
  SendForAnswer(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query), timeoutMs_);
  return query.state & mask;
}

int TreeReader::StateImage(HTREEITEM item) const {
  return static_cast<int>(State(item, TVIS_STATEIMAGEMASK) >> 12);
}

bool TreeReader::HasChildren(HTREEITEM item) const { return Next(item, TVGN_CHILD) != nullptr; }

bool TreeReader::Expanded(HTREEITEM item) const { return State(item, TVIS_EXPANDED) != 0; }

HTREEITEM TreeReader::Selected() const { return Next(nullptr, TVGN_CARET); }

}  // namespace viewer::script
