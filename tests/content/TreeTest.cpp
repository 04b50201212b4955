// The description trees the generator reads its sources into.

#include "mkdemo/Tree.h"

#include <gtest/gtest.h>

using namespace mkdemo;

TEST(TreeTest, BranchesKeepValuesChildrenAndTheirOrder) {
    auto nodes = parseTree("(picture a_home (size 640 480)\n  (label 10 20 Mój dom (size 24))\n  (note x))\n(alias b a)", "f.txt");
    ASSERT_EQ(nodes.size(), 2u);
    const Node& p = nodes[0];
    EXPECT_EQ(p.key, "picture");
    EXPECT_EQ(p.str(0), "a_home");
    EXPECT_EQ(p.children.size(), 3u);
    const Node* label = p.child("LABEL");  // keys ignore letter case
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->line, 2);
    EXPECT_EQ(label->text(2), "Mój dom");
    EXPECT_DOUBLE_EQ(label->option("size", 0), 24);
    EXPECT_DOUBLE_EQ(label->option("color", 7), 7);
    EXPECT_EQ(p.all("note").size(), 1u);
    EXPECT_EQ(nodes[1].line, 4);

    auto mixed = parseTree("(notes a (repeat 2 b) c)", "f.txt");
    const auto& seq = mixed[0].sequence;
    ASSERT_EQ(seq.size(), 3u);
    EXPECT_FALSE(seq[0].first);
    EXPECT_TRUE(seq[1].first);
    EXPECT_EQ(mixed[0].values[seq[2].second], "c");
}

TEST(TreeTest, NumbersAreCheckedWhereTheyAreNeeded) {
    auto nodes = parseTree("(tree 10 x 1.5)", "f.txt");
    EXPECT_DOUBLE_EQ(nodes[0].num(0), 10);
    EXPECT_DOUBLE_EQ(nodes[0].num(2), 1.5);
    EXPECT_THROW(nodes[0].num(1), SourceError);
    EXPECT_THROW(nodes[0].str(3), SourceError);
    EXPECT_DOUBLE_EQ(nodes[0].num(5, 2.0), 2.0);
    EXPECT_TRUE(isNumber("-3.25"));
    EXPECT_FALSE(isNumber("3px"));
    EXPECT_FALSE(isNumber(""));
}

TEST(TreeTest, BrokenTextIsReportedWithFileAndLine) {
    auto message = [](const std::string& text) {
        try {
            parseTree(text, "bad.txt");
        } catch (const SourceError& e) {
            return std::string(e.what());
        }
        return std::string("no error");
    };
    EXPECT_NE(message("(picture a\n  (size 1 2)").find("bad.txt:1:"), std::string::npos);
    EXPECT_NE(message("(picture a))").find("unexpected ')'"), std::string::npos);
    EXPECT_NE(message("loose (picture a)").find("outside a branch"), std::string::npos);
    EXPECT_NE(message("(picture a (() 1))").find("without a key"), std::string::npos);
}
