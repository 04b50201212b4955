// The check of hand-written active screens against the pictures under them.

#include "mkdemo/ScreenCheck.h"

#include <gtest/gtest.h>

using namespace mkdemo;

namespace {

std::string area(const std::string& proc, const std::string& param, const std::string& points) {
    return ":ActiveArea\nstrName: x\nstrProc: " + proc + "\nstrParam: " + param + "\nbForceUpdate: 0\n" + points + ":End\n\n";
}
const std::string kDoor = "Point: 100,100\nPoint: 140,100\nPoint: 140,180\nPoint: 100,180\n";

class ScreenCheckTest : public ::testing::Test {
protected:
    ScreenCheckTest() {
        PictureShapes room{640, 480, {}};
        Shape door;
        door.target = "a_home";
        door.x0 = 90, door.y0 = 90, door.x1 = 150, door.y1 = 190;
        room.shapes.push_back(door);
        index.pictures["room"] = room;
        index.pictures["dlg\\back"] = PictureShapes{640, 480, {}};
        PictureShapes button{200, 60, {}};
        Shape b;
        b.target = "1";
        b.x1 = 200, b.y1 = 60;
        button.shapes.push_back(b);
        index.pictures["dlg\\ok"] = button;
        index.animationFrames["dlg\\ok"] = "dlg\\ok";
        index.screens = {"a_home", "a_room"};
        index.sounds = {"voice\\g_hi"};
    }
    std::vector<std::string> check(const std::string& name, const std::string& text) {
        return checkScreen(readScreenFile(text, name, name + ".as"), index);
    }
    DataIndex index;
};

bool mentions(const std::vector<std::string>& problems, const std::string& text) {
    for (const std::string& p : problems)
        if (p.find(text) != std::string::npos) return true;
    return false;
}

}  // namespace

TEST_F(ScreenCheckTest, AnExitOverItsDoorPassesAndOneBesideItFails) {
    const std::string head = "bmpBackground: room\n\nsound: voice\\g_hi\n\n";
    EXPECT_TRUE(check("a_room", head + area("AdvProc", "a_home", kDoor) + area("SndProc", "voice\\g_hi 2 a_home",
                                                                                  kDoor)).empty());
    auto moved = check("a_room", head + area("AdvProc", "a_home", "Point: 300,300\nPoint: 340,300\nPoint: 320,340\n"));
    ASSERT_EQ(moved.size(), 1u);
    EXPECT_NE(moved[0].find("a_room.as:5:"), std::string::npos);
    EXPECT_NE(moved[0].find("not over what the picture shows"), std::string::npos);
    EXPECT_TRUE(mentions(check("a_room", head + area("AdvProc", "a_room", kDoor)), "shows nothing for 'a_room'"));
}

TEST_F(ScreenCheckTest, CommandsSoundsAndLimitsOfLocations) {
    const std::string head = "bmpBackground: room\n\nsound: voice\\g_hi\n\n";
    EXPECT_TRUE(mentions(check("a_room", head + area("AdvProc", "a_nowhere", kDoor)), "no location"));
    EXPECT_TRUE(mentions(check("a_room", head + area("SndProc", "voice\\g_bye 0", kDoor)), "not a sound line"));
    EXPECT_TRUE(mentions(check("a_room", head + area("SndProc", "voice\\g_hi 2 a_nowhere", kDoor)), "greeting from"));
    EXPECT_TRUE(mentions(check("a_room", head + area("CookProc", "", kDoor)), "not registered"));
    EXPECT_TRUE(mentions(check("a_room", head + area("SndProc", "voice\\g_hi 2 a_home_and_a_very_long_name", kDoor)),
                         "longer than 31"));
    EXPECT_TRUE(mentions(check("a_room", head + area("AdvProc", "a_home", "Point: 120,140\nPoint: 700,140\n")),
                         "at least three points"));
    std::string many = "bmpBackground: room\n\n";
    for (int i = 0; i < 11; ++i) many += "sound: voice\\g_hi\n";
    EXPECT_TRUE(mentions(check("a_room", many), "more than 10 sound lines"));
    EXPECT_TRUE(mentions(check("a_room", "cannerLoop: water\nbmpBackground: room\n"), "needs a background line"));
    EXPECT_TRUE(mentions(check("a_room", "bmpBackground: room\r\n"), "carriage return"));
    EXPECT_TRUE(mentions(check("a_room", "bmpBackground: nothing\n"), "is not generated"));
}

TEST_F(ScreenCheckTest, DialogAnswersMustSitOnTheirButtonSprites) {
    const std::string sprite = ":BmpSprite\nstrName: ok\nstrAnimName: dlg\\ok\nbColorKey: 1\nPos: 220,300\n:End\n\n";
    const std::string onButton = "Point: 230,310\nPoint: 410,310\nPoint: 410,350\nPoint: 230,350\n";
    EXPECT_TRUE(check("question", "bmpBackground: dlg\\back\n\n" + sprite + area("DialogScreenHandler", "1", onButton)).empty());
    // The same area without the sprite's offset would be off the button.
    auto off = check("question", "bmpBackground: dlg\\back\n\n" + sprite +
                                     area("DialogScreenHandler", "1", "Point: 10,10\nPoint: 190,10\nPoint: 100,50\n"));
    EXPECT_TRUE(mentions(off, "not over what the picture shows"));
    // Answers that are not positive numbers never end a dialog.
    EXPECT_TRUE(mentions(check("question", "bmpBackground: dlg\\back\n\n" + area("SndProc", "voice\\g_hi 0", onButton)),
                         "never ends"));
}

TEST_F(ScreenCheckTest, SharedPicturesMarkWaysForAnyCommand) {
    Shape back;
    back.target = "*";
    back.x0 = 0, back.y0 = 400, back.x1 = 80, back.y1 = 479;
    index.pictures["room"].shapes.push_back(back);
    EXPECT_TRUE(check("a_room", "bmpBackground: room\n\n" + area("AdvProc", "a_room", "Point: 10,410\nPoint: 70,410\nPoint: 40,470\n")).empty());
}
