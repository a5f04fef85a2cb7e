// The stored sound clips: one complete RIFF WAVE file per cue, in the format
// and length each cue is known by, loud enough to hear and never clipping.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/sound_clips.h"
#include "app/sound_cue.h"
#include "tests/sound/cue_formats.h"

namespace {

uint32_t read16(const unsigned char* p) {
    return p[0] | p[1] << 8;
}
uint32_t read32(const unsigned char* p) {
    return read16(p) | read16(p + 2) << 16;
}

// A WAVE file read chunk by chunk, the way any player would.
struct Wave {
    std::string error;  // empty when the file is sound
    int format = 0, channels = 0, rate = 0, byteRate = 0, blockAlign = 0, bits = 0;
    std::vector<int16_t> samples;  // interleaved
};

Wave parseWave(const unsigned char* bytes, std::size_t size) {
    Wave w;
    if (size < 12 || std::string(reinterpret_cast<const char*>(bytes), 4) != "RIFF" ||
        std::string(reinterpret_cast<const char*>(bytes) + 8, 4) != "WAVE") {
        w.error = "no RIFF WAVE header";
        return w;
    }
    if (read32(bytes + 4) != size - 8) w.error = "RIFF size does not match the file";
    bool haveFormat = false, haveData = false;
    std::size_t at = 12;
    while (w.error.empty() && at + 8 <= size) {
        const std::string id(reinterpret_cast<const char*>(bytes) + at, 4);
        const std::size_t length = read32(bytes + at + 4);
        const unsigned char* body = bytes + at + 8;
        if (at + 8 + length > size) {
            w.error = "chunk " + id + " runs past the end";
        } else if (id == "fmt " && length >= 16) {
            haveFormat = true;
            w.format = static_cast<int>(read16(body));
            w.channels = static_cast<int>(read16(body + 2));
            w.rate = static_cast<int>(read32(body + 4));
            w.byteRate = static_cast<int>(read32(body + 8));
            w.blockAlign = static_cast<int>(read16(body + 12));
            w.bits = static_cast<int>(read16(body + 14));
        } else if (id == "data") {
            if (!haveFormat) w.error = "data before fmt";
            haveData = true;
            for (std::size_t i = 0; i + 1 < length; i += 2)
                w.samples.push_back(static_cast<int16_t>(read16(body + i)));
            if (w.blockAlign > 0 && length % static_cast<std::size_t>(w.blockAlign) != 0)
                w.error = "data is not whole frames";
        }
        at += 8 + length + (length & 1);
    }
    if (w.error.empty() && (!haveFormat || !haveData)) w.error = "fmt or data chunk missing";
    return w;
}

TEST(SoundClips, TheTableHoldsExactlyTheFourteenCues) {
    EXPECT_EQ(soundClipCount, 14);
    std::set<int> ids;
    for (int i = 0; i < soundClipCount; ++i) ids.insert(soundClips[i].id);
    std::set<int> expected;
    for (const CueFormat& cue : cueFormats) expected.insert(cue.id);
    EXPECT_EQ(ids, expected);

    for (const CueFormat& cue : cueFormats) {
        const SoundClip* clip = findSoundClip(cue.id);
        ASSERT_NE(clip, nullptr) << cue.id;
        EXPECT_EQ(clip->id, cue.id);
    }
    for (int unknown : {105, 106, 103, 120, 0, -1, 1000})
        EXPECT_EQ(findSoundClip(unknown), nullptr) << unknown;
}

TEST(SoundClips, EveryClipIsWavePcmInItsCuesFormatAndLength) {
    for (const CueFormat& cue : cueFormats) {
        SCOPED_TRACE(cue.id);
        const SoundClip* clip = findSoundClip(cue.id);
        ASSERT_NE(clip, nullptr);
        const Wave w = parseWave(clip->bytes, clip->size);
        ASSERT_EQ(w.error, "");
        EXPECT_EQ(w.format, 1);  // uncompressed PCM
        EXPECT_EQ(w.bits, 16);
        EXPECT_EQ(w.channels, cue.channels);
        EXPECT_EQ(w.rate, cue.rate);
        EXPECT_EQ(w.blockAlign, cue.channels * 2);
        EXPECT_EQ(w.byteRate, cue.rate * cue.channels * 2);
        const double seconds = static_cast<double>(w.samples.size()) / cue.channels / cue.rate;
        EXPECT_NEAR(seconds, cue.seconds, 0.010);
    }
}

// Each clip speaks at once, stays below full scale, uses every channel and
// ends at rest, so that cutting in or out never clicks.
TEST(SoundClips, EveryClipIsAudibleStartsPromptlyAndNeverClips) {
    for (const CueFormat& cue : cueFormats) {
        SCOPED_TRACE(cue.id);
        const SoundClip* clip = findSoundClip(cue.id);
        ASSERT_NE(clip, nullptr);
        const Wave w = parseWave(clip->bytes, clip->size);
        ASSERT_EQ(w.error, "");
        ASSERT_FALSE(w.samples.empty());

        std::vector<int> channelPeak(static_cast<std::size_t>(w.channels), 0);
        for (std::size_t i = 0; i < w.samples.size(); ++i) {
            int& peak = channelPeak[i % channelPeak.size()];
            peak = std::max(peak, std::abs(static_cast<int>(w.samples[i])));
        }
        const int peak = *std::max_element(channelPeak.begin(), channelPeak.end());
        EXPECT_LT(peak, 32767);
        EXPECT_GT(peak, 16000);
        for (int p : channelPeak) EXPECT_GT(p, peak / 4);

        std::size_t onset = 0;
        while (onset < w.samples.size() && std::abs(w.samples[onset]) < peak / 20) ++onset;
        EXPECT_LT(static_cast<double>(onset / w.channels) / w.rate, 0.010);

        for (int c = 1; c <= w.channels; ++c)
            EXPECT_LT(std::abs(w.samples[w.samples.size() - c]), 328);  // 1 % of full scale
    }
}

TEST(SoundClips, TheMoveCueIsAShortClick) {
    // A move click that kept sounding would blur quick key presses.
    const SoundClip* move = findSoundClip(CueMove);
    ASSERT_NE(move, nullptr);
    const Wave w = parseWave(move->bytes, move->size);
    ASSERT_EQ(w.error, "");
    // Most of the click's energy lies in its first 30 ms.
    double early = 0, total = 0;
    for (std::size_t i = 0; i < w.samples.size(); ++i) {
        const double e = static_cast<double>(w.samples[i]) * w.samples[i];
        total += e;
        if (i < static_cast<std::size_t>(0.030 * w.rate * w.channels)) early += e;
    }
    EXPECT_GT(early / total, 0.9);
}

}  // namespace
