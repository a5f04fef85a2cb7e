// The keys the player is told about: the key tables of the README and the
// manual page, against the command table (the help line made from it is a
// row of the command test).
#include <regex>
#include <set>

#include "tests/app/shell_fixture.h"

namespace {

std::set<char> keySet(const std::string& keys) { return {keys.begin(), keys.end()}; }

// The keys a document lists between two marks, an item each (the first
// group of `item`): the single characters standing alone, backquoted or not,
// once quoted text and the words " / " and " or " between keys are gone, and
// "space".
std::set<char> documentedKeys(const std::string& path, const char* from, const char* to,
                              const char* item) {
    const std::string text = readFile(ZANDOK_SOURCE_DIR "/" + path);
    const std::size_t start = text.find(from), end = text.find(to, start);
    const std::string list = text.substr(start, end - start);
    std::set<char> keys;
    const std::regex items(item), between("\"[^\"]*\"| / | or "), single("(^| )`?([^ `])`?(?= |$)");
    for (std::sregex_iterator i(list.begin(), list.end(), items), none; i != none; ++i) {
        const std::string keyText = std::regex_replace((*i)[1].str(), between, " ");
        if (keyText == "space" || keyText == "Space") keys.insert(' ');
        for (std::sregex_iterator k(keyText.begin(), keyText.end(), single); k != none; ++k)
            keys.insert((*k)[2].str()[0]);
    }
    return keys;
}

TEST_F(ShellTest, TheDocumentedKeysAreThoseOfTheCommandTable) {
    const std::string keys = commandKeys();
    EXPECT_EQ(keys.size(), keySet(keys).size()) << "a key with two commands: " << keys;
    EXPECT_EQ(documentedKeys("README.md", "| key |", "\n\n", "\n\\| ([^|]*) \\|"), keySet(keys));
    EXPECT_EQ(
        documentedKeys("dist/zandok.6", ".SH CONTROLS", ".SS Mouse", "\\.TP\n\\.BR? ([^\n]*)"),
        keySet(keys));
}

}  // namespace
