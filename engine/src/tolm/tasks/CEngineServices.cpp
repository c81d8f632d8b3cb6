#include "tolm/tasks/CEngineServices.h"

#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/gfx/CAnimationManager.h"
#include "tolm/gfx/CFrameFactory.h"
#include "tolm/gfx/CSpriteFactory.h"
#include "tolm/inputdevice/CEventManager.h"
#include "tolm/inputdevice/CMouse.h"
#include "tolm/tasks/CCommandNamespaces.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/tasks/CTaskScheduler.h"
#include "tolm/ui/CDragTracker.h"
#include "tolm/ui/CWidgetFactory.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm {

CEngineServices::CEngineServices() {
    Logger();
    EventManager();
    CommandNamespaces();
    // Registers the "basic" commands and attaches the console to their namespace.
    Console();
    TaskFactory();
    // Attaches its own activity handler to the event manager.
    Scheduler();
    Mouse();
    EventManager().AddMouseListener(&Mouse());
    SpriteFactory();
    FrameFactory();
    AnimationManager();
    ui::WidgetFactory();
    ui::DragTracker();
}

CEngineServices::~CEngineServices() {
    CSingletonPtr<ui::CDragTracker>::Delete();
    CSingletonPtr<ui::CWidgetFactory>::Delete();
    CSingletonPtr<CAnimationManager>::Delete();
    CSingletonPtr<CFrameFactory>::Delete();
    CSingletonPtr<CSpriteFactory>::Delete();
    if (CSingletonPtr<CEventManager>::Exists() && CSingletonPtr<CMouse>::Exists()) {
        EventManager().RemoveMouseListener(&Mouse());
    }
    CSingletonPtr<CMouse>::Delete();
    CSingletonPtr<CTaskScheduler>::Delete();
    // The task factory is left to process exit (see the header).
    CSingletonPtr<CConsoleHolder>::Delete();
    CSingletonPtr<CCommandNamespaces>::Delete();
    CSingletonPtr<CEventManager>::Delete();
    DeleteLogger();
}

}  // namespace tolm
