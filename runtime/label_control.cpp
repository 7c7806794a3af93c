#include "runtime/label_control.h"

#include "runtime/gdi_scopes.h"
#include "runtime/text.h"

namespace {

constexpr char kLabelClassName[] = "FormRuntimeLabel";

Text WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  Text text = Text::WithLength(length > 0 ? static_cast<std::size_t>(length) : 0);
  if (!text.IsEmpty()) GetWindowTextA(window, text.MutableBytes(), length + 1);
  return text;
}

// The button-face colour is looked up at every paint, so a new colour scheme shows at once.
LRESULT OnPaint(HWND label) {
  PaintScope paint(label);
  RECT client;
  GetClientRect(label, &client);
  FillRect(paint.Dc(), &client, GetSysColorBrush(COLOR_BTNFACE));
  const Text text = WindowText(label);
  if (text.IsEmpty()) return 0;
  ObjectSelection font(paint.Dc(), GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(paint.Dc(), TRANSPARENT);
  SetTextColor(paint.Dc(), RGB(0, 0, 0));
  // Without DT_NOPREFIX an "&" underlines the character after it; without DT_NOCLIP the text
  // is cut at the label's edges.
  DrawTextA(paint.Dc(), text.Bytes(), static_cast<int>(text.Length()), &client,
            DT_SINGLELINE | DT_LEFT | DT_VCENTER);
  return 0;
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      return OnPaint(label);
    default:
      return DefWindowProcA(label, message, wParam, lParam);
  }
}

bool RegisterLabelClass(HINSTANCE instance) {
  WNDCLASSEXA labelClass{};
  labelClass.cbSize = sizeof labelClass;
  if (GetClassInfoExA(instance, kLabelClassName, &labelClass)) return true;  // an earlier load did
  labelClass.lpfnWndProc = LabelProcedure;
  labelClass.hInstance = instance;
  labelClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  labelClass.lpszClassName = kLabelClassName;
  return RegisterClassExA(&labelClass) != 0;
}

}  // namespace

HWND CreateLabelControl(HWND parent, int controlId, const ComponentDescription& description) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterLabelClass(instance)) return nullptr;
  // Not a tab stop, and nothing here ever calls SetFocus: a label never takes the focus.
  return CreateWindowExA(0, kLabelClassName, description.text, WS_CHILD, description.left, description.top,
                         description.width, description.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, nullptr);
}
