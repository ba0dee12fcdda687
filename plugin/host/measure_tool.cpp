#include "measure_tool.h"

#include <windows.h>

#include <cstring>

#include "callbacks.h"
#include "plugin_objects.h"
#include "ui/resource.h"

namespace {

// The host keeps a pointer to the record, so it lives as long as the module.
AVToolRec measureTool;
ASAtom measureToolType = ASAtomNull;
HCURSOR measureCursor = nullptr;

ASBool HOSTCALL AdjustMeasureCursor(AVTool, AVPageView, AVDevCoord, AVDevCoord) {
  host::AVSysSetCursor(measureCursor);
  return true;
}

ASAtom HOSTCALL MeasureToolType(AVTool) { return measureToolType; }

void HOSTCALL DrawNothing(AVPageView, oldAVRect*, void*) {}

}  // namespace

void RegisterMeasureTool() {
  measureToolType = host::ASAtomFromString("ADBE:TessalyMeasureIt");
  measureCursor = LoadCursorA(theApp.Module(), MAKEINTRESOURCEA(IDC_MEASURE_CURSOR));
  std::memset(&measureTool, 0, sizeof measureTool);
  measureTool.size = sizeof measureTool;
  measureTool.AdjustCursor = host::CreateCallback(&AdjustMeasureCursor);
  measureTool.GetType = host::CreateCallback(&MeasureToolType);
  host::AVAppRegisterForPageViewDrawing(host::CreateCallback(&DrawNothing), nullptr);
  host::AVAppRegisterTool(&measureTool);
}
