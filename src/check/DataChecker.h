#pragma once
// The data checker: reads every screen and script of "data_demo" the way the
// game does and reports, with file and line, everything that would fail or
// silently do nothing at play time. It starts from what the code names
// (DataNeeds), walks the world from "a_start" along the commands of its
// areas, then reads the files nothing names.

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "check/AssetChecker.h"
#include "check/DataNeeds.h"
#include "check/Report.h"
#include "check/ScreenFile.h"

namespace check {

class DataChecker {
public:
    // `root`: the directory that holds "data_demo". The data root of the
    // process is set to it while run() works and put back afterwards.
    explicit DataChecker(std::string root);

    Report run();
    // What run() read: "53 screens, 178 pictures, ...".
    std::string summary() const;

private:
    struct Context {
        const std::vector<std::string>* procs = nullptr;  // null: not known (screens nothing uses)
        const char* procOwner = "";                         // "a location" (messages)
        bool background = false;
        bool fullScreenBackground = false;
        bool areasNeedProcs = false;
    };
    struct Location {
        bool exists = false;
        bool checked = false;
        std::vector<std::string> targets;  // locations its areas lead to, as written
    };
    struct Greeting {
        std::string location, place, label, file;
        int line = 0;
    };

    void checkNeeds(const Needs& needs);
    void requireLocation(const std::string& name, const Where& where);
    void walkWorld();
    void checkLocation(const std::string& name);
    void checkDialog(const DialogNeed& need, const Where& where);
    void checkGameScreen(const ScreenNeed& need, const std::string& who);
    void checkLevelScripts(const LevelScriptNeed& need, const std::string& who);
    void checkGames();
    void checkGreetings();
    void checkUnnamedFiles();

    // Reads a screen file; false (nothing reported) when it does not exist.
    bool readScreen(const std::string& name, ScreenFile& out, std::string& file);
    void checkScreen(const ScreenFile& screen, const std::string& file, const Context& context);
    void checkCommand(const std::string& location, const ScreenSprite& s, const std::string& file);
    void checkScreenSound(const ScreenFile& screen, const ScreenSprite& s, const std::string& file,
                          const std::string& location);

    std::string root_;
    Report report_;
    AssetChecker assets_;
    std::map<std::string, Location> locations_;
    std::deque<std::string> queue_;
    std::vector<Greeting> greetings_;
    std::set<char> gamesOffered_;
    std::map<std::string, std::set<int>> dialogAnswers_;  // dialogs read, by lower-case name
    std::set<std::string> gameScreensRead_;
    int screensRead_ = 0;
};

}  // namespace check
