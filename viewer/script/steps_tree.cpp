#include <cstring>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "script/steps.h"
#include "script/thread_hop.h"
#include "script/tree_access.h"
#include "script/tree_listing.h"
#include "script/ui_click.h"
#include "script/ui_input.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

// The check box sits left of the text rectangle; these are the distances tried.
constexpr int kStateIconNearest = 8;
constexpr int kStateIconFarthest = 16;

HWND WaitForTree(const DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND tree = WaitForControl(context, id);
  if (ClassOf(tree) != WC_TREEVIEWA) Fail(ControlName(id) + " is a " + ClassOf(tree));
  return tree;
}

// A tree for real input: its dialog drops input while a command runs (and the command
// may rebuild the tree meanwhile), so wait, as a user would, until it takes input.
HWND WaitForTreeTakingInput(const DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  HWND dialog = GetAncestor(tree, GA_ROOT);
  WaitQuietly(context.timeoutMs(), [&] { return !IsWindow(dialog) || IsWindowEnabled(dialog); });
  return tree;
}

// Reads the tree on its own thread: a walk over thousands of items then costs
// direct calls rather than a round trip between the threads for each message.
std::string ReadTree(const DriverContext& context, HWND tree,
                     const std::function<std::string(const TreeReader&)>& read) {
  std::string answer;
  RunOnWindowThread(context, tree, [&] { answer = read(TreeReader(tree, context.timeoutMs())); });
  return answer;
}

HTREEITEM WaitForItem(const DriverContext& context, HWND tree, const std::string& start) {
  HTREEITEM item = nullptr;
  WaitFor(context, [&]() -> std::string {
    return ReadTree(context, tree, [&](const TreeReader& reader) -> std::string {
      item = reader.FirstWithLabelStart(start);
      return item ? "" : "no tree item starts with " + Quoted(start);
    });
  });
  return item;
}

// Scrolls the item into view and answers its text rectangle (client coordinates).
RECT VisibleTextRect(const DriverContext& context, HWND tree, HTREEITEM item) {
  SendForAnswer(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item), context.timeoutMs());
  RECT rect = {};
  // TVM_GETITEMRECT takes the item in the rectangle's first bytes.
  std::memcpy(&rect, &item, sizeof item);
  if (!SendForAnswer(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&rect),
                     context.timeoutMs())) {
    Fail("the tree item cannot be scrolled into view");
  }
  return rect;
}

UINT HitTest(const DriverContext& context, HWND tree, POINT point, HTREEITEM* item) {
  TVHITTESTINFO hit = {};
  hit.pt = point;
  SendForAnswer(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit), context.timeoutMs());
  *item = hit.hItem;
  return hit.flags;
}

std::string Hex(UINT value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%x", value);
  return text;
}

std::vector<ListedItem> ListTree(const TreeReader& reader) {
  std::vector<ListedItem> items;
  reader.Walk([&](HTREEITEM item, int, int depth) {
    items.push_back({depth, reader.Text(item)});
    return false;
  });
  return items;
}

std::vector<ListedItem> ReadExpectedListing(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("cannot read " + path);
  std::ostringstream text;
  text << in.rdbuf();
  std::string why;
  std::optional<std::vector<ListedItem>> items = ParseTreeListing(text.str(), &why);
  if (!items) Fail(path + ": " + why);
  return *items;
}

std::string StateName(int stateImage) {
  return stateImage == 2 ? "ticked" : stateImage == 1 ? "unticked" : "without a check box";
}

// Ticks the item's box; with `leave`, the pointer leaves the tree in the same input.
void TickTreeItem(DriverContext& context, const Step& step, bool leave) {
  HWND tree = WaitForTreeTakingInput(context, step);
  TreeReader reader(tree, context.timeoutMs());
  HTREEITEM item = WaitForItem(context, tree, step.args[1]);
  const int before = reader.StateImage(item);
  // A tree that has not laid out its check boxes yet (before its first paint) shows
  // none: wait for them.
  POINT point = {};
  WaitFor(context, [&]() -> std::string {
    const RECT text = VisibleTextRect(context, tree, item);
    const int middle = (text.top + text.bottom) / 2;
    UINT lastFlags = 0;
    for (int distance = kStateIconNearest; distance <= kStateIconFarthest; ++distance) {
      point = {text.left - distance, middle};
      HTREEITEM hitItem = nullptr;
      lastFlags = HitTest(context, tree, point, &hitItem);
      if ((lastFlags & TVHT_ONITEMSTATEICON) && hitItem == item) return "";
    }
    return "no check box left of the label (hit test flags " + Hex(lastFlags) + ")";
  });
  RECT treeRect = {};
  GetWindowRect(tree, &treeRect);
  // Just outside the tree's top-left corner: on no item, whatever the tree holds.
  const POINT away = {treeRect.left - 4, treeRect.top - 4};
  ClickControlAt(context, tree, point, leave ? &away : nullptr);
  WaitFor(context, [&]() -> std::string {
    int now = reader.StateImage(item);
    return now != before ? "" : "the item is still " + StateName(now);
  });
}

}  // namespace

void RunTreeTick(DriverContext& context, const Step& step) { TickTreeItem(context, step, false); }

void RunTreeTickAndLeave(DriverContext& context, const Step& step) {
  TickTreeItem(context, step, true);
}

