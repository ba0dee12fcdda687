// The work of each script command. Every function fails the step by throwing
// StepFailure (see driver_context.h).
#pragma once

#include "script/driver_context.h"
#include "script/script_parser.h"

namespace viewer::script {

// The application: documents, host menus, toolbar, plug-ins (steps_app.cpp).
void RunOpen(DriverContext& context, const Step& step);
void RunSave(DriverContext& context, const Step& step);
void RunWaitFile(DriverContext& context, const Step& step);
void RunMenu(DriverContext& context, const Step& step);
void RunExpectMenu(DriverContext& context, const Step& step);
void RunButton(DriverContext& context, const Step& step);
void RunExpectButton(DriverContext& context, const Step& step);
void RunExpectButtonBefore(DriverContext& context, const Step& step);
void RunExpectPlugin(DriverContext& context, const Step& step);
void RunExpectTool(DriverContext& context, const Step& step, bool wanted);
void RunExpectNotification(DriverContext& context, const Step& step);
void RunExpectDocument(DriverContext& context, const Step& step);

// What the plug-ins hold of the host's objects (steps_host_objects.cpp).
void RunExpectHostObjectsReleased(DriverContext& context, const Step& step);
void RunFailHostCall(DriverContext& context, const Step& step);

// Windows and their controls (steps_window.cpp).
void RunWaitWindow(DriverContext& context, const Step& step);
void RunWaitGone(DriverContext& context, const Step& step);
void RunCloseBox(DriverContext& context, const Step& step);
void RunExpectNoWindow(DriverContext& context, const Step& step);
void RunExpectWindowCount(DriverContext& context, const Step& step);
void RunClick(DriverContext& context, const Step& step);
void RunSetText(DriverContext& context, const Step& step);
void RunExpectText(DriverContext& context, const Step& step);
void RunCheck(DriverContext& context, const Step& step);
void RunExpectCheck(DriverContext& context, const Step& step);
void RunExpectEnabled(DriverContext& context, const Step& step);
void RunMenuCommand(DriverContext& context, const Step& step);
void RunExpectFont(DriverContext& context, const Step& step);
void RunPostClick(DriverContext& context, const Step& step);
void RunExpectMenuCommand(DriverContext& context, const Step& step);
void RunKey(DriverContext& context, const Step& step);

// Combo boxes and list boxes (steps_lists.cpp).
void RunChoose(DriverContext& context, const Step& step);
void RunExpectList(DriverContext& context, const Step& step);

// The keyboard focus and the tab order of the target's controls (steps_focus.cpp).
void RunExpectFocus(DriverContext& context, const Step& step);
void RunExpectTabOrder(DriverContext& context, const Step& step);

// Tree views (steps_tree.cpp).
void RunTreeTick(DriverContext& context, const Step& step);
void RunTreeTickAndLeave(DriverContext& context, const Step& step);
void RunTreeClick(DriverContext& context, const Step& step);
void RunExpectTree(DriverContext& context, const Step& step);
void RunExpectTreeCount(DriverContext& context, const Step& step);
void RunExpectTreeLabel(DriverContext& context, const Step& step);
void RunExpectTreeLabelLength(DriverContext& context, const Step& step);
void RunExpectTreeDepth(DriverContext& context, const Step& step);
void RunExpectTreeExpanded(DriverContext& context, const Step& step);
void RunExpectTreeFile(DriverContext& context, const Step& step);
void RunSaveTree(DriverContext& context, const Step& step);

// The system's dialogs (steps_dialogs.cpp).
void RunAnswerBox(DriverContext& context, const Step& step);
void RunExpectNoBox(DriverContext& context, const Step& step);
void RunExpectTooltip(DriverContext& context, const Step& step);
void RunAnswerFile(DriverContext& context, const Step& step);
void RunAnswerColour(DriverContext& context, const Step& step);
void RunAnswerFolder(DriverContext& context, const Step& step);
void RunAnswerPrint(DriverContext& context, const Step& step);

// Window size and control placement (steps_layout.cpp).
void RunResize(DriverContext& context, const Step& step);
void RunMaximize(DriverContext& context, const Step& step);
void RunExpectRect(DriverContext& context, const Step& step);
void RunExpectRectDlu(DriverContext& context, const Step& step);

// Pictures (steps_screenshot.cpp).
void RunScreenshot(DriverContext& context, const Step& step);

// steps_probe.cpp
void RunProbeStart(DriverContext& context, const Step& step);
void RunProbeStop(DriverContext& context, const Step& step);

// Shared by the step files.
int NumberArg(const Step& step, size_t index);
// Waits for the target to have a control with this id and answers it.
HWND WaitForControl(const DriverContext& context, int id);
std::string ControlName(int id);

}  // namespace viewer::script
