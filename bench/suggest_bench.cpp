// Timings of the suggestion engine's worst cases: a fresh "H" search for a
// kind of twelve modes from the top of the well, and a frame of the rule
// book that scans the whole well without finding a place.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "model/block.h"
#include "model/block_shapes.h"
#include "model/message_line.h"
#include "suggest/placement_search.h"
#include "suggest/rule_book.h"
#include "suggest/rule_table.h"

namespace {

// Layers 0..9 with about one cell in four left open (gaps under the cubes
// above them), and a few cubes floating over the stack.
void halfFullWithGaps() {
    settledWell.clear();
    uint32_t seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7fff; };
    for (int z = 0; z < WellDepth; ++z)
        for (int x = 0; x < WellWidth; ++x) {
            for (int y = 0; y < 10; ++y)
                if (next() % 4 != 0) settledWell.setCell(x, y, z, SettledCube);
            if (next() % 3 == 0)
                settledWell.setCell(x, 12 + static_cast<int>(next() % 4), z, SettledCube);
        }
}

void freshSearch(benchmark::State& state, int kind, bool halfFull) {
    if (halfFull)
        halfFullWithGaps();
    else
        settledWell.clear();
    fallingBlock.start(static_cast<int16_t>(kind));
    const int32_t x = fallingBlock.x, y = fallingBlock.y, z = fallingBlock.z;
    for (auto _ : state) {
        fallingBlock.x = x, fallingBlock.y = y, fallingBlock.z = z, fallingBlock.mode = 0;
        gameState.boardChanged = 1;
        placementSearch();
        benchmark::DoNotOptimize(keptPlacement.bestY);
        // The gap filling posts its message on every search.
        messageLine.queue.clear();
    }
    state.SetLabel("rests at y=" + std::to_string(keptPlacement.bestY));
}

// One frame of the rule book for a rule that finds no place in the well.
void notFoundFrame(benchmark::State& state, int rule) {
    settledWell.clear();
    gameState.hintsOn = 1;
    fallingBlock.kind = suggestionRules[rule].kind;
    fallingBlock.mode = suggestionRules[rule].mode;
    for (auto _ : state) {
        blankHintText();
        runRuleBook();
        benchmark::DoNotOptimize(hintText);
    }
    state.SetLabel(hintText);
}

}  // namespace

int main(int argc, char** argv) {
    for (int kind : {base3, lh, rh}) {
        const std::string name = std::string("PlacementSearch/") + kindTable[kind].name;
        benchmark::RegisterBenchmark((name + "/emptyWell").c_str(), freshSearch, kind, false)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + "/halfFullWithGaps").c_str(), freshSearch, kind, true)
            ->Unit(benchmark::kMicrosecond);
    }
    // Every rule that the empty well gives no place: each scans all its
    // corners, and the empty well lets every corner read all its shape.
    gameState.hintsOn = 1;
    settledWell.clear();
    for (int rule = 0; rule < SuggestionRuleCount; ++rule) {
        fallingBlock.kind = suggestionRules[rule].kind;
        fallingBlock.mode = suggestionRules[rule].mode;
        blankHintText();
        runRuleBook();
        if (std::string(hintText).rfind("No suggestion", 0) != 0) continue;
        const std::string name = std::string("RuleBookNotFound/") +
                                 hintFamilies[suggestionRules[rule].kind].label + "-" +
                                 std::to_string(suggestionRules[rule].mode);
        benchmark::RegisterBenchmark(name.c_str(), notFoundFrame, rule)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
