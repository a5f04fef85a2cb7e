// The keys the player is told about: the help line that "?" shows, and the
// key tables of the README and the manual page, against the command table.
#include <regex>
#include <set>

#include "tests/app/shell_fixture.h"

namespace {

std::set<char> keySet(const std::string& keys) { return {keys.begin(), keys.end()}; }

// The keys in the first column of the README's table of keys: the single
// characters in backquotes, and "space".
std::set<char> readmeKeys() {
    const std::string readme = readFile(ZANDOK_SOURCE_DIR "/README.md");
    const std::size_t from = readme.find("| key |"), to = readme.find("\n\n", from);
    std::set<char> keys;
    const std::regex row("\n\\| ([^|]*) \\|"), single("`(.)`");
    const std::string table = readme.substr(from, to - from);
    for (std::sregex_iterator r(table.begin(), table.end(), row), end; r != end; ++r) {
        const std::string cell = (*r)[1];
        if (cell == "space") keys.insert(' ');
        for (std::sregex_iterator k(cell.begin(), cell.end(), single); k != end; ++k)
            keys.insert((*k)[1].str()[0]);
    }
    return keys;
}

// The keys the manual page's CONTROLS section names after each .TP: single
// characters set in bold, and "Space".
std::set<char> manualKeys() {
    const std::string page = readFile(ZANDOK_SOURCE_DIR "/dist/zandok.6");
    const std::size_t from = page.find(".SH CONTROLS"), to = page.find(".SS Mouse", from);
    const std::string controls = page.substr(from, to - from);
    std::set<char> keys;
    const std::regex item("\\.TP\n\\.BR? ([^\n]*)"), quoted("\"[^\"]*\""),
        word("(^| )([^ ])(?= |$)");
    for (std::sregex_iterator i(controls.begin(), controls.end(), item), end; i != end; ++i) {
        // Quoted text between the bold words of .BR is not a key.
        const std::string line = std::regex_replace((*i)[1].str(), quoted, " ");
        if (line == "Space") keys.insert(' ');
        for (std::sregex_iterator w(line.begin(), line.end(), word); w != end; ++w)
            keys.insert((*w)[2].str()[0]);
    }
    return keys;
}

TEST_F(ShellTest, TheHelpLineAndTheDocumentedKeysAreThoseOfTheCommandTable) {
    press("?");
    EXPECT_EQ(urgent(),
              "1: ViewO 2:ViewP 3:Grid 4:Wireframe 5:Sound 6: Cheat 7:Align 9:Load Replay "
              "0:Save Replay h: Hint");
    const std::string keys = commandKeys();
    EXPECT_EQ(keys.size(), keySet(keys).size()) << "a key with two commands: " << keys;
    EXPECT_EQ(readmeKeys(), keySet(keys));
    EXPECT_EQ(manualKeys(), keySet(keys));
}

}  // namespace
