#include "tolm/tasks/CApplication.h"

#include "tolm/tasks/CBoundVariable.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskScheduler.h"

namespace tolm {

CApplication::CApplication(int /*argc*/, char** /*argv*/, const std::function<bool()>& beforeScript)
    : myScriptFile("autoexec.txt") {
    myScheduler = &Scheduler();
    BindConsoleVariable(Console(), "sys_frame_sleep", CTaskScheduler::FrameSleep());
    if (beforeScript && !beforeScript()) return;
    Console().ExecuteFile(myScriptFile);
}

CApplication::~CApplication() {
    myScheduler = nullptr;
}

int CApplication::Run() {
    return myScheduler->Run();
}

bool CApplication::RunOnce() {
    return myScheduler->RunOnce();
}

}  // namespace tolm
