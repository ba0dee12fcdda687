// Message maps: each dialog class has a static table that routes commands,
// control notifications and window messages to its member handlers.
//
//   class CFooDlg : public CDialog {
//     ...
//     void OnClose();
//     DECLARE_MESSAGE_MAP(CFooDlg, CDialog)   // last in the class body
//   };
//   BEGIN_MESSAGE_MAP(CFooDlg)
//     ON_COMMAND(IDC_CLOSE, OnClose)
//   END_MESSAGE_MAP()
//
// Entries are tried in order, then the base class's map. Handlers:
//   ON_COMMAND   void Handler()                        menu item, accelerator, button click
//   ON_NOTIFY    void Handler(NMHDR*, LRESULT* result) WM_NOTIFY of one control and code
//   ON_MESSAGE   bool Handler(WPARAM, LPARAM, LRESULT* result)
//                returns false to let the message have its default processing.
#pragma once

#include <windows.h>

enum class MessageKind { End, Command, Notify, Message };

template <class Dialog>
struct MessageMapEntry {
  MessageKind kind = MessageKind::End;
  UINT message = 0;  // Message: the window message
  UINT id = 0;       // Command, Notify: the command or control id
  UINT code = 0;     // Notify: the notification code
  void (Dialog::*onCommand)() = nullptr;
  void (Dialog::*onNotify)(NMHDR* header, LRESULT* result) = nullptr;
  bool (Dialog::*onMessage)(WPARAM wParam, LPARAM lParam, LRESULT* result) = nullptr;
};

// A WM_COMMAND that is a command: from a menu, an accelerator or a button click.
inline bool IsCommandMessage(WPARAM wParam, LPARAM lParam) {
  const WORD code = HIWORD(wParam);
  return code == BN_CLICKED || (code == 1 && lParam == 0);
}

template <class Dialog>
bool DispatchMessageMap(Dialog* dialog, const MessageMapEntry<Dialog>* entry, UINT message,
                        WPARAM wParam, LPARAM lParam, LRESULT* result) {
  for (; entry->kind != MessageKind::End; ++entry) {
    switch (entry->kind) {
      case MessageKind::Command:
        if (message == WM_COMMAND && LOWORD(wParam) == entry->id &&
            IsCommandMessage(wParam, lParam)) {
          *result = 0;
          (dialog->*entry->onCommand)();
          return true;
        }
        break;
      case MessageKind::Notify:
        if (message == WM_NOTIFY) {
          auto* header = reinterpret_cast<NMHDR*>(lParam);
          if (header->idFrom == entry->id && header->code == entry->code) {
            *result = 0;
            (dialog->*entry->onNotify)(header, result);
            return true;
          }
        }
        break;
      case MessageKind::Message:
        if (message == entry->message) {
          *result = 0;
          if ((dialog->*entry->onMessage)(wParam, lParam, result)) return true;
        }
        break;
      case MessageKind::End:
        break;
    }
  }
  return false;
}

#define DECLARE_MESSAGE_MAP(Class, Base)                                                \
 private:                                                                               \
  using ThisClass = Class;                                                              \
  static const MessageMapEntry<Class> messageMap_[];                                    \
                                                                                        \
 protected:                                                                             \
  bool DispatchMapped(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)      \
      override {                                                                        \
    return DispatchMessageMap(this, messageMap_, message, wParam, lParam, result) ||    \
           Base::DispatchMapped(message, wParam, lParam, result);                       \
  }

#define BEGIN_MESSAGE_MAP(Class) const MessageMapEntry<Class> Class::messageMap_[] = {

#define ON_COMMAND(commandId, handler) \
  {.kind = MessageKind::Command, .id = (commandId), .onCommand = &ThisClass::handler},

#define ON_NOTIFY(notifyCode, controlId, handler)                          \
  {.kind = MessageKind::Notify, .id = (controlId), .code = (notifyCode), \
   .onNotify = &ThisClass::handler},

#define ON_MESSAGE(windowMessage, handler) \
  {.kind = MessageKind::Message, .message = (windowMessage), .onMessage = &ThisClass::handler},

#define END_MESSAGE_MAP() {}};
