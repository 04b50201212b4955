#include "scene/ActiveScreen.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/DesignerMode.h"
#include "app/Notice.h"
#include "app/Trace.h"
#include "gfx/Bitmap.h"
#include "platform/Keys.h"
#include "scene/ActiveArea.h"
#include "scene/AviSprite.h"
#include "tools/AviWriter.h"
#include "scene/BmpSprite.h"
#include "scene/SceneTestSupport.h"
#include "scene/SpriteFactory.h"
#include "support/DesignerModeOn.h"

using scenetest::CanBuilder;
using scenetest::InputDriver;
using testpics::messageOf;

namespace {

int gClicks = 0;
bool countProc(Sprite*, int event, const char*) {
    if (event == AreaEvent::Click) ++gClicks;
    return true;
}

class ActiveScreenTest : public ::testing::Test {
protected:
    ActiveScreenTest() : frame(640, 480), scope(frame) {
        registerSpriteKinds();
        testpics::Image bkg(640, 480);
        bkg.fill(20, 40, 60);
        root.writePicture("bkg", bkg);
        root.writePicture("other", bkg);
        testpics::Image small(8, 8);
        small.fill(200, 0, 0);
        for (const char* name : {"walk0", "walk1", "walk2"}) root.writePicture(name, small);
        text("data_demo/bitmaps/walker.anm", "(speed 10) (bmp_mask 0 2 walk%d)\n");
        text("data_demo/bitmaps/_default.anm", "(bmp walk0)\n");
        CanBuilder water(4, 4, 0, 0, 2, 30);
        water.solidFrame(16, 3).solidFrame(16, 4);
        text("data_demo/can/water.can", water.bytes);
        text("data_demo/can/gesture.can", water.bytes);
        std::vector<RgbFrame> frames(3, RgbFrame(6, 4));
        std::filesystem::create_directories(root.path("data_demo/avi"));
        writeAvi(root.path("data_demo/avi/globe.avi"), frames);
    }
    void text(const std::string& relative, const std::string& contents) {
        std::filesystem::create_directories(std::filesystem::path(root.path(relative)).parent_path());
        scenetest::writeText(root, relative, contents);
    }
    std::string fileText(const std::string& relative) {
        std::ifstream file(root.path(relative), std::ios::binary);
        std::stringstream s;
        s << file.rdbuf();
        return s.str();
    }

    testpics::TempDataRoot root;
    Surface frame;
    testpics::TargetScope scope;
    InputDriver in;
    DesignerModeOn designer;  // the editor's tests; players have none
};

const char* const kRoom =
    "bmpBackground: bkg\r\n"
    "cannerLoop: water\n"
    "canner: gesture\n"
    "sound: click1\n"
    "sound: voice\\hello\n"
    "\n"
    ":ActiveArea\n"
    "strName: door\n"
    "strProc: CountProc\n"
    "strParam: a_home\n"
    "bForceUpdate: 0\n"
    "Point: 10,10\n"
    "Point: 50,10\n"
    "Point: 50,50\n"
    ":End\n"
    ":bmpsprite\n"
    "Pos: 5,6\n"
    "strAnimName: walker\n"
    "bColorKey: 1\n"
    "strName: Walker\n"
    ":End\n"
    ":AviSprite\n"
    "strName: globe\n"
    "strAnimName: globe\n"
    "Pos: 300,200\n"
    ":End\n";

}  // namespace

