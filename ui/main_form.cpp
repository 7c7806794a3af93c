#include "ui/main_form.h"

#include "ui/program_texts.h"

namespace {

constexpr ComponentDescription Timer(std::int32_t period, const char* handler) {
  return {ComponentKind::Timer, 0, 0, 0, 0, nullptr, period, handler};
}
constexpr ComponentDescription EditBox(int left, int top, int width, int height) {
  return {ComponentKind::EditBox, left, top, width, height, "", 0, nullptr};
}
constexpr ComponentDescription Label(int left, int top, int width, int height, const char* text) {
  return {ComponentKind::Label, left, top, width, height, text, 0, nullptr};
}

// Rows are in the form's order, one per MainFormComponent.
constexpr ComponentDescription kComponents[] = {
    /* 时钟1   */ Timer(0, kPeriodicHandlerName),
    /* 编辑框5 */ EditBox(80, 168, 120, 24),
    /* 标签6   */ Label(36, 160, 43, 30, kBottomLabel),
    /* 编辑框4 */ EditBox(80, 128, 120, 24),
    /* 编辑框3 */ EditBox(80, 91, 120, 24),
    /* 编辑框2 */ EditBox(80, 56, 120, 24),
    /* 标签5   */ Label(37, 124, 43, 30, kTopLabel),
    /* 标签4   */ Label(37, 88, 43, 30, kRightLabel),
    /* 标签3   */ Label(37, 56, 43, 30, kLeftLabel),
    /* 标签1   */ Label(37, 18, 43, 30, kHandleLabel),
    /* 编辑框1 */ EditBox(80, 24, 120, 24),
};
static_assert(sizeof(kComponents) / sizeof(kComponents[0]) == kMainFormComponentCount,
              "one row per component of the main form");

constexpr FormDescription kMainForm = {
    {kMainWindowCaption, 252, 247, "DEFAULT_ICON", true, kCreatedHandlerName},
    kComponents,
    kMainFormComponentCount,
};

}  // namespace

const FormDescription& MainFormDescription() { return kMainForm; }
