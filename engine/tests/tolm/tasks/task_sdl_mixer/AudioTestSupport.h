// Shared by the audio tests: tiny WAV files written on the spot, a bounded wait for SDL's
// audio thread, and a fixture that starts the "audio" task through the factory and restores
// the audio driver settings afterwards.
#ifndef TOLM_TESTS_TASKS_TASK_SDL_MIXER_AUDIOTESTSUPPORT_H
#define TOLM_TESTS_TASKS_TASK_SDL_MIXER_AUDIOTESTSUPPORT_H

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>

#include "SDL.h"
#include "support/TestFiles.h"
#include "tolm/tasks/CConsoleHolder.h"
#include "tolm/tasks/CTaskLibraries.h"
#include "tolm/tasks/TaskTestSupport.h"
#include "tolm/tasks/task_sdl_mixer/CSDLMixerTask.h"

namespace tolm::test {

// 16-bit mono PCM: a square wave of the given amplitude (0 gives silence).
inline std::string MakeWav(int frequency, int samples, std::int16_t amplitude) {
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xff);
    };
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples) * 2;
    bytes += "RIFF";
    put(36 + dataSize, 4);
    bytes += "WAVEfmt ";
    put(16, 4);
    put(1, 2);  // PCM
    put(1, 2);  // mono
    put(static_cast<std::uint32_t>(frequency), 4);
    put(static_cast<std::uint32_t>(frequency) * 2, 4);
    put(2, 2);
    put(16, 2);
    bytes += "data";
    put(dataSize, 4);
    for (int i = 0; i < samples; ++i)
        put(static_cast<std::uint16_t>((i / 20) % 2 == 0 ? amplitude : -amplitude), 2);
    return bytes;
}

// Polls for up to five seconds; the audio thread runs at its own pace, more slowly under
// the sanitizers.
inline bool WaitFor(const std::function<bool()>& condition) {
    for (int waited = 0; waited < 5000; waited += 5) {
        if (condition()) return true;
        SDL_Delay(5);
    }
    return condition();
}

class CAudioTest : public CRuntimeTest {
protected:
    void SetUp() override {
        CRuntimeTest::SetUp();
        CTaskLibraries::Load("sdl_mixer");
        for (Saved& saved : mySaved) {
            const char* value = std::getenv(saved.name);
            saved.set = value != nullptr;
            if (saved.set) saved.value = value;
        }
        WriteFile(File("tone.wav"), MakeWav(22050, 11025, 12000));
        WriteFile(File("other.wav"), MakeWav(22050, 11025, 8000));
        WriteFile(File("long.wav"), MakeWav(8000, 24000, 8000));
    }
    void TearDown() override {
        CRuntimeTest::TearDown();
        for (const Saved& saved : mySaved) {
            if (saved.set) {
                setenv(saved.name, saved.value.c_str(), 1);
            } else {
                unsetenv(saved.name);
            }
        }
    }

    // Starts "Audio" with the parameters of a script line such as `22050, "S16LSB"`.
    CSDLMixerTask* StartAudio(const std::string& parameters = "") {
        std::string line = "starttask(\"audio\", \"Audio\", 10";
        if (!parameters.empty()) line += ", " + parameters;
        Console().Execute(line + ")");
        return dynamic_cast<CSDLMixerTask*>(Factory().FindTask("Audio"));
    }
    static std::string Run(const std::string& line) { return Console().Execute(line); }
    std::string File(const std::string& name) const { return myDir.File(name); }
    static int Count(const Lines& lines, const std::string& line) {
        return static_cast<int>(std::count(lines.begin(), lines.end(), line));
    }

    CTempDir myDir;

private:
    struct Saved {
        const char* name;
        bool set = false;
        std::string value;
    };
    Saved mySaved[3] = {{"SDL_AUDIODRIVER", false, {}},
                        {"SDL_DISKAUDIOFILE", false, {}},
                        {"SDL_DISKAUDIODELAY", false, {}}};
};

}  // namespace tolm::test

#endif
