// Clicking a control as a user would, with the control's own notification as the
// way out when real input cannot reach it.
#pragma once

#include "script/win32.h"

#include <string>

#include "script/driver_context.h"

namespace viewer::script {

enum class ClickWay { RealInput, Notification };

// Waits until the control can take input, then clicks its centre with real mouse
// input. When the point is covered by another window, or the window cannot be made
// the foreground, a push button gets WM_COMMAND BN_CLICKED posted to its parent (an
// automatic check box or radio button is set first, as the click would). A check box
// or radio button must then show the new state.
ClickWay ClickControl(const DriverContext& context, HWND control, const std::string& name);

// Clicks a point of a control (client coordinates) with real input only, and waits
// until the control's thread has taken the click. Fails when the input cannot reach
// the control. With `leaveTo` (screen coordinates) the pointer moves there at once.
void ClickControlAt(const DriverContext& context, HWND control, POINT clientPoint,
                    const POINT* leaveTo = nullptr);

// Whether the button toggles its own check state when clicked.
bool IsAutoCheckButton(HWND control);

}  // namespace viewer::script