TEST_F(ActiveScreenTest, ReadsEveryKindOfLine) {
    text("data_demo/ascreen/room.as", kRoom);
    ActiveScreen screen;
    screen.registerProc("countproc", countProc);
    screen.loadScreen("Room");
    ASSERT_NE(screen.background, nullptr);
    EXPECT_EQ(screen.background->name, "bkg");  // the CR of the line end is not part of the name
    EXPECT_EQ(screen.cannerCount, 2);
    EXPECT_TRUE(screen.canners[0].isRunning());  // a looping canner starts at once
    EXPECT_FALSE(screen.canners[1].isRunning());
    EXPECT_EQ(screen.soundCount, 2);
    ASSERT_EQ(screen.spriteCount(), 3);
    auto* door = dynamic_cast<ActiveArea*>(screen.findSprite("DOOR"));
    ASSERT_NE(door, nullptr);
    EXPECT_EQ(door->pointCount(), 3);
    EXPECT_EQ(door->proc, &countProc);
    EXPECT_EQ(door->param, "a_home");
    auto* walker = dynamic_cast<BmpSprite*>(screen.findSprite("walker"));
    ASSERT_NE(walker, nullptr);
    EXPECT_EQ(walker->x, 5);
    EXPECT_EQ(walker->frameCount, 3);
    EXPECT_EQ(walker->colorKey, 1);
    auto* globe = dynamic_cast<AviSprite*>(screen.sprite(2));
    ASSERT_NE(globe, nullptr);
    EXPECT_EQ(globe->owner, &screen);
    EXPECT_EQ(globe->width, 6);
    EXPECT_EQ(screen.findSprite("nobody"), nullptr);

    EXPECT_EQ(messageOf([&] { screen.loadScreen("nope"); }), "Cannot open active screen: data_demo\\ascreen\\nope.as");
}

TEST_F(ActiveScreenTest, SavedFileReadsBackTheSameWithoutNotSavedSprites) {
    text("data_demo/ascreen/room.as", kRoom);
    ActiveScreen screen;
    screen.loadScreen("room");
    screen.findSprite("globe")->markNotSaved();
    auto* added = new ActiveArea();
    added->setName("added");
    added->addPoint(1, 2, false);
    screen.addSprite(added);
    screen.saveScreen();
    const std::string saved = fileText("data_demo/ascreen/room.as");
    const std::string head =
        "bmpBackground: bkg\n\ncannerLoop: water\ncanner: gesture\n\nsound: click1\nsound: voice\\hello\n\n"
        ":ActiveArea\nstrName: door\n";
    EXPECT_EQ(saved.substr(0, head.size()), head);
    EXPECT_NE(saved.find(":BmpSprite\nstrName: Walker\nstrProc: \nstrParam: \nbForceUpdate: 0\n"
                         "strAnimName: walker\nbColorKey: 1\nPos: 5,6\n:End\n\n"),
              std::string::npos);
    EXPECT_EQ(saved.find("globe"), std::string::npos);

    ActiveScreen again;
    again.loadScreen("room");
    EXPECT_EQ(again.screenText(), saved);
    EXPECT_EQ(again.spriteCount(), 3);
    EXPECT_EQ(dynamic_cast<ActiveArea*>(again.findSprite("added"))->pointCount(), 1);
    EXPECT_TRUE(again.canners[0].isLooping());
    EXPECT_FALSE(again.canners[1].isLooping());
}

TEST_F(ActiveScreenTest, FailedSaveKeepsTheOldFile) {
    text("data_demo/ascreen/keep.as", "bmpBackground: bkg\n");
    ActiveScreen screen;
    screen.loadScreen("keep");
    screen.addSprite(new ActiveArea());
    // Something in the way of the temporary file makes the write fail.
    const std::string blocked = root.path("data_demo/ascreen/keep.as.tmp-" + std::to_string(getpid()));
    std::filesystem::create_directories(blocked);
    EXPECT_EQ(messageOf([&] { screen.saveScreen(); }),
              "Cannot Create Active Screen File: data_demo\\ascreen\\keep.as");
    EXPECT_EQ(fileText("data_demo/ascreen/keep.as"), "bmpBackground: bkg\n");

    // The editor's F2 reports the failure over the frame and goes on, with
    // the edits kept; once the cause is gone it saves them.
    traceClearCaptured();
    traceCaptureToMemory(true);
    EXPECT_FALSE(screen.saveFromEditor());
    EXPECT_EQ(currentNotice(), "Cannot Create Active Screen File: data_demo\\ascreen\\keep.as");
    EXPECT_EQ(screen.spriteCount(), 1);
    std::filesystem::remove_all(blocked);
    EXPECT_TRUE(screen.saveFromEditor());
    traceCaptureToMemory(false);
    EXPECT_NE(traceCaptured().find("screen-save-failed keep\n"), std::string::npos);
    EXPECT_NE(traceCaptured().find("screen-save keep\n"), std::string::npos);
    EXPECT_NE(fileText("data_demo/ascreen/keep.as").find(":ActiveArea"), std::string::npos);
}

