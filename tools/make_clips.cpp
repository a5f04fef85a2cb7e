// Build-time generator of the game's sound cues: synthesizes each clip, wraps
// it as a RIFF WAVE file (16-bit PCM), writes the files one after another
// into a clips file, and a C++ source that takes that file into the program
// with the table id -> bytes (see app/sound_clips.h).
// Usage: make_clips <table.cpp> <clips.bin>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "model/sound_cue.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double PeakLevel = 0.8;   // of full scale: loud, never clipping
constexpr double EdgeFade = 0.008;  // seconds faded in the last moment of a clip

// The colour of a voice: harmonic weights, how fast it speaks and fades.
struct Timbre {
    double harmonics[6];
    double attack;   // seconds to full level
    double decay;    // exponential time constant in seconds
    double vibrato;  // depth in semitones, at 5.5 Hz
};

constexpr Timbre bell{{1, .45, .22, .12, .05, .02}, .004, .45, 0};
constexpr Timbre glass{{1, 0, .3, 0, .12, 0}, .003, .3, 0};
constexpr Timbre pad{{1, .25, .1, .04, 0, 0}, .02, 1.6, .05};
constexpr Timbre brass{{1, .8, .6, .4, .25, .12}, .012, 1.2, .06};
constexpr Timbre mellow{{1, .5, .3, .15, .07, 0}, .015, 1.5, .12};
constexpr Timbre pluck{{1, .5, .25, .12, .06, .03}, .003, .22, 0};
constexpr Timbre thump{{1, .3, .1, 0, 0, 0}, .002, .16, 0};
constexpr Timbre knock{{1, .5, .3, 0, 0, 0}, .001, .04, 0};
constexpr Timbre tick{{1, .3, .1, 0, 0, 0}, .0008, .012, 0};
constexpr Timbre breath{{1, .15, 0, 0, 0, 0}, .01, .5, 0};

// A clip being composed, one float track per channel.
struct Canvas {
    int rate;
    int channels;
    std::vector<double> track[2];
};

double midiHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// Equal-power pan: -1 left, 1 right; a mono clip takes the voice whole.
void panGains(const Canvas& c, double pan, double gain[2]) {
    if (c.channels == 1) {
        gain[0] = 1;
        gain[1] = 0;
        return;
    }
    const double angle = (pan + 1) * Pi / 4;
    gain[0] = std::cos(angle) * std::sqrt(2.0);
    gain[1] = std::sin(angle) * std::sqrt(2.0);
}

// Envelope of a voice at `time` of `len` seconds: smooth attack, exponential
// decay and a short release so that no voice ends with a click.
double envelope(const Timbre& t, double time, double len) {
    double e = time < t.attack ? std::sin(Pi / 2 * time / t.attack) : 1.0;
    if (time > t.attack) e *= std::exp(-(time - t.attack) / t.decay);
    const double release = std::min(0.03, len / 4);
    if (time > len - release) e *= std::max(0.0, (len - time) / release);
    return e;
}

// One tone from `at` for `len` seconds, gliding from hz to hzEnd.
void tone(Canvas& c, const Timbre& t, double at, double len, double hz, double amp, double pan = 0,
          double hzEnd = 0) {
    if (hzEnd <= 0) hzEnd = hz;
    double gain[2];
    panGains(c, pan, gain);
    const long first = std::lround(at * c.rate);
    const long count = std::lround(len * c.rate);
    const long size = static_cast<long>(c.track[0].size());
    double phase = 0;
    for (long i = 0; i < count && first + i < size; ++i) {
        const double time = static_cast<double>(i) / c.rate;
        // Vibrato grows in after the attack, as a player's would.
        const double wobble =
            t.vibrato * std::min(1.0, time / 0.25) * std::sin(2 * Pi * 5.5 * time);
        const double hz_now = hz * std::pow(hzEnd / hz, time / len) * std::pow(2.0, wobble / 12);
        phase += 2 * Pi * hz_now / c.rate;
        double s = 0;
        for (int h = 0; h < 6; ++h)
            if (t.harmonics[h] != 0 && hz_now * (h + 1) < 0.45 * c.rate)
                s += t.harmonics[h] * std::sin((h + 1) * phase);
        s *= amp * envelope(t, time, len);
        for (int ch = 0; ch < c.channels; ++ch) c.track[ch][first + i] += s * gain[ch];
    }
}

