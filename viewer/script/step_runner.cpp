#include "script/step_runner.h"

#include "script/script_values.h"
#include "script/steps.h"
#include "script/ui_windows.h"

namespace viewer::script {

int NumberArg(const Step& step, size_t index) {
  // The script was checked when it was loaded, so the number is good.
  return static_cast<int>(ParseCount(step.args.at(index)).value_or(0));
}

std::string ControlName(int id) { return "control " + std::to_string(id); }

HWND WaitForControl(const DriverContext& context, int id) {
  HWND control = nullptr;
  WaitFor(context, [&]() -> std::string {
    HWND target = context.target();
    control = FindControl(target, id);
    return control ? "" : "the target " + Quoted(CaptionOf(target)) + " has no " + ControlName(id);
  });
  return control;
}

StepOutcome RunStep(DriverContext& context, const Step& step) {
  switch (step.command) {
    case Command::Quit: return StepOutcome::Quit;
    case Command::Timeout:
      context.setTimeoutMs(ParseSecondsAsMilliseconds(step.args[0]).value_or(context.timeoutMs()));
      break;
    case Command::Open: RunOpen(context, step); break;
    case Command::Save: RunSave(context, step); break;
    case Command::WaitFile: RunWaitFile(context, step); break;
    case Command::Menu: RunMenu(context, step); break;
    case Command::ExpectMenu: RunExpectMenu(context, step); break;
    case Command::Button: RunButton(context, step); break;
    case Command::ExpectButton: RunExpectButton(context, step); break;
    case Command::ExpectButtonBefore: RunExpectButtonBefore(context, step); break;
    case Command::ExpectPlugin: RunExpectPlugin(context, step); break;
    case Command::ExpectTool: RunExpectTool(context, step, true); break;
    case Command::ExpectNoTool: RunExpectTool(context, step, false); break;
    case Command::ExpectNotification: RunExpectNotification(context, step); break;
    case Command::ExpectHostObjectsReleased: RunExpectHostObjectsReleased(context, step); break;
    case Command::FailHostCall: RunFailHostCall(context, step); break;
    case Command::ExpectPages:
    case Command::ExpectPage:
    case Command::ExpectThumbs:
    case Command::ExpectThumbsShown:
    case Command::ExpectLayers: RunExpectDocument(context, step); break;
    case Command::WaitWindow: RunWaitWindow(context, step); break;
    case Command::WaitGone: RunWaitGone(context, step); break;
    case Command::CloseBox: RunCloseBox(context, step); break;
    case Command::ExpectNoWindow: RunExpectNoWindow(context, step); break;
    case Command::ExpectFont: RunExpectFont(context, step); break;
    case Command::ExpectWindowCount: RunExpectWindowCount(context, step); break;
    case Command::Resize: RunResize(context, step); break;
    case Command::Maximize: RunMaximize(context, step); break;
    case Command::ExpectRect: RunExpectRect(context, step); break;
    case Command::ExpectRectDlu: RunExpectRectDlu(context, step); break;
    case Command::Click: RunClick(context, step); break;
    case Command::SetText: RunSetText(context, step); break;
    case Command::ExpectText: RunExpectText(context, step); break;
    case Command::Check: RunCheck(context, step); break;
    case Command::ExpectCheck: RunExpectCheck(context, step); break;
    case Command::ExpectEnabled: RunExpectEnabled(context, step); break;
    case Command::Choose: RunChoose(context, step); break;
    case Command::ExpectList: RunExpectList(context, step); break;
    case Command::MenuCommand: RunMenuCommand(context, step); break;
    case Command::PostClick: RunPostClick(context, step); break;
    case Command::ExpectMenuCommand: RunExpectMenuCommand(context, step); break;
    case Command::Key: RunKey(context, step); break;
    case Command::ExpectFocus: RunExpectFocus(context, step); break;
    case Command::ExpectTabOrder: RunExpectTabOrder(context, step); break;
    case Command::TreeTick: RunTreeTick(context, step); break;
    case Command::TreeTickAndLeave: RunTreeTickAndLeave(context, step); break;
    case Command::TreeClick: RunTreeClick(context, step); break;
    case Command::ExpectTree: RunExpectTree(context, step); break;
    case Command::ExpectTreeCount: RunExpectTreeCount(context, step); break;
    case Command::ExpectTreeLabel: RunExpectTreeLabel(context, step); break;
    case Command::ExpectTreeLabelLength: RunExpectTreeLabelLength(context, step); break;
    case Command::ExpectTreeDepth: RunExpectTreeDepth(context, step); break;
    case Command::ExpectTreeExpanded: RunExpectTreeExpanded(context, step); break;
    case Command::ExpectTreeFile: RunExpectTreeFile(context, step); break;
    case Command::SaveTree: RunSaveTree(context, step); break;
    case Command::AnswerBox: RunAnswerBox(context, step); break;
    case Command::ExpectNoBox: RunExpectNoBox(context, step); break;
    case Command::ExpectTooltip: RunExpectTooltip(context, step); break;
    case Command::AnswerFile: RunAnswerFile(context, step); break;
    case Command::AnswerColour: RunAnswerColour(context, step); break;
    case Command::AnswerFolder: RunAnswerFolder(context, step); break;
    case Command::AnswerPrint: RunAnswerPrint(context, step); break;
    case Command::Screenshot:
    case Command::ScreenshotScreen:
    case Command::ScreenshotMain: RunScreenshot(context, step); break;
    case Command::Mark: context.mark(step.args[0]); break;
    case Command::ProbeStart: RunProbeStart(context, step); break;
    case Command::ProbeStop: RunProbeStop(context, step); break;
  }
  return StepOutcome::Continue;
}

}  // namespace viewer::script
