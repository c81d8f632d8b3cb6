// The task factory: creation by type name, instance names, the exact log lines of its
// failures, task libraries and the "unittest" task type.
#include <gtest/gtest.h>

#include "tolm/selftest/CSelfCheckRegistrar.h"
#include "tolm/selftest/CSelfChecks.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskLibraries.h"
#include "tolm/tasks/CTaskLibraryRegistrar.h"
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/tasks/TaskTestSupport.h"

namespace tolm::test {
namespace {

CTaskRegistrar<CRecordingTask> ourRecorder("recorder");
CTaskLibraryRegistrar<CRecordingTask> ourLibraryTask("test_library", "librarytask");
CSelfCheckRegistrar ourPassingCheck("test binary check that passes",
                                    [](std::string&) { return true; });
CSelfCheckRegistrar ourFailingCheck("test binary check that fails", [](std::string& message) {
    message = "on purpose";
    return false;
});

class CTaskFactoryTest : public CRuntimeTest {};

TEST_F(CTaskFactoryTest, UnknownNamesLogTheirExactLines) {
    EXPECT_FALSE(Factory().StartTask("ghost", "g", 10, nullptr));
    Factory().PauseTask("g");
    Factory().ResumeTask("g");
    Factory().StopTask("g");
    EXPECT_FALSE(Factory().SendToTask("g", "x"));
    EXPECT_EQ(myLog->Lines(), (Lines{"[ERROR] Trying to start a task ghost that doesn't exist.\n",
                                     "[ERROR] Trying to pause a task g that doesn't exist.\n",
                                     "[ERROR] Trying to resume a task g that doesn't exist.\n",
                                     "CTaskFactory::StopTask() called\n",
                                     "[ERROR] Trying to stop a task g that doesn't exist.\n",
                                     "[ERROR] Sorry the namespace or task g doesn't exist.\n"}));
}

TEST_F(CTaskFactoryTest, NamesAreCaseSensitiveAndATakenNameAddressesTheFirstTask) {
    EXPECT_FALSE(Factory().StartTask("Recorder", "twin", 10, nullptr));
    EXPECT_TRUE(Factory().StartTask("recorder", "twin", 10, nullptr));
    CTask* first = Factory().FindTask("twin");
    EXPECT_EQ(Factory().FindTask("Twin"), nullptr);
    EXPECT_TRUE(Factory().StartTask("recorder", "twin", 20, nullptr));
    EXPECT_EQ(Factory().FindTask("twin"), first);
    EXPECT_EQ(RunningNames(), (Lines{"twin", "twin"}));
    Factory().PauseTask("twin");
    ASSERT_EQ(Scheduler().GetRunningTasks().size(), 1u);
    EXPECT_EQ(Scheduler().GetRunningTasks().front()->GetPriority(), 20);
}

TEST_F(CTaskFactoryTest, TaskLibrariesRegisterTheirTypesOnlyWhenLoaded) {
    CTaskFactory factory;
    EXPECT_FALSE(factory.StartTask("librarytask", "l", 10, nullptr));
    CTaskLibraries::Load("Test_Library", &factory);
    EXPECT_FALSE(factory.IsTypeRegistered("librarytask"));
    CTaskLibraries::Load("test_library", &factory);
    CTaskLibraries::Load("test_library", &factory);
    EXPECT_TRUE(factory.StartTask("librarytask", "l", 10, nullptr));
    EXPECT_EQ(RunningNames(), (Lines{"l"}));
}

TEST_F(CTaskFactoryTest, UnitTestTaskRunsEveryCheckLogsAndParks) {
    EXPECT_TRUE(Factory().StartTask("unittest", "ut", 10, nullptr));
    EXPECT_TRUE(Scheduler().GetRunningTasks().empty());
    const std::vector<std::string> names = CSelfChecks::GetNames();
    ASSERT_EQ(myLog->Lines().size(), names.size() + 1);
    for (std::size_t i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i]);
        const std::string expected =
            names[i] == "test binary check that fails"
                ? "[ERROR] Self-check test binary check that fails failed: on purpose\n"
                : "Self-check " + names[i] + " passed\n";
        EXPECT_EQ(myLog->Lines()[i], expected);
    }
    EXPECT_EQ(myLog->Lines().back(),
              "Self-checks done: " + std::to_string(names.size() - 1) + " passed, 1 failed\n");
}

}  // namespace
}  // namespace tolm::test