int gEntersWhole = 0, gEntersButton = 0;
bool enterProc(Sprite* sprite, int event, const char*) {
    if (event == AreaEvent::Enter) ++(sprite->name == "whole" ? gEntersWhole : gEntersButton);
    return true;
}

TEST_F(ActiveScreenTest, PlayersCannotEditAndAreasUnderTheRestingPointerWaitForItToMove) {
    setDesignerMode(false);
    text("data_demo/ascreen/hold.as",
         ":ActiveArea\nstrName: whole\nstrProc: EnterProc\nPoint: 0,0\nPoint: 639,0\nPoint: 639,479\nPoint: 0,479\n:End\n"
         ":ActiveArea\nstrName: button\nstrProc: EnterProc\nPoint: 10,10\nPoint: 90,10\nPoint: 90,90\nPoint: 10,90\n:End\n");
    ActiveScreen screen;
    screen.registerProc("EnterProc", enterProc);
    in.moveTo(50, 50);
    screen.loadScreen("hold");
    gEntersWhole = gEntersButton = 0;
    in.tick({vk::SHIFT});
    screen.updateScreen();
    EXPECT_EQ(screen.editMode, 0);  // Shift is the designer's
    // The whole picture's area (the greeting) is entered as the screen
    // appears; the button under the resting pointer only once it moves.
    EXPECT_EQ(gEntersWhole, 1);
    EXPECT_EQ(gEntersButton, 0);
    in.tick();
    screen.updateScreen();
    EXPECT_EQ(gEntersButton, 0);
    in.moveTo(51, 50);
    in.tick();
    screen.updateScreen();
    EXPECT_EQ(gEntersButton, 1);
    EXPECT_EQ(gEntersWhole, 1);
}

TEST_F(ActiveScreenTest, LimitsAndOddLines) {
    ActiveScreen screen;
    std::string sounds;
    for (int i = 0; i < 11; ++i) sounds += "sound: snd" + std::to_string(i) + "\n";
    EXPECT_EQ(messageOf([&] { screen.readScreenText(sounds); }), "Too many sounds for ActiveScreen! (line 11)");
    EXPECT_EQ(screen.soundCount, 10);  // what was read before the error stays

    screen.clearScreen();
    std::string canners;
    for (int i = 0; i < 33; ++i) canners += "canner: c\n";  // short names only take a slot
    EXPECT_EQ(messageOf([&] { screen.readScreenText(canners); }), "Too many canners! (line 33)");
    EXPECT_EQ(screen.cannerCount, 32);

    // A position no picture can be drawn at is refused, with the file and line.
    screen.clearScreen();
    screen.name = "far";
    EXPECT_EQ(messageOf([&] { screen.readScreenText(":BmpSprite\nPos: 2147483647,5\n:End\n"); }),
              "data_demo\\ascreen\\far.as:2: Pos: 2147483647,5 lies beyond 100000");
    EXPECT_EQ(messageOf([&] { screen.readScreenText(":ActiveArea\nPoint: 1,-100001\n"); }),
              "data_demo\\ascreen\\far.as:2: Point: 1,-100001 lies beyond 100000");
    screen.name.clear();

    screen.clearScreen();
    screen.readScreenText(
        "bmpBackground: bkg\n"
        "bmpBackground: ot\n"  // too short: ignored
        ":ActiveArea\nstrName: first\nPoint: 1,1\n"
        "sound: click1\n"        // loaded, and offered to the area, which ignores it
        ":Wobble\nPoint: 2,2\n"  // unknown type: the lines still go to the open block
        ":End\n"
        ":Wobble\nPoint: 3,3\nstrName: lost\n:End\n"
        "Point: 4,4\n");
    EXPECT_EQ(screen.background->name, "bkg");
    EXPECT_EQ(screen.soundCount, 1);
    ASSERT_EQ(screen.spriteCount(), 1);
    EXPECT_EQ(dynamic_cast<ActiveArea*>(screen.sprite(0))->pointCount(), 2);
    EXPECT_EQ(screen.sprite(0)->name, "first");
}