// Filtered noise (a breath, a swish, the body of a thud); the cut-off glides.
void noise(Canvas& c, double at, double len, double amp, double decay, double cutoff,
           double cutoffEnd, double pan, uint32_t seed) {
    double gain[2];
    panGains(c, pan, gain);
    const Timbre shape{{1}, .002, decay, 0};
    const long first = std::lround(at * c.rate);
    const long count = std::lround(len * c.rate);
    const long size = static_cast<long>(c.track[0].size());
    double low1 = 0, low2 = 0;
    for (long i = 0; i < count && first + i < size; ++i) {
        seed ^= seed << 13;
        seed ^= seed >> 17;
        seed ^= seed << 5;
        const double white = seed / 2147483648.0 - 1.0;
        const double time = static_cast<double>(i) / c.rate;
        const double fc = cutoff * std::pow(cutoffEnd / cutoff, time / len);
        const double k = 1 - std::exp(-2 * Pi * fc / c.rate);
        low1 += k * (white - low1);
        low2 += k * (low1 - low2);
        const double s = low2 * amp * envelope(shape, time, len);
        for (int ch = 0; ch < c.channels; ++ch) c.track[ch][first + i] += s * gain[ch];
    }
}

void chord(Canvas& c, const Timbre& t, double at, double len, std::initializer_list<double> notes,
           double amp) {
    for (double n : notes) tone(c, t, at, len, midiHz(n), amp);
}

// ---- The cues ----

void landCue(Canvas& c) {  // a soft thud with a wooden knock, a little wide
    tone(c, thump, 0, 1.0, 95, 1.0, 0, 42);
    tone(c, knock, 0, .25, 190, .3, 0, 150);
    noise(c, 0, .4, 2.5, .035, 900, 200, -.5, 0x1234567u);
    noise(c, 0, .4, 2.5, .035, 900, 200, .5, 0x7654321u);
}

void cheatCue(Canvas& c) {  // a magic sparkle up and down, then a hovering chord
    for (int i = 0; i < 14; ++i) tone(c, glass, i * .07, .6, midiHz(72 + 2 * i), .5);
    for (int i = 0; i < 12; ++i) tone(c, glass, 1.0 + i * .07, .6, midiHz(96 - 2 * i), .4);
    const Timbre shimmer{{1, 0, .2, 0, 0, 0}, .02, .7, .15};
    chord(c, shimmer, 1.9, 1.33, {72, 76, 80, 84}, .3);
}

void winCue(Canvas& c) {  // a brass fanfare ending on a full major chord
    const double phrase[][3] = {{0, .11, 67},   {.13, .11, 67}, {.26, .11, 67}, {.39, .36, 72},
                                {.78, .13, 67}, {.93, .13, 72}, {1.08, .22, 76}};
    for (const auto& n : phrase) tone(c, brass, n[0], n[1], midiHz(n[2]), .6);
    chord(c, brass, 1.32, 1.51, {60, 64, 67, 72}, .25);
    tone(c, pad, 1.32, 1.51, midiHz(48), .5);
}

void gameOverCue(Canvas& c) {  // a slow falling phrase that sags at the end
    tone(c, mellow, 0, .5, midiHz(67), .6, 0, midiHz(66.8));
    tone(c, mellow, .55, .5, midiHz(66), .6, 0, midiHz(65.8));
    tone(c, mellow, 1.1, .5, midiHz(65), .6, 0, midiHz(64.8));
    const Timbre sag{{1, .5, .3, .15, .07, 0}, .015, .8, .3};
    tone(c, sag, 1.65, .93, midiHz(64), .7, 0, midiHz(63.3));
    tone(c, pad, 1.65, .93, midiHz(40), .5);
}

void restartCue(Canvas& c) {  // rewinds with a falling sweep, then climbs again
    tone(c, breath, 0, 1.0, 1400, .5, 0, 180);
    noise(c, 0, 1.0, 1.5, .5, 3000, 300, 0, 0x2468aceu);
    const double climb[] = {60, 64, 67, 72, 76, 79, 84};
    for (int i = 0; i < 7; ++i) tone(c, bell, 1.0 + i * .13, .8, midiHz(climb[i]), .45);
    chord(c, pad, 2.05, 1.97, {60, 64, 67, 72}, .25);
}

void levelUpCue(Canvas& c) {  // three rising arpeggios that land on C major
    const double steps[] = {0, 4, 7, 12, 16, 19};
    const double roots[] = {55, 57, 59};
    for (int a = 0; a < 3; ++a)
        for (int i = 0; i < 6; ++i)
            tone(c, bell, a * .55 + i * .075, .7, midiHz(roots[a] + steps[i]), .4);
    chord(c, bell, 1.7, 1.49, {72, 76, 79, 84}, .35);
    chord(c, pad, 1.7, 1.49, {60, 67}, .3);
}

