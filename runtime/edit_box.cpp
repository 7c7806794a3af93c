#include "runtime/edit_box.h"

void WriteEditBoxContent(EditBox& box, const Text& content) {
  box.content = Text::CopyUpToNul(content.Bytes(), content.Length());
  SetWindowTextA(box.control, box.content.Bytes());
}