void RunTreeClick(DriverContext& context, const Step& step) {
  HWND tree = WaitForTreeTakingInput(context, step);
  TreeReader reader(tree, context.timeoutMs());
  HTREEITEM item = WaitForItem(context, tree, step.args[1]);
  POINT point = {};
  WaitFor(context, [&]() -> std::string {
    const RECT text = VisibleTextRect(context, tree, item);
    point = {(text.left + text.right) / 2, (text.top + text.bottom) / 2};
    HTREEITEM hitItem = nullptr;
    const bool onLabel = (HitTest(context, tree, point, &hitItem) & TVHT_ONITEMLABEL) != 0;
    return onLabel && hitItem == item ? "" : "the label is not where the tree says it is";
  });
  ClickControlAt(context, tree, point);
  WaitFor(context, [&]() -> std::string {
    return reader.Selected() == item ? "" : "the item did not become selected";
  });
}

void RunExpectTree(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  const std::string& wanted = step.args[2];
  WaitFor(context, [&]() -> std::string {
    return ReadTree(context, tree, [&](const TreeReader& reader) -> std::string {
      HTREEITEM item = reader.FirstWithLabelStart(step.args[1]);
      if (wanted == "absent") return item ? "an item starts with " + Quoted(reader.Text(item)) : "";
      if (!item) return "no tree item starts with " + Quoted(step.args[1]);
      if (wanted == "present") return {};
      std::string state = StateName(reader.StateImage(item));
      return state == wanted ? "" : Quoted(reader.Text(item)) + " is " + state;
    });
  });
}

void RunExpectTreeCount(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  TreeReader reader(tree, context.timeoutMs());
  const int wanted = NumberArg(step, 1);
  WaitFor(context, [&]() -> std::string {
    int count = reader.Count();
    return count == wanted ? "" : "the tree has " + std::to_string(count) + " items";
  });
}

void RunExpectTreeLabel(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  const int index = NumberArg(step, 1);
  WaitFor(context, [&]() -> std::string {
    return ReadTree(context, tree, [&](const TreeReader& reader) -> std::string {
      HTREEITEM item = reader.AtIndex(index);
      if (!item) return "the tree has fewer than " + std::to_string(index) + " items";
      std::string text = reader.Text(item);
      return text == step.args[2] ? "" : "item " + std::to_string(index) + " is " + Quoted(text);
    });
  });
}

}  // namespace viewer::script

namespace viewer::script {

void RunExpectTreeLabelLength(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  const int index = NumberArg(step, 1);
  const size_t least = static_cast<size_t>(NumberArg(step, 2));
  const size_t most = static_cast<size_t>(NumberArg(step, 3));
  WaitFor(context, [&]() -> std::string {
    return ReadTree(context, tree, [&](const TreeReader& reader) -> std::string {
      HTREEITEM item = reader.AtIndex(index);
      if (!item) return "the tree has fewer than " + std::to_string(index) + " items";
      const size_t length = reader.Text(item).size();
      if (length >= least && length <= most) return {};
      return "item " + std::to_string(index) + " has " + std::to_string(length) + " bytes";
    });
  });
}

void RunExpectTreeDepth(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  const int index = NumberArg(step, 1);
  const int wanted = NumberArg(step, 2);
  WaitFor(context, [&]() -> std::string {
    return ReadTree(context, tree, [&](const TreeReader& reader) -> std::string {
      int depth = 0;
      HTREEITEM item = reader.Walk([&](HTREEITEM, int at, int itemDepth) {
        depth = itemDepth;
        return at == index;
      });
      if (!item) return "the tree has fewer than " + std::to_string(index) + " items";
      if (depth == wanted) return {};
      return "item " + std::to_string(index) + " " + Quoted(reader.Text(item)) + " is at depth " +
             std::to_string(depth);
    });
  });
}

void RunExpectTreeExpanded(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  const bool wantAll = step.args[1] == "all";
  WaitFor(context, [&]() -> std::string {
    return ReadTree(context, tree, [&](const TreeReader& reader) -> std::string {
      int parents = 0;
      std::string odd;
      HTREEITEM first = reader.Walk([&](HTREEITEM item, int index, int) {
        if (!reader.HasChildren(item)) return false;
        ++parents;
        if (reader.Expanded(item) == wantAll) return false;
        odd = "item " + std::to_string(index) + " " + Quoted(reader.Text(item)) +
              (wantAll ? " is collapsed" : " is expanded");
        return true;
      });
      if (!first) return {};
      return odd;
    });
  });
}

void RunExpectTreeFile(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  const std::vector<ListedItem> expected = ReadExpectedListing(step.args[1]);
  WaitFor(context, [&]() -> std::string {
    return ReadTree(context, tree, [&](const TreeReader& reader) -> std::string {
      return CompareTreeListings(expected, ListTree(reader));
    });
  });
}

void RunSaveTree(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  std::string text;
  ReadTree(context, tree, [&](const TreeReader& reader) -> std::string {
    text = FormatTreeListing(ListTree(reader));
    return {};
  });
  std::ofstream out(step.args[1], std::ios::binary);
  out << text;
  if (!out.flush()) Fail("cannot write " + step.args[1]);
}

}  // namespace viewer::script