void loadReplayCue(Canvas& c) {  // a reading-in pattern of plucks over a soft bed
    const double pattern[] = {57, 64, 60, 64, 57, 64, 62, 64};
    const double shift[] = {0, 0, 5, 7};
    for (int bar = 0; bar < 4; ++bar) {
        for (int i = 0; i < 8; ++i)
            tone(c, pluck, (bar * 8 + i) * .14, .3, midiHz(pattern[i] + shift[bar]), .45);
        tone(c, pad, bar * 1.12, 1.12, midiHz(45 + shift[bar]), .35);
    }
    chord(c, pad, 4.48, .91, {57, 64, 69, 71, 72}, .22);
}

void rotateCue(Canvas& c) {  // a quick chirp that echoes from side to side
    for (int echo = 0; echo < 5; ++echo) {
        const double at = echo * .2;
        const double amp = std::pow(.55, echo);
        const double pan = echo == 0 ? -.3 : (echo % 2 ? .7 : -.7);
        tone(c, glass, at, .45, 500, .7 * amp, pan, 1500);
        noise(c, at, .16, 2.0 * amp, .05, 5000, 1500, pan, 0x13579bdu + echo);
    }
}

void moveCue(Canvas& c) {  // a short click
    tone(c, tick, 0, .075, 2200, 1.0, 0, 1700);
    noise(c, 0, .02, 1.0, .004, 6000, 4000, 0, 0x5eed5u);
}

void pauseCue(Canvas& c) {  // a falling two-tone chime over a held fifth
    tone(c, bell, 0, 3.44, midiHz(76), .5);
    tone(c, bell, .45, 2.99, midiHz(72), .5);
    chord(c, pad, 1.0, 2.44, {55, 62}, .25);
}

void saveReplayCue(Canvas& c) {  // three steps up into a calm major-seventh chord
    const double steps[] = {72, 76, 79};
    for (int i = 0; i < 3; ++i) tone(c, bell, i * .18, .9, midiHz(steps[i]), .45);
    tone(c, bell, .54, 2.0, midiHz(84), .35);
    chord(c, pad, .54, 4.92, {60, 64, 67, 71}, .22);
}

void viewCue(Canvas& c) {  // an airy glide up that settles on a light bell
    tone(c, breath, 0, .6, 330, .45, 0, 660);
    tone(c, breath, 0, .6, 495, .25, 0, 990);
    noise(c, 0, .6, 1.2, .4, 1500, 4000, 0, 0xa11ce5u);
    tone(c, bell, .55, 1.51, midiHz(81), .4);
    tone(c, bell, .62, 1.44, midiHz(88), .25);
}

void hintsCue(Canvas& c) {  // two bright notes, a questioning fourth up
    tone(c, glass, 0, 1.0, midiHz(76), .5);
    tone(c, glass, .16, 1.45, midiHz(81), .5);
}

void startCue(Canvas& c) {  // rising arpeggios over C, Am, F, G, then home to C
    struct Bar {
        double bass;
        double triad[3];
    };
    const Bar bars[] = {
        {48, {60, 64, 67}}, {45, {57, 60, 64}}, {41, {53, 57, 60}}, {43, {55, 59, 62}}};
    for (int b = 0; b < 4; ++b) {
        const double at = b * 1.8;
        tone(c, pad, at, 1.8, midiHz(bars[b].bass), .4);
        chord(c, pad, at, 1.8, {bars[b].triad[0], bars[b].triad[1], bars[b].triad[2]}, .12);
        for (int k = 0; k < 8; ++k)
            tone(c, pluck, at + k * .2, .5, midiHz(bars[b].triad[k % 3] + 12 * (k / 3)), .35);
    }
    const double run[] = {72, 76, 79, 84};
    for (int i = 0; i < 4; ++i) tone(c, bell, 7.2 + i * .08, 2.7 - i * .08, midiHz(run[i]), .3);
    tone(c, pad, 7.2, 2.7, midiHz(36), .5);
    chord(c, pad, 7.2, 2.7, {48, 55, 60, 64, 67}, .15);
}

struct ClipPlan {
    int id;
    int channels;
    int rate;
    double seconds;
    void (*compose)(Canvas&);
};

