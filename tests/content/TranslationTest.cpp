// The second language of the generator: translation tables read over the
// descriptions, and the render cache that lets both languages share what has
// no words.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "mkdemo/RenderCache.h"
#include "mkdemo/Translation.h"

using namespace mkdemo;
namespace fs = std::filesystem;

namespace {

struct Folder {
    Folder() {
        char pattern[] = "/tmp/qm-lang-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~Folder() { fs::remove_all(path); }
    void write(const std::string& name, const std::string& text) const {
        fs::create_directories(fs::path(path + "/" + name).parent_path());
        std::ofstream(path + "/" + name) << text;
    }
    std::string path;
};

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const SourceError& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(Translation, TextsAndVoicesBecomeEnglishAndLeftoversAreListed) {
    Folder f;
    f.write("en/t.txt",
            "(note a table)\n(voice pl en-us)\n(text Jak trudna ma być gra? (en How hard?))\n"
            "(text Tak (en Yes))\n(text Tak (en Yes))\n(text Gone (en Gone))\n");
    Translation t(f.path + "/en", "en");
    auto nodes = parseTree(
        "(picture p (label 220 10 Jak trudna ma być gra? (size 30)) (button 3 3 9 9 Tak (area 1)) (label 0 0 Zostań))\n"
        "(speech voice\\g_yes (voice pl+f2) (pitch 58) Tak)\n(speech voice\\g_x Tak)\n",
        "src.txt");
    for (Node& n : nodes) t.apply(n);
    const Node& label = nodes[0].children[0];
    EXPECT_EQ(label.text(2), "How hard?");
    EXPECT_EQ(label.num(0), 220);
    EXPECT_EQ(label.option("size", 0), 30);  // sub-branches stay where they were
    ASSERT_EQ(label.sequence.size(), 4u);
    EXPECT_TRUE(label.sequence.back().first);
    EXPECT_EQ(nodes[0].children[1].text(4), "Yes");
    EXPECT_EQ(nodes[0].children[1].optionText("area", ""), "1");
    EXPECT_EQ(nodes[1].text(1), "Yes");
    EXPECT_EQ(nodes[1].optionText("voice", ""), "en-us+f2");
    EXPECT_EQ(nodes[2].optionText("voice", ""), "en-us");  // the default Polish voice is replaced too
    const auto problems = t.problems();
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0], "src.txt:1: (label) has no en text: '0 0 Zostań'");
    EXPECT_NE(problems[1].find("t.txt:6: 'Gone' is in no source"), std::string::npos) << problems[1];

    // Bad tables stop the generator with the file and line.
    f.write("bad/t.txt", "(text Tak (en Yes))\n(text Tak (en No))\n");
    EXPECT_NE(errorOf([&] { Translation(f.path + "/bad", "en"); }).find("t.txt:2: (text) 'Tak' is translated twice"),
              std::string::npos);
    f.write("bad2/t.txt", "(text Tak)\n");
    EXPECT_NE(errorOf([&] { Translation(f.path + "/bad2", "en"); }).find("t.txt:1: (text) has no (en ...) translation"),
              std::string::npos);
    f.write("bad3/t.txt", "(text 12 (en twelve))\n");
    EXPECT_NE(errorOf([&] { Translation(f.path + "/bad3", "en"); }).find("numbers stay"), std::string::npos);
    EXPECT_NE(errorOf([&] { Translation(f.path + "/none", "en"); }).find("no such language folder"), std::string::npos);

    // Texts the drawing code writes itself go through the table being made.
    setDrawingTranslation(&t);
    EXPECT_EQ(translated("Tak"), "Yes");
    EXPECT_EQ(translated("Nie"), "Nie");
    setDrawingTranslation(nullptr);
    EXPECT_EQ(translated("Tak"), "Tak");
}

TEST(RenderCache, PicturesComeBackPerLanguageAndAfterAnEditedDependencyDrawAnew) {
    Folder f;
    const RenderCache cache(f.path + "/cache");
    Output out(f.path + "/out", "");
    out.write("bitmaps/p.tga", std::string("pixels"));
    f.write("level.txt", "(blocked 1 2)");
    const Node node = parseTree("(picture p (board 1 2))", f.path + "/d.txt").at(0);
    const std::string key = cache.key(node, "picture");
    EXPECT_NE(key, cache.key(parseTree("(picture p (board 1 3))", f.path + "/d.txt").at(0), "picture"));

    std::vector<std::pair<std::string, std::string>> reads;
    RenderCache::recordReads(&reads);
    EXPECT_EQ(readDependency(node, f.path + "/level.txt"), "(blocked 1 2)");
    RenderCache::recordReads(nullptr);
    PictureInfo info;
    info.name = "p";
    info.shapes.push_back(Shape{"a_cook", 1.5, 2, 3, 4, "d.txt:1: "});
    cache.storePicture(key, out, {"bitmaps/p.tga"}, {{"Tak", "Tak"}}, reads, info);

    Output again(f.path + "/again", "");
    PictureInfo back;
    ASSERT_TRUE(cache.loadPicture(key, again, back));
    EXPECT_EQ(back.name, "p");
    ASSERT_EQ(back.shapes.size(), 1u);
    EXPECT_EQ(back.shapes[0].x0, 1.5);
    EXPECT_EQ(back.shapes[0].where, "d.txt:1: ");
    std::ifstream in(f.path + "/again/bitmaps/p.tga");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "pixels");

    // Drawn in another language, the picture's words differ: no entry fits.
    f.write("en/t.txt", "(text Tak (en Yes))");
    Translation english(f.path + "/en", "en");
    setDrawingTranslation(&english);
    EXPECT_FALSE(cache.loadPicture(key, again, back));
    setDrawingTranslation(nullptr);
    // A level edited since: drawn anew.
    f.write("level.txt", "(blocked 3 4)");
    EXPECT_FALSE(cache.loadPicture(key, again, back));

    std::vector<uint8_t> bytes;
    EXPECT_FALSE(cache.load("nothing", bytes));
    cache.store("k", {1, 2, 3});
    ASSERT_TRUE(cache.load("k", bytes));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 2, 3}));
}
