// The host's toolbar model: AVToolButton objects, in order, shown on a real comctl32
// toolbar of the main window.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host_types.h"

namespace viewer {

struct HostToolButton {
  ASAtom name = ASAtomNull;
  HBITMAP image = nullptr;  // the host's own copy, sized for the toolbar
  bool longOnly = false;
  bool separator = false;
  UINT commandId = 0;
  AVExecuteProc execute = nullptr;
  void* executeData = nullptr;
  AVComputeEnabledProc computeEnabled = nullptr;
  void* computeEnabledData = nullptr;
  std::string helpText;
  int imageIndex = -1;
  bool placed = false;      // on the toolbar

  // Asks the compute-enabled procedure; a button without one is enabled, a separator never.
  bool IsEnabled() const;
};

class HostToolbar {
 public:
  static constexpr int kImageSize = 16;
  static constexpr UINT kFirstCommandId = 5000;

  HWND Create(HWND parent);
  HWND handle() const { return hwnd_; }
  int Height() const;

  // icon is the creator's bitmap; the host keeps a copy scaled to the toolbar's size.
  HostToolButton* NewButton(ASAtom name, HBITMAP icon, bool longOnly, bool separator);
  // Puts button before or after other, or at the end when other is null. A button
  // already on the toolbar is moved.
  void AddButton(HostToolButton* button, bool before, HostToolButton* other);

  HostToolButton* FindPlaced(ASAtom name) const;
  HostToolButton* Checked(AVToolButton button) const;
  HostToolButton* OfCommand(UINT id) const;
  const std::vector<HostToolButton*>& Order() const { return order_; }

  // Re-asks every button's compute-enabled procedure and greys or enables it.
  void UpdateEnabled() const;
  // Runs the button's execute procedure if it is enabled now.
  bool Execute(UINT id) const;
  // Tells the toolbar that a button's help text changed (shown as its tooltip).
  void Rebuild();

 private:
  HWND hwnd_ = nullptr;
  std::vector<std::unique_ptr<HostToolButton>> buttons_;
  std::vector<HostToolButton*> order_;
};

HostToolbar& Toolbar();

}  // namespace viewer
