// The rule book's scan. Every rule row is turned once into lists of offsets
// into a copy of the stack padded with one filled cell on every side: the
// walls, the floor and the space above the top count as filled, and a test
// at a corner is a few plain reads with no bounds tests.
#include "suggest/rule_book.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "model/block.h"
#include "suggest/rule_table.h"

char hintText[HintTextSize];

namespace {

constexpr int PadW = WellWidth + 2;
constexpr int PadH = WellHeight + 2;
constexpr int PadD = WellDepth + 2;
constexpr int PadCells = PadW * PadH * PadD;

constexpr int padOffset(int dx, int dy, int dz) { return dx + PadW * (dy + PadH * dz); }
constexpr int padIndex(int x, int y, int z) { return padOffset(x + 1, y + 1, z + 1); }

// The stack as 1 (a cube, or outside the well) and 0 (free).
struct PaddedStack {
    uint8_t cells[PadCells];
};

void padStack(const Well& stack, PaddedStack& out) {
    std::memset(out.cells, 1, sizeof out.cells);
    for (int z = 0; z < WellDepth; ++z)
        for (int y = 0; y < WellHeight; ++y) {
            uint8_t* to = out.cells + padIndex(0, y, z);
            const int32_t* from = stack.cells.get() + stack.index(0, y, z);
            for (int x = 0; x < WellWidth; ++x) to[x] = from[x] != EmptyCell;
        }
}

// A rule row as offsets into the padded stack.
struct ScanRule {
    int spanX = 0, spanY = 0, spanZ = 0;
    int freeCount = 0;
    int freeAt[MaxRuleShape + 3] = {};  // shape cells first
    int filledCount = 0;
    int filledAt[MaxRuleShape + 5] = {};
    GroupTest test = GroupTest::None;
    int need = 0;
    int groupCount = 0;
    int groupSize[MaxRuleGroups] = {};
    int groupAt[MaxRuleGroups][MaxGroupCells] = {};
};

bool contains(const RuleCell* from, const RuleCell* to, int dx, int dy, int dz) {
    for (; from != to; ++from)
        if (from->dx == dx && from->dy == dy && from->dz == dz) return true;
    return false;
}

int at(const RuleCell& c) { return padOffset(c.dx, c.dy, c.dz); }

ScanRule compile(const SuggestionRule& rule) {
    ScanRule r;
    for (const RuleCell& c : rule.shape) {
        r.spanX = std::max(r.spanX, c.dx + 1);
        r.spanY = std::max(r.spanY, c.dy + 1);
        r.spanZ = std::max(r.spanZ, c.dz + 1);
        r.freeAt[r.freeCount++] = at(c);
    }
    for (const RuleCell& c : rule.free) r.freeAt[r.freeCount++] = at(c);
    if (rule.support == Support::Under)
        for (const RuleCell& c : rule.shape) {
            const int dy = c.dy - 1;
            if (contains(rule.shape.begin(), rule.shape.end(), c.dx, dy, c.dz) ||
                contains(rule.unsupported.begin(), rule.unsupported.end(), c.dx, dy, c.dz))
                continue;
            r.filledAt[r.filledCount++] = padOffset(c.dx, dy, c.dz);
        }
    for (const RuleCell& c : rule.filled) r.filledAt[r.filledCount++] = at(c);
    r.test = rule.groups.test;
    r.need = rule.groups.need;
    r.groupCount = rule.groups.count;
    for (int g = 0; g < r.groupCount; ++g) {
        const RuleGroup& group = rule.groups.groups[g];
        r.groupSize[g] = group.count;
        for (int i = 0; i < group.count; ++i) r.groupAt[g][i] = at(group.cells[i]);
    }
    return r;
}

struct Book {
    ScanRule rules[SuggestionRuleCount];
    int index[KindCount][MaxModes];  // row of each kind and mode, or -1
};

const Book& book() {
    static const Book built = [] {
        Book b;
        for (auto& modes : b.index)
            for (int& i : modes) i = -1;
        for (int i = 0; i < SuggestionRuleCount; ++i) {
            b.rules[i] = compile(suggestionRules[i]);
            b.index[suggestionRules[i].kind][suggestionRules[i].mode] = i;
        }
        return b;
    }();
    return built;
}

int ruleIndex(int kind, int mode) {
    if (kind < 0 || kind >= KindCount || mode < 0 || mode >= MaxModes) return -1;
    return book().index[kind][mode];
}

// The test at one corner; `corner` points at the corner's padded cell.
bool accepts(const ScanRule& r, const uint8_t* corner) {
    for (int i = 0; i < r.freeCount; ++i)
        if (corner[r.freeAt[i]]) return false;
    for (int i = 0; i < r.filledCount; ++i)
        if (!corner[r.filledAt[i]]) return false;
    if (r.test == GroupTest::None) return true;
    int counted = 0;
    for (int g = 0; g < r.groupCount; ++g) {
        int filled = 0;
        for (int i = 0; i < r.groupSize[g]; ++i) filled += corner[r.groupAt[g][i]];
        if (r.test == GroupTest::AllFilled ? filled == r.groupSize[g] : filled > 0) ++counted;
    }
    return counted >= r.need;
}

bool cornerInRange(const ScanRule& r, int x, int y, int z) {
    return x >= 0 && y >= 0 && z >= 0 && x + r.spanX <= WellWidth && y + r.spanY <= WellHeight &&
           z + r.spanZ <= WellDepth;
}

bool scan(const ScanRule& r, const PaddedStack& stack, int& x, int& y, int& z) {
    for (int cx = 0; cx + r.spanX <= WellWidth; ++cx)
        for (int cy = 0; cy + r.spanY <= WellHeight; ++cy)
            for (int cz = 0; cz + r.spanZ <= WellDepth; ++cz)
                if (accepts(r, stack.cells + padIndex(cx, cy, cz))) {
                    x = cx, y = cy, z = cz;
                    return true;
                }
    return false;
}

}  // namespace

void blankHintText() {
    std::memset(hintText, ' ', 42);
    hintText[42] = '\0';
}

const SuggestionRule* ruleFor(int kind, int mode) {
    const int i = ruleIndex(kind, mode);
    return i < 0 ? nullptr : &suggestionRules[i];
}

bool ruleAccepts(const SuggestionRule& rule, const Well& stack, int x, int y, int z) {
    const ScanRule r = compile(rule);
    if (!cornerInRange(r, x, y, z)) return false;
    PaddedStack padded;
    padStack(stack, padded);
    return accepts(r, padded.cells + padIndex(x, y, z));
}

void runRuleBook() {
    const int i = ruleIndex(fallingBlock.kind, fallingBlock.mode);
    if (i < 0) return;
    const SuggestionRule& rule = suggestionRules[i];
    const HintFamily& family = hintFamilies[rule.kind];
    PaddedStack stack;
    padStack(settledWell, stack);
    int x = 0, y = 0, z = 0;
    if (!scan(book().rules[i], stack, x, y, z)) {
        std::snprintf(hintText, HintTextSize, "No suggestion for this block & mode! (%s-%d)",
                      family.label, rule.mode);
        return;
    }
    for (const RuleCell& c : rule.shape)
        displayWell.setCell(x + c.dx, y + c.dy, z + c.dz, family.colour);
    // Written whole first: the compiler cannot see that it always fits.
    char found[96];
    std::snprintf(found, sizeof found, "Suggestion: x=%d; y=%d; z=%d (%s-%d).", x, y, z,
                  family.label, rule.mode);
    std::snprintf(hintText, HintTextSize, "%.59s", found);
}
