// Answers of the cursor commands to missing or wrong parameters.
#include <gtest/gtest.h>

#include "tolm/tasks/task_input/CCursorCommand.h"

namespace tolm::test {
namespace {

TEST(CCursorCommand, ChangeToAnswersItsErrorsAndTheOthersNeedNoParameters) {
    const std::string missing =
        "[ERROR] Needs a parameter to define to what we change our cursor( like arrow, cross, "
        "text... )";
    const std::string notRecognized = "[ERROR] Could not recognize your cursor type";
    CCursorCommand change(CCursorCommand::kChangeTo);
    EXPECT_EQ(change.Execute(), missing);
    CParameterList list;
    EXPECT_EQ(change.Execute(list), notRecognized);
    list.AddNumber(1);
    EXPECT_EQ(change.Execute(list), notRecognized);
    CParameterList name;
    name.AddString("no_such_cursor");  // kind 0: accepted, changes nothing
    EXPECT_EQ(change.Execute(name), "");
    CCursorCommand hide(CCursorCommand::kHide);
    EXPECT_EQ(hide.Execute(list), "");
    EXPECT_EQ(CCursorCommand(CCursorCommand::kShow).Execute(), "");
}

}  // namespace
}  // namespace tolm::test
