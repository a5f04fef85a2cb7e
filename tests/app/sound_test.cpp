// The SDL player of the sound cues under SDL's dummy and disk drivers and
// with no driver at all; the device opens on the player's own thread.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "app/sound_clips.h"
#include "app/sound_sdl.h"
#include "model/sound_cue.h"
#include "tests/support/test_support.h"

namespace {

uint32_t le(const unsigned char* p, int n) { return n ? p[0] | le(p + 1, n - 1) << 8 : 0; }

// Waits up to `ms` milliseconds for the current cue to end.
bool quietWithin(int ms) {
    for (int waited = 0; soundCuePlaying() && waited < ms; waited += 5)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return !soundCuePlaying();
}

// A cue's clip in the device's format, copied out of the player.
std::string converted(int id) {
    std::size_t size = 0;
    const uint8_t* bytes = convertedCue(id, &size);
    return bytes ? std::string(reinterpret_cast<const char*>(bytes), size) : std::string();
}

// No device, the SDL player installed, and the driver SDL will ask for.
void freshPlayer(const char* driver) {
    shutdownSoundBackend();
    installSoundBackend();
    setenv("SDL_AUDIODRIVER", driver, 1);
}

// Without a device (no driver; ALSA without a sound card) every cue is
// skipped, the failure is remembered, and standard error has one line about
// it, none of the library's own.
TEST(SoundPlayer, WithoutAnyDeviceCuesAreSkippedTheFailureRememberedAndSaidOnce) {
    for (const char* driver : {"no_such_audio_driver", "alsa"}) {
        freshPlayer(driver);
        testing::internal::CaptureStderr();
        for (const CueRule& cue : cueRules) playCue(cue.id);
        awaitSoundDevice();
        const std::string said = testing::internal::GetCapturedStderr();
        EXPECT_EQ(said.find("ALSA lib"), std::string::npos) << said;
        if (soundDeviceState() == SoundOpen) continue;  // a machine with a sound card
        EXPECT_EQ(soundDeviceState(), SoundFailed) << driver;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_NE(said.find("no sound device"), std::string::npos) << said;
        setenv("SDL_AUDIODRIVER", "dummy", 1);  // no new attempt at a later cue
        playCue(CueMove);
        EXPECT_EQ(soundDeviceState(), SoundFailed);
    }
}

// SDL's disk driver writes what the device plays to a file, silence included;
// to a pipe, the device stays opening until the test reads it. The device
// opens at the first cue, and every clip is converted then, as long as it
// is stored (its data size over its byte rate).
TEST(SoundPlayer, UnderTheDiskDriverTheLastCueWantedAndEachCuePlaysOnceWholeCuttingTheOneBefore) {
    freshPlayer("disk");
    const std::string path = testing_support::tempPath("cues.raw");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    EXPECT_EQ(soundDeviceState(), SoundClosed);
    playCue(CueStart);
    playCue(CueMove);  // replaces the jingle while the device opens
    ASSERT_EQ(soundDeviceState(), SoundOpening);
    std::string out;
    std::thread reader([&] { out = testing_support::readFile(path); });
    awaitSoundDevice();
    struct sigaction interrupt {};  // Ctrl+C must still end the game
    EXPECT_EQ(sigaction(SIGINT, nullptr, &interrupt), 0);
    EXPECT_EQ(interrupt.sa_handler, SIG_DFL);
    const SoundDeviceFormat d = soundDeviceFormat();
    EXPECT_EQ(d.sampleBits, 16);  // signed: silence is zero
    for (const CueRule& cue : cueRules) {
        const SoundClip* clip = findSoundClip(cue.id);
        EXPECT_NE(clip, nullptr) << cue.id;  // no ASSERT: the reader must still be joined
        if (!clip) continue;
        const double seconds = double(le(clip->bytes + 40, 4)) / le(clip->bytes + 28, 4);
        EXPECT_NEAR(converted(cue.id).size() * 8.0 / d.sampleBits / d.channels / d.rate, seconds,
                    0.01)
            << cue.id;
    }
    EXPECT_TRUE(quietWithin(2000));
    playCue(CueStart);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    playCue(CueMove);
    const std::string jingle = converted(CueStart), click = converted(CueMove);
    EXPECT_NE(click.find_first_not_of('\0'), std::string::npos);  // the click is heard
    EXPECT_TRUE(quietWithin(2000));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    shutdownSoundBackend();  // ends the file
    reader.join();

    // Silence, the first click alone, the jingle's opening, the whole second
    // click, and silence again where the jingle would have gone on.
    const std::size_t firstAt = out.find(click), jingleAt = out.find(jingle.substr(0, 4096));
    const std::size_t clickAt = out.find(click, jingleAt);
    ASSERT_LT(firstAt, jingleAt);
    ASSERT_LT(jingleAt, clickAt);
    EXPECT_EQ(out.find(click, firstAt + 1), clickAt);
    EXPECT_EQ(out.compare(jingleAt, clickAt - jingleAt, jingle, 0, clickAt - jingleAt), 0);
    EXPECT_GT(out.size() - clickAt - click.size(), 4000u);
    EXPECT_EQ(out.find_first_not_of('\0', clickAt + click.size()), std::string::npos);
}

// The exit waits on no device, whatever it does: one that never finishes
// opening (a stuck audio server) or one open and playing. Each run is a
// child process of its own, which must end within a second.
TEST(SoundPlayer, TheProcessEndsAtOnceWhateverTheDeviceIsDoing) {
    for (const bool stuck : {true, false}) {
        double seconds = 0;
        const int status = testing_support::inChild(
            [&] {
                freshPlayer("dummy");
                if (stuck)
                    openSoundDevice = []() -> bool {
                        for (;;) pause();
                    };
                playCue(CueStart);
                if (!stuck) awaitSoundDevice();
                std::exit(0);
            },
            5, &seconds);
        EXPECT_EQ(status, 0) << stuck;
        EXPECT_LT(seconds, 1.0) << stuck;
    }
}

}  // namespace