TEST_F(ActiveScreenTest, CannersFollowTheBackgroundAndRunOnlyInPlayMode) {
    ActiveScreen screen;
    screen.readScreenText("cannerLoop: water\nbmpBackground: bkg\n");  // canner first: no target yet
    screen.updateScreen();
    EXPECT_EQ(screen.background->surface->at(0, 0), scenetest::paletteColour(3));
    in.tick({vk::SHIFT});
    screen.updateScreen();
    EXPECT_EQ(screen.editMode, 1);
    const int frameBefore = screen.canners[0].frame;
    in.tick();
    screen.updateScreen();
    EXPECT_EQ(screen.canners[0].frame, frameBefore);
    screen.setBackground("other");  // a new picture: the canner draws into it
    in.tick();  // a key released in one tick and down in the next reads as held
    in.tick({vk::SHIFT});
    screen.updateScreen();
    in.tick();
    screen.updateScreen();
    EXPECT_EQ(screen.background->surface->at(1, 1), scenetest::paletteColour(4));
}

TEST_F(ActiveScreenTest, EditModeCreatesSelectsAndDeletesInFactoryOrder) {
    ActiveScreen screen;
    screen.registerProc("CountProc", countProc);
    screen.readScreenText(":ActiveArea\nstrProc: CountProc\nPoint: 0,0\nPoint: 100,0\nPoint: 100,100\n:End\n");
    in.moveTo(50, 20);
    in.tick({vk::LBUTTON});
    gClicks = 0;
    screen.updateScreen();
    EXPECT_EQ(gClicks, 1);

    in.tick({vk::SHIFT});
    screen.updateScreen();
    ASSERT_EQ(screen.editMode, 1);
    in.tick({vk::LBUTTON});
    screen.updateScreen();  // sprites are edited, not played
    EXPECT_EQ(gClicks, 1);

    in.moveTo(200, 200);
    for (int digit : {'1', '2', '3'}) {
        in.tick({vk::CONTROL});
        screen.updateScreen();
        in.tick({vk::CONTROL, digit});
        screen.updateScreen();
        ASSERT_NE(screen.selectedSprite, nullptr);
        EXPECT_EQ(screen.selectedSprite, screen.sprite(screen.spriteCount() - 1));
        in.tick({vk::LBUTTON});  // put it down
        screen.updateScreen();
    }
    ASSERT_EQ(screen.spriteCount(), 4);
    EXPECT_EQ(screen.sprite(1)->getKind(), SpriteKind::ActiveArea);
    EXPECT_EQ(dynamic_cast<ActiveArea*>(screen.sprite(1))->points()[1].x, 300);
    EXPECT_EQ(screen.sprite(2)->getKind(), SpriteKind::AviSprite);  // Ctrl+2
    EXPECT_EQ(screen.sprite(3)->getKind(), SpriteKind::BmpSprite);  // Ctrl+3

    // Delete needs Ctrl and a selection.
    in.tick({vk::DELETE_});
    screen.updateScreen();
    in.tick({vk::CONTROL});
    screen.updateScreen();
    in.tick({vk::CONTROL, vk::DELETE_});
    screen.updateScreen();
    EXPECT_EQ(screen.spriteCount(), 4);
    in.moveTo(205, 206);  // no corner within 4 pixels, the video's position within 10
    in.tick({vk::LBUTTON});
    screen.updateScreen();
    EXPECT_EQ(screen.selectedSprite, screen.sprite(2));
    in.tick({vk::CONTROL});
    screen.updateScreen();
    in.tick({vk::CONTROL, vk::DELETE_});
    screen.updateScreen();
    ASSERT_EQ(screen.spriteCount(), 3);
    EXPECT_EQ(screen.selectedSprite, nullptr);
    EXPECT_EQ(screen.sprite(2)->getKind(), SpriteKind::BmpSprite);
}

