#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "runtime/keyboard_navigation.h"

namespace {

struct KeyCase {
  unsigned key;
  bool shift, control, alt;
  KeyAction expected;
};
void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << "key " << c.key << (c.shift ? "+shift" : "") << (c.control ? "+ctrl" : "") << (c.alt ? "+alt" : "");
}

class ClassifyKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ClassifyKeyTest, DecidesWhatTheWindowDoesWithTheKey) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(ClassifyKey(c.key, c.shift, c.control, c.alt), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassifyKeyTest,
    ::testing::Values(KeyCase{VK_TAB, false, false, false, KeyAction::FocusNext},
                      KeyCase{VK_TAB, true, false, false, KeyAction::FocusPrevious},
                      KeyCase{VK_TAB, false, true, false, KeyAction::PassOn},
                      KeyCase{VK_TAB, false, false, true, KeyAction::PassOn},
                      KeyCase{VK_ESCAPE, false, false, false, KeyAction::Close},
                      KeyCase{VK_ESCAPE, true, false, false, KeyAction::PassOn},
                      KeyCase{VK_ESCAPE, false, true, false, KeyAction::PassOn},
                      KeyCase{VK_RETURN, false, false, false, KeyAction::PassOn},
                      KeyCase{VK_F1, false, false, false, KeyAction::PassOn},
                      KeyCase{'A', false, false, true, KeyAction::PassOn}));

TEST_F(MainFormTest, TabCycleVisitsTheFiveEditBoxesInOrderAndWraps) {
  const ComponentIndex cycle[] = {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(NextInTabCycle(MainForm(), cycle[i], false), cycle[(i + 1) % 5]);
    EXPECT_EQ(NextInTabCycle(MainForm(), cycle[(i + 1) % 5], true), cycle[i]);
  }
}

TEST_F(MainFormTest, TabCycleStartsAtTheFirstOrLastBoxWhenNothingHasFocus) {
  EXPECT_EQ(NextInTabCycle(MainForm(), -1, false), 编辑框1);
  EXPECT_EQ(NextInTabCycle(MainForm(), -1, true), 编辑框5);
}

TEST_F(MainFormTest, TabFromALabelOrTheTimerLandsOnAnEditBox) {
  for (ComponentIndex start = 0; start < kMainFormComponentCount; ++start) {
    const ComponentIndex next = NextInTabCycle(MainForm(), start, false);
    ASSERT_GE(next, 0);
    EXPECT_EQ(MainForm().components[next].kind, ComponentKind::EditBox) << "from " << start;
  }
}

}  // namespace
