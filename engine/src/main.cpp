// Process entry: the application does everything; the exit code is always 0.
#include "tolm/tasks/CApplication.h"

int main(int argc, char** argv) {
    {
        tolm::CApplication application(argc, argv);
        application.Run();
    }
    return 0;
}
