#include <cstring>
#include <string>

#include "main_window_fixture.h"
#include "runtime/form_window.h"
#include "ui/program_texts.h"

namespace {

std::string WindowTextBytes(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

RECT RectInClientArea(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

struct Placement {
  MainFormComponent component;
  int left, top, width, height;
};

TEST_F(MainWindowTest, WindowIsCentredOnTheDisplayWithItsCaption) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1920);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 1080);
  RECT rect;
  ASSERT_TRUE(GetWindowRect(window_, &rect));
  EXPECT_EQ(rect.left, 834);
  EXPECT_EQ(rect.top, 416);
  EXPECT_EQ(rect.right, 1086);
  EXPECT_EQ(rect.bottom, 663);
  EXPECT_EQ(WindowTextBytes(window_), kMainWindowCaption);
}

TEST_F(MainWindowTest, FrameIsFixedMinimizableAndUnowned) {
  const DWORD style = static_cast<DWORD>(GetWindowLongA(window_, GWL_STYLE));
  const struct {
    DWORD bit;
    bool set;
  } kStyleBits[] = {
      {WS_CAPTION, true},     {WS_SYSMENU, true},      {WS_MINIMIZEBOX, true}, {WS_CLIPCHILDREN, true},
      {WS_VISIBLE, true},     {WS_THICKFRAME, false},  {WS_MAXIMIZEBOX, false}, {WS_MINIMIZE, false},
      {WS_MAXIMIZE, false},   {WS_CHILD, false},       {WS_POPUP, false},
  };
  for (const auto& expected : kStyleBits) {
    EXPECT_EQ((style & expected.bit) == expected.bit, expected.set) << std::hex << "style bit 0x" << expected.bit;
  }
  // The system adds the window edge to every captioned window; nothing else may be there.
  EXPECT_EQ(GetWindowLongA(window_, GWL_EXSTYLE) & ~WS_EX_WINDOWEDGE, 0);
  EXPECT_EQ(GetWindow(window_, GW_OWNER), nullptr);
}

TEST_F(MainWindowTest, ComponentsSitAtTheirPlacesInTheClientArea) {
  const Placement kPlacements[] = {
      {编辑框5, 80, 168, 120, 24}, {标签6, 36, 160, 43, 30}, {编辑框4, 80, 128, 120, 24},
      {编辑框3, 80, 91, 120, 24},  {编辑框2, 80, 56, 120, 24}, {标签5, 37, 124, 43, 30},
      {标签4, 37, 88, 43, 30},     {标签3, 37, 56, 43, 30},   {标签1, 37, 18, 43, 30},
      {编辑框1, 80, 24, 120, 24},
  };
  for (const Placement& expected : kPlacements) {
    const RECT rect = RectInClientArea(Control(expected.component));
    EXPECT_EQ(rect.left, expected.left) << "component " << expected.component;
    EXPECT_EQ(rect.top, expected.top) << "component " << expected.component;
    EXPECT_EQ(rect.right - rect.left, expected.width) << "component " << expected.component;
    EXPECT_EQ(rect.bottom - rect.top, expected.height) << "component " << expected.component;
  }
}

TEST_F(MainWindowTest, EditBoxesAreEmptySunkenSingleLineBoxesInTheGuiFont) {
  for (MainFormComponent box : {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5}) {
    const HWND control = Control(box);
    char className[32] = {};
    GetClassNameA(control, className, sizeof className);
    EXPECT_STRCASEEQ(className, "Edit");
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG required = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
    const LONG forbidden = ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_CENTER |
                           ES_RIGHT | ES_NUMBER | WS_BORDER | WS_HSCROLL | WS_VSCROLL | WS_DISABLED;
    EXPECT_EQ(style & required, required) << "component " << box;
    EXPECT_EQ(style & forbidden, 0) << "component " << box;
    EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE), WS_EX_CLIENTEDGE) << "component " << box;
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT))
        << "component " << box;
    EXPECT_EQ(WindowTextBytes(control), "") << "component " << box;
  }
}

TEST_F(MainWindowTest, LabelsShowTheirTextsAndAreNoTabStops) {
  const struct {
    MainFormComponent label;
    const char* text;
  } kLabels[] = {{标签1, kHandleLabel}, {标签3, kLeftLabel}, {标签4, kRightLabel}, {标签5, kTopLabel}, {标签6, kBottomLabel}};
  for (const auto& expected : kLabels) {
    const HWND control = Control(expected.label);
    EXPECT_EQ(WindowTextBytes(control), expected.text) << "component " << expected.label;
    EXPECT_EQ(GetWindowLongA(control, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | WS_DISABLED),
              WS_CHILD | WS_VISIBLE)
        << "component " << expected.label;
    EXPECT_EQ(GetWindowLongA(control, GWL_EXSTYLE), 0) << "component " << expected.label;
  }
}

TEST_F(MainWindowTest, ChildrenAreStackedInTheFormsOrder) {
  const MainFormComponent kFromTop[] = {编辑框5, 标签6, 编辑框4, 编辑框3, 编辑框2, 标签5, 标签4, 标签3, 标签1, 编辑框1};
  HWND child = GetWindow(window_, GW_CHILD);
  for (MainFormComponent expected : kFromTop) {
    EXPECT_EQ(child, Control(expected)) << "component " << expected;
    child = GetWindow(child, GW_HWNDNEXT);
  }
  EXPECT_EQ(child, nullptr) << "no other child window";
}

TEST_F(MainWindowTest, CarriesTheIconGroupsLargeAndSmallImages) {
  const struct {
    int index;
    LONG size;
  } kIcons[] = {{GCLP_HICON, 32}, {GCLP_HICONSM, 16}};
  for (const auto& expected : kIcons) {
    const HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(window_, expected.index));
    ASSERT_NE(icon, nullptr) << "class icon " << expected.index;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP mask{};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, expected.size);
    DeleteObject(info.hbmMask);
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  }
}

TEST_F(MainWindowTest, ManifestAsksForCommonControls6OfThisArchitecture) {
  const HRSRC resource = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
  ASSERT_NE(resource, nullptr);
  const char* bytes = static_cast<const char*>(LockResource(LoadResource(nullptr, resource)));
  const std::string manifest(bytes, SizeofResource(nullptr, resource));
  EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
  EXPECT_NE(manifest.find("processorArchitecture=\"amd64\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\""),
            std::string::npos);
  EXPECT_EQ(manifest.find("processorArchitecture=\"x86\""), std::string::npos);
}

}  // namespace
