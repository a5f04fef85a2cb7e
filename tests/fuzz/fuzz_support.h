// What both fuzz targets share: a private working folder, the program back
// to its start with quiet outlets and a repeatable random source, and no
// process exit.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/restart.h"
#include "app/window_seam.h"
#include "model/seams.h"

inline bool exitAsked = false;

// The current folder during one input: a fresh folder of the target's own,
// made at the first input; the folder libFuzzer reads its corpus from after.
struct InFuzzFolder {
    const std::filesystem::path home = std::filesystem::current_path();
    InFuzzFolder() {
        static const std::filesystem::path folder = [] {
            std::string dir = std::filesystem::temp_directory_path() / "zandok_fuzz_XXXXXX";
            if (!mkdtemp(dir.data())) std::abort();
            return dir;
        }();
        std::filesystem::current_path(folder);
    }
    ~InFuzzFolder() { std::filesystem::current_path(home); }
};

inline void freshProgram(unsigned seed) {
    resetShell();
    static unsigned state;
    state = seed;
    seams.randomValue = [] { return static_cast<int>((state = state * 1103515245 + 12345) >> 16); };
    seams.seedRandom = [](unsigned) {};
    seams.cuePlayer = nullptr;
    exitAsked = false;
    windowSeam.exitProcess = [](int) { exitAsked = true; };
}