TEST_F(ActiveScreenTest, ShiftWhileDraggingLeavesEditModeAndF2F3SaveAndReload) {
    text("data_demo/ascreen/drag.as", ":ActiveArea\nstrName: a\nPoint: 10,10\nPoint: 60,10\n:End\n");
    ActiveScreen screen;
    screen.loadScreen("drag");
    in.tick({vk::SHIFT});
    screen.updateScreen();
    in.moveTo(10, 10);
    in.tick({vk::LBUTTON});
    screen.updateScreen();
    ASSERT_NE(screen.selectedSprite, nullptr);
    in.moveTo(30, 40);
    in.tick();
    screen.updateScreen();
    in.tick({vk::SHIFT});
    screen.updateScreen();
    EXPECT_EQ(screen.editMode, 0);
    EXPECT_EQ(screen.selectedSprite, nullptr);
    in.tick();
    screen.updateScreen();
    in.tick();
    in.tick({vk::SHIFT});
    screen.updateScreen();
    EXPECT_EQ(screen.editMode, 1);

    in.tick({vk::F2});
    screen.updateScreen();
    EXPECT_NE(fileText("data_demo/ascreen/drag.as").find("Point: 30,40\nPoint: 60,10\n"), std::string::npos);
    text("data_demo/ascreen/drag.as", ":ActiveArea\nstrName: b\nPoint: 1,1\n:End\n");
    in.tick({vk::F3});
    screen.updateScreen();
    ASSERT_EQ(screen.spriteCount(), 1);
    EXPECT_EQ(screen.sprite(0)->name, "b");
}

TEST_F(ActiveScreenTest, EditOverlayDrawsOnlyInEditMode) {
    ActiveScreen screen;
    screen.readScreenText(":ActiveArea\nPoint: 100,100\nPoint: 200,100\nPoint: 200,200\n:End\n");
    frame.fill(0x1111);
    screen.drawSpritesAndOverlay();
    EXPECT_EQ(frame.at(150, 100), 0x1111);
    screen.editMode = 1;
    screen.drawEditOverlay();
    EXPECT_EQ(frame.at(150, 100), testpics::rgb(0, 255, 0));  // the outline in green
    int changedBottom = 0;
    for (int x = 0; x < 100; ++x)
        for (int y = 460; y < 475; ++y) changedBottom += frame.at(x, y) != 0x1111;
    EXPECT_GT(changedBottom, 50);  // "EDIT MODE"
}

TEST_F(ActiveScreenTest, ScreenSoundsPlayByName) {
    scenetest::writeSounds(root, {{"click1.wav", scenetest::quietWav(441)}});
    scenetest::ManualAudio device;
    ASSERT_TRUE(initSound(&device));
    {
        ActiveScreen screen;
        screen.readScreenText("sound: click1\nsound: missing\n");
        EXPECT_FALSE(screen.anySoundPlaying());
        screen.playScreenSound("MISSING", true);
        EXPECT_FALSE(screen.anySoundPlaying());
        screen.playScreenSound("Click1", false);
        EXPECT_TRUE(screen.anySoundPlaying());
        screen.stopScreenSounds();
        EXPECT_FALSE(screen.anySoundPlaying());
    }
    shutdownSound();
}
