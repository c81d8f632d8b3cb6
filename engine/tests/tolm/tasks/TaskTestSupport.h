// Shared by the runtime-core tests: a task that writes what happens to it into a journal
// (registered as the test-only task type "recorder"), and a fixture that gives every test
// fresh engine services and no tasks, whether tests run alone or together.
#ifndef TOLM_TESTS_TASKS_TASKTESTSUPPORT_H
#define TOLM_TESTS_TASKS_TASKTESTSUPPORT_H

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/CEngineFixture.h"
#include "support/CLogCapture.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTask.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskScheduler.h"

namespace tolm::test {

using Lines = std::vector<std::string>;

inline Lines& Journal() {
    static Lines journal;
    return journal;
}

class CRecordingTask : public CTask {
public:
    CRecordingTask() = default;
    CRecordingTask(int priority, const std::string& name) : CTask(priority, name) {}

    bool Start(const CParameterList& parameters) override {
        myParameters = parameters;
        Journal().push_back("start " + GetName() + " " + std::to_string(parameters.Size()));
        return myStartResult;
    }
    bool Start() override {
        Journal().push_back("start " + GetName());
        return myStartResult;
    }
    void Update() override {
        Journal().push_back("update " + GetName());
        ++myUpdates;
        if (myOnUpdate) myOnUpdate();
    }
    void OnStop() override { Journal().push_back("stop " + GetName()); }
    void OnPause() override { Journal().push_back("pause " + GetName()); }
    void OnResume() override { Journal().push_back("resume " + GetName()); }
    bool HandleCommand(const std::string& line) override {
        Journal().push_back("command " + GetName() + " " + line);
        return myAcceptsCommands;
    }
    // Journals "call NAME COMMAND [p0] [p1] ...".
    bool HandleCommandCall(const std::string& command, const CParameterList& parameters) override {
        std::string line = "call " + GetName() + " " + command;
        for (std::size_t i = 0; i < parameters.Size(); ++i)
            line += " [" + parameters.GetString(i) + "]";
        Journal().push_back(line);
        return myAcceptsCommands;
    }
    bool PausesWhenInactive() const override { return myPausesWhenInactive; }

    bool myStartResult = true;
    bool myAcceptsCommands = true;
    bool myPausesWhenInactive = false;
    int myUpdates = 0;
    CParameterList myParameters;
    std::function<void()> myOnUpdate;
};

inline CTaskFactory& Factory() {
    return TaskFactory();
}
inline CRecordingTask* FindRecorder(const std::string& name) {
    return dynamic_cast<CRecordingTask*>(Factory().FindTask(name));
}
inline Lines RunningNames() {
    Lines names;
    for (CTask* task : Scheduler().GetRunningTasks()) names.push_back(task->GetName());
    return names;
}

class CRuntimeTest : public ::testing::Test {
protected:
    void SetUp() override {
        Journal().clear();
        myEngine.emplace();
        myLog = std::make_unique<CLogCapture>();
    }
    void TearDown() override {
        myLog.reset();
        myEngine.reset();
        Journal().clear();
    }
    // A "recorder" started through the factory, as the script would.
    static CRecordingTask* Start(const std::string& name, int priority) {
        Factory().StartTask("recorder", name, priority, nullptr);
        return FindRecorder(name);
    }

    std::optional<CEngineFixture> myEngine;
    std::unique_ptr<CLogCapture> myLog;
};

}  // namespace tolm::test

#endif
