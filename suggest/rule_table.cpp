// The suggestion rules, one row each: kind, mode, shape cells, support,
// support cells not needed, further filled cells, further free cells, and the
// groups of the rules that accept one of several neighbourhoods. Offsets are
// (dx, dy, dz) from the corner of the shape, y upwards.
#include "suggest/rule_table.h"

#include <iterator>

#include "model/block_shapes.h"

namespace {
constexpr Support Under = Support::Under;
constexpr Support Replaced = Support::Replaced;
constexpr GroupTest AllFilled = GroupTest::AllFilled;
constexpr GroupTest AnyFilled = GroupTest::AnyFilled;
}  // namespace

// clang-format off
constexpr HintFamily hintFamilies[] = {
    {"bar", 5}, {"b4", 6}, {"base3", 6}, {nullptr, 0}, {"lh", 2}, {"rh", 3}, {"zblk", 4},
};

constexpr SuggestionRule suggestionRules[] = {
    // bar lying along z: both ends closed, or a whole side against it.
    {bar, 0, {{0,0,0}, {0,0,1}, {0,0,2}, {0,0,3}}, Under, {}, {}, {},
        {AllFilled, 1, {{{0,0,-1}, {0,0,4}},
                        {{1,0,0}, {1,0,1}, {1,0,2}, {1,0,3}},
                        {{-1,0,0}, {-1,0,1}, {-1,0,2}, {-1,0,3}}}}},
    // bar standing: two of its four side columns filled to its top.
    {bar, 1, {{0,0,0}, {0,1,0}, {0,2,0}, {0,3,0}}, Under, {}, {}, {},
        {AllFilled, 2, {{{-1,0,0}, {-1,1,0}, {-1,2,0}, {-1,3,0}},
                        {{1,0,0}, {1,1,0}, {1,2,0}, {1,3,0}},
                        {{0,0,-1}, {0,1,-1}, {0,2,-1}, {0,3,-1}},
                        {{0,0,1}, {0,1,1}, {0,2,1}, {0,3,1}}}}},
    // bar lying along x: a whole side against it, or both ends closed.
    {bar, 2, {{0,0,0}, {1,0,0}, {2,0,0}, {3,0,0}}, Under, {}, {}, {},
        {AllFilled, 1, {{{0,0,1}, {1,0,1}, {2,0,1}, {3,0,1}},
                        {{0,0,-1}, {1,0,-1}, {2,0,-1}, {3,0,-1}},
                        {{-1,0,0}, {4,0,0}}}}},
    // b4: two of its sides touched (+x, +z, -z by their bottom cells, -x by
    // its front column).
    {b4, 0, {{0,0,0}, {1,0,0}, {0,1,0}, {1,1,0}, {0,0,1}, {1,0,1}, {0,1,1}, {1,1,1}}, Under, {}, {}, {},
        {AnyFilled, 2, {{{2,0,0}, {2,0,1}},
                        {{0,0,2}, {1,0,2}},
                        {{0,0,-1}, {1,0,-1}},
                        {{-1,0,0}, {-1,1,0}}}}},

    {base3, 0, {{1,0,0}, {0,1,0}, {1,1,0}, {2,1,0}}, Under, {}, {}, {{0,2,0}, {1,2,0}, {2,2,0}}, {}},
    {base3, 1, {{0,0,0}, {1,0,0}, {2,0,0}, {1,0,1}}, Under, {}, {{0,0,1}, {2,0,1}}, {}, {}},
    {base3, 2, {{0,0,0}, {1,0,0}, {2,0,0}, {1,1,0}}, Under, {}, {{2,1,0}}, {}, {}},
    {base3, 3, {{1,0,0}, {0,0,1}, {1,0,1}, {2,0,1}}, Replaced, {},
        {{0,-1,0}, {1,-1,1}, {2,-1,2}, {0,0,0}, {2,0,0}}, {}, {}},
    {base3, 4, {{1,0,0}, {0,1,0}, {1,1,0}, {1,2,0}}, Under, {}, {}, {}, {}},
    {base3, 5, {{0,0,0}, {0,1,0}, {0,1,1}, {0,2,0}}, Under, {}, {}, {}, {}},
    {base3, 6, {{0,0,0}, {0,1,0}, {1,1,0}, {0,2,0}}, Under, {}, {}, {}, {}},
    {base3, 7, {{0,0,1}, {0,1,0}, {0,1,1}, {0,2,1}}, Under, {}, {}, {}, {}},
    {base3, 8, {{1,0,0}, {0,0,1}, {1,0,1}, {1,0,2}}, Under, {}, {{0,0,0}, {0,0,2}}, {}, {}},
    {base3, 9, {{0,0,0}, {0,0,1}, {0,0,2}, {1,0,1}}, Under, {}, {}, {},
        {AllFilled, 1, {{{1,0,0}}, {{1,0,2}}}}},
    {base3, 10, {{0,0,1}, {0,1,0}, {0,1,1}, {0,1,2}}, Under, {}, {}, {{0,2,0}, {0,2,1}, {0,2,2}}, {}},
    {base3, 11, {{0,0,0}, {0,0,1}, {0,0,2}, {0,1,1}}, Under, {}, {{0,1,2}}, {}, {}},

    {lh, 0, {{0,0,0}, {0,0,1}, {0,0,2}, {1,0,2}}, Under, {}, {{1,0,0}, {1,0,1}}, {}, {}},
    {lh, 1, {{0,0,0}, {1,0,0}, {0,1,0}, {0,2,0}}, Under, {}, {{1,1,0}, {1,2,0}}, {}, {}},
    {lh, 2, {{0,0,0}, {1,0,0}, {2,0,0}, {2,1,0}}, Under, {}, {}, {},
        {AllFilled, 1, {{{0,1,0}, {1,1,0}}, {{3,0,0}, {3,1,0}}}}},
    {lh, 3, {{0,0,0}, {1,0,0}, {1,0,1}, {1,0,2}}, Under, {}, {{0,0,1}, {0,0,2}}, {}, {}},
    {lh, 4, {{1,0,0}, {1,1,0}, {0,2,0}, {1,2,0}}, Under, {}, {{0,0,0}}, {}, {}},
    {lh, 5, {{0,0,0}, {0,1,0}, {1,1,0}, {2,1,0}}, Under, {}, {}, {}, {}},
    {lh, 6, {{0,0,0}, {0,0,1}, {0,0,2}, {0,1,0}}, Under, {}, {}, {}, {}},
    {lh, 7, {{0,0,2}, {0,1,0}, {0,1,1}, {0,1,2}}, Under, {}, {}, {}, {}},
    {lh, 8, {{0,0,0}, {1,0,0}, {2,0,0}, {0,0,1}}, Under, {}, {{1,0,1}, {2,0,1}}, {}, {}},
    {lh, 9, {{2,0,0}, {0,0,1}, {1,0,1}, {2,0,1}}, Under, {{0,-1,1}},
        {{0,-1,0}, {0,0,0}, {1,0,0}}, {}, {}},
    {lh, 10, {{0,0,0}, {0,0,1}, {0,1,1}, {0,2,1}}, Under, {}, {{0,1,0}, {0,2,0}}, {}, {}},
    {lh, 11, {{0,0,0}, {0,1,0}, {0,2,0}, {0,2,1}}, Under, {}, {{0,0,1}}, {}, {}},

    {rh, 0, {{1,0,0}, {1,0,1}, {0,0,2}, {1,0,2}}, Under, {}, {{0,0,0}, {0,0,1}}, {}, {}},
    {rh, 1, {{0,0,0}, {1,0,0}, {1,1,0}, {1,2,0}}, Under, {}, {{0,1,0}, {0,2,0}}, {}, {}},
    {rh, 2, {{2,0,0}, {0,1,0}, {1,1,0}, {2,1,0}}, Under, {}, {}, {}, {}},
    {rh, 3, {{0,0,0}, {1,0,0}, {0,0,1}, {0,0,2}}, Under, {}, {{1,0,1}, {1,0,2}}, {}, {}},
    {rh, 4, {{0,0,0}, {0,1,0}, {0,2,0}, {1,2,0}}, Under, {}, {{1,0,0}}, {}, {}},
    {rh, 5, {{0,0,0}, {1,0,0}, {2,0,0}, {0,1,0}}, Under, {}, {}, {},
        {AllFilled, 1, {{{1,1,0}, {2,1,0}}, {{-1,0,0}, {-1,1,0}}}}},
    {rh, 6, {{0,0,0}, {0,1,0}, {0,1,1}, {0,1,2}}, Under, {}, {}, {}, {}},
    {rh, 7, {{0,0,0}, {0,0,1}, {0,0,2}, {0,1,2}}, Under, {}, {}, {}, {}},
    {rh, 8, {{0,0,0}, {1,0,0}, {2,0,0}, {2,0,1}}, Under, {}, {{0,0,1}, {1,0,1}}, {}, {}},
    {rh, 9, {{0,0,0}, {0,0,1}, {1,0,1}, {2,0,1}}, Under, {{0,-1,1}}, {{1,0,0}, {2,0,0}}, {}, {}},
    {rh, 10, {{0,0,0}, {0,0,1}, {0,1,0}, {0,2,0}}, Under, {}, {{0,1,1}, {0,2,1}}, {}, {}},
    {rh, 11, {{0,0,1}, {0,1,1}, {0,2,0}, {0,2,1}}, Under, {}, {{0,0,0}}, {}, {}},

    {zblk, 0, {{0,1,0}, {0,1,1}, {0,0,1}, {0,0,2}}, Under, {}, {}, {}, {}},
    {zblk, 1, {{0,0,0}, {0,1,0}, {0,1,1}, {0,2,1}}, Under, {}, {}, {}, {}},
    {zblk, 2, {{0,1,0}, {0,2,0}, {0,0,1}, {0,1,1}}, Under, {}, {}, {}, {}},
    {zblk, 3, {{0,0,0}, {0,1,0}, {1,1,0}, {1,2,0}}, Under, {}, {}, {}, {}},
    {zblk, 4, {{1,0,0}, {1,1,0}, {0,1,0}, {0,2,0}}, Under, {}, {}, {}, {}},
    {zblk, 5, {{0,0,0}, {0,0,1}, {0,1,1}, {0,1,2}}, Under, {}, {}, {}, {}},
    {zblk, 6, {{0,1,0}, {1,1,0}, {1,0,0}, {2,0,0}}, Under, {}, {}, {}, {}},
    {zblk, 7, {{0,0,0}, {1,0,0}, {1,1,0}, {2,1,0}}, Under, {}, {}, {}, {}},
};
// clang-format on

