// quorrel-headless's key script and log line.
#include <gtest/gtest.h>

#include "headless/runner.hpp"
#include "headless/script.hpp"
#include "platform/keyboard.hpp"

namespace q::headless_tool {
namespace {

TEST(HeadlessScript, ReadsKeyEventsAndShotsSortedByFrame) {
    std::vector<ScriptEvent> events;
    std::string error;
    ASSERT_TRUE(ParseScript("# a comment\n\n12 up Enter\r\n3 down Enter\n12 shot out/title.png\n3 down Shift\n", &events,
                            &error))
        << error;
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].frame, 3);
    EXPECT_EQ(events[0].key, KEY_ENTER);
    EXPECT_EQ(events[1].key, KEY_SHIFT) << "file order kept within a frame";
    EXPECT_EQ(events[2].kind, EventKind::KeyUp);
    EXPECT_EQ(events[3].kind, EventKind::Shot);
    EXPECT_EQ(events[3].path, "out/title.png");
}

TEST(HeadlessScript, NamesEveryKeyTheGameReads) {
    EXPECT_EQ(ScriptKeyCode("Enter"), KEY_ENTER);
    EXPECT_EQ(ScriptKeyCode("Right"), KEY_RIGHT);
    EXPECT_EQ(ScriptKeyCode("Left"), KEY_LEFT);
    EXPECT_EQ(ScriptKeyCode("Down"), KEY_DOWN);
    EXPECT_EQ(ScriptKeyCode("Up"), KEY_UP);
    EXPECT_EQ(ScriptKeyCode("Ctrl"), KEY_CTRL);
    EXPECT_EQ(ScriptKeyCode("Escape"), KEY_ESCAPE);
    EXPECT_EQ(ScriptKeyCode("Z"), KEY_Z);
    EXPECT_EQ(ScriptKeyCode("Space"), KEY_SPACE);
    EXPECT_EQ(ScriptKeyCode("Shift"), KEY_SHIFT);
    EXPECT_EQ(ScriptKeyCode("A"), KEY_A);
    EXPECT_EQ(ScriptKeyCode("Q"), 'Q');
    EXPECT_EQ(ScriptKeyCode("q"), 0);
    EXPECT_EQ(ScriptKeyCode("Tab"), 0);
}

TEST(HeadlessScript, RefusesABadLineAndSaysWhichOne) {
    std::vector<ScriptEvent> events;
    std::string error;
    EXPECT_FALSE(ParseScript("1 down Enter\n2 down Tab\n", &events, &error));
    EXPECT_NE(error.find("line 2"), std::string::npos) << error;
    EXPECT_FALSE(ParseScript("-1 down Enter\n", &events, &error));
    EXPECT_FALSE(ParseScript("x down Enter\n", &events, &error));
    EXPECT_FALSE(ParseScript("1 press Enter\n", &events, &error));
    EXPECT_FALSE(ParseScript("1 down\n", &events, &error));
    EXPECT_FALSE(ParseScript("1 down Enter Up\n", &events, &error));
    EXPECT_FALSE(ParseScript("99999999999999999999 down Enter\n", &events, &error));
}

TEST(HeadlessLog, OneLinePerFrameWithTheSoundsPlayedOrADash) {
    EXPECT_EQ(LogLine(0, 1, 1, {}), "0 1 1 -");
    EXPECT_EQ(LogLine(812, 6, 56, {4, 10}), "812 6 56 4,10");
}

}  // namespace
}  // namespace q::headless_tool
