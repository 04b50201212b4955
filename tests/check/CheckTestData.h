#pragma once
// A small but complete data set for the data checker, kept as lists in
// memory so that each test can break one thing before it is written to a
// fresh temporary directory: every picture, sound, track, screen, animation,
// CAN file and script that the code names, a world of locations from
// "a_start", the dialogs and the cook game's screen and levels.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "audio/AudioTestSupport.h"
#include "check/CheckCommand.h"
#include "check/DataChecker.h"
#include "check/DataNeeds.h"
#include "data/ResourcePath.h"
#include "data/VolumeWriter.h"
#include "game/GameTable.h"
#include "games/instruments/InstrumentsScreen.h"
#include "gfx/PictureTestSupport.h"
#include "tools/AviWriter.h"
#include "tools/CanEncoder.h"
#include "support/SmallWorld.h"

namespace checktest {

class CheckData : public ::testing::Test {
protected:
    // Files by path under the root ("data_demo/ascreen/a_book.as").
    std::map<std::string, std::string> files;
    // Pictures by name: full-screen ones (640 x 480) and small ones.
    std::set<std::string> fullPictures;
    std::set<std::string> smallPictures;
    std::set<std::string> cans;
    std::map<std::string, std::vector<uint8_t>> sounds;  // by name, without ".wav"
    std::set<std::string> tracks;
    std::string root;

