// Creates tasks by type name, keeps them under instance names and forwards the console's
// task commands to the scheduler. The factory owns every task it started (also a second
// task started under a name already taken) and the creators registered with it. A new
// factory registers the built-in types that CTaskRegistrar declared before main. The
// application's services create it and leave it, with its tasks, to process exit.
#ifndef TOLM_TASKS_CTASKFACTORY_H
#define TOLM_TASKS_CTASKFACTORY_H

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tolm/Services.h"
#include "tolm/tasks/CParameterList.h"
#include "tolm/tasks/CTask.h"
#include "tolm/tasks/CTaskCreator.h"

namespace tolm {

class CTaskFactory {
public:
    using CreatorMaker = std::function<std::unique_ptr<CTaskCreator>()>;

    CTaskFactory();
    ~CTaskFactory();
    CTaskFactory(const CTaskFactory&) = delete;
    CTaskFactory& operator=(const CTaskFactory&) = delete;

    // A type name that is taken keeps its creator.
    void RegisterType(const std::string& typeName, std::unique_ptr<CTaskCreator> creator);
    bool IsTypeRegistered(const std::string& typeName) const;

    // Parameters may be null (no list). A name already in use keeps addressing the first
    // task of that name; the new one runs nonetheless.
    bool StartTask(const std::string& typeName, const std::string& name, int priority,
                   const CParameterList* parameters);
    void PauseTask(const std::string& name);
    void ResumeTask(const std::string& name);
    void StopTask(const std::string& name);
    bool SendToTask(const std::string& name, const std::string& line);
    // Hands one command with its ready-made parameters to the task called name.
    bool SendCallToTask(const std::string& name, const std::string& command,
                        const CParameterList& parameters);
    // Exact, case-sensitive; null when absent.
    CTask* FindTask(const std::string& name) const;

    // Deletes every started task and forgets their names; for hosts and tests that start
    // over within one process. The program itself leaves its tasks to process exit.
    void DeleteAllTasks();

    // Adds a type to the built-in table that every new factory registers (static
    // initialisation, through CTaskRegistrar); it creates no factory.
    static void DeclareBuiltInType(const std::string& typeName, CreatorMaker makeCreator);

private:
    struct CBuiltInType {
        std::string typeName;
        CreatorMaker makeCreator;
    };
    static std::vector<CBuiltInType>& BuiltInTypes();

    // Null, with the error line, when no task has the name.
    CTask* FindAddressee(const std::string& name) const;

    std::map<std::string, std::unique_ptr<CTaskCreator>> myTypes;
    std::map<std::string, CTask*> myTasks;
    std::vector<std::unique_ptr<CTask>> myOwnedTasks;
};

}  // namespace tolm

#endif
