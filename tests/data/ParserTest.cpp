#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/Exception.h"
#include "data/Parser.h"

namespace {

// Reads a config-style file: (fullscreen n) and (showfps n), other keys skipped.
struct Config {
    int fullscreen = 1;
    int showfps = 0;
};

Config readConfig(const std::string& text) {
    Config c;
    Parser p(text);
    while (p.nextBranch()) {
        if (p.is("fullscreen"))
            c.fullscreen = p.readInt();
        else if (p.is("showfps"))
            c.showfps = p.readInt();
        p.leaveBranch();
    }
    return c;
}

std::string messageOf(const std::string& text, void (*body)(Parser&)) {
    Parser p(text);
    try {
        body(p);
    } catch (const Exception& e) {
        return e.message();
    }
    return "";
}

TEST(Parser, ReadsBranchesWithOrWithoutWhiteSpace) {
    Config c = readConfig("(showfps 1)(fullscreen 0)");
    EXPECT_EQ(c.showfps, 1);
    EXPECT_EQ(c.fullscreen, 0);

    c = readConfig("  (fullscreen\t0 )\r\n\r\n( showfps\n 1\n)\r\n");
    EXPECT_EQ(c.fullscreen, 0);
    EXPECT_EQ(c.showfps, 1);
}

TEST(Parser, KeysIgnoreCaseAndExtraValuesAreSkipped) {
    Config c = readConfig("(FullScreen 0 7 8)(SHOWFPS 1)");
    EXPECT_EQ(c.fullscreen, 0);
    EXPECT_EQ(c.showfps, 1);
}

TEST(Parser, UnknownNestedBranchesAreSkippedWhole) {
    Config c = readConfig("(extra (a 1) (b (c 2)))\n(fullscreen 0)\n(x (y (z)))(showfps 3)");
    EXPECT_EQ(c.fullscreen, 0);
    EXPECT_EQ(c.showfps, 3);
}

TEST(Parser, EmptyFileAndFileWithoutFinalLineBreak) {
    Parser empty(std::string(""));
    EXPECT_FALSE(empty.nextBranch());

    Config c = readConfig("(showfps 1)\n(fullscreen 0)");
    EXPECT_EQ(c.fullscreen, 0);
    EXPECT_EQ(c.showfps, 1);
}

TEST(Parser, ValueMissingInsideBranchReadsCloseParenAsZero) {
    // (fullscreen) gives 0: the reader takes ")" as its token and leaveBranch
    // finds the branch already closed, so the next branch is still read.
    Config c = readConfig("(fullscreen)(showfps 1)");
    EXPECT_EQ(c.fullscreen, 0);
    EXPECT_EQ(c.showfps, 1);
}

TEST(Parser, NumbersConvertLikeTheCLibrary) {
    Parser p(std::string("(v -12 +7 3.75 12abc abc 99999999999 -99999999999 2.50)"));
    ASSERT_TRUE(p.nextBranch());
    EXPECT_EQ(p.readInt(), -12);
    EXPECT_EQ(p.readInt(), 7);
    EXPECT_EQ(p.readInt(), 3);  // stops at the point
    EXPECT_EQ(p.readInt(), 12);
    EXPECT_EQ(p.readInt(), 0);
    EXPECT_EQ(p.readInt(), 2147483647);  // saturates instead of overflowing
    EXPECT_EQ(p.readInt(), -2147483647 - 1);
    EXPECT_DOUBLE_EQ(p.readFloat(), 2.5);
}

TEST(Parser, EndOfFileMessages) {
    EXPECT_EQ(messageOf("(", [](Parser& p) { p.nextBranch(); }), "Parser: File corrupted! (line 1)");
    EXPECT_EQ(messageOf("(a 1 (b 2)", [](Parser& p) {
                  p.nextBranch();
                  p.leaveBranch();
              }),
              "Parser: Cannot find closing branch! (line 1)");
    EXPECT_EQ(messageOf("(fullscreen", [](Parser& p) {
                  p.nextBranch();
                  p.readInt();
              }),
              "Parser: Int expected! (line 1)");
    EXPECT_EQ(messageOf("(speed", [](Parser& p) {
                  p.nextBranch();
                  p.readFloat();
              }),
              "Parser: Float expected! (line 1)");
    EXPECT_EQ(messageOf("(name", [](Parser& p) {
                  p.nextBranch();
                  p.readString();
              }),
              "Parser: String expected! (line 1)");
    // Tokens between branches and a file ending between branches are fine.
    EXPECT_EQ(messageOf("junk (a 1) more junk", [](Parser& p) {
                  while (p.nextBranch()) p.leaveBranch();
              }),
              "");
}

TEST(Parser, NamedFilesAndValuesOutOfRange) {
    auto thrown = [](auto body) -> std::string {
        try {
            body();
        } catch (const Exception& e) {
            return e.message();
        }
        return "";
    };
    // With a name, every error starts with the file and the line.
    Parser named(std::string("(a 1)\n(b"), "levels/x.txt");
    EXPECT_EQ(thrown([&] {
                  while (named.nextBranch()) named.leaveBranch();
              }),
              "levels/x.txt:2: Parser: Cannot find closing branch!");
    // Values outside what the game can use are refused with their key.
    Parser p(std::string("(pos 100000 -100001)\n(count 2147483647 2.9 1e300)"), "f.txt");
    ASSERT_TRUE(p.nextBranch());
    EXPECT_EQ(p.readPosition("pos x"), 100000);
    EXPECT_EQ(thrown([&] { p.readPosition("pos y"); }), "f.txt:1: pos y -100001 is outside -100000..100000");
    p.leaveBranch();
    ASSERT_TRUE(p.nextBranch());
    EXPECT_EQ(thrown([&] { p.readInt("count", 0, 999); }), "f.txt:2: count 2147483647 is outside 0..999");
    EXPECT_EQ(p.readFloatAsInt("count", 0, 2), 2);
    EXPECT_EQ(thrown([&] { p.readFloatAsInt("count", 0, 999); }).rfind("f.txt:2: count ", 0), 0u);
}

TEST(Parser, LongLinesAreReadWhole) {
    // Lines longer than any buffer are read to their end; a token is never
    // split in two.
    std::string text = "(name ";
    text += std::string(5000, 'x');
    text += ")(showfps 1)";
    Parser p(text);
    ASSERT_TRUE(p.nextBranch());
    EXPECT_EQ(p.readString().size(), 5000u);
    p.leaveBranch();
    ASSERT_TRUE(p.nextBranch());
    EXPECT_TRUE(p.is("showfps"));
    EXPECT_EQ(p.readInt(), 1);
}

TEST(Parser, ReadsFromAnOpenFileWithCrLfLines) {
    FILE* f = std::tmpfile();
    ASSERT_NE(f, nullptr);
    // A NUL byte inside a line is a blank, and the rest of the line is read.
    std::string text = "(bmp cook\\bkg (ckey 0 255 0))\r\n(mVelocityMax 2.50)\r\n(nul 1";
    text += '\0';
    text += " 2)\n";
    std::fwrite(text.data(), 1, text.size(), f);
    std::rewind(f);
    Parser p(f);
    ASSERT_TRUE(p.nextBranch());
    EXPECT_TRUE(p.is("bmp"));
    EXPECT_EQ(p.readString(), "cook\\bkg");
    ASSERT_TRUE(p.nextBranch());
    EXPECT_TRUE(p.is("ckey"));
    EXPECT_EQ(p.readInt(), 0);
    EXPECT_EQ(p.readInt(), 255);
    EXPECT_EQ(p.readInt(), 0);
    p.leaveBranch();  // ckey
    EXPECT_FALSE(p.nextBranch());  // end of bmp's children
    p.leaveBranch();  // bmp
    ASSERT_TRUE(p.nextBranch());
    EXPECT_TRUE(p.is("mVelocityMax"));
    EXPECT_DOUBLE_EQ(p.readFloat(), 2.5);
    EXPECT_EQ(p.lineNumber(), 2);
    p.leaveBranch();
    ASSERT_TRUE(p.nextBranch());
    EXPECT_EQ(p.readInt(), 1);
    EXPECT_EQ(p.readInt(), 2);
    std::fclose(f);
}

TEST(ScriptWriter, WritesWhatTheParserReadsBack) {
    ScriptWriter w;
    w.branch("background").value("forest").end();
    w.branch("blocked").value(3).value(-4).end();
    w.branch("mVelocityMax").value(2.5).end();
    w.branch("bmp").value("name").branch("ckey").value(0).value(255).value(0).end().end();
    w.blankLine();
    EXPECT_EQ(w.text(),
              "(background forest)\n(blocked 3 -4)\n(mVelocityMax 2.50)\n(bmp name (ckey 0 255 0))\n\n");

    Parser p(w.text());
    ASSERT_TRUE(p.nextBranch());
    EXPECT_EQ(p.readString(), "forest");
    p.leaveBranch();
    ASSERT_TRUE(p.nextBranch());
    EXPECT_EQ(p.readInt(), 3);
    EXPECT_EQ(p.readInt(), -4);
    p.leaveBranch();
    ASSERT_TRUE(p.nextBranch());
    EXPECT_DOUBLE_EQ(p.readFloat(), 2.5);
}

}  // namespace
