#include "platform/ui/control_binding.h"

#include "platform/core/exceptions.h"
#include "platform/ui/win_control.h"
#include "platform/user/def_window_proc.h"
#include "platform/user/send_message.h"
#include "platform/user/window_class.h"
#include "platform/user/window_data.h"
#include "platform/user/window_styles.h"
#include "platform/user/window_tree.h"

namespace {

constexpr char kControlProperty[] = "ControlOfs";

}  // namespace

TWinControl*& CreationControl() {
  static TWinControl* control = nullptr;
  return control;
}

void RegisterControlClass(const std::string& ClassName, WNDCLASSEXA WindowClass) {
  WNDCLASSEXA registered{};
  registered.cbSize = sizeof registered;
  const bool known = GetClassInfoExA(nullptr, ClassName.c_str(), &registered) != 0;
  if (known && registered.lpfnWndProc == &InitWndProc) return;
  if (known) UnregisterClassA(ClassName.c_str(), nullptr);
  WindowClass.cbSize = sizeof WindowClass;
  WindowClass.lpfnWndProc = &InitWndProc;
  WindowClass.lpszClassName = ClassName.c_str();
  if (RegisterClassExA(&WindowClass) == 0) throw EOutOfResources("Cannot register window class " + ClassName);
}

LRESULT InitWndProc(HWND Window, UINT Message, WPARAM WParam, LPARAM LParam) {
  TWinControl* control = CreationControl();
  if (control == nullptr) return DefWindowProcA(Window, Message, WParam, LParam);
  CreationControl() = nullptr;
  control->BindHandle(Window);
  return CallWindowProcA(control->objectInstance_, Window, Message, WParam, LParam);
}

void BindControl(HWND Window, TWinControl* Control) { SetPropA(Window, kControlProperty, Control); }

void UnbindControl(HWND Window) { RemovePropA(Window, kControlProperty); }

TWinControl* FindControl(HWND Handle) {
  if (Handle == nullptr || !IsWindow(Handle)) return nullptr;
  return static_cast<TWinControl*>(GetPropA(Handle, kControlProperty));
}

HWND ChildWithId(HWND Parent, UINT Id) {
  for (HWND child = GetWindow(Parent, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
    if (UINT(GetWindowLongPtrA(child, GWLP_ID)) == Id) return child;
  return nullptr;
}
