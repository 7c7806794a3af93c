#include "runtime/edit_box_control.h"

#include "runtime/gdi_scopes.h"

namespace {

constexpr DWORD kEditBoxStyle = WS_CHILD | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL;

int LineHeight(HGDIOBJ font) {
  ScreenDc screen;
  ObjectSelection selection(screen.Dc(), font);
  TEXTMETRICA metrics{};
  GetTextMetricsA(screen.Dc(), &metrics);
  return metrics.tmHeight;
}

// A box too low for one line of its font and the sunken edge above and below it grows to fit.
int HeightFittingOneLine(int height, HGDIOBJ font) {
  const int minimum = LineHeight(font) + 2 * GetSystemMetrics(SM_CYEDGE);
  return height < minimum ? minimum : height;
}

}  // namespace

HWND CreateEditBoxControl(HWND parent, int controlId, const ComponentDescription& description, const Text& content) {
  const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
  const HWND control = CreateWindowExA(
      WS_EX_CLIENTEDGE, "EDIT", content.Bytes(), kEditBoxStyle, description.left, description.top,
      description.width, HeightFittingOneLine(description.height, font), parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), GetModuleHandleA(nullptr), nullptr);
  if (control != nullptr) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

HBRUSH PaintEditBoxColours(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
}
