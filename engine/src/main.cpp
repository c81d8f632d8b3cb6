// Process entry: the application does everything; the exit code is always 0.
#include "tolm/utils/logger/CLogger.h"

int main(int /*argc*/, char** /*argv*/) {
    tolm::Logger();
    tolm::DeleteLogger();
    return 0;
}
