#include "scene/ActiveArea.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Keys.h"
#include "scene/ActiveScreen.h"
#include "scene/SceneTestSupport.h"

using scenetest::InputDriver;

namespace {

// Records the events an area's procedure receives.
std::vector<std::string> gEvents;
bool recordProc(Sprite* sprite, int event, const char* param) {
    static const char* const names[] = {"Tick", "Click", "RightClick", "Enter", "Leave"};
    gEvents.push_back(std::string(names[event]) + ":" + param);
    return true;
}

}  // namespace

TEST(ActiveAreaTest, CrossingTestCountsEdgesAsInside) {
    ActiveArea tri;
    for (auto [x, y] : std::vector<std::pair<int, int>>{{0, 0}, {10, 0}, {0, 10}}) tri.addPoint(x, y, false);
    EXPECT_TRUE(tri.contains(2, 2));
    EXPECT_TRUE(tri.contains(5, 5));    // on the slanted edge: x equals the crossing
    EXPECT_FALSE(tri.contains(6, 5));   // just outside it
    EXPECT_TRUE(tri.contains(7, 0));    // on the horizontal edge
    EXPECT_TRUE(tri.contains(0, 0));    // a corner on the horizontal edge
    EXPECT_FALSE(tri.contains(-1, 3));
    EXPECT_FALSE(tri.contains(3, -1));
    EXPECT_FALSE(tri.contains(3, 11));

    ActiveArea none;
    EXPECT_FALSE(none.contains(0, 0));
    ActiveArea one;
    one.addPoint(4, 4, false);
    EXPECT_TRUE(one.contains(4, 4));
    EXPECT_FALSE(one.contains(5, 4));
    ActiveArea two;  // a segment: only points on it count
    two.addPoint(0, 0, false);
    two.addPoint(10, 10, false);
    EXPECT_TRUE(two.contains(5, 5));
    EXPECT_FALSE(two.contains(5, 6));
    EXPECT_FALSE(two.contains(4, 5));

    ActiveArea huge;  // coordinates far out do not overflow the arithmetic
    for (auto [x, y] : std::vector<std::pair<int, int>>{{-2000000000, -2000000000}, {2000000000, -2000000000},
                                                        {2000000000, 2000000000}, {-2000000000, 2000000000}})
        huge.addPoint(x, y, false);
    EXPECT_TRUE(huge.contains(0, 0));
}

TEST(ActiveAreaTest, PointsKeepTheCentreAndNeverDropBelowOne) {
    ActiveArea a;
    a.addPoint(0, 0, false);
    a.addPoint(10, 0, false);
    a.addPoint(10, 7, false);
    EXPECT_EQ(a.centreX, 5);
    EXPECT_EQ(a.centreY, 3);
    // Inserted in front of the nearest corner (the first of equals wins).
    EXPECT_EQ(a.addPoint(9, 1, true), 1);
    EXPECT_EQ(a.points()[1].x, 9);
    EXPECT_EQ(a.points()[2].x, 10);
    EXPECT_EQ(a.findPoint(15, 3, 4), -1);
    EXPECT_EQ(a.findPoint(14, 6, 4), 3);  // within 4 on both axes
    a.movePoint(3, 20, 20);
    EXPECT_EQ(a.centreX, 10);
    a.movePoint(9, 1, 1);  // out of range: ignored
    for (int i = 0; i < 10; ++i) a.removePoint(0);
    ASSERT_EQ(a.pointCount(), 1);
    EXPECT_EQ(a.centreX, 20);
    EXPECT_EQ(ActiveArea().addPoint(3, 3, true), 0);
}

TEST(ActiveAreaTest, FollowPathWalksAlongThePolygon) {
    ActiveArea path;
    path.addPoint(0, 0, false);
    path.addPoint(10, 0, false);
    path.addPoint(10, 10, false);
    float x = 0, y = 0;
    int index = 0;
    path.followPath(x, y, index, 4.0f);
    EXPECT_FLOAT_EQ(x, 4.0f);
    EXPECT_EQ(index, 0);
    path.followPath(x, y, index, 4.0f);
    path.followPath(x, y, index, 4.0f);  // 2 left: lands on the point
    EXPECT_FLOAT_EQ(x, 10.0f);
    EXPECT_EQ(index, 1);
    // Speed 0 moves nowhere but heads backwards, towards index - 1.
    path.followPath(x, y, index, 0.0f);
    EXPECT_EQ(index, 1);
    EXPECT_FLOAT_EQ(x, 10.0f);
    x = 0;
    path.followPath(x, y, index, 0.0f);  // standing on point 0: arrived there
    EXPECT_EQ(index, 0);
    path.followPath(x, y, index, -1.0f);  // from 0 backwards wraps to the last point
    EXPECT_EQ(index, 0);
    EXPECT_NEAR(x, 10.0 / 14.0, 1e-5);  // the distance is truncated to 14
    EXPECT_NEAR(y, 10.0 / 14.0, 1e-5);
}

