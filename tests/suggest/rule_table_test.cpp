// The rule table against the block table, and the rule book's scan against a
// plain cell-by-cell reading of the table on many stacks.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "model/block.h"
#include "suggest/rule_book.h"
#include "suggest/rule_table.h"
#include "tests/support/test_support.h"

using namespace testing_support;

namespace {

using Cell = std::tuple<int, int, int>;

std::vector<Cell> sorted(std::vector<Cell> cells) {
    std::sort(cells.begin(), cells.end());
    return cells;
}

template <int N>
std::vector<Cell> cellsOf(const RuleCells<N>& list) {
    std::vector<Cell> out;
    for (const RuleCell& c : list) out.emplace_back(c.dx, c.dy, c.dz);
    return out;
}

// A kind's cells for a mode, moved so that the smallest offsets are 0.
std::vector<Cell> blockShapeAtZeroCorner(int kind, int mode) {
    const ModeShape& s = kindTable[kind].modes[mode];
    int minX = 99, minY = 99, minZ = 99;
    for (int i = 0; i < s.count; ++i) {
        minX = std::min<int>(minX, s.cells[i].dx);
        minY = std::min<int>(minY, s.cells[i].dy);
        minZ = std::min<int>(minZ, s.cells[i].dz);
    }
    std::vector<Cell> out;
    for (int i = 0; i < s.count; ++i)
        out.emplace_back(s.cells[i].dx - minX, s.cells[i].dy - minY, s.cells[i].dz - minZ);
    return sorted(out);
}

std::string nameOf(const SuggestionRule& r) {
    return std::string(hintFamilies[r.kind].label) + "-" + std::to_string(r.mode);
}

bool inShape(const SuggestionRule& r, int dx, int dy, int dz) {
    const std::vector<Cell> shape = cellsOf(r.shape);
    return std::find(shape.begin(), shape.end(), Cell{dx, dy, dz}) != shape.end();
}

// The rule read cell by cell through the well's own accessors: -1 outside
// the well is non-zero, so it reads as filled.
bool plainAccepts(const SuggestionRule& r, const Well& w, int x, int y, int z) {
    auto filled = [&](const RuleCell& c, int ddy = 0) {
        return w.cell(x + c.dx, y + c.dy + ddy, z + c.dz) != 0;
    };
    for (const RuleCell& c : r.shape)
        if (filled(c)) return false;
    for (const RuleCell& c : r.shape) {
        if (r.support == Support::Replaced || inShape(r, c.dx, c.dy - 1, c.dz)) continue;
        const std::vector<Cell> skipped = cellsOf(r.unsupported);
        if (std::find(skipped.begin(), skipped.end(), Cell{c.dx, c.dy - 1, c.dz}) != skipped.end())
            continue;
        if (!filled(c, -1)) return false;
    }
    for (const RuleCell& c : r.filled)
        if (!filled(c)) return false;
    for (const RuleCell& c : r.free)
        if (filled(c)) return false;
    int counted = 0;
    for (int g = 0; g < r.groups.count; ++g) {
        const RuleGroup& group = r.groups.groups[g];
        int n = 0;
        for (const RuleCell& c : group) n += filled(c);
        counted += r.groups.test == GroupTest::AllFilled ? n == group.count : n > 0;
    }
    return counted >= r.groups.need;
}

bool plainScan(const SuggestionRule& r, const Well& w, int& x, int& y, int& z) {
    for (x = 0; x < 4; ++x)
        for (y = 0; y < 20; ++y)
            for (z = 0; z < 6; ++z) {
                bool inside = true;
                for (const RuleCell& c : r.shape) inside &= w.inside(x + c.dx, y + c.dy, z + c.dz);
                if (inside && plainAccepts(r, w, x, y, z)) return true;
            }
    return false;
}

}  // namespace

TEST(RuleTableTest, EveryShapeIsItsBlockShapeMovedToTheCorner) {
    for (const SuggestionRule& r : suggestionRules) {
        ASSERT_TRUE(validKind(r.kind));
        ASSERT_LT(r.mode, kindTable[r.kind].modeCount);
        EXPECT_EQ(sorted(cellsOf(r.shape)), blockShapeAtZeroCorner(r.kind, r.mode)) << nameOf(r);
    }
}