    void SetUp() override {
        char pattern[] = "/tmp/qm-check-XXXXXX";
        root = mkdtemp(pattern);
        for (const char* p : {"mouse", "mouse_go", "mouse_door", "loading", "cook\\plateFull", "cook\\plateEmpty",
                              "cook\\pig-icon", "cook\\frame", "boom\\frame", "std_font_sheet", "map-back"})
            smallPictures.insert(p);
        for (const char* p : {"_brightoak", "black", "black2", "mov-outro", "a_demo", "cook\\bkg", "bg_world"})
            fullPictures.insert(p);
        for (int i = 1; i <= 7; ++i) smallPictures.insert(numbered("_outro\\outro%03d", i));
        for (int i = 0; i <= 16; ++i) fullPictures.insert(numbered("_map\\map%02d", i));
        for (const char* t : {"_brightoak", "_motyw1", "_motyw2", "_night", "birds", "mov-outro", "cook"})
            tracks.insert(t);
        for (const char* s : {"click1", "click2", "type01", "voice\\g_mapFirst", "voice\\g_mapNext", "voice\\g_mapLast",
                              "map-newPiece", "cook\\plate-break", "cook\\plate-put", "cook\\pig-eating",
                              "cook\\pig-done", "cook\\cook-move", "voice\\hello"})
            sounds[s] = wav();

        // The world: a_start leads to the book, the exit and every trade's
        // second location; each of those leads back.
        std::vector<world::Area> startAreas = {{"book", "AdvProc", "a_book", 0, 0, 100, 100},
                                               {"exit", "AdvProc", "a_exit01", 100, 0, 200, 100}};
        int x = 0;
        for (const check::Trade& t : check::trades()) {
            fullPictures.insert(t.movie);
            cans.insert(t.movie);
            tracks.insert(t.movie);
            std::vector<world::Area> areas = {{"return", "AdvProc", "a_start", 0, 0, 100, 100}};
            if (std::string(t.location) == "a_cook2") areas.push_back({"game3", "AdvProc", "!3", 200, 200, 300, 300});
            if (std::string(t.location) == "a_alchemist2")
                areas.push_back({"game0", "AdvProc", "!0", 200, 200, 300, 300});
            if (std::string(t.location) == "a_astronomer2")
                areas.push_back({"game1", "AdvProc", "!1", 200, 200, 300, 300});
            if (std::string(t.location) == "a_fireman2")
                areas.push_back({"game5", "AdvProc", "!5", 200, 200, 300, 300});
            if (std::string(t.location) == "a_musician2") {
                areas.push_back({"gameA", "AdvProc", "!A", 200, 200, 300, 300});
                areas.push_back({"game9", "AdvProc", "!9", 300, 200, 400, 300});
            }
            if (std::string(t.location) == "a_painter2") {
                areas.push_back({"gameB", "AdvProc", "!B", 200, 200, 300, 300});
                areas.push_back({"gameC", "AdvProc", "!C", 300, 200, 400, 300});
            }
            if (std::string(t.location) == "a_railroader2")
                areas.push_back({"gameF", "AdvProc", "!F", 200, 200, 300, 300});
            if (std::string(t.location) == "a_programmer2")
                areas.push_back({"gameE", "AdvProc", "!E", 200, 200, 300, 300});
            if (std::string(t.location) == "a_plumber2")
                areas.push_back({"gameD", "AdvProc", "!D", 200, 200, 300, 300});
            if (std::string(t.location) == "a_magician2") {
                areas.push_back({"game7", "AdvProc", "!7", 200, 200, 300, 300});
                areas.push_back({"game8", "AdvProc", "!8", 300, 200, 400, 300});
            }
            if (std::string(t.location) == "a_astronomer2")
                areas.push_back({"game2", "AdvProc", "!2", 300, 200, 400, 300});
            if (std::string(t.location) == "a_gardener2")
                areas.push_back({"game6", "AdvProc", "!6", 200, 200, 300, 300});
            if (std::string(t.location) == "a_engineer2")
                areas.push_back({"game4", "AdvProc", "!4", 200, 200, 300, 300});
            screen(t.location, world::activeScreenText("bg_world", areas));
            startAreas.push_back({t.location, "AdvProc", t.location, x, 200, x + 40, 240});
            x += 45;
        }
        screen("a_start", world::activeScreenText("bg_world", startAreas));
        screen("a_book", world::activeScreenText("bg_world", {{"onward", "AdvProc", "a_start", 0, 0, 100, 100}}));
        screen("a_exit01", world::activeScreenText("bg_world", {{"yes", "AdvProc", "#", 0, 0, 100, 100},
                                                          {"return", "AdvProc", "a_start", 200, 0, 300, 100},
                                                          {"hello", "SndProc", "voice\\hello 2 a_start", 0, 0, 640,
                                                           480}},
                                                   {"sound: voice\\hello"}));

        // Dialogs.
        dialog("difficulty", {1, 2, 3});
        dialog("common-nextlevel", {1, 2});
        dialog("common-gameover", {1, 2});
        dialog("common-winner", {1});
        for (const GameInfo& g : gameTable()) dialog(g.description, {1});

        // Animations and the banner font.
        files["data_demo/bitmaps/_default.anm"] = "(speed 10) (bmp boom\\frame)\n";
        files["data_demo/bitmaps/boom.anm"] =
            "(speed 10)\n(bmp boom\\frame)\n(bmp boom\\frame)\n(anim boom (loop 0 0 0 0))\n(anim bravo (loop 1 1 0 0))\n";
        files["data_demo/bitmaps/cook/pig.anm"] =
            "(speed 8)\n(bmp cook\\frame)\n(bmp cook\\frame)\n(anim eating (loop 1 1 0 0))\n";
        files["data_demo/bitmaps/cook/cook.anm"] = cookAnimation("(loop 45 59 30 1) (loop 0 3 4 0)");
        std::string font = "(gfxfile std_font_sheet)\n(gridx 8)\n(height 16)\n(spacing 1)\n(spacelen 6)\n(gfxdata";
        for (char c : std::string("PoziomBraw!Zdanekyc.0123456789:sgC/LvWlTptKj")) font += std::string(" (char ") + c + " 8)";
        files["data_demo/bitmaps/std_font.txt"] = font + ")\n";
        files["data_demo/avi/globe.avi"] = encodeAvi({RgbFrame(8, 8), RgbFrame(8, 8)});

        // The cook game.
        files["data_demo/ascreen/Cook.as"] =
            "bmpBackground: \n\n\n\n:BmpSprite\nstrName: cook\nstrProc: CookProc\nstrParam: \nbForceUpdate: 1\n"
            "strAnimName: cook\\cook\nbColorKey: 1\nPos: 447,187\n:End\n\n" +
            world::activeScreenText("", {{"table1", "PigProc", "1", 0, 160, 470, 200}}).substr(17);
        for (int level = 1; level <= 5; ++level) files[cookLevelPath(level)] = cookLevel();

        // The other built games: what their needs name, plus their levels.
        addGameNeeds('0');
        files["data_demo/bitmaps/alchemist/map01.txt"] = "(maxVel 3 5 )0000";
        addGameNeeds('1');
        smallPictures.insert("comets\\frame");
        files["data_demo/bitmaps/comets/levels.txt"] = "(levels 12)\n";
        files["data_demo/bitmaps/comets/car.anm"] = "(speed 8)\n(bmp comets\\frame)\n(anim shot (loop 0 0 0 0))\n";
        files["data_demo/bitmaps/comets/one.anm"] = "(speed 8)\n(bmp comets\\frame)\n";
        screen("Comets", "bmpBackground: bg_world\n\n" + sprite("car", "CarProc", "comets\\car") +
                             sprite("comet", "CometProc", "comets\\one") + sprite("net", "NetProc", "comets\\one"));
        addGameNeeds('5');
        smallPictures.insert("fireman\\frame");
        std::string fire = "(speed 10)\n";
        for (int i = 0; i < 18; ++i) fire += "(bmp fireman\\frame)\n";
        files["data_demo/bitmaps/fireman/fire.anm"] =
            fire + "(anim show (loop 0 6 10 0))\n(anim hit (loop 7 17 20 1) (loop 17 17 0 0))\n" +
            "(anim hide (loop 14 17 10 1) (loop 17 17 0 0))\n";
        screen("Fireman", world::activeScreenText("bg_world", {{"1", "FiremanWindowProc", "1", 170, 40, 230, 100}}));
        for (int level = 1; level <= 8; ++level)
            files[numbered("data_demo/bitmaps/fireman/level%02d.txt", level)] =
                "(firecount 1)\n(hidetime 30)\n(showtime 40)\n(easywindows 1)\n(shots 5)\n(togo 10)\n";
        addGameNeeds('B');
        screen("Painter", world::activeScreenText("painter\\bkg", {{"brush", "BrushAreaProc", "", 63, 399, 130, 472}}));
        addGameNeeds('C');
        addGameNeeds('A');
        addGameNeeds('9');
        for (const char* can : InstrumentsScreen::kCannerNames) cans.insert(can);
        screen("Instruments", world::activeScreenText("bg_world", {{"drums", "InsCannerProc", "1", 20, 118, 170, 258}},
                                                      {"canner: instruments-bebny"}));
        screen("Xylophone", world::activeScreenText("", {{"1", "CymbalAreaProc", "1", 200, 120, 243, 419}}).substr(17));
        addGameNeeds('2');
        screen("Sky", world::activeScreenText("", {{"Help", "SkyAreaProc", "", 35, 30, 75, 70},
                                                   {"Main", "SkyAreaProc", "", 0, 80, 640, 480}}).substr(17));
        smallPictures.insert("sky\\figure");
        files["data_demo/bitmaps/sky/map01.txt"] = "(picture figure)\n(node (star 100 100) (no 110 110))\n"
                                                   "(node (star 200 200) (no 210 210))\n";
        addGameNeeds('6');
        for (const char* picture : {"mower\\lawn", "mower\\cut", "mower\\mask"}) fullPictures.insert(picture);
        files["data_demo/bitmaps/mower/map01.txt"] = "(background cut)\n(foreground lawn)\n(collision mask)\n";
        addGameNeeds('F');
        fullPictures.insert("Train\\bkg01");
        smallPictures.insert("Train\\sign");
        screen("Train01", world::activeScreenText("", {{"1", "TrackProc", "", 100, 100, 200, 200}}).substr(17));
        files["data_demo/bitmaps/train/level01.txt"] =
            "(switch 150 100 (mode sign (redir (from 1 0 1) (to 0 0 0))))\n(cargo 200 100)\n";
        addGameNeeds('D');
        for (const char* name : {"pipe-03", "pipe-05", "pipe-08"})
            screen(name, world::activeScreenText("bg_world", {{"patch", "PipeProc", "0", 20, 400, 70, 450}}));
        files["data_demo/bitmaps/pipe/level01.txt"] = "(length 10)\n(randmax 3)\n(ascreen pipe)\n";
        addGameNeeds('8');
        for (const char* picture : {"twins\\sheet", "twins\\back"}) smallPictures.insert(picture);
        files["data_demo/bitmaps/twins/level01.txt"] =
            "(cards sheet)\n(lid back)\n" + repeated("(pos 4 4)\n", 32) +
            "(card_width 4)\n(card_height 4)\n(card_xspace 2)\n(card_yspace 2)\n(map_startx 10)\n(map_starty 20)\n"
            "(map_width 2)\n(map_height 1)\n";
        addGameNeeds('7');
        files["data_demo/bitmaps/hats/fontStd.txt"] =
            "(gfxfile std_font_sheet)\n(gridx 8)\n(height 16)\n(spacing 1)\n(spacelen 6)\n(gfxdata" +
            std::string(" (char 0 8) (char 1 8) (char 2 8) (char 3 8) (char 4 8)") +
            " (char 5 8) (char 6 8) (char 7 8) (char 8 8) (char 9 8))\n";
        addGameNeeds('E');
        files["data_demo/bitmaps/Computer/fontStd.txt"] =
            "(gfxfile std_font_sheet)\n(gridx 8)\n(height 16)\n(spacing 1)\n(spacelen 6)\n(gfxdata" +
            std::string(" (char 0 8) (char 1 8) (char 2 8) (char 3 8) (char 4 8) (char 5 8) (char 6 8)") +
            " (char 7 8) (char 8 8) (char 9 8) (char + 8) (char - 8) (char * 8) (char = 8))\n";
        addGameNeeds('4');
        fullPictures.insert("Domino\\bkg01");
        // Six straights one above the other make the road down column 6.
        files["data_demo/bitmaps/domino/map01.txt"] =
            "(background bkg01)\n" + repeated("(piece 5)\n", 5) + "(piece_set 5 6 0)\n(blocked 9 9)\n";
        addBackAreas();
    }

