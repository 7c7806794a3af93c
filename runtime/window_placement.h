#pragma once

struct WindowOrigin {
  int left;
  int top;
};

// Centres a window of the given outer size on a display of the given size. The division
// truncates toward zero, so a display smaller than the window gives a negative origin.
WindowOrigin CentredOrigin(int displayWidth, int displayHeight, int windowWidth, int windowHeight);
