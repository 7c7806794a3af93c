#include "main_window_fixture.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

// Paints everything now and reads the pixels back from the window's own surface.
class PaintedWindow {
 public:
  explicit PaintedWindow(HWND window) : window_(window) {
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ProcessFor(100);
    dc_ = GetDC(window_);
  }
  ~PaintedWindow() { ReleaseDC(window_, dc_); }
  PaintedWindow(const PaintedWindow&) = delete;
  PaintedWindow& operator=(const PaintedWindow&) = delete;

  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

  // Pixels inside the rectangle of the client area that differ from `colour`.
  int CountOtherThan(COLORREF colour, int left, int top, int width, int height) const {
    int count = 0;
    for (int y = top; y < top + height; ++y) {
      for (int x = left; x < left + width; ++x) count += At(x, y) != colour;
    }
    return count;
  }

 private:
  HWND window_;
  HDC dc_;
};

// Restores the system's colour on every path out of a test that changes it.
class ButtonFaceColour {
 public:
  explicit ButtonFaceColour(COLORREF colour) : saved_(GetSysColor(COLOR_BTNFACE)) { Set(colour); }
  ~ButtonFaceColour() { Set(saved_); }
  ButtonFaceColour(const ButtonFaceColour&) = delete;
  ButtonFaceColour& operator=(const ButtonFaceColour&) = delete;

 private:
  static void Set(COLORREF colour) {
    const INT element = COLOR_BTNFACE;
    SetSysColors(1, &element, &colour);
  }
  COLORREF saved_;
};

// Client coordinates: the window's background below the last row, the top row of 标签1 above
// its text, the inside of 编辑框2 right of any text, and 标签1 as a whole.
constexpr POINT kBackground = {10, 210};
constexpr POINT kLabelAboveText = {40, 19};
constexpr POINT kInsideEditBox = {190, 70};

void ExpectBackgroundsIn(const PaintedWindow& painted, COLORREF buttonFace) {
  EXPECT_EQ(painted.At(kBackground.x, kBackground.y), buttonFace);
  EXPECT_EQ(painted.At(kLabelAboveText.x, kLabelAboveText.y), buttonFace);
  EXPECT_EQ(painted.At(kInsideEditBox.x, kInsideEditBox.y), kWhite);
}

TEST_F(MainWindowTest, WindowAndLabelsAreButtonFaceAndEditBoxesWhite) {
  const PaintedWindow painted(window_);
  ExpectBackgroundsIn(painted, GetSysColor(COLOR_BTNFACE));
  // The label's text is drawn: some of its pixels are not the background.
  EXPECT_GT(painted.CountOtherThan(GetSysColor(COLOR_BTNFACE), 37, 18, 43, 30), 0);
}

TEST_F(MainWindowTest, NewColourSchemeShowsAtTheNextPaintButEditBoxesStayWhite) {
  const COLORREF kNewFace = RGB(0x20, 0x60, 0xA0);
  ASSERT_NE(GetSysColor(COLOR_BTNFACE), kNewFace);
  const ButtonFaceColour scheme(kNewFace);
  const PaintedWindow painted(window_);
  ExpectBackgroundsIn(painted, kNewFace);
}

}  // namespace
