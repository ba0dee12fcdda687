#include <cstring>
#include <cstdio>

#include "script/steps.h"
#include "script/thread_hop.h"
#include "script/tree_access.h"
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

std::string StateName(int stateImage) {
  return stateImage == 2 ? "ticked" : stateImage == 1 ? "unticked" : "without a check box";
}

}  // namespace

void RunTreeTick(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  TreeReader reader(tree, context.timeoutMs());
  HTREEITEM item = WaitForItem(context, tree, step.args[1]);
  const int before = reader.StateImage(item);
  RECT text = VisibleTextRect(context, tree, item);
  const int middle = (text.top + text.bottom) / 2;
  bool found = false;
  POINT point = {};
  UINT lastFlags = 0;
  for (int distance = kStateIconNearest; distance <= kStateIconFarthest && !found; ++distance) {
    point = {text.left - distance, middle};
    HTREEITEM hitItem = nullptr;
    lastFlags = HitTest(context, tree, point, &hitItem);
    found = (lastFlags & TVHT_ONITEMSTATEICON) && hitItem == item;
  }
  if (!found) {
    Fail("no check box left of the label (hit test flags " + Hex(lastFlags) + ")");
  }
  ClickControlAt(context, tree, point);
  WaitFor(context, [&]() -> std::string {
    int now = reader.StateImage(item);
    return now != before ? "" : "the item is still " + StateName(now);
  });
}

void RunTreeClick(DriverContext& context, const Step& step) {
  HWND tree = WaitForTree(context, step);
  TreeReader reader(tree, context.timeoutMs());
  HTREEITEM item = WaitForItem(context, tree, step.args[1]);
  RECT text = VisibleTextRect(context, tree, item);
  POINT point{(text.left + text.right) / 2, (text.top + text.bottom) / 2};
  HTREEITEM hitItem = nullptr;
  if (!(HitTest(context, tree, point, &hitItem) & TVHT_ONITEMLABEL) || hitItem != item) {
    Fail("the label is not where the tree says it is");
  }
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
