// What plug-ins register with the application: notifications, tools and page-view
// drawing procedures.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host_records.h"
#include "host_tables.h"

namespace viewer {

void RegisterNotification(ASInt32 notification, ASExtension owner, void* proc, void* data);
int NotificationRegistrationCount(ASInt32 notification);
// Tells every registrant of kNotifyWillPrintPage that page (0-based) of doc is about
// to be printed, as the host does before each page.
void NotifyWillPrintPage(PDDoc doc, PDPageNumber page);

// Registers tool under the atom its GetType procedure answers.
void RegisterTool(AVTool tool);
std::vector<std::string> RegisteredToolNames();
AVTool FindTool(ASAtom type);

void RegisterPageViewDrawing(AVPageViewDrawProc proc, void* data);
// Called after a page view has painted.
void CallPageViewDrawProcs(AVPageView view, const RECT& updateRect);

}  // namespace viewer
