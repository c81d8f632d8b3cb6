// What the fuzz targets share: a check that aborts with its reason, a logger that writes no
// file but holds every input to a log budget in proportion to its size, a scratch file for
// readers that take a file name, a process-wide console whose commands are replaced, and a
// headless SDL screen. Each target sets these up once per process.
#ifndef TOLM_FUZZ_FUZZSUPPORT_H
#define TOLM_FUZZ_FUZZSUPPORT_H

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "SDL.h"
#include "tolm/gfx/CScreenLayer.h"
#include "tolm/gfx/Gfx.h"
#include "tolm/gfx/sdl/CGfxFactorySDL.h"
#include "tolm/gfx/sdl/CScreenBufferSDL.h"
#include "tolm/tasks/CCommand.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/utils/logger/CLogger.h"

namespace tolm::fuzz {

// libFuzzer reports the abort with the input; the reason goes to standard error first.
inline void Require(bool condition, const char* reason) {
    if (condition) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", reason);
    std::abort();
}

// Counts what the engine logs. Lines are part of the cost of an input: a reader that logs
// far more than it was given floods the log file of a real run.
class CLogBudget : public CLogListener {
public:
    // Room for the fixed messages of a failed load, and per input byte for the lines that
    // name or quote parts of the input.
    static constexpr std::size_t kFixedBytes = 16 * 1024;
    static constexpr std::size_t kBytesPerInputByte = 64;

    void Write(const std::string& line, int level) override {
        if (level >= 0) myBytes += line.size() + 1;
    }
    void Start() { myBytes = 0; }
    void Check(std::size_t inputSize) const {
        Require(myBytes <= kFixedBytes + kBytesPerInputByte * inputSize,
                "the input logged out of proportion to its size");
    }

private:
    std::size_t myBytes = 0;
};

// The process-wide logger without its file, with the budget as its only listener.
inline CLogBudget& QuietLogger() {
    static CLogBudget* budget = [] {
        auto* listener = new CLogBudget;
        Logger().RemoveListener(Logger().GetDefaultListener());
        Logger().AddListener(listener);
        return listener;
    }();
    return *budget;
}

// A file under the temporary folder for this process, removed at exit.
class CScratchFile {
public:
    explicit CScratchFile(const std::string& name)
        : myPath((std::filesystem::temp_directory_path() /
                  ("tolm-fuzz-" + std::to_string(::getpid()) + "-" + name))
                     .string()) {}
    ~CScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(myPath, ignored);
    }
    CScratchFile(const CScratchFile&) = delete;
    CScratchFile& operator=(const CScratchFile&) = delete;

    const std::string& Write(const std::uint8_t* data, std::size_t size) const {
        std::ofstream(myPath, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        return myPath;
    }
    const std::string& Path() const { return myPath; }

private:
    std::string myPath;
};

// A command that must never run: reaching it means text ran as a command.
class CTripwireCommand : public CCommand {
public:
    std::string Execute(CParameterList&) override { return Trip(); }
    std::string Execute() override { return Trip(); }

private:
    static std::string Trip() {
        Require(false, "a command ran that the input must not be able to run");
        return std::string();
    }
};

// A command that answers nothing and does nothing.
class CInertCommand : public CCommand {
public:
    std::string Execute(CParameterList&) override { return std::string(); }
    std::string Execute() override { return std::string(); }
};

// Every command of the process-wide console ("quit", "load", "starttask", ...) becomes the
// given one, so that fuzzed lines cannot load scripts, start tasks or end the process. The
// command must live until process exit.
inline void ReplaceConsoleCommands(CCommand* replacement) {
    CConsole* console = &Console();
    for (const auto& named : console->GetCommands()) console->AddCommand(named.first, replacement);
}

// A 32-bit screen of the dummy video driver with the SDL factory, the screen buffer and the
// screen layer installed, as the tests use it. False when SDL cannot give one.
inline bool OpenHeadlessScreen(int w, int h) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) != 0) return false;
    SDL_Surface* video = SDL_SetVideoMode(w, h, 32, SDL_SWSURFACE);
    if (video == nullptr) return false;
    Gfx::SetFactory(new CGfxFactorySDL);
    static std::unique_ptr<CScreenBufferSDL> screen;
    screen = std::make_unique<CScreenBufferSDL>(video);
    Gfx::SetScreen(screen.get());
    ScreenLayer();
    return true;
}

}  // namespace tolm::fuzz

#endif