const ClipPlan plans[] = {
    {CueLand, 2, 44100, 1.17, landCue},
    {CueCheat, 1, 22050, 3.23, cheatCue},
    {CueWin, 1, 22050, 2.83, winCue},
    {CueGameOver, 1, 22050, 2.58, gameOverCue},
    {CueRestart, 1, 22050, 4.02, restartCue},
    {CueLevelUp, 1, 22050, 3.19, levelUpCue},
    {CueLoadReplay, 1, 22050, 5.39, loadReplayCue},
    {CueRotate, 2, 44100, 1.68, rotateCue},
    {CueMove, 1, 22050, 0.08, moveCue},
    {CuePause, 1, 22050, 3.44, pauseCue},
    {CueSaveReplay, 1, 22050, 5.46, saveReplayCue},
    {CueView, 1, 22050, 2.06, viewCue},
    {CueHints, 1, 22050, 1.61, hintsCue},
    {CueStart, 1, 22050, 9.90, startCue},
};
static_assert(std::size(plans) == SoundCueCount, "one clip per cue");

// ---- WAVE files ----

void put16(std::string& out, uint32_t v) {
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>((v >> 8) & 0xff);
}
void put32(std::string& out, uint32_t v) {
    put16(out, v & 0xffff);
    put16(out, v >> 16);
}

// Scales the clip to the common peak, fades its last moment and stores it
// as a RIFF WAVE file.
std::string renderWave(const ClipPlan& plan) {
    Canvas c{plan.rate, plan.channels, {}};
    const long frames = std::lround(plan.seconds * plan.rate);
    for (int ch = 0; ch < plan.channels; ++ch) c.track[ch].assign(frames, 0.0);
    plan.compose(c);

    double peak = 1e-9;
    for (int ch = 0; ch < plan.channels; ++ch)
        for (double s : c.track[ch]) peak = std::max(peak, std::fabs(s));
    const double scale = PeakLevel / peak;
    const long fade = std::lround(EdgeFade * plan.rate);

    const uint32_t dataBytes = static_cast<uint32_t>(frames * plan.channels * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, plan.channels);
    put32(out, plan.rate);
    put32(out, plan.rate * plan.channels * 2);
    put16(out, plan.channels * 2);
    put16(out, 16);
    out += "data";
    put32(out, dataBytes);
    for (long i = 0; i < frames; ++i) {
        const double tail = std::min(1.0, static_cast<double>(frames - 1 - i) / fade);
        for (int ch = 0; ch < plan.channels; ++ch) {
            const long v = std::lround(c.track[ch][i] * scale * tail * 32767.0);
            put16(out, static_cast<uint32_t>(static_cast<int16_t>(std::clamp(v, -32767L, 32767L))));
        }
    }
    return out;
}

// ---- The output files ----

// Writes bytes beside path and renames, so that a broken run leaves no half
// file for the build to take as done.
bool writeWhole(const std::string& path, const std::string& bytes) {
    const std::string temp = path + ".part";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        std::perror(temp.c_str());
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    if (std::fclose(f) != 0 || !written || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::perror(path.c_str());
        return false;
    }
    return true;
}

// Text escaped for a string literal: quotes and backslashes get a backslash.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_clips <table.cpp> <clips.bin>\n");
        return 2;
    }
    const std::string tablePath = argv[1], blobPath = argv[2];
    std::string blob;
    std::string table = "const SoundClip soundClips[] = {\n";
    for (const ClipPlan& plan : plans) {
        const std::string wave = renderWave(plan);
        table += "    {" + std::to_string(plan.id) + ", zandokClipBytes + " +
                 std::to_string(blob.size()) + ", " + std::to_string(wave.size()) + "},\n";
        blob += wave;
        // Each clip starts on an even byte, as 16-bit samples like.
        if (blob.size() % 2) blob += '\0';
    }
    // The bytes go into the program as they are (the assembler's .incbin):
    // compiling them as a source literal would cost every build seconds.
    const std::string source =
        "// Generated by tools/make_clips at build time: the game's sound cues as\n"
        "// RIFF WAVE files, taken into the program from the clips file. Do not edit.\n"
        "#include \"app/sound_clips.h\"\n\n"
        "asm(\".section .rodata\\n.balign 16\\n.local zandokClipBytes\\nzandokClipBytes:\\n\"\n"
        "    \".incbin \\\"" +
        escaped(escaped(blobPath)) +  // for the assembler, then for C++
        "\\\"\\n.previous\\n\");\n"
        "extern \"C\" const unsigned char zandokClipBytes[];\n\n" +
        table + "};\n\nconst int soundClipCount = " + std::to_string(std::size(plans)) + ";\n";
    // The clips first: the table's source names them.
    return writeWhole(blobPath, blob) && writeWhole(tablePath, source) ? 0 : 1;
}
