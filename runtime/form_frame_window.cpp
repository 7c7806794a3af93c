#include "runtime/form_frame_window.h"

#include "runtime/edit_box_control.h"
#include "runtime/event_gate.h"
#include "runtime/form_focus.h"
#include "runtime/window_placement.h"

namespace {

constexpr char kFrameClassName[] = "FormRuntimeWindow";
constexpr int kLargeIconSize = 32;
constexpr int kSmallIconSize = 16;

FormInstance& FormOf(HWND window) {
  return *reinterpret_cast<FormInstance*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT OnNcCreate(HWND window, WPARAM wParam, LPARAM lParam) {
  FormInstance& form = *static_cast<FormInstance*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&form));
  form.window = window;
  return DefWindowProcA(window, WM_NCCREATE, wParam, lParam);
}

// Activation gives the window itself the focus (DefWindowProc), and so does restoring it from
// the taskbar: it passes the focus on to its component.
LRESULT OnSetFocus(FormInstance& form) {
  RestoreFocus(form);
  return 0;
}

// Minimizing need not deactivate the window, so the focused component is remembered as it
// gets the focus rather than when the window loses it.
LRESULT OnCommand(FormInstance& form, WPARAM wParam, LPARAM lParam) {
  if (HIWORD(wParam) == EN_SETFOCUS) RememberFocus(form, reinterpret_cast<HWND>(lParam));
  return 0;
}

LRESULT OnCtlColorEdit(WPARAM wParam) {
  return reinterpret_cast<LRESULT>(PaintEditBoxColours(reinterpret_cast<HDC>(wParam)));
}

LRESULT OnTimer(FormInstance& form, WPARAM timerId) {
  for (int i = 0; i < form.componentCount; ++i) {
    const Component& component = form.components[i];
    if (component.kind == ComponentKind::Timer && component.timer.id == timerId) RaiseEvent(component.timer.onTick);
  }
  return 0;
}

// The components die with the window, and with the last window the program ends.
LRESULT OnDestroy(FormInstance& form) {
  CloseEventGate();
  for (int i = 0; i < form.componentCount; ++i) {
    if (form.components[i].kind == ComponentKind::Timer) StopTimer(form.components[i].timer);
  }
  PostQuitMessage(0);
  return 0;
}

LRESULT OnNcDestroy(FormInstance& form) {
  form.window = nullptr;
  return 0;
}

// Messages that come before WM_NCCREATE find no form yet; none of them is handled here.
LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      return OnNcCreate(window, wParam, lParam);
    case WM_SETFOCUS:
      return OnSetFocus(FormOf(window));
    case WM_COMMAND:
      return OnCommand(FormOf(window), wParam, lParam);
    case WM_CTLCOLOREDIT:
      return OnCtlColorEdit(wParam);
    case WM_TIMER:
      return OnTimer(FormOf(window), wParam);
    case WM_DESTROY:
      return OnDestroy(FormOf(window));
    case WM_NCDESTROY:
      return OnNcDestroy(FormOf(window));
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HICON LoadFormIcon(HINSTANCE instance, const char* iconResource, int size) {
  if (iconResource == nullptr) return nullptr;
  return static_cast<HICON>(LoadImageA(instance, iconResource, IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

bool RegisterFrameClass(HINSTANCE instance, const char* iconResource) {
  WNDCLASSEXA frameClass{};
  frameClass.cbSize = sizeof frameClass;
  if (GetClassInfoExA(instance, kFrameClassName, &frameClass)) return true;  // an earlier load did
  frameClass.lpfnWndProc = FrameProcedure;
  frameClass.hInstance = instance;
  frameClass.hIcon = LoadFormIcon(instance, iconResource, kLargeIconSize);
  frameClass.hIconSm = LoadFormIcon(instance, iconResource, kSmallIconSize);
  frameClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  // A system-colour brush: the colour is looked up each time the background is erased.
  frameClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  frameClass.lpszClassName = kFrameClassName;
  return RegisterClassExA(&frameClass) != 0;
}

}  // namespace

HWND CreateFormFrameWindow(FormInstance& form) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  const WindowDescription& description = form.description->window;
  if (!RegisterFrameClass(instance, description.iconResource)) return nullptr;
  // Without WS_THICKFRAME and WS_MAXIMIZEBOX the frame is fixed and cannot be maximized.
  const DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | (description.minimizeBox ? WS_MINIMIZEBOX : 0);
  // The whole display, not its work area: a taskbar does not shift the window.
  const WindowOrigin origin = CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                            description.width, description.height);
  return CreateWindowExA(0, kFrameClassName, description.caption, style, origin.left, origin.top,
                         description.width, description.height, nullptr, nullptr, instance, &form);
}
