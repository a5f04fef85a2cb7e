// The headless replay player: its exact output, its recording, and its
// refusal of files that cannot be read. Runs the built program.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/app/replay_tool.h"
#include "tests/app/shell_support.h"
#include "tests/support/test_support.h"

using namespace testing_support;
using namespace shell_support;

namespace {

std::string wellLines(const std::vector<std::string>& rowsFromTop) {
    std::string out = "well:\n";
    for (int y = 19; y >= 0; --y) {
        char label[3];
        std::snprintf(label, sizeof label, "%02d", y);
        out += label + rowsFromTop[19 - y] + "\n";
    }
    return out;
}

const std::string emptyRow = " .... .... .... .... .... ....";

}  // namespace

TEST(ReplayToolTest, PrintsTheGameAsThePlaybackLeftIt) {
    // A slab lands on the floor, then a b4 falls two cells.
    std::string game = "INI3";
    for (int i = 0; i < 17; ++i) game += "drop";
    game += "CT 1incXdropdrop";
    const ToolRun run = runReplayTool({writeTemp("game.txt", game)});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");

    std::vector<std::string> rows(20, emptyRow);
    rows[19 - 17] = " .... .... ..33 ..33 .... ....";  // b4 at x 2..3, y 16..17, z 2..3
    rows[19 - 16] = rows[19 - 17];
    rows[19 - 1] = " .... ..## ..## ..## ..## ....";  // the slab at x 2..3, z 1..4
    rows[19 - 0] = rows[19 - 1];
    const std::string head =
        "steps: 23\nscore: 0\nlevel: 0\nlayers: 0\ncheats: 5\nrunning: 0\nreplay: 0\n"
        "block: 1 0 2 17 2\n";
    ASSERT_EQ(run.out.substr(0, head.size()), head);
    const std::size_t wellAt = run.out.find("well:\n");
    ASSERT_NE(wellAt, std::string::npos);
    EXPECT_EQ(run.out.substr(wellAt), wellLines(rows));
    const std::string hint = run.out.substr(head.size(), wellAt - head.size());
    EXPECT_EQ(hint.rfind("hint: ", 0), 0u) << hint;
    EXPECT_NE(hint[hint.size() - 2], ' ') << hint;
}

TEST(ReplayToolTest, EmptyHintIsJustTheLabel) {
    // The slab has no suggestion rule.
    const ToolRun run = runReplayTool({writeTemp("slab.txt", "INI3")});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("\nblock: 3 0 2 18 1\nhint:\nwell:\n"), std::string::npos) << run.out;
}

TEST(ReplayToolTest, RecordsTheReplayedTokensWithoutLineBreaks) {
    const std::string game = "INI1\ndrop\nincX\njunk\ndecZdrop";
    const std::string out = tempPath("re.txt");
    const ToolRun run = runReplayTool({writeTemp("g.txt", game), "--record", out});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(readFile(out), "INI1dropincXdecZdrop");
    EXPECT_EQ(run.out.rfind("steps: 11\n", 0), 0u) << run.out;  // a step per line break too
}

TEST(ReplayToolTest, RecordingOverTheFileItPlaysStillPlaysIt) {
    const std::string path = writeTemp("same.txt", "INI2dropdropdecX");
    const ToolRun run = runReplayTool({path, "--record", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(readFile(path), "INI2dropdropdecX");
    EXPECT_NE(run.out.find("\nblock: 2 0 1 17 2\n"), std::string::npos) << run.out;
}

TEST(ReplayToolTest, DamagedHeaderEndsThePlaybackAtOnce) {
    const ToolRun run = runReplayTool({writeTemp("w.txt", "INI9drop")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind("steps: 1\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\nrunning: 0\nreplay: 0\n"), std::string::npos) << run.out;
}

TEST(ReplayToolTest, UnreadableFilesAreRefused) {
    for (const std::string& path : {tempPath("none.txt"), writeTemp("empty.txt", "")}) {
        const ToolRun run = runReplayTool({path});
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_EQ(run.err, "File cannot be read\n");
        EXPECT_EQ(run.out, "");
    }
}
