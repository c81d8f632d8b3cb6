// Task types that exist only in the test program.
#include "tolm/tasks/CTaskRegistrar.h"
#include "tolm/tasks/TaskTestSupport.h"

namespace tolm::test {
namespace {
CTaskRegistrar<CRecordingTask> ourRecorder("recorder");
CTaskRegistrar<CParkingTask> ourParker("parker");
}  // namespace
}  // namespace tolm::test
