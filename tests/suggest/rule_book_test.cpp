// The rule book: its table against the block table, a pair of small wells for
// each rule kept apart by one cell, and the texts and cells of a frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>
#include <set>
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

TEST(RuleBookTest, EveryShapeIsItsBlockShapeMovedToTheCorner) {
    for (int kind = 0; kind < KindCount; ++kind)
        for (int mode = 0; mode < MaxModes; ++mode) {
            const SuggestionRule* rule = ruleFor(kind, mode);
            const ModeShape* block = shapeOf(kind, mode);
            ASSERT_EQ(rule != nullptr, block && kind != slab) << kind << "-" << mode;
            if (!rule) continue;
            std::set<Cell> want, got;
            int lx = 9, ly = 9, lz = 9;
            for (const CellOffset& c : std::span(block->cells, block->count))
                lx = std::min<int>(lx, c.dx), ly = std::min<int>(ly, c.dy),
                lz = std::min<int>(lz, c.dz);
            for (const CellOffset& c : std::span(block->cells, block->count))
                want.insert({c.dx - lx, c.dy - ly, c.dz - lz});
            for (const RuleCell& c : rule->shape) got.insert({c.dx, c.dy, c.dz});
            EXPECT_EQ(got, want) << kind << "-" << mode;
        }
}

// Each row: a rule, a corner, whether the rule takes it on a well of these
// cubes, and the one cell whose change turns the answer round.
TEST(RuleBookTest, EachRuleTakesOrRefusesAWellByOneCell) {
    struct Row {
        int kind, mode, x, y, z;
        bool takes;
        Cubes cubes;
        Cell changed;
    };
    // clang-format off
    const Row rows[] = {
        {bar, 0, 1, 0, 1, true, {{1,0,0}, {1,0,5}}, {1,0,5}},                    // both ends
        {bar, 0, 1, 0, 1, true, {{2,0,1}, {2,0,2}, {2,0,3}, {2,0,4}}, {2,0,3}},  // a whole side
        {bar, 1, 0, 0, 1, true, {{1,0,1}, {1,1,1}, {1,2,1}, {1,3,1}}, {1,3,1}},  // wall and column
        {bar, 2, 0, 1, 3, true, {{0,0,3}, {1,0,3}, {2,0,3}, {3,0,3}}, {2,0,3}},  // support only
        {b4, 0, 1, 0, 1, true, {{3,0,2}, {2,0,0}}, {2,0,0}},                     // +x and -z
        {b4, 0, 1, 0, 1, false, {{1,0,3}, {0,0,2}}, {0,1,1}},  // -x: its front column only
        {base3, 0, 0, 0, 1, true, {{0,0,1}, {2,0,1}}, {1,2,1}},                  // room above
        {base3, 3, 0, 1, 1, true, {{0,0,1}, {1,0,2}, {2,0,3}, {0,1,1}, {2,1,1}}, {2,0,3}},
        {base3, 9, 1, 0, 0, false, {}, {2,0,2}},                                 // one end is enough
        {base3, 10, 1, 0, 1, true, {{1,0,1}, {1,0,3}}, {1,2,3}},
        {lh, 2, 0, 0, 1, false, {{0,1,1}, {3,1,1}}, {1,1,1}},                    // a pair, not a mix
        {lh, 9, 0, 1, 1, true, {{2,0,1}, {1,0,2}, {2,0,2}, {0,0,1}, {0,1,1}, {1,1,1}}, {1,1,1}},
        {rh, 5, 1, 0, 1, false, {{0,0,1}, {3,1,1}}, {2,1,1}},
        {rh, 9, 0, 1, 1, true, {{0,0,1}, {1,0,2}, {2,0,2}, {1,1,1}, {2,1,1}}, {0,0,1}},
        {base3, 2, 0, 0, 0, true, {{2,1,0}}, {2,1,0}},
        {lh, 0, 1, 0, 1, true, {{2,0,1}, {2,0,2}}, {1,0,3}},                     // a shape cell taken
        {rh, 0, 1, 0, 1, true, {{1,0,1}, {1,0,2}}, {1,0,2}},
        {zblk, 3, 1, 0, 1, true, {{2,0,1}}, {2,0,1}},
    };
    // clang-format on
    for (const Row& r : rows)
        for (bool change : {false, true}) {
            settledWell.clear();
            fillSettled(r.cubes);
            const auto [x, y, z] = r.changed;
            if (change) settledWell.setCell(x, y, z, settledWell.cell(x, y, z) ? 0 : SettledCube);
            EXPECT_EQ(ruleAccepts(*ruleFor(r.kind, r.mode), settledWell, r.x, r.y, r.z),
                      r.takes != change)
                << r.kind << "-" << r.mode << (change ? " changed" : "");
        }
}

TEST(RuleBookTest, TheFrameWritesTheTextAndPaintsTheShape) {
    struct Row {
        int16_t kind, mode;
        const char* text;  // nullptr: the 42 blanks stay
        int colour;
        Cubes cubes;
    };
    const Row rows[] = {
        {bar, 2, "Suggestion: x=0; y=0; z=0 (bar-2).", 5, {}},  // as wide as the well
        {base3, 2, "Suggestion: x=0; y=0; z=0 (base3-2).", 6, {{2, 1, 0}}},
        // x = 1 on the floor, or x = 0 high up: the smaller x wins.
        {zblk, 3, "Suggestion: x=0; y=10; z=2 (zblk-3).", 4, {{2, 0, 2}, {0, 9, 2}, {1, 10, 2}}},
        {base3, 0, "No suggestion for this block & mode! (base3-0)", 0, {}},
        {slab, 0, nullptr, 0, {}},
        {7, 0, nullptr, 0, {}},
        {lh, -1, nullptr, 0, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.kind) + "-" + std::to_string(r.mode));
        settledWell.clear(), fillSettled(r.cubes), displayWell.clear();
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
