#include "check/DataNeeds.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <strings.h>

#include "app/Exception.h"
#include "app/Language.h"
#include "check/ScreenFile.h"
#include "data/GameScreens.h"
#include "data/InstrumentNames.h"
#include "data/ResourcePath.h"
#include "gfx/Polygon.h"
#include "game/BackButton.h"
#include "games/alchemist/AlchemistField.h"
#include "games/comets/CometsLevels.h"
#include "games/computer/ComputerScreen.h"
#include "games/cook/CookLevel.h"
#include "games/mower/MowerLevel.h"
#include "games/sky/SkyLevel.h"
#include "games/xylophone/Melody.h"
#include "games/domino/DominoBoard.h"
#include "games/domino/DominoLevelFile.h"
#include "games/domino/DominoRoadSearch.h"
#include "games/fireman/FiremanLevel.h"
#include "games/pipe/PipeLevel.h"
#include "games/pipe/PipeScreen.h"
#include "games/train/TrainScreen.h"
#include "games/train/TrainSolver.h"
#include "games/train/TrainSwitchFile.h"
#include "games/twins/TwinsLevel.h"
#include "scene/Sprite.h"

namespace check {

namespace {

// The letters of the banner texts of both languages ("Poziom %d", "Level %d"
// and so on) and the digits: the font must hold all of them, whichever
// language the data set is played in.
std::string bannerCharacters() {
    std::string all = "0123456789";
    for (Language language : {Language::Polish, Language::English}) {
        const UiTexts& t = uiTexts(language);
        for (const char* text : {t.level, t.done, t.playTime})
            for (const char* c = text; *c; ++c)
                if (*c == '%' && c[1] == 'd')
                    ++c;
                else
                    all += *c;
    }
    return all;
}

const std::string kBannerCharacters = bannerCharacters();

std::string numbered(const char* format, int n) {
    char name[96];
    std::snprintf(name, sizeof name, format, n);
    return name;
}

KeyNeed number(const char* key, KeyNeed::Range range, bool integer = false, double max = 100000) {
    KeyNeed k;
    k.key = key;
    k.range = range;
    k.integer = integer;
    k.max = max;
    return k;
}

std::vector<Needs> makeProgramNeeds() {
    std::vector<Needs> all;

    Needs startUp;
    startUp.who = "start-up: the pointer and loading pictures";
    startUp.pictures = {{"mouse"}, {"mouse_go"}, {"mouse_door"}, {"loading"}};
    all.push_back(startUp);

    Needs logo;
    logo.who = "the logo screen";
    logo.pictures = {{"_brightoak", true}};
    logo.tracks = {"_brightoak"};
    all.push_back(logo);

    Needs world;
    world.who = "the world";
    world.locations = {firstLocation(), "a_exit01", "a_book"};
    world.sounds = {"click1", "click2"};
    world.tracks = {"_motyw1", "_motyw2", "_night", "birds"};
    for (const Trade& t : trades()) world.locations.push_back(t.location);
    all.push_back(world);

    for (const Trade& t : trades()) {
        Needs movie;
        movie.who = std::string("the movie ") + t.movie + ", played on the first visit of " + t.location;
        movie.pictures = {{"black", true}, {t.movie, true}, {"black2", true}};
        movie.cans = {t.movie};
        movie.tracks = {t.movie, t.musicAfter};
        all.push_back(movie);
    }

    Needs outro;
    outro.who = "the outro, shown when all sixteen map pieces are found";
    outro.pictures = {{"black", true}, {"mov-outro", true}, {"black2", true}};
    for (int i = 1; i <= 7; ++i) outro.pictures.push_back({numbered("_outro\\outro%03d", i)});
    outro.tracks = {"mov-outro"};
    all.push_back(outro);

    Needs map;
    map.who = "the map screen";
    for (int i = 0; i <= 16; ++i) map.pictures.push_back({numbered("_map\\map%02d", i), true});
    map.sounds = {"voice\\g_mapFirst", "voice\\g_mapNext", "voice\\g_mapLast", "map-newPiece"};
    all.push_back(map);

    Needs bookMap;
    bookMap.who = "the child's own map (!M)";
    bookMap.pictures = {{"map-back"}};
    all.push_back(bookMap);

    Needs demo;
    demo.who = "the demo picture (!X)";
    demo.pictures = {{"a_demo", true}};
    all.push_back(demo);

    Needs dialogs;
    dialogs.who = "the questions of the games";
    dialogs.dialogs = {{"difficulty", {1, 2, 3}},
                       {"common-nextlevel", {1}},
                       {"common-gameover", {1}},
                       {"common-winner", {}}};
    dialogs.fonts = {{"std_font", kBannerCharacters}};
    dialogs.sounds = {"type01"};
    all.push_back(dialogs);

    Needs editor;
    editor.who = "the screen editor (new sprites)";
    editor.animations = {{"_default", {{"default"}}}};
    editor.avis = {"globe"};
    all.push_back(editor);

    return all;
}

Needs cookNeeds() {
    Needs n;
    n.who = "the cook game (!3)";
    n.pictures = {{"cook\\bkg", true}, {"cook\\plateFull"}, {"cook\\plateEmpty"}, {"cook\\pig-icon"}};
    n.animations = {{"cook\\pig", {{"default"}, {"eating"}}}, {"boom", {{"boom"}, {"bravo"}}}};
    ScreenNeed screen;
    screen.name = "Cook";
    screen.procs = gameScreenOwnProcs(screen.name);
    screen.background = false;  // the game draws "cook\bkg" itself
    screen.sprites = {{"CookProc", SpriteKind::BmpSprite, true, {{"default"}, {"plate", 59}, {"drop"}}, "the cook"}};
    n.screens = {screen};
    n.sounds = {"cook\\plate-break", "cook\\plate-put", "cook\\pig-eating", "cook\\pig-done", "cook\\cook-move",
                "click1"};
    n.tracks = {"cook", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-gameover", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\cook\\level%02d";
    levels.startLevels = {1, 3, 5};  // difficulty 1, 2, 3
    levels.keys = {number("plateFullSpeed", KeyNeed::Positive),       number("plateEmptySpeed", KeyNeed::Positive),
                   number("pigHungrySpeed", KeyNeed::Positive),       number("pigEatingSpeed", KeyNeed::Positive),
                   number("pigEatingTime", KeyNeed::NonNegative, true),
                   number("pigsToFeed", KeyNeed::Positive, true, CookLevel::kMaxPigsToFeed),
                   number("pigsOnScreen", KeyNeed::Positive, true, CookLevel::kMaxPigsOnScreen)};
    n.levelScripts = {levels};
    return n;
}

// The alchemist's brick breaker (!0). Its maps are read character by character.
Needs alchemistNeeds() {
    Needs n;
    n.who = "the alchemist's brick breaker (!0)";
    n.pictures = {{"Alchemist\\bkg", true}, {"Alchemist\\ball"}};
    for (int d = 1; d <= 3; ++d)
        for (int h = 0; h <= 2; ++h) n.pictures.push_back({numbered("Alchemist\\bar%d-h", d) + std::to_string(h)});
    for (int row = 0; row < 5; ++row)
        for (int frame = 0; frame < 5; ++frame)
            n.pictures.push_back({numbered("Alchemist\\%02d-", row) + numbered("%02d", frame)});
    n.animations = {{"boom", {{"boom"}}}};
    n.sounds = {"Arkanoid\\hit", "Arkanoid\\break"};
    n.tracks = {"arkanoid"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-gameover", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\alchemist\\map%02d";
    levels.startLevels = {1};
    levels.readRaw = [](const std::string& text, const std::string& path) -> std::string {
        AlchemistField field;
        int maxVx = 0, maxVy = 0;
        try {
            field.readLevel(text, path, maxVx, maxVy);
        } catch (const Exception& e) {
            return std::string(e.message()) + " (the file must begin with \"(maxVel <x> <y> )\")";
        }
        if (maxVy <= 0) return "maxVel: the vertical speed must be above 0, or the ball never leaves the bar";
        if (maxVx < 0) return "maxVel: the horizontal speed must not be negative";
        if (field.countBricks() == 0) return "no brick (digit) in the field: the level is solved as soon as it starts";
        for (int c = 1; c < AlchemistField::kColumns - 1; ++c)
            for (int r = 1; r < AlchemistField::kRows - 1; ++r)
                if (field.cell(c, r).kind == AlchemistField::Brick && field.cell(c, r).pictureRow > 4)
                    return "a brick digit above 4: only the colours 0 to 4 have pictures";
        return "";
    };
    n.levelScripts = {levels};
    return n;
}

// The comets game (!1).
Needs cometsNeeds() {
    Needs n;
    n.who = "the comets game (!1)";
    n.pictures = {{"comets\\lives"}, {"comets\\point"}};
    ScreenNeed screen;
    screen.name = "Comets";
    screen.procs = gameScreenOwnProcs(screen.name);
    screen.sprites = {{"CarProc", SpriteKind::BmpSprite, true, {{"shot"}}, "the van"},
                      {"CometProc", SpriteKind::BmpSprite, true, {}, "the comet"},
                      {"NetProc", SpriteKind::BmpSprite, true, {}, "the net"}};
    n.screens = {screen};
    n.sounds = {"Comets\\net", "Comets\\catch", "Comets\\engine"};
    n.tracks = {"comets", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-gameover", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\comets\\levels";
    levels.keys = {number("levels", KeyNeed::Positive, true, CometsLevels::kMax)};
    n.levelScripts = {levels};
    return n;
}

// The fireman's game (!5).
Needs firemanNeeds() {
    Needs n;
    n.who = "the fireman's game (!5)";
    n.pictures = {{"Fireman\\bkg_mask"}, {"Fireman\\exting2"}, {"fireman\\exting"}};
    for (int i = 0; i < 7; ++i) n.pictures.push_back({numbered("Fireman\\Splash\\splash%03d", i)});
    n.animations = {{"fireman\\fire", {{"show"}, {"hide", 17}, {"hit", 17}}}};
    ScreenNeed screen;
    screen.name = "Fireman";
    screen.procs = gameScreenOwnProcs(screen.name);
    n.screens = {screen};
    n.sounds = {"Fireman\\show", "Fireman\\hide", "Fireman\\hit", "Fireman\\miss"};
    n.tracks = {"fireman", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-gameover", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\fireman\\level%02d";
    levels.startLevels = {1, 3, 5};  // difficulty 1, 2, 3
    constexpr int kCount = FiremanLevel::kMaxCount;
    levels.keys = {number("firecount", KeyNeed::Positive, true, kCount), number("hidetime", KeyNeed::NonNegative, true),
                   number("showtime", KeyNeed::Positive, true),  number("easywindows", KeyNeed::NonNegative, true),
                   number("shots", KeyNeed::Positive, true, kCount), number("togo", KeyNeed::Positive, true, kCount)};
    n.levelScripts = {levels};
    return n;
}

// The painter's colouring book (!B). It offers the drawings the data holds,
// numbered from 0 up to the first gap; six are needed to fill its column.
Needs painterNeeds() {
    Needs n;
    n.who = "the painter's colouring book (!B)";
    n.pictures = {{"painter\\bkg", true},        {"painter\\pic_clean"},     {"painter\\m_brush"},
                  {"painter\\m_fill"},           {"painter\\m_brushout"},    {"painter\\m_fillout"},
                  {"painter\\bkg_brush_sel"},    {"painter\\bkg_fill_sel"}};
    for (int k = 0; k < 6; ++k) {
        n.pictures.push_back({numbered("painter\\pics\\pic%02d", k)});
        n.pictures.push_back({numbered("painter\\picsmin\\pic%02d", k)});
    }
    ScreenNeed screen;
    screen.name = "Painter";
    screen.procs = gameScreenOwnProcs(screen.name);
    screen.background = false;  // the game draws its canvas itself
    n.screens = {screen};
    n.sounds = {"click0", "click1", "click2"};
    n.tracks = {"birds"};
    return n;
}

// The railroader's game (!F). Each level is a switch file, an active screen
// "TrainNN" whose numbered areas are the tracks, and a background; the
// switch file's point numbers refer to that screen's outlines.
Needs trainNeeds() {
    Needs n;
    n.who = "the railroader's game (!F)";
    for (int i = 0; i < TrainScreen::kDirections * TrainScreen::kLocoFrames; ++i)
        n.pictures.push_back({numbered("Train\\Loco\\loco%03d", i)});
    for (int i = 0; i < TrainScreen::kCargoFrames; ++i) n.pictures.push_back({numbered("Train\\Cargo\\cargo%03d", i)});
    n.sounds = {"wrong2", "train\\switch", "train\\train", "click0"};
    n.tracks = {"train", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\train\\level%02d";
    levels.startLevels = {1};
    ScreenNeed screen;
    screen.name = "Train%02d";
    screen.procs = gameScreenOwnProcs(screen.name);
    screen.background = false;  // the game draws the level's background itself
    levels.levelScreens = {screen};
    levels.levelPictures = {"Train\\bkg%02d"};
    levels.readRaw = [](const std::string& text, const std::string& path) -> std::string {
        TrainSwitchFile file;
        try {
            file.readText(text, path);
        } catch (const Exception& e) {
            return e.message();
        }
        const size_t at = path.rfind("level");
        const int level = at == std::string::npos ? 0 : std::atoi(path.c_str() + at + 5);
        std::string screenText;
        if (!readDataFile(resourcePath(ResActiveScreen, numbered("Train%02d", level)), screenText))
            return "";  // the missing screen is reported with the level's screen
        TrainSwitchFile::Tracks tracks;
        for (const ScreenSprite& s : readScreenFile(screenText).sprites) {
            if (s.kind != SpriteKind::ActiveArea || s.name.empty() ||
                s.name.find_first_not_of("0123456789") != std::string::npos)
                continue;
            auto& points = tracks[std::atoi(s.name.c_str())];
            if (points.empty()) points = s.points;  // the game finds the first area of a name
        }
        std::string problem = file.problems(tracks);
        if (!problem.empty()) return problem + " (the tracks are the areas of " + numbered("Train%02d", level) + ")";
        const TrainSolution solution = solveTrainLevel(file, tracks);
        if (!solution.decided)
            return "the search for a way to win gave up after " + std::to_string(solution.states) +
                   " train positions: make the level smaller";
        if (!solution.winnable)
            return "the level cannot be won by setting the switches alone: some cargo is never reached "
                   "without turning the train round (the tracks are the areas of " +
                   numbered("Train%02d", level) + ")";
        for (const TrainSwitch& sw : file.switches)
            for (const TrainMode& mode : sw.modes)
                if (mode.hasPicture() && !dataFileExists(resourcePath(ResBitmap, "Train\\" + mode.name)))
                    return "the picture of switch mode " + mode.name + " (Train\\" + mode.name + ") does not exist";
        return "";
    };
    n.levelScripts = {levels};
    return n;
}

// The jigsaw game (!C). Its levels are cut by the game from fourteen pictures.
Needs jigsawNeeds() {
    Needs n;
    n.who = "the jigsaw game (!C)";
    n.pictures = {{"jigsaw\\bkg", true}};
    for (int k = 1; k <= 14; ++k) n.pictures.push_back({numbered("jigsaw\\jig%02d", k)});
    n.sounds = {"click2", "complete"};
    n.tracks = {"jigsaw", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    return n;
}

// The gardener's lawn mower (!6). Its level files name the lawn's pictures
// and obstacle mask; the level reader checks them as the game would play them.
Needs mowerNeeds() {
    Needs n;
    n.who = "the gardener's lawn mower (!6)";
    n.pictures = {{"mower\\mower-icon"}};
    for (int i = 0; i < 60; ++i) n.pictures.push_back({numbered("mower\\mower\\str%02d", i)});
    for (int i = 0; i < 40; ++i) n.pictures.push_back({numbered("mower\\mower\\lft%02d", i)});
    for (int i = 0; i < 40; ++i) n.pictures.push_back({numbered("mower\\mower\\rgt%02d", i)});
    n.animations = {{"boom", {{"boom"}, {"bravo"}}}};
    n.sounds = {"mower\\hit", "mower\\engine", "mower\\grass"};
    n.tracks = {"mower", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-gameover", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\mower\\map%02d";
    levels.startLevels = {1};
    levels.readRaw = [](const std::string& text, const std::string& path) { return mowerLevelProblems(text, path); };
    n.levelScripts = {levels};
    return n;
}

// The musician's band (!9).
Needs instrumentsNeeds() {
    Needs n;
    n.who = "the band game (!9)";
    n.pictures = {{"instruments\\quizon"}, {"instruments\\quizoff"}, {"mouse"}, {"mouse_go"}};
    ScreenNeed screen;
    screen.name = "Instruments";
    screen.procs = gameScreenOwnProcs(screen.name);
    n.screens = {screen};
    for (const char* can : kInstrumentCannerNames) n.cans.push_back(can);
    for (const char* sound : kInstrumentSoundNames) n.sounds.push_back(sound);
    for (const char* voice : kInstrumentVoiceNames) n.sounds.push_back(voice);
    for (const char* voice : {"Voice\\g_insGood", "Voice\\g_insWrong", "Voice\\g_insQuestion"}) n.sounds.push_back(voice);
    return n;
}

// The astronomer's star pictures (!2). Its screen "Sky" has the areas Help
// and Main; every star of a level must lie in Main to be clickable.
Needs skyNeeds() {
    Needs n;
    n.who = "the astronomer's star pictures (!2)";
    n.pictures = {{"Sky\\bkg", true}, {"Sky\\digits18"}, {"Sky\\digits34"}, {"Sky\\help"}};
    for (int i = 0; i < 14; ++i) n.pictures.push_back({numbered("Sky\\star\\star_%03d", i)});
    ScreenNeed screen;
    screen.name = "Sky";
    screen.procs = gameScreenOwnProcs(screen.name);
    screen.background = false;  // the sky is the game's own picture
    n.screens = {screen};
    n.sounds = {"sky\\wrong", "sky\\good", "sky\\mouseover", "sky\\complete", "voice\\g_skyClickForHelp",
                "voice\\g_skyNextNumber"};
    for (int k = 1; k <= 50; ++k) n.sounds.push_back(numbered("voice\\g_sky%02d", k));
    n.tracks = {"sky", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\sky\\map%02d";
    levels.startLevels = {1};
    levels.readRaw = [](const std::string& text, const std::string& path) -> std::string {
        std::string screenText;
        std::vector<std::pair<int, int>> sky;
        if (readDataFile(resourcePath(ResActiveScreen, "Sky"), screenText))
            for (const ScreenSprite& s : readScreenFile(screenText).sprites)
                if (s.kind == SpriteKind::ActiveArea && strcasecmp(s.name.c_str(), "Main") == 0 && sky.empty())
                    sky = s.points;
        if (sky.empty()) return "the screen Sky has no area Main: the stars cannot be clicked";
        return skyLevelProblems(text, path, [&](int x, int y) {
            return polygonContains(sky.size(), [&sky](size_t i) { return sky[i]; }, x, y);
        });
    };
    n.levelScripts = {levels};
    return n;
}

// The musician's xylophone (!A). Its melodies are named by the areas of its
// screen and read when chosen.
Needs xylophoneNeeds() {
    Needs n;
    n.who = "the xylophone game (!A)";
    n.pictures = {{"Xylophone\\bkg", true}, {"Xylophone\\stick"}, {"Xylophone\\hand"}};
    ScreenNeed screen;
    screen.name = "Xylophone";
    screen.procs = gameScreenOwnProcs(screen.name);
    screen.background = false;  // the game draws its background itself
    screen.argumentProc = "MusicProc";
    screen.checkArgument = [](const std::string& melody) -> std::string {
        if (melody == "NONE") return "";
        try {
            Melody().load(melody);
        } catch (const Exception& e) {
            std::string message = e.message();
            std::replace(message.begin(), message.end(), '\n', ' ');
            return "the melody " + melody + " cannot be played: " + message;
        }
        return "";
    };
    n.screens = {screen};
    for (const char* note : {"do", "re", "mi", "fa", "sol", "la", "si", "do2"})
        n.sounds.push_back(std::string("Xylophone\\") + note);
    return n;
}

// The plumber's game (!D). The difficulty picks the screen of patch buttons.
Needs pipeNeeds() {
    Needs n;
    n.who = "the plumber's game (!D)";
    n.pictures = {{"Pipe\\joint"}, {"Pipe\\piston"}, {"Pipe\\border-left"}, {"Pipe\\border-right"}};
    for (int k = 0; k < PipeScreen::kMaxShapes; ++k) {
        n.pictures.push_back({numbered("Pipe\\patch%02d", k)});
        n.pictures.push_back({numbered("Pipe\\hole%02d", k)});
    }
    for (int i = 0; i < PipeScreen::kWaterFrames; ++i) n.pictures.push_back({numbered("Pipe\\water\\water%03d", i)});
    n.animations = {{"boom", {{"boom"}}}};
    for (int d = 1; d <= 3; ++d) {
        ScreenNeed screen;
        screen.name = pipeScreenFor(d);
        screen.procs = gameScreenOwnProcs(screen.name);
        n.screens.push_back(screen);
    }
    n.sounds = {"Pipe\\patch-good", "Pipe\\patch-wrong", "pipe\\pick", "Pipe\\water"};
    n.tracks = {"pipe", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-gameover", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\pipe\\level%02d";
    levels.startLevels = {1};
    levels.readRaw = [](const std::string& text, const std::string& path) -> std::string {
        PipeLevel level;
        try {
            level.readText(text, path);
        } catch (const Exception& e) {
            return e.message();
        }
        if (!level.hasScreen) return "no (ascreen ...) key: the patch buttons are never loaded";
        if (level.minSpeed < 1 || level.maxSpeed < 1)
            return "minspeed and maxspeed must be at least 1, or the pipe stops before its end";
        return "";
    };
    n.levelScripts = {levels};
    return n;
}

// The engineer's domino road (!4). Every level names its background; the
// loose pieces must find room in the tray.
Needs dominoNeeds() {
    Needs n;
    n.who = "the engineer's domino road (!4)";
    n.pictures = {{"domino\\shadow"}, {"domino\\RoadEnd"}};
    for (int t = 0; t < DominoBoard::kTypes; ++t) n.pictures.push_back({numbered("Domino\\piece%02d", t)});
    n.sounds = {"click1", "click2", "complete"};
    n.tracks = {"engineer", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", kBannerCharacters}};
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\domino\\map%02d";
    levels.startLevels = {1};
    levels.readRaw = [](const std::string& text, const std::string& path) -> std::string {
        DominoBoard board;
        DominoLevelFile file;
        try {
            file.readText(text, path, board);
        } catch (const Exception& e) {
            return e.message();
        }
        if (file.background.empty()) return "no (background ...) key: the board would be drawn on nothing";
        if (!dataFileExists(resourcePath(ResBitmap, "Domino\\" + file.background)))
            return "picture \"Domino\\" + file.background + "\" of (background " + file.background + ") does not exist";
        if (file.dropped > 0)
            return std::to_string(file.dropped) + " loose piece(s) find no room in the tray and are left out";
        if (board.count == 0) return "no piece at all: no road can be built";
        switch (searchDominoRoad(board)) {
            case DominoRoadVerdict::NotBuildable:
                return "the road cannot be built: no way from the top of the site to its bottom over free cells "
                       "with these pieces";
            case DominoRoadVerdict::Undecided:
                return "the search for a buildable road gave up: make the level smaller";
            case DominoRoadVerdict::Buildable:
                break;
        }
        return "";
    };
    n.levelScripts = {levels};
    return n;
}

// The programmer's sums (!E): no level files; the robot's frames, the
// question lamps and the font of the sums.
Needs computerNeeds() {
    Needs n;
    n.who = "the programmer's sums (!E)";
    n.pictures = {{"Computer\\bkg", true}, {"Computer\\point"}};
    char name[40];
    for (int i = 0; i < ComputerScreen::kHappyFrames; ++i) {
        std::snprintf(name, sizeof name, "Computer\\Anim\\happy%03d", i);
        n.pictures.push_back({name});
    }
    for (int i = 0; i < ComputerScreen::kAngryFrames; ++i) {
        std::snprintf(name, sizeof name, "Computer\\Anim\\mad%03d", i);
        n.pictures.push_back({name});
    }
    n.sounds = {"wrong", "good", "Computer\\click"};
    n.tracks = {"computer", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-winner", {}}};
    n.fonts = {{"Computer\\fontStd", "0123456789+-*="}};
    return n;
}

// The memory cards (!8). Each level names its face sheet and card back; the
// faces must lie inside the sheet and the grid on the screen.
Needs twinsNeeds() {
    Needs n;
    n.who = "the memory cards (!8)";
    n.pictures = {{"twins\\bkg", true}};
    n.sounds = {"twins\\card", "good", "wrong"};
    n.tracks = {"twins", "birds"};
    n.dialogs = {{"common-nextlevel", {1}}, {"common-winner", {}}};
    n.fonts = {{"std_font", std::string(kBannerCharacters) + "Kliknij!"}};  // and the prompt after the last pair
    LevelScriptNeed levels;
    levels.pattern = "bitmaps\\twins\\level%02d";
    levels.startLevels = {1};
    levels.readRaw = [](const std::string& text, const std::string& path) -> std::string {
        TwinsLevel level;
        try {
            level.readText(text, path);
        } catch (const Exception& e) {
            return e.message();
        }
        // The size of a picture from its TGA header; false when it cannot be read.
        auto pictureSize = [](const std::string& name, int& w, int& h) {
            std::string bytes;
            if (!readDataFile(resourcePath(ResBitmap, name), bytes) || bytes.size() < 18) return false;
            w = static_cast<uint8_t>(bytes[12]) | static_cast<uint8_t>(bytes[13]) << 8;
            h = static_cast<uint8_t>(bytes[14]) | static_cast<uint8_t>(bytes[15]) << 8;
            return true;
        };
        int w = 0, h = 0;
        if (!pictureSize("twins\\" + level.lid, w, h))
            return "the card back twins\\" + level.lid + " of (lid " + level.lid + ") cannot be read";
        if (!pictureSize("twins\\" + level.cards, w, h))
            return "the face sheet twins\\" + level.cards + " of (cards " + level.cards + ") cannot be read";
        for (int k = 0; k < TwinsLevel::kFaceValues; ++k) {
            const TwinsLevel::Face& f = level.faces[k];
            if (f.x < 0 || f.y < 0 || f.x + level.cardWidth > w || f.y + level.cardHeight > h)
                return "face " + std::to_string(k) + " (pos " + std::to_string(f.x) + " " + std::to_string(f.y) +
                       ") does not lie inside the " + std::to_string(w) + " x " + std::to_string(h) + " face sheet";
        }
        const int right = level.startX + level.columns * (level.cardWidth + level.xSpace) - level.xSpace;
        const int bottom = level.startY + level.rows * (level.cardHeight + level.ySpace) - level.ySpace;
        if (level.startX < 0 || level.startY < 0 || right > 640 || bottom > 480)
            return "the grid of cards reaches past the screen (" + std::to_string(right) + ", " +
                   std::to_string(bottom) + ")";
        return "";
    };
    n.levelScripts = {levels};
    return n;
}

Needs hatsNeeds() {
    Needs n;
    n.who = "the magician's hats (!7)";
    n.pictures = {{"hats\\bkg", true}, {"hats\\cylinder"}, {"hats\\guzik"}, {"hats\\hat_small"}};
    n.sounds = {"good", "wrong", "Hats\\shake"};
    n.tracks = {"hats", "birds"};
    n.dialogs = {{"common-gameover", {1}}};
    n.fonts = {{"Hats\\fontStd", "0123456789"}};
    return n;
}
}  // namespace

const std::vector<std::string>& locationProcs() {
    static const std::vector<std::string> procs = {"AdvProc", "SndProc", "CannerProc"};
    return procs;
}

const std::vector<std::string>& dialogProcs() {
    static const std::vector<std::string> procs = {"DialogScreenHandler", "SndProc"};
    return procs;
}

const char* firstLocation() { return "a_start"; }
const char* gameMenuPrefix() { return "a_game"; }

const std::array<Trade, 12>& trades() { return characters(); }

const std::vector<Needs>& programNeeds() {
    static const std::vector<Needs> needs = makeProgramNeeds();
    return needs;
}

namespace {
// Every mini-game shows the back button: its screens hold the area "back"
// with "BackProc"; a game with no screen of its own has a small one for it.
Needs withBackButton(Needs n, const char* ownScreen = nullptr) {
    auto mark = [](ScreenNeed& s) {
        s.procs.push_back(BackButton::kProcName);
        s.backArea = true;
    };
    for (ScreenNeed& s : n.screens) mark(s);
    for (LevelScriptNeed& l : n.levelScripts)
        for (ScreenNeed& s : l.levelScreens) mark(s);
    if (ownScreen) {
        ScreenNeed s;
        s.name = ownScreen;
        s.background = false;
        mark(s);
        n.screens.push_back(s);
    }
    n.pictures.push_back({BackButton::kPicture});
    return n;
}
}  // namespace

const Needs* gameNeeds(char code) {
    static const std::map<char, Needs> table = {
        {'0', withBackButton(alchemistNeeds(), "Alchemist")},
        {'1', withBackButton(cometsNeeds())},
        {'3', withBackButton(cookNeeds())},
        {'5', withBackButton(firemanNeeds())},
        {'2', withBackButton(skyNeeds())},
        {'6', withBackButton(mowerNeeds(), "Mower")},
        {'4', withBackButton(dominoNeeds(), "Domino")},
        {'D', withBackButton(pipeNeeds())},
        {'F', withBackButton(trainNeeds())},
        {'B', withBackButton(painterNeeds())},
        {'9', withBackButton(instrumentsNeeds())},
        {'A', withBackButton(xylophoneNeeds())},
        {'C', withBackButton(jigsawNeeds(), "Jigsaw")},
        {'8', withBackButton(twinsNeeds(), "Twins")},
        {'E', withBackButton(computerNeeds(), "Computer")},
        {'7', withBackButton(hatsNeeds(), "Hats")},
    };
    auto it = table.find(code);
    return it == table.end() ? nullptr : &it->second;
}

const std::vector<std::string>& rawScriptPrefixes() {
    // The arkanoid maps are read character by character.
    static const std::vector<std::string> prefixes = {"bitmaps\\alchemist\\map"};
    return prefixes;
}

}  // namespace check
