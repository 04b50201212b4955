// The checker's own readers against the game's: the screen-file reader must
// see the sprites ActiveScreen builds, and the script checks must name the
// text the Parser-based readers skip or fail on.

#include <gtest/gtest.h>

#include "check/ScreenFile.h"
#include "check/ScriptCheck.h"
#include "scene/ActiveArea.h"
#include "scene/ActiveScreen.h"
#include "scene/SpriteFactory.h"

namespace {

bool noProc(Sprite*, int, const char*) { return true; }

}  // namespace

TEST(CheckReaders, ScreenFileSeesWhatActiveScreenBuilds) {
    registerSpriteKinds();
    const std::string text =
        ":ActiveArea\r\nstrName: door\r\nstrProc: AdvProc\r\nstrParam: a_very_long_location_name_over_the_limit\r\n"
        "Point: 1,2\nPoint: 3\nPoint: 5,6\nPoint: 7,8\n:Thing\nstrName: renamed\n:End\n"
        ":activearea\nstrName: second\nbForceUpdate: 1\nPoint: 0,0\n";
    ActiveScreen game;
    game.registerProc("AdvProc", &noProc);
    game.readScreenText(text);
    const check::ScreenFile file = check::readScreenFile(text);

    ASSERT_EQ(game.spriteCount(), 2);
    ASSERT_EQ(file.sprites.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const Sprite& s = *game.sprite(i);
        const check::ScreenSprite& c = file.sprites[static_cast<size_t>(i)];
        EXPECT_EQ(c.name, s.name);
        EXPECT_EQ(c.proc, s.procName);
        EXPECT_EQ(c.param, s.param);
        EXPECT_EQ(c.forceUpdate, s.forceUpdate);
        EXPECT_EQ(static_cast<int>(c.points.size()), dynamic_cast<const ActiveArea&>(s).pointCount());
    }
    // The unknown type's lines went to the first area, as in the game.
    EXPECT_EQ(file.sprites[0].name, "renamed");
    EXPECT_EQ(file.sprites[0].fullParam.size(), 40u);

    std::vector<int> lines;
    for (const check::ScreenProblem& p : file.problems) lines.push_back(p.line);
    EXPECT_EQ(lines, (std::vector<int>{6, 9}));  // "Point: 3" and ":Thing"
}

TEST(CheckReaders, ScreenFileStopsWhereTheGameStops) {
    registerSpriteKinds();
    std::string text = "bmpBackground: bg_world\n";
    for (int i = 0; i < 33; ++i) text += "cannerLoop: ambient\n";
    text += "sound: x\n";
    const check::ScreenFile file = check::readScreenFile(text);
    ASSERT_EQ(file.problems.size(), 1u);
    EXPECT_EQ(file.problems[0].line, 34);
    EXPECT_EQ(file.problems[0].message, "Too many canners! (the game stops here)");
    EXPECT_EQ(file.canners.size(), 32u);
    EXPECT_TRUE(file.sounds.empty());
}

TEST(CheckReaders, ScriptSyntaxNamesWhatTheReadersSkipOrFailOn) {
    using check::checkScriptSyntax;
    EXPECT_TRUE(checkScriptSyntax("(a 1 (b 2))\n(c)\n").empty());
    auto first = [](const std::string& text) {
        const auto problems = checkScriptSyntax(text);
        return problems.empty() ? std::string() : std::to_string(problems[0].line) + " " + problems[0].message;
    };
    EXPECT_EQ(first("(a 1)\nplateFullSpeed 3\n(b 2)"), "2 \"plateFullSpeed\" is outside any branch: the game skips it");
    EXPECT_EQ(first("(a 1))\n(b 2)"), "1 \")\" closes no branch: the game stops reading the file here");
    EXPECT_EQ(first("(a 1)\n(b (c 2)\n\n"), "2 Parser: Cannot find closing branch! (the branch opened here is never closed)");
    EXPECT_EQ(first("(a 1)\n("), "2 Parser: File corrupted! (the file ends after \"(\")");
}

TEST(CheckReaders, KeyedScriptsReadLikeTheGames) {
    check::KeyNeed speed;
    speed.key = "speed";
    speed.range = check::KeyNeed::Positive;
    check::KeyNeed count = speed;
    count.key = "count";
    count.integer = true;
    const std::vector<check::KeyNeed> keys = {speed, count};

    // Keys match ignoring case; the last value given wins; other branches are skipped.
    check::KeyedScript s = check::readKeyedScript("(SPEED 2.5) (other (x 1)) (count 0.7) (count 3)", keys);
    EXPECT_EQ(s.values.at("speed").number, 2.5);
    EXPECT_EQ(s.values.at("count").number, 3);
    EXPECT_TRUE(check::checkKeyValues(s, keys).empty());

    s = check::readKeyedScript("(speed -1)\n(count 0.7)", keys);
    const auto problems = check::checkKeyValues(s, keys);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].message, "\"speed\" is -1: it must be more than 0");
    EXPECT_EQ(problems[1].line, 2);
    EXPECT_EQ(problems[1].message, "\"count\" is 0: it must be more than 0");  // cut to an integer, as the game does

    // A key at the very end of the file: the Parser's own error.
    s = check::readKeyedScript("(speed 1)\n(count", keys);
    ASSERT_EQ(s.problems.size(), 1u);
    EXPECT_EQ(s.problems[0].message, "Parser: Float expected! (line 2)");
}