    // The back button's area in every game screen (level 1 of the level
    // screens), and the small screens of the games that have none else.
    void addBackAreas() {
        const std::string back = world::activeScreenText("", {{"back", "BackProc", "", 8, 8, 59, 59}}).substr(17);
        for (const GameInfo& g : gameTable()) {
            const check::Needs* needs = check::gameNeeds(g.code);
            if (!needs) continue;
            std::vector<std::string> names;
            for (const check::ScreenNeed& s : needs->screens) names.push_back(s.name);
            for (const check::LevelScriptNeed& l : needs->levelScripts)
                for (const check::ScreenNeed& s : l.levelScreens) names.push_back(numbered(s.name.c_str(), 1));
            for (const std::string& name : names) {
                const std::string path = "data_demo/ascreen/" + name + ".as";
                files[path] = (files.count(path) ? files[path] : "bmpBackground: \n\n\n\n") + back;
            }
        }
    }

    // A picture sprite block driven by a procedure on every tick.
    static std::string sprite(const std::string& name, const std::string& proc, const std::string& anim) {
        return ":BmpSprite\nstrName: " + name + "\nstrProc: " + proc + "\nstrParam: \nbForceUpdate: 1\nstrAnimName: " +
               anim + "\nbColorKey: 1\nPos: 10,10\n:End\n\n";
    }

