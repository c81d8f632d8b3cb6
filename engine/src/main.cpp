// Process entry: the application does everything. The exit code is 0, except when the
// start-up script wants a window and there is no display to show it: then the program says
// so in one line and ends with NoDisplayExitCode, so that a caller can fall back to a
// virtual display instead of facing an SDL error.
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

#include "SDL.h"
#include "tolm/designpatterns/singleton/CSingletonPtr.h"
#include "tolm/tasks/CApplication.h"
#include "tolm/tasks/CTaskFactory.h"
#include "tolm/utils/logger/CLogger.h"

namespace {

constexpr int NoDisplayExitCode = 3;

// True when SDL would use X11 and no X display is named; other drivers (dummy among them)
// need none.
bool DisplayUnset() {
    const char* driver = std::getenv("SDL_VIDEODRIVER");
    if (driver != nullptr && *driver != '\0' && std::strcmp(driver, "x11") != 0) return false;
    const char* display = std::getenv("DISPLAY");
    return display == nullptr || *display == '\0';
}

// The script started the window task, but no video surface came of it.
bool WindowFailed() {
    return tolm::CSingletonPtr<tolm::CTaskFactory>::Get()->FindTask("window") != nullptr &&
           SDL_GetVideoSurface() == nullptr;
}

void SayNoDisplay(const std::string& why) {
    const std::string line = "No display available: " + why;
    std::cerr << line << std::endl;
    tolm::Logger().Error() << "[ERROR] " << line << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
    int code = 0;
    {
        tolm::CApplication application(argc, argv);
        if (WindowFailed()) {
            SayNoDisplay(DisplayUnset() ? std::string("DISPLAY is not set")
                                        : std::string("the window could not be opened (") +
                                              SDL_GetError() + ")");
            code = NoDisplayExitCode;
        } else {
            application.Run();
        }
    }
    return code;
}
