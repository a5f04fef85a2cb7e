// The rule book: a pair of small wells for each rule kept apart by one cell,
// and the texts and cells of a frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "model/block.h"
#include "suggest/rule_book.h"
#include "suggest/rule_table.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using Cell = std::array<int, 3>;
using Cubes = std::initializer_list<Cell>;

// Each rule with a condition beyond its support, at a corner (x, y, z),
// named by its label: it takes the corner on a well of just the needed
// cubes, and misses it when any one of them is gone or any one blocker is
// there. Rules with "one of" or "either pair" have a row per choice.
TEST(RuleBookTest, EveryConditionalRuleFiresAndJustMisses) {
    struct Row {
        const char* label;
        int kind, mode;
        Cell corner;
        std::vector<Cell> needed, blockers;
    };
    // clang-format off
    const Row rows[] = {
        {"bar-0 both ends", bar, 0, {1,0,1}, {{1,0,0}, {1,0,5}}, {{1,0,3}}},
        {"bar-0 a whole side", bar, 0, {1,0,1}, {{2,0,1}, {2,0,2}, {2,0,3}, {2,0,4}}, {}},
        {"bar-0 the other side", bar, 0, {1,0,1}, {{0,0,1}, {0,0,2}, {0,0,3}, {0,0,4}}, {}},
        {"bar-1", bar, 1, {1,1,1}, {{1,0,1}, {0,1,1}, {0,2,1}, {0,3,1}, {0,4,1},
                                   {2,1,1}, {2,2,1}, {2,3,1}, {2,4,1}}, {{1,4,1}}},
        {"bar-1 front and back", bar, 1, {1,1,1}, {{1,0,1}, {1,1,0}, {1,2,0}, {1,3,0}, {1,4,0},
                                                  {1,1,2}, {1,2,2}, {1,3,2}, {1,4,2}}, {}},
        {"bar-2", bar, 2, {0,1,2}, {{0,0,2}, {1,0,2}, {2,0,2}, {3,0,2}}, {{3,1,2}}},
        {"b4-0 +x and -z", b4, 0, {1,1,1}, {{1,0,1}, {2,0,1}, {1,0,2}, {2,0,2}, {3,1,2}, {2,1,0}}, {}},
        {"b4-0 +z and -x", b4, 0, {1,1,1}, {{1,0,1}, {2,0,1}, {1,0,2}, {2,0,2}, {1,1,3}, {0,2,1}},
         {{2,2,2}}},
        {"base3-0", base3, 0, {0,1,1}, {{1,0,1}, {0,1,1}, {2,1,1}}, {{0,3,1}, {1,3,1}, {2,3,1}}},
        {"base3-1", base3, 1, {0,1,1}, {{0,0,1}, {1,0,1}, {2,0,1}, {1,0,2}, {0,1,2}, {2,1,2}}, {}},
        {"base3-2", base3, 2, {0,1,1}, {{0,0,1}, {1,0,1}, {2,0,1}, {2,2,1}}, {}},
        {"base3-3", base3, 3, {0,1,1}, {{0,0,1}, {1,0,2}, {2,0,3}, {0,1,1}, {2,1,1}}, {}},
        {"base3-8", base3, 8, {0,1,1}, {{1,0,1}, {0,0,2}, {1,0,2}, {1,0,3}, {0,1,1}, {0,1,3}}, {}},
        {"base3-9 one end", base3, 9, {1,1,1}, {{1,0,1}, {1,0,2}, {1,0,3}, {2,0,2}, {2,1,1}}, {}},
        {"base3-9 the other end", base3, 9, {1,1,1}, {{1,0,1}, {1,0,2}, {1,0,3}, {2,0,2}, {2,1,3}},
         {}},
        {"base3-10", base3, 10, {1,1,1}, {{1,0,2}, {1,1,1}, {1,1,3}}, {{1,3,1}, {1,3,2}, {1,3,3}}},
        {"base3-11", base3, 11, {1,1,1}, {{1,0,1}, {1,0,2}, {1,0,3}, {1,2,3}}, {}},
        {"lh-0", lh, 0, {1,1,1}, {{1,0,1}, {1,0,2}, {1,0,3}, {2,0,3}, {2,1,1}, {2,1,2}}, {}},
        {"lh-1", lh, 1, {1,1,1}, {{1,0,1}, {2,0,1}, {2,2,1}, {2,3,1}}, {}},
        {"lh-2 the pair above", lh, 2, {0,1,1}, {{0,0,1}, {1,0,1}, {2,0,1}, {0,2,1}, {1,2,1}}, {}},
        {"lh-2 the pair beside", lh, 2, {0,1,1}, {{0,0,1}, {1,0,1}, {2,0,1}, {3,1,1}, {3,2,1}}, {}},
        {"lh-3", lh, 3, {1,1,1}, {{1,0,1}, {2,0,1}, {2,0,2}, {2,0,3}, {1,1,2}, {1,1,3}}, {}},
        {"lh-4", lh, 4, {1,1,1}, {{2,0,1}, {1,2,1}, {1,1,1}}, {}},
        {"lh-8", lh, 8, {0,1,1}, {{0,0,1}, {1,0,1}, {2,0,1}, {0,0,2}, {1,1,2}, {2,1,2}}, {}},
        {"lh-9", lh, 9, {0,1,1}, {{2,0,1}, {1,0,2}, {2,0,2}, {0,0,1}, {0,1,1}, {1,1,1}}, {}},
        {"lh-10", lh, 10, {1,1,1}, {{1,0,1}, {1,0,2}, {1,2,1}, {1,3,1}}, {}},
        {"lh-11", lh, 11, {1,1,1}, {{1,0,1}, {1,2,2}, {1,1,2}}, {}},
        {"rh-0", rh, 0, {1,1,1}, {{2,0,1}, {2,0,2}, {1,0,3}, {2,0,3}, {1,1,1}, {1,1,2}}, {}},
        {"rh-1", rh, 1, {1,1,1}, {{1,0,1}, {2,0,1}, {1,2,1}, {1,3,1}}, {}},
        {"rh-3", rh, 3, {1,1,1}, {{1,0,1}, {2,0,1}, {1,0,2}, {1,0,3}, {2,1,2}, {2,1,3}}, {}},
        {"rh-4", rh, 4, {1,1,1}, {{1,0,1}, {2,2,1}, {2,1,1}}, {}},
        {"rh-5 the pair above", rh, 5, {1,1,1}, {{1,0,1}, {2,0,1}, {3,0,1}, {2,2,1}, {3,2,1}}, {}},
        {"rh-5 the pair beside", rh, 5, {1,1,1}, {{1,0,1}, {2,0,1}, {3,0,1}, {0,1,1}, {0,2,1}}, {}},
        {"rh-8", rh, 8, {0,1,1}, {{0,0,1}, {1,0,1}, {2,0,1}, {2,0,2}, {0,1,2}, {1,1,2}}, {}},
        {"rh-9", rh, 9, {0,1,1}, {{0,0,1}, {1,0,2}, {2,0,2}, {1,1,1}, {2,1,1}}, {}},
        {"rh-10", rh, 10, {1,1,1}, {{1,0,1}, {1,0,2}, {1,2,2}, {1,3,2}}, {}},
        {"rh-11", rh, 11, {1,1,1}, {{1,0,2}, {1,2,1}, {1,1,1}}, {}},
        {"zblk-2 (support only)", zblk, 2, {1,1,1}, {{1,1,1}, {1,0,2}}, {}},
    };
    // clang-format on
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        const auto takes = [&](std::span<const Cell> cubes) {
            settledWell.clear();
            for (const auto& [x, y, z] : cubes) settledWell.setCell(x, y, z, SettledCube);
            return ruleAccepts(*ruleFor(r.kind, r.mode), settledWell, r.corner[0], r.corner[1],
                               r.corner[2]);
        };
        EXPECT_TRUE(takes(r.needed));
        for (size_t i = 0; i < r.needed.size(); ++i) {
            std::vector<Cell> less = r.needed;
            less.erase(less.begin() + static_cast<long>(i));
            EXPECT_FALSE(takes(less)) << "without " << i;
        }
        for (const Cell& blocker : r.blockers) {
            std::vector<Cell> more = r.needed;
            more.push_back(blocker);
            EXPECT_FALSE(takes(more)) << "with " << blocker[1];
        }
    }
}