    // The pictures, sounds and tracks a game's needs name (pictures as small
    // or full-screen ones); screens, animations and levels are the caller's.
    void addGameNeeds(char code) {
        const check::Needs* needs = check::gameNeeds(code);
        ASSERT_NE(needs, nullptr) << code;
        for (const check::PictureNeed& p : needs->pictures)
            (p.fullScreen ? fullPictures : smallPictures).insert(p.name);
        for (const std::string& s : needs->sounds) sounds[s] = wav();
        for (const std::string& t : needs->tracks) tracks.insert(t);
    }

    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    static std::string numbered(const char* format, int n) {
        char text[64];
        std::snprintf(text, sizeof text, format, n);
        return text;
    }
    static std::string repeated(const std::string& text, int times) {
        std::string s;
        for (int i = 0; i < times; ++i) s += text;
        return s;
    }
    static std::vector<uint8_t> wav() {
        return audiotest::makeWav(audiotest::WavLayout{}, audiotest::constantSamples16(200, 1, 1000));
    }
    static std::string cookLevelPath(int n) { return numbered("data_demo/bitmaps/cook/level%02d.txt", n); }
    static std::string cookLevel() {
        return "(plateFullSpeed 4.00)\n(plateEmptySpeed 1.50)\n(pigHungrySpeed 0.30)\n(pigEatingSpeed 3.00)\n"
               "(pigEatingTime 400)\n(pigsToFeed 3)\n(pigsOnScreen 1)\n";
    }
    // The cook's animation: 62 frames and the given chunks for "plate".
    static std::string cookAnimation(const std::string& plateChunks) {
        std::string s = "(speed 6)\n";
        for (int i = 0; i < 62; ++i) s += "(bmp cook\\frame)\n";
        return s + "(anim default (loop 0 3 4 0))\n(anim plate " + plateChunks +
               ")\n(anim drop (loop 60 61 6 3) (loop 61 61 0 0))\n";
    }

    void screen(const std::string& name, const std::string& text) { files["data_demo/ascreen/" + name + ".as"] = text; }
    std::string& screenText(const std::string& name) { return files.at("data_demo/ascreen/" + name + ".as"); }