TEST(RuleTableTest, OneRuleForEveryModeOfEveryFamilyButSlab) {
    int rules = 0;
    for (int kind = 0; kind < KindCount; ++kind)
        for (int mode = 0; mode < MaxModes; ++mode) {
            const SuggestionRule* r = ruleFor(kind, mode);
            const bool wanted = kind != slab && mode < kindTable[kind].modeCount;
            EXPECT_EQ(r != nullptr, wanted) << kind << "-" << mode;
            if (!r) continue;
            ++rules;
            EXPECT_EQ(r->kind, kind);
            EXPECT_EQ(r->mode, mode);
            EXPECT_EQ(std::count_if(std::begin(suggestionRules), std::end(suggestionRules),
                                    [&](const SuggestionRule& o) {
                                        return o.kind == kind && o.mode == mode;
                                    }),
                      1);
        }
    EXPECT_EQ(rules, SuggestionRuleCount);
    EXPECT_EQ(ruleFor(-1, 0), nullptr);
    EXPECT_EQ(ruleFor(7, 0), nullptr);
    EXPECT_EQ(ruleFor(lh, 12), nullptr);
    EXPECT_EQ(ruleFor(lh, -1), nullptr);
    EXPECT_EQ(hintFamilies[slab].label, nullptr);
}

TEST(RuleTableTest, NeighbourCellsLieNextToTheShapeAndOutsideIt) {
    // The scan's padded copy of the stack has one extra cell on every side.
    for (const SuggestionRule& r : suggestionRules) {
        int spanX = 0, spanY = 0, spanZ = 0;
        for (const RuleCell& c : r.shape) {
            spanX = std::max(spanX, c.dx + 1);
            spanY = std::max(spanY, c.dy + 1);
            spanZ = std::max(spanZ, c.dz + 1);
        }
        std::vector<Cell> around = cellsOf(r.filled);
        for (const Cell& c : cellsOf(r.free)) around.push_back(c);
        for (const Cell& c : cellsOf(r.unsupported)) around.push_back(c);
        for (int g = 0; g < r.groups.count; ++g)
            for (const Cell& c : cellsOf(r.groups.groups[g])) around.push_back(c);
        for (const auto& [dx, dy, dz] : around) {
            EXPECT_FALSE(inShape(r, dx, dy, dz)) << nameOf(r);
            EXPECT_TRUE(dx >= -1 && dx <= spanX && dy >= -1 && dy <= spanY && dz >= -1 &&
                        dz <= spanZ)
                << nameOf(r);
        }
        // A support cell the rule does without lies under one of its cells.
        for (const auto& [dx, dy, dz] : cellsOf(r.unsupported))
            EXPECT_TRUE(inShape(r, dx, dy + 1, dz)) << nameOf(r);
        EXPECT_LE(r.groups.need, r.groups.count) << nameOf(r);
    }
}

TEST(RuleTableTest, TheScanMatchesAPlainCellByCellReading) {
    resetGame();
    GameState::hintsOn = 1;
    std::mt19937 rng(4242);
    int found = 0, missed = 0;
    for (int round = 0; round < 400; ++round) {
        settledWell.clear();
        // Uneven columns with holes, or plain noise.
        const int maxHeight = round % 16;
        for (int x = 0; x < 4; ++x)
            for (int z = 0; z < 6; ++z) {
                const int h = static_cast<int>(rng() % (maxHeight + 1));
                for (int y = 0; y < 20; ++y)
                    if (round % 4 == 3 ? rng() % 3 == 0 : (y < h && rng() % 7 != 0))
                        settledWell.setCell(x, y, z, SettledCube);
            }
        for (const SuggestionRule& r : suggestionRules) {
            int ex = 0, ey = 0, ez = 0, x = -1, y = -1, z = -1;
            const bool expected = plainScan(r, settledWell, ex, ey, ez);
            ASSERT_EQ(ruleScan(r, settledWell, x, y, z), expected) << nameOf(r) << " " << round;
            if (expected) {
                ASSERT_EQ(Cell(x, y, z), Cell(ex, ey, ez)) << nameOf(r) << " " << round;
                ASSERT_TRUE(ruleAccepts(r, settledWell, x, y, z));
            }
            (expected ? found : missed) += 1;

            // The whole book on the falling block: the same place painted
            // and named.
            fallingBlock.kind = r.kind;
            fallingBlock.mode = r.mode;
            displayWell.clear();
            blankHintText();
            resetStatus();
            runRuleBook();
            EXPECT_EQ(getStatus(), Ok);
            Well painted(4, 20, 6);
            char text[HintTextSize];
            if (expected) {
                for (const RuleCell& c : r.shape)
                    painted.setCell(ex + c.dx, ey + c.dy, ez + c.dz, hintFamilies[r.kind].colour);
                std::snprintf(text, sizeof text, "Suggestion: x=%d; y=%d; z=%d (%s).", ex, ey, ez,
                              nameOf(r).c_str());
            } else {
                std::snprintf(text, sizeof text, "No suggestion for this block & mode! (%s)",
                              nameOf(r).c_str());
            }
            ASSERT_STREQ(hintText, text);
            ASSERT_EQ(std::memcmp(displayWell.cells.get(), painted.cells.get(),
                                  WellCells * sizeof(int32_t)),
                      0)
                << nameOf(r) << " " << round;
        }
    }
    EXPECT_GT(found, 3000);
    EXPECT_GT(missed, 3000);
}