TEST(RuleBookTest, TheFrameWritesTheTextAndPaintsTheShape) {
    struct Row {
        int16_t kind, mode;
        const char* text;  // nullptr: the 42 blanks stay
        int colour;
        Cubes cubes;
        bool fullBut = false;  // the well is full but for the cubes' cells
    };
    const Row rows[] = {
        {bar, 2, "Suggestion: x=0; y=0; z=0 (bar-2).", 5, {}},  // as wide as the well
        {base3, 2, "Suggestion: x=0; y=0; z=0 (base3-2).", 6, {{2, 1, 0}}},
        // x = 1 on the floor, or x = 0 high up: the smaller x wins.
        {zblk, 3, "Suggestion: x=0; y=10; z=2 (zblk-3).", 4, {{2, 0, 2}, {0, 9, 2}, {1, 10, 2}}},
        {base3, 0, "No suggestion for this block & mode! (base3-0)", 0, {}},
        // The last place of the scan on every axis.
        {bar,
         0,
         "Suggestion: x=3; y=19; z=2 (bar-0).",
         5,
         {{3, 19, 2}, {3, 19, 3}, {3, 19, 4}, {3, 19, 5}},
         true},
        {slab, 0, nullptr, 0, {}},
        {7, 0, nullptr, 0, {}},
        {lh, -1, nullptr, 0, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.kind) + "-" + std::to_string(r.mode));
        settledWell.clear(), fillSettled(r.cubes), displayWell.clear();
        for (int i = 0; r.fullBut && i < WellCells; ++i)
            settledWell.cells[i] = settledWell.cells[i] ? 0 : SettledCube;
        fallingBlock.kind = r.kind, fallingBlock.mode = r.mode;
        blankHintText(), runRuleBook();
        EXPECT_EQ(std::string(hintText), r.text ? r.text : std::string(42, ' '));
        Well w(4, 20, 6);  // displayWell as it should be painted
        int x, y, z;
        if (std::sscanf(hintText, "Suggestion: x=%d; y=%d; z=%d", &x, &y, &z) == 3)
            for (const RuleCell& c : ruleFor(r.kind, r.mode)->shape)
                w.setCell(x + c.dx, y + c.dy, z + c.dz, r.colour);
        EXPECT_TRUE(std::equal(w.cells.get(), w.cells.get() + WellCells, displayWell.cells.get()));
    }
}