    void dialog(const std::string& name, const std::vector<int>& answers) {
        std::vector<world::Area> areas;
        int x = 0;
        for (int a : answers) {
            areas.push_back({"answer" + std::to_string(a), "DialogScreenHandler", std::to_string(a), x, 0, x + 50, 50});
            x += 60;
        }
        screen(name, world::activeScreenText("bg_world", areas));
    }

    // Replaces the first `from` in a file.
    void replace(const std::string& path, const std::string& from, const std::string& to) {
        std::string& text = files.at(path);
        const size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from << " not in " << path;
        text.replace(at, from.size(), to);
    }

    // The 1-based line of the first line of `path` holding `needle`.
    int lineOf(const std::string& path, const std::string& needle) const {
        const std::string& text = files.at(path);
        const size_t at = text.find(needle);
        if (at == std::string::npos) return -1;
        int line = 1;
        for (size_t i = 0; i < at; ++i) line += text[i] == '\n';
        return line;
    }

    static std::string pictureFile(std::string name) {
        for (char& c : name)
            if (c == '\\') c = '/';
        return "data_demo/bitmaps/" + name + ".tga";
    }

    void write() {
        namespace fs = std::filesystem;
        fs::remove_all(root + "/data_demo");
        fs::remove(root + "/full.tga");
        auto put = [&](const std::string& relative, const std::string& bytes) {
            const fs::path p = root + "/" + relative;
            fs::create_directories(p.parent_path());
            std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        };
        auto asText = [](const std::vector<uint8_t>& v) { return std::string(v.begin(), v.end()); };
        for (const auto& [path, text] : files) put(path, text);

        testpics::Image small(8, 8);
        small.fill(200, 60, 60);
        small.set(0, 0, 0, 255, 0);
        testpics::Image sheet(400, 16);
        sheet.fill(255, 255, 255);
        for (const std::string& p : smallPictures) put(pictureFile(p), asText(p == "std_font_sheet" ? sheet.tga() : small.tga()));
        // Full-screen pictures share one file through links, to stay quick.
        testpics::Image full(640, 480);
        full.fill(40, 90, 160);
        put("full.tga", asText(full.tga()));
        for (const std::string& p : fullPictures) {
            const fs::path link = root + "/" + pictureFile(p);
            fs::create_directories(link.parent_path());
            fs::create_symlink(root + "/full.tga", link);
        }
        for (const std::string& c : cans) {
            CanEncoder encoder(8, 8, 0, 0, 30);
            for (int i = 0; i < 2; ++i) {
                RgbFrame f(8, 8);
                f.set(0, 0, static_cast<uint8_t>(i * 90), 20, 20);
                encoder.addFrame(f);
            }
            put("data_demo/can/" + c + ".can", encoder.data());
        }
        VolumeWriter soundVolume;
        for (const auto& [name, bytes] : sounds) soundVolume.add(name + ".wav", bytes);
        soundVolume.write(root + "/data_demo/sounds.vol");
        static const std::vector<uint8_t> mp3 = audiotest::encodeMp3(audiotest::sine(0.2, 440.0, 0.3));
        VolumeWriter trackVolume;
        for (const std::string& t : tracks) trackVolume.add(t + ".mp3", mp3);
        trackVolume.write(root + "/data_demo/tracks.vol");
        clearPathCache();
    }

    check::Report check() {
        write();
        return check::DataChecker(root).run();
    }

    // Runs the command line on the data set; `out` gets what it prints.
    int command(std::string& out, std::vector<std::string> options = {}) {
        write();
        std::vector<std::string> args = {"quillmoor-check"};
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(root);
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        FILE* o = std::tmpfile();
        FILE* e = std::tmpfile();
        const int status = checkCommand(static_cast<int>(argv.size()), argv.data(), o, e);
        out.clear();
        std::rewind(o);
        char buffer[4096];
        size_t n;
        while ((n = std::fread(buffer, 1, sizeof buffer, o)) > 0) out.append(buffer, n);
        std::fclose(o);
        std::fclose(e);
        return status;
    }

    // The line of the first error of `file` whose message holds `part`; -1 when none.
    static int findingLine(const check::Report& report, const std::string& file, const std::string& part) {
        for (const check::Finding& f : report.findings())
            if (!f.warning && f.file == file && f.message.find(part) != std::string::npos) return f.line;
        return -1;
    }

    // The report's lines, for failure messages.
    static std::string listing(const check::Report& report) {
        std::string out;
        for (const std::string& line : report.lines(true)) out += line + "\n";
        return out;
    }
};

}  // namespace checktest