static_assert(std::size(hintFamilies) == KindCount, "one family per kind");
static_assert(std::size(suggestionRules) == SuggestionRuleCount, "the rule count is kept by hand");

// One rule for every mode of every kind with a label, and no other.
constexpr bool rulesCoverTheModes() {
    int modes = 0;
    for (int kind = 0; kind < KindCount; ++kind)
        if (hintFamilies[kind].label) modes += kindModeCounts[kind];
    if (modes != SuggestionRuleCount) return false;
    for (const SuggestionRule& rule : suggestionRules) {
        if (!hintFamilies[rule.kind].label || rule.mode >= kindModeCounts[rule.kind]) return false;
        for (const SuggestionRule& other : suggestionRules)
            if (&other != &rule && other.kind == rule.kind && other.mode == rule.mode) return false;
    }
    return true;
}
static_assert(rulesCoverTheModes(), "a rule for a mode that has none, or a mode without one");

// Every rule's shape is its block's shape moved to the corner (the least x, y
// and z of its cells): the rule tests and paints the cells the block takes.
constexpr bool shapesAreTheBlocks() {
    for (const SuggestionRule& rule : suggestionRules) {
        const ModeShape& block = kindTable[rule.kind].modes[rule.mode];
        int least[3] = {MaxBlockCells, MaxBlockCells, MaxBlockCells};
        for (int i = 0; i < block.count; ++i) {
            const CellOffset& c = block.cells[i];
            least[0] = c.dx < least[0] ? c.dx : least[0];
            least[1] = c.dy < least[1] ? c.dy : least[1];
            least[2] = c.dz < least[2] ? c.dz : least[2];
        }
        // Each block cell is in the rule's shape, and the shape has no more.
        if (rule.shape.count != block.count) return false;
        for (int i = 0; i < block.count; ++i) {
            const CellOffset& c = block.cells[i];
            bool found = false;
            for (const RuleCell& r : rule.shape)
                found = found || (r.dx == c.dx - least[0] && r.dy == c.dy - least[1] &&
                                  r.dz == c.dz - least[2]);
            if (!found) return false;
        }
    }
    return true;
}
static_assert(shapesAreTheBlocks(), "a rule's shape is not its block's shape");
