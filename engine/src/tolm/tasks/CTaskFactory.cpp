#include "tolm/tasks/CTaskFactory.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

// The factory keeps no reference to the scheduler or the logger: both are deleted at
// shutdown while the factory lives on, so they are fetched on every use.
CTaskFactory::CTaskFactory() {
    for (const CBuiltInType& type : BuiltInTypes()) RegisterType(type.typeName, type.makeCreator());
}

CTaskFactory::~CTaskFactory() {
    DeleteAllTasks();
}

void CTaskFactory::RegisterType(const std::string& typeName,
                                std::unique_ptr<CTaskCreator> creator) {
    if (!creator || myTypes.count(typeName) != 0) return;
    myTypes[typeName] = std::move(creator);
}

bool CTaskFactory::IsTypeRegistered(const std::string& typeName) const {
    return myTypes.count(typeName) != 0;
}

bool CTaskFactory::StartTask(const std::string& typeName, const std::string& name, int priority,
                             const CParameterList* parameters) {
    const auto type = myTypes.find(typeName);
    if (type == myTypes.end()) {
        Logger().Error() << "[ERROR] Trying to start a task " << typeName
                         << " that doesn't exist.\n";
        return false;
    }
    std::unique_ptr<CTask> created = type->second->Create();
    if (!created) return false;
    CTask* task = created.get();
    task->SetPriority(priority);
    task->SetName(name);
    myOwnedTasks.push_back(std::move(created));
    myTasks.emplace(name, task);
    Scheduler().AddTask(task, parameters);
    return true;
}

void CTaskFactory::PauseTask(const std::string& name) {
    CTask* task = FindTask(name);
    if (task == nullptr) {
        Logger().Error() << "[ERROR] Trying to pause a task " << name << " that doesn't exist.\n";
        return;
    }
    Scheduler().PauseTask(task);
}

void CTaskFactory::ResumeTask(const std::string& name) {
    CTask* task = FindTask(name);
    if (task == nullptr) {
        Logger().Error() << "[ERROR] Trying to resume a task " << name << " that doesn't exist.\n";
        return;
    }
    Scheduler().ResumeTask(task);
}

void CTaskFactory::StopTask(const std::string& name) {
    Logger() << "CTaskFactory::StopTask() called\n";
    CTask* task = FindTask(name);
    if (task == nullptr) {
        Logger().Error() << "[ERROR] Trying to stop a task " << name << " that doesn't exist.\n";
        return;
    }
    Scheduler().StopTask(task);
}

CTask* CTaskFactory::FindAddressee(const std::string& name) const {
    CTask* task = FindTask(name);
    if (task == nullptr) {
        Logger().Error() << "[ERROR] Sorry the namespace or task " << name << " doesn't exist.\n";
    }
    return task;
}

bool CTaskFactory::SendToTask(const std::string& name, const std::string& line) {
    CTask* task = FindAddressee(name);
    return task != nullptr && task->HandleCommand(line);
}

bool CTaskFactory::SendCallToTask(const std::string& name, const std::string& command,
                                  const CParameterList& parameters) {
    CTask* task = FindAddressee(name);
    return task != nullptr && task->HandleCommandCall(command, parameters);
}

CTask* CTaskFactory::FindTask(const std::string& name) const {
    const auto found = myTasks.find(name);
    return found == myTasks.end() ? nullptr : found->second;
}

void CTaskFactory::DeleteAllTasks() {
    myTasks.clear();
    // Moved out first: a task's destructor may reach the factory again.
    std::vector<std::unique_ptr<CTask>> tasks = std::move(myOwnedTasks);
    myOwnedTasks.clear();
    tasks.clear();
}

std::vector<CTaskFactory::CBuiltInType>& CTaskFactory::BuiltInTypes() {
    // Filled from static initialisers in other files, so it must exist before them.
    static std::vector<CBuiltInType> types;
    return types;
}

void CTaskFactory::DeclareBuiltInType(const std::string& typeName, CreatorMaker makeCreator) {
    if (makeCreator) BuiltInTypes().push_back(CBuiltInType{typeName, std::move(makeCreator)});
}

CTaskFactory& TaskFactory() {
    return *CSingletonPtr<CTaskFactory>::Get();
}

}  // namespace tolm
