// The engine's services for one test or benchmark, made in the program's order (see
// CEngineServices) when the fixture is made. When it goes it takes along what the test left
// behind, before the services: every started task, the screen layer and an installed
// graphics factory; the task factory itself stays, as in the program.
#ifndef TOLM_TESTS_SUPPORT_CENGINEFIXTURE_H
#define TOLM_TESTS_SUPPORT_CENGINEFIXTURE_H

#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/tasks/CEngineServices.h"
#include "tolm/tasks/CTaskFactory.h"

namespace tolm::test {

class CEngineFixture {
public:
    CEngineFixture() = default;
    ~CEngineFixture() {
        // Tasks first: their destructors reach the services and free their pictures.
        TaskFactory().DeleteAllTasks();
        CScreenLayer::Delete();
        Gfx::DeleteFactory();
    }
    CEngineFixture(const CEngineFixture&) = delete;
    CEngineFixture& operator=(const CEngineFixture&) = delete;

private:
    CEngineServices myServices;
};

}  // namespace tolm::test

#endif
