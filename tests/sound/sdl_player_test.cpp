// The SDL cue player: opened at the first cue, one cue at a time, returning at
// once, and silent but harmless without a device. SDL's disk driver writes
// what the device would play to a file, so the samples can be checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "app/sound_clips.h"
#include "app/sound_cue.h"
#include "app/sound_sdl.h"
#include "tests/sound/cue_formats.h"
#include "tests/support/test_support.h"

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Every test starts with no device and the SDL player installed; SDL reads
// the driver name from the environment when its audio starts.
class SoundPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        shutdownSoundBackend();
        installSoundBackend();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    void TearDown() override {
        shutdownSoundBackend();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }

    // Waits for the current cue to run out; false after `limit` seconds.
    static bool waitForQuiet(double limit) {
        const auto start = Clock::now();
        while (soundCuePlaying()) {
            if (secondsSince(start) > limit) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    static std::vector<uint8_t> convertedBytes(int id) {
        std::size_t size = 0;
        const uint8_t* bytes = convertedCue(id, &size);
        return bytes ? std::vector<uint8_t>(bytes, bytes + size) : std::vector<uint8_t>{};
    }
};

TEST_F(SoundPlayer, OpensAtTheFirstCueAndConvertsEveryClipOnce) {
    EXPECT_EQ(soundDeviceState(), SoundClosed);  // installing opens nothing
    playCue(CueMove);
    ASSERT_EQ(soundDeviceState(), SoundOpen);

    // Ctrl+C must still end the game: SDL leaves the signals alone.
    struct sigaction interrupt {};
    ASSERT_EQ(sigaction(SIGINT, nullptr, &interrupt), 0);
    EXPECT_EQ(interrupt.sa_handler, SIG_DFL);

    const SoundDeviceFormat device = soundDeviceFormat();
    ASSERT_GT(device.rate, 0);
    ASSERT_GT(device.channels, 0);
    const int frameBytes = device.channels * device.sampleBits / 8;
    // Every clip is ready from the first cue on, at its own length.
    std::vector<const uint8_t*> ready;
    for (const CueFormat& cue : cueFormats) {
        SCOPED_TRACE(cue.id);
        std::size_t size = 0;
        ready.push_back(convertedCue(cue.id, &size));
        ASSERT_NE(ready.back(), nullptr);
        EXPECT_NEAR(static_cast<double>(size) / frameBytes / device.rate, cue.seconds, 0.010);
    }
    // Playing them uses the same conversions.
    for (std::size_t i = 0; i < std::size(cueFormats); ++i) {
        playCue(cueFormats[i].id);
        EXPECT_EQ(convertedCue(cueFormats[i].id, nullptr), ready[i]);
    }
}

TEST_F(SoundPlayer, ACueReturnsAtOnceAndANewCueCutsOffTheOldOne) {
    playCue(CueStart);  // opens the device and converts the clip
    ASSERT_EQ(soundDeviceState(), SoundOpen);
    playCue(CueMove);
    ASSERT_TRUE(waitForQuiet(2.0));

    const auto start = Clock::now();
    playCue(CueStart);
    EXPECT_LT(secondsSince(start), 0.05);  // the 9.9 s jingle plays on its own
    EXPECT_TRUE(soundCuePlaying());

    // The 80 ms click replaces the jingle, so all is quiet long before 9.9 s.
    playCue(CueMove);
    EXPECT_TRUE(waitForQuiet(2.0));
}

TEST_F(SoundPlayer, UnknownIdsAreSkippedAndLeaveThePlayingCueAlone) {
    playCue(105);
    playCue(-1);
    EXPECT_EQ(soundDeviceState(), SoundClosed);  // nothing worth a device

    playCue(CueStart);
    ASSERT_TRUE(soundCuePlaying());
    for (int unknown : {105, 106, 0, 120, -7}) playCue(unknown);
    EXPECT_TRUE(soundCuePlaying());
    EXPECT_EQ(convertedCue(106, nullptr), nullptr);
}

TEST_F(SoundPlayer, WithoutAnyDeviceCuesAreSkippedAndTheFailureRemembered) {
    setenv("SDL_AUDIODRIVER", "no_such_audio_driver", 1);
    for (int i = 0; i < soundClipCount; ++i) playCue(soundClips[i].id);
    EXPECT_EQ(soundDeviceState(), SoundFailed);
    EXPECT_FALSE(soundCuePlaying());
    EXPECT_EQ(convertedCue(CueMove, nullptr), nullptr);

    // No new attempt on later cues, even when a driver would now be found:
    // a game of quick key presses must not pay for a missing device.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const auto start = Clock::now();
    for (int i = 0; i < 2000; ++i) playCue(CueMove);
    EXPECT_LT(secondsSince(start), 0.1);
    EXPECT_EQ(soundDeviceState(), SoundFailed);

    // After a shutdown the player tries afresh.
    shutdownSoundBackend();
    playCue(CueMove);
    EXPECT_EQ(soundDeviceState(), SoundOpen);
}

// ---- Under the disk driver ----

class DiskSoundPlayer : public SoundPlayer {
protected:
    void SetUp() override {
        SoundPlayer::SetUp();
        path = testing_support::tempPath("cues.raw");
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    }

    // Closes the device, which flushes the file, and reads its samples.
    std::vector<uint8_t> writtenBytes() {
        shutdownSoundBackend();
        const std::string text = testing_support::readFile(path);
        return std::vector<uint8_t>(text.begin(), text.end());
    }

    std::string path;
};

std::size_t nonZeroSamples(const std::vector<uint8_t>& bytes) {
    std::size_t count = 0;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        if (bytes[i] != 0 || bytes[i + 1] != 0) ++count;
    return count;
}

TEST_F(DiskSoundPlayer, APlayedCueReachesTheDevice) {
    playCue(CueLand);
    ASSERT_EQ(soundDeviceState(), SoundOpen);
    const SoundDeviceFormat device = soundDeviceFormat();
    ASSERT_EQ(device.sampleBits, 16);  // signed 16-bit: silence is zero
    ASSERT_FALSE(device.floatSamples);
    const std::vector<uint8_t> clip = convertedBytes(CueLand);
    ASSERT_FALSE(clip.empty());
    ASSERT_TRUE(waitForQuiet(5.0));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));

    const std::vector<uint8_t> written = writtenBytes();
    EXPECT_GT(nonZeroSamples(written), nonZeroSamples(clip) / 2);
    // The whole clip went out as it is.
    EXPECT_NE(std::search(written.begin(), written.end(), clip.begin(), clip.end()), written.end());
}

