#include <gtest/gtest.h>

#include <vector>

#include "runtime/form_instance.h"
#include "runtime/runtime_texts.h"
#include "simulated_desktop_fixture.h"

namespace {

void Handler() {}
const EventBinding kBindings[] = {{"Tick", &Handler}, {"Created", &Handler}};

constexpr ComponentDescription kTimer = {ComponentKind::Timer, 0, 0, 0, 0, nullptr, 0, "Tick"};
constexpr ComponentDescription kBox = {ComponentKind::EditBox, 1, 2, 30, 20, "first", 0, nullptr};

struct FormCase {
  const char* what;
  std::vector<ComponentDescription> components;
  int count;  // as the form claims it
  const char* createdHandler;
};
void PrintTo(const FormCase& c, std::ostream* os) { *os << c.what; }

class UnreadableFormTest : public SimulatedDesktopTest, public ::testing::WithParamInterface<FormCase> {};

TEST_P(UnreadableFormTest, EndsTheProgramWithTheFormDataMessage) {
  const FormDescription form = {{"caption", 100, 100, "ICON", true, GetParam().createdHandler},
                                GetParam().components.empty() ? nullptr : GetParam().components.data(),
                                GetParam().count};
  EXPECT_THROW(InitialiseFormRuntime(form, kBindings, 2), simulated::ProcessExit) << GetParam().what;
  ASSERT_EQ(Desktop().messageBoxes.size(), 1u);
  EXPECT_EQ(Desktop().messageBoxes[0].text, std::string(kRuntimeErrorHeading) + "\n\n" + kFormDescriptionUnreadable);
}

ComponentDescription WithHandler(ComponentDescription c, const char* handler) {
  c.eventHandler = handler;
  return c;
}
ComponentDescription WithWidth(ComponentDescription c, int width) {
  c.width = width;
  return c;
}
ComponentDescription WithPeriod(ComponentDescription c, std::int32_t period) {
  c.period = period;
  return c;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnreadableFormTest,
    ::testing::Values(FormCase{"no components", {}, 0, nullptr},
                      FormCase{"more components than there is room for", std::vector<ComponentDescription>(17, kBox), 17,
                               nullptr},
                      FormCase{"unknown created handler", {kBox}, 1, "Missing"},
                      FormCase{"unknown timer handler", {WithHandler(kTimer, "Missing")}, 1, nullptr},
                      FormCase{"negative width", {WithWidth(kBox, -1)}, 1, nullptr},
                      FormCase{"negative period", {WithPeriod(kTimer, -300)}, 1, nullptr},
                      FormCase{"handler on an edit box", {WithHandler(kBox, "Tick")}, 1, nullptr}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST_F(SimulatedDesktopTest, ReadableFormGivesComponentsWithBoundHandlersAndStoppedTimers) {
  const ComponentDescription components[] = {kTimer, kBox};
  const FormDescription form = {{"caption", 100, 100, "ICON", true, "Created"}, components, 2};
  InitialiseFormRuntime(form, kBindings, 2);
  EXPECT_EQ(MainForm().onCreated, &Handler);
  EXPECT_EQ(MainForm().components[0].timer.onTick, &Handler);
  EXPECT_FALSE(MainForm().components[0].timer.running);
  EXPECT_EQ(S(MainForm().components[1].editBox.content), "first");
  EXPECT_TRUE(Desktop().messageBoxes.empty());
}

}  // namespace
