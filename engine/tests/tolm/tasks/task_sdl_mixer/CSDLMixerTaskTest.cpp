// The audio task over SDL_mixer's dummy and disk drivers: start-up parameters and the exact
// start-up log, a device that cannot be opened, the commands and their warnings, caching
// of effects and music, fades, repeating music, pause, volume, and real samples on disk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tolm/tasks/task_sdl_mixer/AudioTestSupport.h"
#include "tolm/tasks/task_sdl_mixer/SDLMixerFormats.h"

namespace tolm::test {
namespace {

// Records indent steps as "+" and "-" between the lines, to check the log's structure.
class CIndentCapture : public CLogListener {
public:
    CIndentCapture() { Logger().AddListener(this); }
    ~CIndentCapture() override { Logger().RemoveListener(this); }
    void Write(const std::string& line, int level) override {
        if (level == CLogger::kIndent) myLines.push_back("+");
        if (level == CLogger::kUnindent) myLines.push_back("-");
        if (level >= 0) myLines.push_back(line);
    }
    // From the first line that starts with `text` on.
    Lines From(const std::string& text) const {
        for (std::size_t i = 0; i < myLines.size(); ++i)
            if (myLines[i].rfind(text, 0) == 0) return Lines(myLines.begin() + i, myLines.end());
        return Lines();
    }
    Lines myLines;
};

std::string Version(const SDL_version& version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.patch);
}

class CSDLMixerTaskTest : public CAudioTest {};

TEST(SDLMixerFormats, NamesAndCodes) {
    const char* names[] = {"U8", "S8", "U16LSB", "S16LSB", "U16MSB", "S16MSB"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_EQ(AudioFormatToName(AudioNameToFormat(name)), name);
        EXPECT_TRUE(IsAudioFormatName(name));
    }
    EXPECT_EQ(AudioNameToFormat("s16msb"), AUDIO_S16MSB);
    EXPECT_EQ(AudioNameToFormat("u8"), AUDIO_U8);
    for (const char* other : {"", "X", "S16", "S16LSBX", "S16LS"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(IsAudioFormatName(other));
        EXPECT_EQ(AudioNameToFormat(other), AUDIO_S16LSB);
    }
    EXPECT_EQ(AudioFormatToName(0x1234), "");
}

TEST_F(CSDLMixerTaskTest, StartLogsEveryStepWithTheGivenParameters) {
    CIndentCapture log;
    CSDLMixerTask* task = StartAudio("44100, \"s16msb\", 1, 2048, 16");
    ASSERT_NE(task, nullptr);
    ASSERT_NE(task->GetMusicPlayer(), nullptr);
    SDL_version compiled;
    MIX_VERSION(&compiled);
    const std::string device = "frequency: 44100Hz, format: S16MSB, channels: 1";
    EXPECT_EQ(log.From("Initializing audio"),
              (Lines{"Initializing audio [OK]\n", "Initializing mixer API\n", "+",
                     "Compiled with SDL_mixer version: " + Version(compiled) + "\n",
                     "Running with SDL_mixer version: " + Version(*Mix_Linked_Version()) + "\n",
                     "Opening audio device with " + device + ", chunksize: 2048\t[OK]\n",
                     "Audio device opened 1 times  with parameters " + device + "\n",
                     "Using audiodriver: dummy\n", "Number of audio channels allocated 16\n", "-",
                     "Mixer API initialized succesfully\n", "\n"}));
    EXPECT_EQ(Mix_AllocateChannels(-1), 16);
    EXPECT_EQ(RunningNames(), (Lines{"Audio"}));
}

TEST_F(CSDLMixerTaskTest, AWrongOrUnusableParameterKeepsItsDefaultWithItsWarning) {
    const std::string defaults =
        "Opening audio device with frequency: 22050Hz, format: S16LSB, channels: 2, "
        "chunksize: 1024\t[OK]\n";
    const std::string warnings[] = {
        "Audio 1st start-up parameter (frequency) is of wrong type, should be a number\n",
        "Audio 2nd start-up parameter (format) is of wrong type, should be a string\n",
        "Audio 3rd start-up parameter (num_of_channels) is of wrong type, should be a number (1 "
        "= mono, 2 = stereo)\n",
        "Audio 4th start-up parameter (chunk_size) is of wrong type, should be a number\n",
        "Audio 5th start-up parameter (number_of_audio_channels) is of wrong type, should be a "
        "number\n"};
    // Per parameter: the start-up lines that give it a wrong kind or an unusable value.
    const std::vector<std::vector<std::string>> cases = {
        {"\"fast\"", "0", "-22050", "1e12"},
        {"22050, \"X\"", "22050, 16", "22050, \"\""},
        {"22050, \"S16LSB\", \"two\"", "22050, \"S16LSB\", 0", "22050, \"S16LSB\", 3"},
        {"22050, \"S16LSB\", 2, 0", "22050, \"S16LSB\", 2, 1e9"},
        {"22050, \"S16LSB\", 2, 1024, 0", "22050, \"S16LSB\", 2, 1024, 1e9",
         "22050, \"S16LSB\", 2, 1024, \"8\""}};
    for (std::size_t position = 0; position < cases.size(); ++position) {
        for (const std::string& parameters : cases[position]) {
            SCOPED_TRACE(parameters);
            myLog->Clear();
            ASSERT_NE(StartAudio(parameters), nullptr);
            EXPECT_TRUE(myLog->Has(warnings[position], CLogger::kWarning));
            EXPECT_EQ(Count(myLog->Lines(), defaults), 1);
            EXPECT_EQ(Mix_AllocateChannels(-1), 8);
            Factory().DeleteAllTasks();
        }
    }
}

TEST_F(CSDLMixerTaskTest, ADeviceThatCannotBeOpenedLeavesAHarmlessParkedTask) {
    const std::string parameters =
        "frequency: 22050Hz, format: S16LSB, channels: 2, chunksize: 1024";
    // An unknown driver, and the disk driver with a file it cannot create.
    for (const char* driver : {"nosuchdriver", "disk"}) {
        SCOPED_TRACE(driver);
        setenv("SDL_AUDIODRIVER", driver, 1);
        setenv("SDL_DISKAUDIOFILE", "/nonexistent-dir/out.raw", 1);
        myLog->Clear();
        CSDLMixerTask* task = StartAudio();
        ASSERT_NE(task, nullptr);
        EXPECT_TRUE(myLog->Contains("Opening audio device with " + parameters + "\t[failed]\n"));
        EXPECT_TRUE(myLog->Has("Mix_OpenAudio failed with parameters " + parameters + "\n",
                               CLogger::kError));
        EXPECT_EQ(task->GetMusicPlayer(), nullptr);
        EXPECT_TRUE(RunningNames().empty());
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);

        myLog->Clear();
        Run("Audio::PlayEffect(\"" + File("tone.wav") + "\")");
        Run("Audio::PlayMusic(\"" + File("tone.wav") + "\")");
        Run("Audio::SetVolume(3)");
        Run("pausetask(\"Audio\")");
        Run("resumetask(\"Audio\")");
        Scheduler().RunOnce();
        Run("stoptask(\"Audio\")");
        Scheduler().RunOnce();
        EXPECT_EQ(myLog->Lines(), (Lines{"CTaskFactory::StopTask() called\n"}));
        Factory().DeleteAllTasks();
    }
}

TEST_F(CSDLMixerTaskTest, ASecondAudioTaskIsParkedWhileTheFirstHoldsTheDevice) {
    ASSERT_NE(StartAudio(), nullptr);
    Run("Audio::PlayMusic(\"" + File("long.wav") + "\")");
    myLog->Clear();
    Run("starttask(\"audio\", \"Audio2\", 10)");
    EXPECT_EQ(myLog->Lines(),
              (Lines{"[ERROR] Audio2: the audio device is already in use by Audio\n"}));
    Run("stoptask(\"Audio2\")");
    Scheduler().RunOnce();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_EQ(CSDLMixerMusicData::GetRegistry().size(), 1u);
    Run("stoptask(\"Audio\")");
    Scheduler().RunOnce();
    Run("starttask(\"audio\", \"Audio3\", 10)");
    EXPECT_EQ(RunningNames(), (Lines{"Audio3"}));
}

TEST_F(CSDLMixerTaskTest, CommandsWarnAboutWrongParameters) {
    ASSERT_NE(StartAudio(), nullptr);
    const std::string file = "\"" + File("tone.wav") + "\"";
    // Per command: a line without the parameter, and one with the wrong kind of it.
    const struct {
        std::string command, missing, wrong, kind;
    } cases[] = {{"PlayEffect", "()", "(5)", "string"},
                 {"PreloadEffect", "", "(1, " + file + ")", "string"},
                 {"PlayMusic", "", "(2.5)", "string"},
                 {"PlayMusicFadeIn", "()", "(7, 100)", "string"},
                 {"StopMusicFadeOut", "", "(\"slow\")", "number"},
                 {"SetVolume", "", "(\"loud\")", "number"}};
    for (const auto& c : cases) {
        for (const std::string& line : {c.missing, c.wrong}) {
            SCOPED_TRACE(c.command + line);
            myLog->Clear();
            EXPECT_EQ(Run("Audio::" + c.command + line), "");
            EXPECT_EQ(myLog->Lines(),
                      (Lines{c.command + " -command " +
                             (line == c.missing ? "requires atleast one parameter\n"
                                                : "the 1st parameter is of wrong type, should be " +
                                                      c.kind + "\n")}));
            EXPECT_TRUE(CSDLMixerEffectData::GetRegistry().empty());
            EXPECT_TRUE(CSDLMixerMusicData::GetRegistry().empty());
        }
    }
}

TEST_F(CSDLMixerTaskTest, EffectsAreCachedUntilTheChannelsFallSilentUnlessPreloaded) {
    ASSERT_NE(StartAudio(), nullptr);
    const std::string tone = File("tone.wav");
    const std::string other = File("other.wav");
    Run("Audio::PreloadEffect(\"" + other + "\")");
    Run("Audio::PlayEffect(\"" + tone + "\")");
    Run("Audio::PlayEffect(\"" + tone + "\")");
    Run("Audio::PlayEffect(\"" + other + "\")");
    EXPECT_EQ(Count(myLog->Lines(), "new CSDLMixerEffectData( " + tone + " ) \n"), 1);
    EXPECT_EQ(Count(myLog->Lines(), "new CSDLMixerEffectData( " + other + " ) \n"), 1);
    EXPECT_EQ(Mix_Playing(-1), 3);

    Scheduler().RunOnce();
    EXPECT_EQ(CSDLMixerEffectData::GetRegistry().size(), 2u);
    ASSERT_TRUE(WaitFor([] { return Mix_Playing(-1) == 0; }));
    myLog->Clear();
    Scheduler().RunOnce();
    EXPECT_EQ(myLog->Lines(), (Lines{"freed CSDLMixerEffectData\n"}));
    EXPECT_TRUE(myLog->Has("freed CSDLMixerEffectData\n", CLogger::kDebug));
    ASSERT_NE(CSDLMixerEffectData::Find(other), nullptr);
    EXPECT_EQ(CSDLMixerEffectData::Find(tone), nullptr);

    Run("stoptask(\"Audio\")");
    EXPECT_TRUE(CSDLMixerEffectData::GetRegistry().empty());
}

// A refused file is tried, and gets its line, at each preload and play, and plays once it is
// mended on disk; the WAV files of 0 channels and of 0 Hz overflow the stack inside SDL_mixer
// when they reach it. The guard's other reasons are its own tests' business.
TEST_F(CSDLMixerTaskTest, UnreadableFilesAreReportedAtEachAttemptAndPlayOnceMended) {
    ASSERT_NE(StartAudio(), nullptr);
    const std::string silent = MakeWav(22050, 32, 0);
    WriteFile(File("no_channels.wav"), std::string(silent).replace(22, 1, 1, '\0'));
    WriteFile(File("no_rate.wav"), std::string(silent).replace(24, 4, 4, '\0'));
    const std::pair<std::string, std::string> files[] = {
        {File("missing.wav"), "cannot be opened: No such file or directory"},
        {File("no_channels.wav"), "has 0 channels; 1, 2, 4 or 6 are played"},
        {File("no_rate.wav"), "plays at 0 Hz, outside 4000 to 192000 Hz"},
        {std::string(5000, 'a') + ".wav", "cannot be opened: File name too long"}};
    for (const auto& [name, reason] : files) {
        SCOPED_TRACE(name.substr(0, 80));
        myLog->Clear();
        const int attempts = 3;
        for (int attempt = 0; attempt < attempts; ++attempt) {
            Run("Audio::PreloadEffect(\"" + name + "\")");
            Run("Audio::PlayEffect(\"" + name + "\")");
            Run("Audio::PlayMusic(\"" + name + "\")");
        }
        const auto refusals = [&](const std::string& use) {
            int n = 0;
            for (const std::string& line : myLog->Lines()) {
                n += line.rfind("[WARNING] Refused the " + use + " \"" + name + "\": it " + reason,
                                0) == 0;
            }
            return n;
        };
        EXPECT_EQ(refusals("sound effect"), 2 * attempts);  // the preload and the play
        EXPECT_EQ(refusals("music"), attempts);
        EXPECT_EQ(Count(myLog->Lines(), "Could not load effect-file  " + name + "\n"), 0);
        EXPECT_TRUE(CSDLMixerEffectData::GetRegistry().empty());
        EXPECT_EQ(CSDLMixerMusicData::Find(name), nullptr);
        EXPECT_EQ(Mix_Playing(-1), 0);
    }
    WriteFile(File("no_channels.wav"), MakeWav(22050, 11025, 9000));
    Run("Audio::PlayEffect(\"" + File("no_channels.wav") + "\")");
    Run("Audio::PlayMusic(\"" + File("no_channels.wav") + "\")");
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
}

// A file the guard lets through but SDL_mixer cannot read is reported in SDL_mixer's words,
// also at each play; rewritten plainly it plays at the next one.
TEST_F(CSDLMixerTaskTest, FilesTheMixerCannotReadAreReportedAtEachPlay) {
    ASSERT_NE(StartAudio(), nullptr);
    const std::string file = File("complex.wav");
    std::string complex = MakeWav(22050, 64, 9000);
    complex.insert(12, std::string("junk\x04\0\0\0abcd", 12));
    WriteFile(file, complex);
    for (int attempt = 0; attempt < 3; ++attempt) Run("Audio::PlayEffect(\"" + file + "\")");
    EXPECT_EQ(Count(myLog->Lines(), "Could not load effect-file  " + file + "\n"), 3);
    EXPECT_EQ(Count(myLog->Lines(), "SDL_Mixer says: Complex WAVE files not supported\n"), 3);
    EXPECT_EQ(Mix_Playing(-1), 0);

    WriteFile(file, MakeWav(22050, 11025, 9000));
    myLog->Clear();
    Run("Audio::PlayEffect(\"" + file + "\")");
    EXPECT_EQ(Count(myLog->Lines(), "Could not load effect-file  " + file + "\n"), 0);
    EXPECT_NE(CSDLMixerEffectData::Find(file), nullptr);
    EXPECT_EQ(Mix_Playing(-1), 1);
}

TEST_F(CSDLMixerTaskTest, MusicFadesAndCachesAsCommanded) {
    CSDLMixerTask* task = StartAudio();
    ASSERT_NE(task, nullptr);
    const CSDLMixerMusicPlayer& music = *task->GetMusicPlayer();
    const std::string song = File("long.wav");
    Run("Audio::StopMusic()");
    EXPECT_EQ(music.GetState(), CSDLMixerMusicPlayer::kStopped);

    Run("Audio::PlayMusic(\"" + song + "\")");
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_IN);
    EXPECT_EQ(music.GetFadeTime(), 3000);
    EXPECT_FALSE(music.GetFade());
    myLog->Clear();
    Run("Audio::PlayMusic(\"" + song + "\")");
    EXPECT_EQ(Mix_FadingMusic(), MIX_NO_FADING);
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_TRUE(myLog->Lines().empty());

