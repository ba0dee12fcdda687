#include "app/registrations.h"

#include "core/atom_table.h"
#include "core/device_coords.h"
#include "core/exception_frames.h"
#include "core/host_error.h"

namespace viewer {
namespace {

struct NotificationRegistration {
  ASInt32 notification;
  ASExtension owner;
  void* proc;
  void* data;
};

struct DrawingRegistration {
  AVPageViewDrawProc proc;
  void* data;
};

struct ToolRegistration {
  ASAtom type;
  AVTool tool;
};

std::vector<NotificationRegistration>& Notifications() {
  static std::vector<NotificationRegistration> registrations;
  return registrations;
}

std::vector<DrawingRegistration>& DrawingProcs() {
  static std::vector<DrawingRegistration> registrations;
  return registrations;
}

std::vector<ToolRegistration>& Tools() {
  static std::vector<ToolRegistration> tools;
  return tools;
}

}  // namespace

void RegisterNotification(ASInt32 notification, ASExtension owner, void* proc, void* data) {
  if (proc == nullptr) throw core::HostError(kHostErrBadParameter, "null notification procedure");
  Notifications().push_back({notification, owner, proc, data});
}

int NotificationRegistrationCount(ASInt32 notification) {
  int count = 0;
  for (const auto& registration : Notifications()) {
    if (registration.notification == notification) ++count;
  }
  return count;
}

void NotifyWillPrintPage(PDDoc doc, PDPageNumber page) {
  // Copied: a procedure may register more while it runs.
  const auto registrations = Notifications();
  for (const auto& registration : registrations) {
    if (registration.notification != kNotifyWillPrintPage) continue;
    core::ExceptionFrameBarrier barrier("notification procedure");
    // No PostScript stream: none of the viewer's printers takes PostScript.
    reinterpret_cast<PDDocWillPrintPageProc>(registration.proc)(doc, page, nullptr,
                                                                registration.data);
  }
}

void RegisterTool(AVTool tool) {
  if (tool == nullptr || tool->GetType == nullptr) {
    throw core::HostError(kHostErrBadParameter, "tool without a type");
  }
  ASAtom type;
  {
    core::ExceptionFrameBarrier barrier("tool type procedure");
    type = tool->GetType(tool);
  }
  for (auto& registration : Tools()) {
    if (registration.type == type) {
      registration.tool = tool;  // a tool of the same type replaces the earlier one
      return;
    }
  }
  Tools().push_back({type, tool});
}

std::vector<std::string> RegisteredToolNames() {
  std::vector<std::string> names;
  for (const auto& registration : Tools()) {
    const char* name = core::HostAtoms().GetString(registration.type);
    names.emplace_back(name != nullptr ? name : "");
  }
  return names;
}

AVTool FindTool(ASAtom type) {
  for (const auto& registration : Tools()) {
    if (registration.type == type) return registration.tool;
  }
  return nullptr;
}

void RegisterPageViewDrawing(AVPageViewDrawProc proc, void* data) {
  if (proc == nullptr) throw core::HostError(kHostErrBadParameter, "null drawing procedure");
  DrawingProcs().push_back({proc, data});
}

void CallPageViewDrawProcs(AVPageView view, const RECT& updateRect) {
  const auto registrations = DrawingProcs();
  for (const auto& registration : registrations) {
    // The drawing entry the plug-ins register with is the one of 16-bit rectangles.
    oldAVRect rect = core::ToOldRect(updateRect.left, updateRect.top, updateRect.right,
                                     updateRect.bottom);
    core::ExceptionFrameBarrier barrier("drawing procedure");
    registration.proc(view, &rect, registration.data);
  }
}

}  // namespace viewer
