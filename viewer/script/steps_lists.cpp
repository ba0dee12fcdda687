// Combo boxes and list boxes: choosing an item, and reading the items.
#include "script/win32.h"

#include <string>
#include <vector>

#include "script/script_values.h"
#include "script/steps.h"
#include "script/thread_hop.h"
#include "script/ui_input.h"
#include "script/ui_windows.h"

namespace viewer::script {
namespace {

using Items = std::vector<std::string>;

// A combo box and a list box take the same requests under different messages.
struct ListMessages {
  UINT count;
  UINT textLength;
  UINT text;
  UINT findExact;
  UINT select;
  WORD selectionChange;   // what the control tells its parent
};

ListMessages ListMessagesOf(HWND control, int id) {
  const std::string kind = ToLower(ClassOf(control));
  if (kind == "combobox") {
    return {CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_FINDSTRINGEXACT, CB_SETCURSEL,
            CBN_SELCHANGE};
  }
  if (kind == "listbox") {
    return {LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_FINDSTRINGEXACT, LB_SETCURSEL,
            LBN_SELCHANGE};
  }
  Fail(ControlName(id) + " is a " + ClassOf(control));
}

// The items' texts in list order. Read on the control's own thread, so that no item
// changes between the reads of its length and of its text.
Items ListItems(const DriverContext& context, HWND control, const ListMessages& messages) {
  Items items;
  RunOnWindowThread(context, control, [&] {
    const int timeoutMs = context.timeoutMs();
    const LRESULT count = SendForAnswer(control, messages.count, 0, 0, timeoutMs);
    for (LRESULT i = 0; i < count; ++i) {
      const WPARAM index = static_cast<WPARAM>(i);
      const LRESULT length = SendForAnswer(control, messages.textLength, index, 0, timeoutMs);
      std::string text(length > 0 ? static_cast<size_t>(length) + 1 : 1, '\0');
      const LRESULT got =
          length > 0 ? SendForAnswer(control, messages.text, index,
                                     reinterpret_cast<LPARAM>(text.data()), timeoutMs)
                     : 0;
      text.resize(got > 0 ? static_cast<size_t>(got) : 0);
      items.push_back(std::move(text));
    }
  });
  return items;
}

std::string ItemsText(const Items& items) {
  if (items.empty()) return "the list is empty";
  const size_t count = items.size();
  return "the list holds " + std::to_string(count) + (count == 1 ? " item: " : " items: ") +
         Quoted(FormatItemList(items));
}

}  // namespace

void RunChoose(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  HWND control = WaitForControl(context, id);
  const ListMessages messages = ListMessagesOf(control, id);
  LRESULT index = -1;
  WaitFor(context, [&]() -> std::string {
    index = SendForAnswer(control, messages.findExact, static_cast<WPARAM>(-1),
                          reinterpret_cast<LPARAM>(step.args[1].c_str()), context.timeoutMs());
    return index >= 0 ? "" : ControlName(id) + " has no item " + Quoted(step.args[1]);
  });
  SendForAnswer(control, messages.select, static_cast<WPARAM>(index), 0, context.timeoutMs());
  // The selection change is what the list tells its parent; posted, since a handler
  // of it may open a dialog.
  PostAndSync(context, GetParent(control), WM_COMMAND, MAKEWPARAM(id, messages.selectionChange),
              reinterpret_cast<LPARAM>(control));
}

void RunExpectList(DriverContext& context, const Step& step) {
  const int id = NumberArg(step, 0);
  // The script was checked when it was loaded, so the list is good.
  const Items wanted = ParseItemList(step.args[1]).value_or(Items{});
  HWND control = WaitForControl(context, id);
  const ListMessages messages = ListMessagesOf(control, id);
  WaitFor(context, [&]() -> std::string {
    const Items items = ListItems(context, control, messages);
    return items == wanted ? "" : ItemsText(items);
  });
}

}  // namespace viewer::script