TEST(ActiveAreaTest, EnterComesBeforeClickAndLeaveComesOnce) {
    InputDriver in;
    ActiveScreen screen;
    screen.registerProc("Rec", recordProc);
    auto* area = new ActiveArea();
    screen.addSprite(area);
    area->setProc("rec", "door");
    for (auto [x, y] : std::vector<std::pair<int, int>>{{10, 10}, {20, 10}, {20, 20}, {10, 20}}) area->addPoint(x, y, false);
    gEvents.clear();
    in.moveTo(15, 15);
    in.tick({vk::LBUTTON, vk::RBUTTON});
    area->update();
    in.tick({vk::LBUTTON});  // still held: no new click
    area->update();
    in.moveTo(30, 15);
    in.tick();
    area->update();
    area->update();
    EXPECT_EQ(gEvents, (std::vector<std::string>{"Enter:door", "Click:door", "RightClick:door", "Leave:door"}));
    gEvents.clear();
    area->setForceUpdate(1);
    area->update();
    EXPECT_EQ(gEvents, (std::vector<std::string>{"Tick:door"}));
}

TEST(ActiveAreaTest, EditingInsertsDragsAndRemovesPoints) {
    InputDriver in;
    ActiveScreen screen;
    auto* area = new ActiveArea();
    screen.addSprite(area);
    screen.editMode = 1;
    area->addPoint(100, 100, false);
    area->addPoint(200, 100, false);
    // Clicking a corner selects the area and picks the corner up.
    in.moveTo(102, 98);
    in.tick({vk::LBUTTON});
    area->editUpdate();
    EXPECT_EQ(screen.selectedSprite, area);
    EXPECT_EQ(ActiveArea::selectedPoint, 0);
    in.moveTo(120, 130);
    in.tick();
    area->editUpdate();  // the held corner follows the mouse
    EXPECT_EQ(area->points()[0].x, 120);
    EXPECT_EQ(area->points()[0].y, 130);
    in.tick({vk::LBUTTON});
    area->editUpdate();  // dropped
    EXPECT_EQ(ActiveArea::selectedPoint, -1);
    // Right click with nothing held inserts a point in front of the nearest
    // corner and holds it at once; a second right click removes it again.
    in.moveTo(190, 90);
    in.tick({vk::RBUTTON});
    area->editUpdate();
    ASSERT_EQ(area->pointCount(), 3);
    EXPECT_EQ(ActiveArea::selectedPoint, 1);
    in.moveTo(180, 80);
    in.tick();
    area->editUpdate();
    EXPECT_EQ(area->points()[1].x, 180);
    in.tick({vk::RBUTTON});
    area->editUpdate();
    EXPECT_EQ(area->pointCount(), 2);
    // Removing goes no further than one point.
    for (int i = 0; i < 4; ++i) {
        in.moveTo(area->points()[0].x, area->points()[0].y);
        in.tick({vk::LBUTTON});
        area->editUpdate();
        in.tick({vk::RBUTTON});
        area->editUpdate();
    }
    EXPECT_EQ(area->pointCount(), 1);
    // Clicking away from every corner clears the selection.
    in.moveTo(400, 400);
    in.tick({vk::LBUTTON});
    area->editUpdate();
    EXPECT_EQ(screen.selectedSprite, nullptr);
}

TEST(ActiveAreaTest, CommonLinesAreReadAndFieldsCut) {
    ActiveScreen screen;
    screen.registerProc("AdvProc", recordProc);
    auto* area = new ActiveArea();
    screen.addSprite(area);
    EXPECT_TRUE(area->readCommonLine("strName: a_home"));
    EXPECT_TRUE(area->readCommonLine("strProc: advproc"));
    EXPECT_TRUE(area->readCommonLine("strParam: 0123456789012345678901234567890123456789"));
    EXPECT_TRUE(area->readCommonLine("bForceUpdate: 1"));
    EXPECT_FALSE(area->readCommonLine("strname: x"));  // keys are case-sensitive
    EXPECT_FALSE(area->readCommonLine("Point: 1,2"));
    EXPECT_EQ(area->name, "a_home");
    EXPECT_EQ(area->proc, &recordProc);
    EXPECT_EQ(area->param.size(), Sprite::kMaxParam);
    EXPECT_EQ(area->forceUpdate, 1);
    area->readCommonLine("strProc: nobody");
    EXPECT_EQ(area->proc, nullptr);
    EXPECT_FALSE(area->callProc(AreaEvent::Click));
    area->readLine("Point: 3,4");
    area->readLine("Point: 5");  // incomplete: ignored
    area->readLine("Point: -7,x");
    EXPECT_EQ(area->pointCount(), 1);
}
