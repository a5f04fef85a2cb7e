// The suggestion rule book as data: one row per family and mode, saying which
// cells the block takes, which cells around it must be filled or free, and
// the few rules that want "one of", "two of" or "either pair" of some cells.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "model/block.h"

// An offset from the rule's corner, the smallest x, y and z of its shape.
struct RuleCell {
    int8_t dx, dy, dz;
};

template <int N>
struct RuleCells {
    uint8_t count = 0;
    RuleCell cells[N] = {};

    constexpr RuleCells() = default;
    constexpr RuleCells(std::initializer_list<RuleCell> list) {
        for (const RuleCell& c : list) cells[count++] = c;
    }
    constexpr const RuleCell* begin() const { return cells; }
    constexpr const RuleCell* end() const { return cells + count; }
};

// Which of the cells directly under the shape (its support) must be filled.
enum class Support : uint8_t {
    Under,     // every one, except those the row lists as not needed
    Replaced,  // none: the row's filled cells stand in for them
};

// How a group of cells counts towards a rule's condition.
enum class GroupTest : uint8_t {
    None,       // the rule has no groups
    AllFilled,  // a group counts when every cell of it is filled
    AnyFilled,  // a group counts when at least one cell of it is filled
};

constexpr int MaxRuleGroups = 4;
constexpr int MaxGroupCells = 4;

using RuleGroup = RuleCells<MaxGroupCells>;

// At least `need` of the groups must count.
struct RuleGroups {
    GroupTest test = GroupTest::None;
    uint8_t need = 0;
    uint8_t count = 0;
    RuleGroup groups[MaxRuleGroups] = {};

    constexpr RuleGroups() = default;
    constexpr RuleGroups(GroupTest t, uint8_t n, std::initializer_list<RuleGroup> list)
        : test(t), need(n) {
        for (const RuleGroup& g : list) groups[count++] = g;
    }
};

constexpr int MaxRuleShape = 8;

struct SuggestionRule {
    int16_t kind;
    int16_t mode;
    RuleCells<MaxRuleShape> shape;  // must be free
    Support support;
    RuleCells<1> unsupported;  // support cells the rule does without
    RuleCells<5> filled;       // further cells that must be filled
    RuleCells<3> free;         // further cells that must be free
    RuleGroups groups;
};

constexpr int SuggestionRuleCount = 48;
extern const SuggestionRule suggestionRules[SuggestionRuleCount];

// The label a family's texts carry and the colour value of its suggested
// cells; slab has neither.
struct HintFamily {
    const char* label;
    int32_t colour;
};
extern const HintFamily hintFamilies[KindCount];