    Run("Audio::PlayMusic(\"" + File("tone.wav") + "\")");
    EXPECT_TRUE(myLog->Has("freed CSDLMixerMusicData\n", CLogger::kDebug));
    EXPECT_EQ(CSDLMixerMusicData::GetRegistry().size(), 1u);

    myLog->Clear();
    Run("Audio::PlayMusicFadeIn(\"" + song + "\")");
    EXPECT_EQ(myLog->Lines().front(),
              "PlayMusicFadeIn -command the 2nd parameter is of wrong type, should be a number\n");
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_IN);
    EXPECT_EQ(music.GetFadeTime(), 1000);

    // A fade-out that begins during a fade-in ends at once; start the music plainly first.
    Run("Audio::PlayMusic(\"" + song + "\")");
    Run("Audio::StopMusicFadeOut(700)");
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    EXPECT_EQ(music.GetState(), CSDLMixerMusicPlayer::kStopped);
    EXPECT_TRUE(music.GetFade());
    Scheduler().RunOnce();
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_OUT);
    // Right after the fade-out: the new music starts at once, fading in over 700 ms.
    Run("Audio::PlayMusic(\"" + song + "\")");
    EXPECT_EQ(Mix_FadingMusic(), MIX_FADING_IN);
    EXPECT_EQ(music.GetFadeTime(), 700);
    EXPECT_EQ(music.GetState(), CSDLMixerMusicPlayer::kPlaying);

    myLog->Clear();
    Run("Audio::StopMusic(1)");
    EXPECT_EQ(myLog->Lines(), (Lines{"StopMusic -command, no parameters needed\n"}));
    EXPECT_EQ(music.GetState(), CSDLMixerMusicPlayer::kStopped);
}

