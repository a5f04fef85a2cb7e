// The sound cues: the stored WAVE clips, and the SDL player under SDL's dummy
// and disk drivers and with no driver at all.
#include <gtest/gtest.h>

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
#include "model/sound_cue.h"
#include "app/sound_sdl.h"
#include "tests/support/test_support.h"

namespace {

// Each cue's channels, sample rate and length in seconds.
constexpr std::tuple<int, uint32_t, uint32_t, double> cueFormats[] = {
    {CueLand, 2, 44100, 1.17},       {CueCheat, 1, 22050, 3.23},      {CueWin, 1, 22050, 2.83},
    {CueGameOver, 1, 22050, 2.58},   {CueRestart, 1, 22050, 4.02},    {CueLevelUp, 1, 22050, 3.19},
    {CueLoadReplay, 1, 22050, 5.39}, {CueRotate, 2, 44100, 1.68},     {CueMove, 1, 22050, 0.08},
    {CuePause, 1, 22050, 3.44},      {CueSaveReplay, 1, 22050, 5.46}, {CueView, 1, 22050, 2.06},
    {CueHints, 1, 22050, 1.61},      {CueStart, 1, 22050, 9.90},
};

uint32_t le(const unsigned char* p, int n) { return n ? p[0] | le(p + 1, n - 1) << 8 : 0; }

// Each clip is read chunk by chunk, the way any player would.
TEST(SoundClips, EveryClipIsWavePcmInItsCuesFormatAndLengthAndNeverClips) {
    ASSERT_EQ(soundClipCount, 14);
    for (const auto& [id, ch, rate, seconds] : cueFormats) {
        SCOPED_TRACE(id);
        const SoundClip* clip = findSoundClip(id);
        ASSERT_NE(clip, nullptr);
        const unsigned char *b = clip->bytes, *fmt = nullptr, *data = nullptr;
        ASSERT_EQ(std::string(reinterpret_cast<const char*>(b), 12).erase(4, 4), "RIFFWAVE");
        EXPECT_EQ(le(b + 4, 4), clip->size - 8);
        uint32_t samples = 0;
        for (std::size_t at = 12, len; at + 8 <= clip->size; at += 8 + len + (len & 1)) {
            len = le(b + at + 4, 4);
            ASSERT_LE(at + 8 + len, clip->size);
            if (!std::memcmp(b + at, "fmt ", 4)) fmt = b + at + 8;
            if (!std::memcmp(b + at, "data", 4)) data = b + at + 8, samples = len / 2;
        }
        ASSERT_TRUE(fmt && data);
        EXPECT_EQ(std::vector<uint32_t>({le(fmt, 2), le(fmt + 2, 2), le(fmt + 4, 4), le(fmt + 8, 4),
                                         le(fmt + 12, 2), le(fmt + 14, 2)}),
                  std::vector<uint32_t>({1, ch, rate, rate * ch * 2, ch * 2, 16}));
        EXPECT_NEAR(static_cast<double>(samples) / ch / rate, seconds, 0.010);

        // Loud, below full scale, and speaking within 10 ms.
        auto level = [&](uint32_t i) { return std::abs(int16_t(le(data + 2 * i, 2))); };
        int peak = 0;
        for (uint32_t i = 0; i < samples; ++i) peak = std::max(peak, level(i));
        EXPECT_LT(peak, 32767);
        EXPECT_GT(peak, 16000);
        uint32_t onset = 0;
        while (onset < samples && level(onset) < peak / 20) ++onset;
        EXPECT_LT(static_cast<double>(onset / ch) / rate, 0.010);
    }
}

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

TEST(SoundPlayer, OpensAtTheFirstCueReturnsAtOnceAndSkipsUnknownIds) {
    freshPlayer("dummy");
    playCue(105);
    EXPECT_EQ(soundDeviceState(), SoundClosed);  // nothing worth a device
    playCue(CueStart);
    ASSERT_EQ(soundDeviceState(), SoundOpen);
    struct sigaction interrupt {};  // Ctrl+C must still end the game
    ASSERT_EQ(sigaction(SIGINT, nullptr, &interrupt), 0);
    EXPECT_EQ(interrupt.sa_handler, SIG_DFL);

    // Every clip is converted at the first cue, to its own length.
    const SoundDeviceFormat d = soundDeviceFormat();
    for (const auto& [id, ch, rate, seconds] : cueFormats)
        EXPECT_NEAR(converted(id).size() * 8.0 / d.sampleBits / d.channels / d.rate, seconds, 0.01)
            << id;
    for (int unknown : {105, 106, 0, 120, -7}) playCue(unknown);
    EXPECT_TRUE(soundCuePlaying());  // the jingle plays on
    const auto start = std::chrono::steady_clock::now();
    playCue(CueStart);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(50));
    playCue(CueMove);  // the 80 ms click replaces the 9.9 s jingle
    EXPECT_TRUE(quietWithin(2000));
}

TEST(SoundPlayer, WithoutAnyDeviceCuesAreSkippedAndTheFailureRemembered) {
    freshPlayer("no_such_audio_driver");
    for (const auto& format : cueFormats) playCue(std::get<0>(format));
    EXPECT_EQ(soundDeviceState(), SoundFailed);
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // no new attempt at a later cue
    playCue(CueMove);
    EXPECT_EQ(soundDeviceState(), SoundFailed);
}

// SDL's disk driver writes what the device plays to a file, silence included.
TEST(SoundPlayer, UnderTheDiskDriverACueIsPlayedWholeAndCutsOffTheOneBefore) {
    freshPlayer("disk");
    const std::string path = testing_support::tempPath("cues.raw");
    setenv("SDL_DISKAUDIOFILE", path.c_str(), 1);
    playCue(CueStart);
    ASSERT_EQ(soundDeviceFormat().sampleBits, 16);  // signed: silence is zero
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    playCue(CueMove);
    const std::string jingle = converted(CueStart), click = converted(CueMove);
    ASSERT_NE(click.find_first_not_of('\0'), std::string::npos);  // the click is heard
    ASSERT_TRUE(quietWithin(2000));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    shutdownSoundBackend();  // flushes the file
    const std::string out = testing_support::readFile(path);

    // Silence, the jingle's opening, the whole click, and silence again where
    // the jingle would have gone on.
    const std::size_t clickAt = out.find(click), jingleAt = out.find(jingle.substr(0, 4096));
    ASSERT_NE(clickAt, std::string::npos);
    ASSERT_LT(jingleAt, clickAt);
    EXPECT_EQ(out.compare(jingleAt, clickAt - jingleAt, jingle, 0, clickAt - jingleAt), 0);
    EXPECT_GT(out.size() - clickAt - click.size(), 4000u);
    EXPECT_EQ(out.find_first_not_of('\0', clickAt + click.size()), std::string::npos);
}

}  // namespace