TEST_F(DiskSoundPlayer, ASecondCueCutsOffTheFirst) {
    playCue(CueStart);
    ASSERT_EQ(soundDeviceState(), SoundOpen);
    ASSERT_EQ(soundDeviceFormat().sampleBits, 16);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    playCue(CueMove);
    const std::vector<uint8_t> jingle = convertedBytes(CueStart);
    const std::vector<uint8_t> click = convertedBytes(CueMove);
    ASSERT_FALSE(jingle.empty());
    ASSERT_FALSE(click.empty());
    ASSERT_TRUE(waitForQuiet(2.0));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const std::vector<uint8_t> written = writtenBytes();

    // The file holds: silence, the opening of the jingle, the whole click,
    // and silence again where the jingle would have gone on.
    const auto clickAt = std::search(written.begin(), written.end(), click.begin(), click.end());
    ASSERT_NE(clickAt, written.end());
    const auto firstSound =
        std::find_if(written.begin(), written.end(), [](uint8_t b) { return b; });
    const auto jingleSound =
        std::find_if(jingle.begin(), jingle.end(), [](uint8_t b) { return b; }) - jingle.begin();
    ASSERT_GE(firstSound - written.begin(), jingleSound);
    const auto jingleAt = firstSound - jingleSound;
    ASSERT_LT(jingleAt, clickAt);
    const auto opening = clickAt - jingleAt;
    EXPECT_LT(opening, static_cast<std::ptrdiff_t>(jingle.size()) / 4);
    EXPECT_TRUE(std::equal(jingleAt, clickAt, jingle.begin()));
    EXPECT_GT(nonZeroSamples(std::vector<uint8_t>(jingleAt, clickAt)), 0u);

    const std::vector<uint8_t> after(clickAt + static_cast<std::ptrdiff_t>(click.size()),
                                     written.end());
    EXPECT_GT(after.size(), 4000u);  // time enough for the jingle to have gone on
    EXPECT_EQ(nonZeroSamples(after), 0u);
}

}  // namespace
