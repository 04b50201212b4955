#include <gtest/gtest.h>

#include <cstdio>

#include "check/CheckTestData.h"
#include "data/GameScreens.h"
#include "game/GameTable.h"

using checktest::CheckData;

namespace {

const char* const kBook = "data_demo/ascreen/a_book.as";
const char* const kCook2 = "data_demo/ascreen/a_cook2.as";
const char* const kExit = "data_demo/ascreen/a_exit01.as";

}  // namespace

TEST_F(CheckData, CleanDataPassesWithStatusZero) {
    const check::Report report = check();
    EXPECT_EQ(report.errorCount(), 0) << listing(report);
    std::string out;
    EXPECT_EQ(command(out), 0);
    EXPECT_EQ(out, "");
}

TEST_F(CheckData, MissingPicturesAreReportedWhereTheyAreNamed) {
    replace(kBook, "bmpBackground: bg_world", "bmpBackground: bg_book");
    fullPictures.erase("_map\\map07");
    smallPictures.erase("mouse_door");
    std::string out;
    EXPECT_EQ(command(out), 1);
    EXPECT_NE(out.find("data_demo/ascreen/a_book.as:1: picture \"bg_book\" does not exist\n"), std::string::npos) << out;
    EXPECT_NE(out.find("data_demo/bitmaps/mouse_door.tga: picture \"mouse_door\" does not exist (needed by start-up"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("data_demo/bitmaps/_map/map07.tga: picture \"_map\\map07\" does not exist (needed by the map "
                       "screen)"),
              std::string::npos)
        << out;
}

TEST_F(CheckData, BrokenAndWrongSizedPicturesAreReportedAtTheirFile) {
    fullPictures.erase("a_demo");
    files["data_demo/bitmaps/a_demo.tga"] = "not a picture at all, not even its header";
    replace(kBook, "bmpBackground: bg_world", "bmpBackground: mouse");
    const check::Report report = check();
    EXPECT_TRUE(report.has("data_demo/bitmaps/a_demo.tga", "Plik: data_demo\\bitmaps\\a_demo.tga")) << listing(report);
    EXPECT_TRUE(report.has("data_demo/bitmaps/mouse.tga",
                           "picture is 8 x 8; it is drawn as the whole 640 x 480 screen (the background of "
                           "data_demo/ascreen/a_book.as)"))
        << listing(report);
    EXPECT_EQ(report.errorCount(), 2) << listing(report);
}

TEST_F(CheckData, AreasWithProceduresTheScreenDoesNotRegister) {
    const std::string cook = "data_demo/ascreen/Cook.as";
    replace(kBook, "strProc: AdvProc", "strProc: AdvPorc");
    replace("data_demo/ascreen/difficulty.as", "strProc: DialogScreenHandler", "strProc: AdvProc");
    replace(cook, "strProc: PigProc", "strProc: SndProc");
    replace("data_demo/ascreen/Hats.as", "strName: back", "strName: exit");
    const check::Report report = check();
    EXPECT_TRUE(report.has("data_demo/ascreen/Hats.as", "no area named \"back\": a child with only a mouse cannot "
                                                        "leave the game (needed by the magician's hats (!7))"))
        << listing(report);
    EXPECT_TRUE(report.has(kBook, "area \"onward\": procedure \"AdvPorc\" is not registered by this screen (a location "
                                  "registers AdvProc, SndProc, CannerProc)"))
        << listing(report);
    EXPECT_TRUE(report.has("data_demo/ascreen/difficulty.as", "procedure \"AdvProc\" is not registered by this screen "
                                                              "(a dialog registers DialogScreenHandler, SndProc)"));
    EXPECT_TRUE(report.has(cook, "area \"table1\": procedure \"SndProc\" is not registered by this screen (the game "
                                 "registers CookProc, PigProc, BackProc)"));
    // Without its handler area the difficulty dialog can no longer answer 1.
    EXPECT_TRUE(report.has("data_demo/ascreen/difficulty.as", "no area answers 1"));
    for (const check::Finding& f : report.findings()) {
        if (f.file == kBook) {
            EXPECT_EQ(f.line, lineOf(kBook, "AdvPorc"));
        }
    }
}

TEST_F(CheckData, CommandsNamingMissingLocationsOrUnknownGames) {
    replace(kCook2, "strParam: a_start", "strParam: a_kitchen");
    replace(kCook2, "strName: return", "strName: door");
    replace(kBook, "strParam: a_start", "strParam: !Z");
    replace(kExit, "strParam: #", "strParam: @16");
    replace(kExit, "strParam: a_start", "strParam: @x1");
    std::string out;
    EXPECT_EQ(command(out), 1);
    const int line = lineOf(kCook2, "a_kitchen");
    EXPECT_NE(out.find("data_demo/ascreen/a_cook2.as:" + std::to_string(line) +
                       ": area \"door\": location \"a_kitchen\" does not exist\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("a_book.as:" + std::to_string(lineOf(kBook, "!Z")) +
                       ": area \"onward\": unknown game code \"!Z\": the command does nothing"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("a_exit01.as:" + std::to_string(lineOf(kExit, "@16")) +
                       ": area \"yes\": map piece 16 does not exist"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("a_exit01.as:" + std::to_string(lineOf(kExit, "@x1")) +
                       ": area \"return\": map piece \"x1\" is not a number from 0 to 15"),
              std::string::npos)
        << out;
}

TEST_F(CheckData, OverlappingAreasThatDoDifferentThingsAreReported) {
    const std::string hats = "data_demo/ascreen/Hats.as";
    // Over the book's "onward" (0..100): another place, the same place again,
    // a hover voice; and the hats' back button over a hat.
    files[kBook] += world::activeScreenText("", {{"shortcut", "AdvProc", "a_exit01", 60, 60, 160, 160},
                                                 {"again", "AdvProc", "a_start", 10, 10, 50, 50},
                                                 {"voice", "SndProc", "voice\\hello 1", 0, 0, 639, 479}})
                        .substr(17);
    files[hats] += world::activeScreenText("", {{"hat", "HatProc", "1", 0, 0, 639, 479}}).substr(17);
    const check::Report report = check();
    EXPECT_EQ(findingLine(report, kBook, "area \"shortcut\" (AdvProc a_exit01) overlaps area \"onward\" (AdvProc "
                                         "a_start, line"),
              lineOf(kBook, "strName: shortcut") - 1)
        << listing(report);
    EXPECT_EQ(findingLine(report, kBook, "area \"again\" (AdvProc"), -1) << listing(report);
    EXPECT_EQ(findingLine(report, kBook, "area \"voice\" (SndProc"), -1) << listing(report);
    EXPECT_EQ(findingLine(report, hats, "overlaps"), -1) << listing(report);
}

TEST_F(CheckData, DominoLevelsWhoseRoadCannotBeBuiltAreReported) {
    const std::string map = "data_demo/bitmaps/domino/map01.txt";
    EXPECT_EQ(findingLine(check(), map, "cannot be built"), -1);
    // A row blocked from side to side: no road gets past it.
    std::string wall;
    for (int c = 4; c < 16; ++c) wall += "(blocked " + std::to_string(c) + " 5)\n";
    files[map] += wall;
    const check::Report report = check();
    EXPECT_NE(findingLine(report, map, "the road cannot be built"), -1) << listing(report);
}

TEST_F(CheckData, LocationsAreFollowedFromTheStartAndUnusedScreensAreOnlyWarnings) {
    // A location reached only through another one is read too.
    screen("a_cellar", world::activeScreenText("bg_cellar", {{"up", "AdvProc", "a_book", 0, 0, 50, 50}}));
    replace(kBook, "strParam: a_start", "strParam: a_cellar");
    screen("a_attic", world::activeScreenText("bg_world", {{"down", "AdvProc", "a_start", 0, 0, 50, 50}}));
    check::Report report = check();
    EXPECT_TRUE(report.has("data_demo/ascreen/a_cellar.as", "picture \"bg_cellar\" does not exist"));
    EXPECT_EQ(report.errorCount(), 1) << listing(report);
    EXPECT_EQ(report.warningCount(), 1);
    EXPECT_EQ(report.lines(true).front(), "data_demo/ascreen/a_attic.as: warning: no location, dialog or game uses this "
                                         "screen");
    fullPictures.insert("bg_cellar");
    std::string out;
    EXPECT_EQ(command(out), 0) << out;
    EXPECT_EQ(command(out, {"-w"}), 0);
    EXPECT_NE(out.find("a_attic.as: warning"), std::string::npos);
}

TEST_F(CheckData, MalformedScreensAndScripts) {
    const std::string anm = "data_demo/bitmaps/boom.anm";
    const std::string level = cookLevelPath(2);
    replace(anm, "(anim boom (loop 0 0 0 0))", "(anim boom (loop 0 0 0 0)))");
    files[level] = "(plateFullSpeed 4.00)\n(plateEmptySpeed 1.50\n";
    // Eleven sounds: the game stops reading the file at the eleventh.
    std::string lines;
    for (int i = 0; i < 11; ++i) lines += "sound: voice\\hello\n";
    replace(kBook, "\n\n", "\n\n" + lines + "bmpbackground: bg\nPoint: 3\n");
    const check::Report report = check();
    EXPECT_EQ(findingLine(report, anm, "\")\" closes no branch: the game stops reading the file here"), 4)
        << listing(report);
    // What follows the stray ")" is not read: the mode "bravo" is lost.
    EXPECT_TRUE(report.has(anm, "mode \"bravo\" is missing"));
    EXPECT_EQ(findingLine(report, level, "Parser: Cannot find closing branch!"), 2);
    EXPECT_EQ(findingLine(report, kBook, "Too many sounds for ActiveScreen! (the game stops here)"), 13);
    for (const check::Finding& f : report.findings()) {
        if (f.file == kBook) {
            EXPECT_EQ(f.line, 13) << f.message;
        }
    }
    // The lines after the stop are not read, so nothing else is reported there.
    std::string out;
    EXPECT_EQ(command(out), 1);
    EXPECT_EQ(out.find("bmpbackground"), std::string::npos);
}

TEST_F(CheckData, LinesTheGameIgnoresAreReported) {
    replace(kBook, "\n\n", "\n\nbmpbackground: bg\n:Area\n");
    replace(kBook, "Point: 0,0", "Point: 0;0");
    replace(kBook, "strParam: a_start", "strparam: a_start");
    const check::Report report = check();
    EXPECT_TRUE(report.has(kBook, "line not understood: the game ignores it")) << listing(report);
    EXPECT_TRUE(report.has(kBook, "unknown sprite type \"Area\""));
    EXPECT_TRUE(report.has(kBook, "Point needs \"x,y\""));
    EXPECT_TRUE(report.has(kBook, "area \"onward\": no command (strParam): a click does nothing"));
}

TEST_F(CheckData, CookLevelScriptsNeedEverySevenKeys) {
    const std::string level3 = cookLevelPath(3);
    replace(level3, "(pigsToFeed 3)\n", "");
    replace(cookLevelPath(1), "(pigsOnScreen 1)", "(pigsOnScreen none)");
    replace(cookLevelPath(2), "(pigHungrySpeed 0.30)", "(pigHungrySpeed)");
    replace(cookLevelPath(4), "(pigsToFeed 3)", "(pigsToFeed 2147483647)");  // the game would never end
    files.erase(cookLevelPath(5));
    files[cookLevelPath(7)] = cookLevel();
    const check::Report report = check();
    EXPECT_TRUE(report.has(level3, "missing key \"pigsToFeed\" (the cook game (!3) reads it)")) << listing(report);
    EXPECT_TRUE(report.has(cookLevelPath(1), "value \"none\" of \"pigsOnScreen\" is not a number (read as 0)"));
    EXPECT_TRUE(report.has(cookLevelPath(2), "key \"pigHungrySpeed\" has no value"));
    EXPECT_TRUE(report.has(cookLevelPath(4), "\"pigsToFeed\" is 2.14748e+09: the game refuses more than 999"))
        << listing(report);
    EXPECT_TRUE(report.has(cookLevelPath(5), "level script \"bitmaps\\cook\\level05\" does not exist: difficulty 3 of "
                                             "the cook game (!3) starts at level 5"));
    EXPECT_EQ(report.errorCount(), 5) << listing(report);
    EXPECT_EQ(report.warningCount(), 1);  // level 7 follows a gap and is never played
}

TEST_F(CheckData, SoundsMissingFromTheVolume) {
    sounds.erase("cook\\pig-done");
    sounds.erase("voice\\hello");
    sounds["click2"] = {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'J', 'U', 'N', 'K'};
    replace(kExit, "voice\\hello 2", "voice\\bye 2");
    const check::Report report = check();
    EXPECT_TRUE(report.has("data_demo/sounds.vol",
                           "sound \"cook\\pig-done\" is not in the \"sounds\" volume (needed by the cook game (!3))"))
        << listing(report);
    EXPECT_TRUE(report.has(kExit, "sound \"voice\\hello\" is not in the \"sounds\" volume"));
    EXPECT_TRUE(report.has(kExit, "area \"hello\": sound \"voice\\bye\" is not one of this screen's \"sound:\" lines"));
    EXPECT_TRUE(report.has("data_demo/sounds.vol", "click2.wav File corrupted or unsupported WAVE format!"));
    EXPECT_EQ(report.errorCount(), 4) << listing(report);
}

TEST_F(CheckData, TracksCansAndVolumes) {
    tracks.erase("birds");
    cans.erase("mov-painter");
    replace(kBook, "\n\n", "\n\ncanner: a_book-door\n");
    const check::Report report = check();
    EXPECT_TRUE(report.has("data_demo/tracks.vol", "track \"birds\" is not in the \"tracks\" volume: File 'birds.mp3' "
                                                   "not found in volume. (needed by the world)"))
        << listing(report);
    EXPECT_TRUE(report.has("data_demo/can/mov-painter.can", "CAN animation \"mov-painter\" does not exist (needed by "
                                                            "the movie mov-painter, played on the first visit of "
                                                            "a_painter2)"));
    EXPECT_TRUE(report.has(kBook, "CAN animation \"a_book-door\" does not exist (data_demo/can/a_book-door.can)"));

    write();
    std::filesystem::remove(root + "/data_demo/tracks.vol");
    clearPathCache();
    const check::Report noTracks = check::DataChecker(root).run();
    EXPECT_TRUE(noTracks.has("data_demo/tracks.vol", "Cannot open volume file")) << listing(noTracks);
    // The volume is reported once, not every track it should hold.
    for (const check::Finding& f : noTracks.findings()) EXPECT_EQ(f.message.find("is not in the \"tracks\""), std::string::npos);
}

TEST_F(CheckData, TheCooksAnimationMustServeOnFrame59) {
    const std::string anm = "data_demo/bitmaps/cook/cook.anm";
    const std::string cook = "data_demo/ascreen/Cook.as";
    // At speed 60 the plate mode steps two frames a tick and skips 59.
    files[anm] = cookAnimation("(loop 46 59 60 1) (loop 0 3 4 0)");
    replace(anm, "(anim drop", "(anim fall");
    replace(cook, "bForceUpdate: 1", "bForceUpdate: 0");
    replace("data_demo/bitmaps/cook/pig.anm", "(anim eating", "(anim eat");
    const check::Report report = check();
    EXPECT_TRUE(report.has(anm, "mode \"plate\" never shows frame 59 (the cook game (!3) waits for that frame)"))
        << listing(report);
    EXPECT_TRUE(report.has(anm, "mode \"drop\" is missing (the cook game (!3) sets it: \"Anim mode not found: drop\")"));
    EXPECT_TRUE(report.has("data_demo/bitmaps/cook/pig.anm", "mode \"eating\" is missing"));
    EXPECT_TRUE(report.has(cook, "sprite \"cook\": bForceUpdate must be 1: CookProc works on every tick"));
    EXPECT_EQ(report.errorCount(), 4) << listing(report);

    files[anm] = cookAnimation("(loop 45 70 30 1)");
    EXPECT_TRUE(check().has(anm, "mode \"plate\" plays frames 45..70 but the file has 62 frames"));
}

TEST_F(CheckData, DialogsMustEndAndOfferTheAnswersTheirCallersUse) {
    dialog("difficulty", {1, 3});
    dialog("cook-gameinfo", {});
    files.erase("data_demo/ascreen/train-gameinfo.as");
    const check::Report report = check();
    EXPECT_TRUE(report.has("data_demo/ascreen/difficulty.as", "no area answers 2 (needed by the questions of the "
                                                              "games)"))
        << listing(report);
    EXPECT_TRUE(report.has("data_demo/ascreen/cook-gameinfo.as", "no area ends the dialog"));
    EXPECT_TRUE(report.has("data_demo/ascreen/train-gameinfo.as", "dialog \"train-gameinfo\" does not exist: Cannot "
                                                                  "open active screen: data_demo\\ascreen\\train-"
                                                                  "gameinfo.as (the description of the train game "
                                                                  "(!F))"));
}

TEST_F(CheckData, VoicesCannersAndGreetings) {
    // The greeting of a_exit01 plays for children coming from a_start, which leads there.
    EXPECT_EQ(check().errorCount(), 0);
    replace(kExit, "voice\\hello 2 a_start", "voice\\hello 2 a_book");
    replace(kBook, "strProc: AdvProc", "strProc: CannerProc");
    const check::Report report = check();
    EXPECT_TRUE(report.has(kExit, "area \"hello\": sound mode 2 greets children coming from \"a_book\", but no area "
                                  "there leads to \"a_exit01\": the sound never plays"))
        << listing(report);
    EXPECT_TRUE(report.has(kBook, "area \"onward\": canner \"a_start\" is not a canner of this screen"));
}

TEST_F(CheckData, NoDataDirectory) {
    std::filesystem::create_directories(root + "/empty");
    const check::Report report = check::DataChecker(root + "/empty").run();
    EXPECT_EQ(report.lines(false), std::vector<std::string>{"data_demo: no such directory: there is no data to play"});
    const std::string before = dataRoot();
    check::DataChecker(root).run();
    EXPECT_EQ(dataRoot(), before);  // the checker puts the process's data root back
}

// The generator checks screen files against data/GameScreens; the checker
// against its needs. Both must name the same procedures for every game screen.
TEST(GameScreens, TheSharedTableAgreesWithEveryGamesNeeds) {
    int screens = 0;
    for (const GameInfo& game : gameTable()) {
        const check::Needs* needs = check::gameNeeds(game.code);
        ASSERT_NE(needs, nullptr) << game.name;
        std::vector<check::ScreenNeed> all = needs->screens;
        for (const check::LevelScriptNeed& levels : needs->levelScripts)
            all.insert(all.end(), levels.levelScreens.begin(), levels.levelScreens.end());
        for (const check::ScreenNeed& screen : all) {
            char name[64];
            std::snprintf(name, sizeof name, screen.name.c_str(), 7);  // "Train%02d" is "Train07"
            const auto procs = gameScreenProcs(name);
            ASSERT_TRUE(procs.has_value()) << name;
            EXPECT_EQ(*procs, screen.procs) << name;
            ++screens;
        }
    }
    EXPECT_EQ(screens, static_cast<int>(gameScreenTable().size()));
    EXPECT_FALSE(gameScreenProcs("a_start").has_value());
    EXPECT_FALSE(gameScreenProcs("common-winner").has_value());
}
