// While a text field holds the keyboard, key bindings run only when the field lets them.
#include <gtest/gtest.h>

#include "tolm/inputdevice/CTextInputFocus.h"
#include "tolm/inputdevice/InputTestSupport.h"
#include "tolm/tasks/CConsoleHolder.h"

namespace tolm::test {
namespace {

class CLettingField : public CTextInputFocus {
public:
    bool LetsBindingRun(const std::string& command) const override {
        return command.find("close") != std::string::npos;
    }
};

class CTextInputFocusTest : public CInputTest {};

TEST_F(CTextInputFocusTest, OnlyLetBindingsRunWhileAFieldHoldsTheKeyboard) {
    ASSERT_TRUE(Factory().StartTask("event", "event", 1, nullptr));
    ASSERT_TRUE(Factory().StartTask("keyboard", "keyboard", 2, nullptr));
    Start("rec", 3);
    Console().Execute("keyboard::bind(\"a\", \"rec::typed\")");
    Console().Execute("keyboard::bind(\"a\", \"rec::close\")");
    CLettingField field, other;
    SetTextInputFocus(&field);
    ClearTextInputFocus(&other);  // not the holder: changes nothing
    Journal().clear();
    PushKey(SDL_KEYDOWN, SDLK_a);
    Scheduler().RunOnce();
    ClearTextInputFocus(&field);
    PushKey(SDL_KEYDOWN, SDLK_a);
    Scheduler().RunOnce();
    EXPECT_EQ(Commands(), (Lines{"close", "typed", "close"}));
    EXPECT_EQ(GetTextInputFocus(), nullptr);
}

}  // namespace
}  // namespace tolm::test
