#include "tolm/tasks/CApplication.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/CBoundVariable.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskScheduler.h"

namespace tolm {

CApplication::CApplication(int /*argc*/, char** /*argv*/) : myScriptFile("autoexec.txt") {
    myScheduler = CSingletonPtr<CTaskScheduler>::Get();
    BindConsoleVariable(*GetConsole(), "sys_frame_sleep", CTaskScheduler::FrameSleep());
    GetConsole()->ExecuteFile(myScriptFile);
}

CApplication::~CApplication() {
    myScheduler = nullptr;
    CSingletonPtr<CTaskScheduler>::Delete();
    CSingletonPtr<CConsoleHolder>::Delete();
}

int CApplication::Run() {
    return myScheduler->Run();
}

bool CApplication::RunOnce() {
    return myScheduler->RunOnce();
}

}  // namespace tolm
