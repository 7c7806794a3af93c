#include "runtime/window_placement.h"

WindowOrigin CentredOrigin(int displayWidth, int displayHeight, int windowWidth, int windowHeight) {
  return WindowOrigin{(displayWidth - windowWidth) / 2, (displayHeight - windowHeight) / 2};
}