TEST_F(CSDLMixerTaskTest, MusicThatEndsByItselfStartsAgain) {
    ASSERT_NE(StartAudio(), nullptr);
    Run("Audio::PlayMusicFadeIn(\"" + File("tone.wav") + "\", 0)");
    ASSERT_EQ(Mix_PlayingMusic(), 1);
    ASSERT_TRUE(WaitFor([] { return Mix_PlayingMusic() == 0; }));
    myLog->Clear();
    Scheduler().RunOnce();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    EXPECT_TRUE(myLog->Lines().empty());
}

TEST_F(CSDLMixerTaskTest, PauseVolumeAndMuteReachMusicAndEffects) {
    CSDLMixerTask* task = StartAudio();
    ASSERT_NE(task, nullptr);
    Run("Audio::PlayMusic(\"" + File("long.wav") + "\")");
    Run("Audio::PlayEffect(\"" + File("long.wav") + "\")");
    Run("pausetask(\"Audio\")");
    EXPECT_EQ(Mix_PausedMusic(), 1);
    EXPECT_EQ(Mix_Paused(-1), 1);
    Run("resumetask(\"Audio\")");
    EXPECT_EQ(Mix_PausedMusic(), 0);
    EXPECT_EQ(Mix_Paused(-1), 0);
    EXPECT_EQ(task->GetMusicPlayer()->GetState(), CSDLMixerMusicPlayer::kPlaying);

    const struct {
        const char* line;
        int volume;
    } steps[] = {{"SetVolume(64.9)", 64}, {"Mute", 0},
                 {"SetVolume(100)", 0},   {"Unmute(1)", 100},
                 {"SetVolume(500)", 128}, {"SetVolume(-3)", 0}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.line);
        Run(std::string("Audio::") + step.line);
        EXPECT_EQ(Mix_Volume(-1, -1), step.volume);
        EXPECT_EQ(Mix_VolumeMusic(-1), step.volume);
    }
    EXPECT_TRUE(myLog->Contains("Unmute -command, no parameters needed\n"));
    EXPECT_EQ(Count(myLog->Lines(), "SetVolume -command the volume should be between 0 and 128\n"),
              2);

    Run("stoptask(\"Audio\")");
    EXPECT_EQ(task->GetMusicPlayer(), nullptr);
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    myLog->Clear();
    Run("Audio::PlayEffect(\"" + File("tone.wav") + "\")");
    Run("pausetask(\"Audio\")");
    Run("resumetask(\"Audio\")");
    EXPECT_TRUE(myLog->Lines().empty());
}

TEST_F(CSDLMixerTaskTest, AnEffectReallyReachesTheDiskDevice) {
    const std::string output = File("out.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "5", 1);
    ASSERT_NE(StartAudio("22050, \"S16LSB\", 1, 512, 16"), nullptr);
    EXPECT_TRUE(myLog->Contains("Using audiodriver: disk\n"));
    const auto loudest = [&output] {
        const std::string samples = ReadFile(output);
        int peak = 0;
        for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
            const auto low = static_cast<unsigned char>(samples[i]);
            const auto high = static_cast<unsigned char>(samples[i + 1]);
            const auto sample = static_cast<std::int16_t>(low | (high << 8));
            peak = std::max(peak, std::abs(static_cast<int>(sample)));
        }
        return peak;
    };
    ASSERT_TRUE(WaitFor([&output] { return ReadFile(output).size() >= 4096; }));
    EXPECT_EQ(loudest(), 0);
    Run("Audio::PlayEffect(\"" + File("tone.wav") + "\")");
    EXPECT_TRUE(WaitFor([&loudest] { return loudest() > 6000; }));
}

}  // namespace
}  // namespace tolm::test
