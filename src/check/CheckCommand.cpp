#include "check/CheckCommand.h"

#include <cstring>
#include <string>

#include "check/DataChecker.h"

namespace {
const char* const kUsage =
    "usage: quillmoor-check [-w] [DATA_DIR]\n"
    "Checks the game data in DATA_DIR/data_demo (default: the working directory) and lists,\n"
    "with file and line, everything that would fail or silently do nothing at play time.\n"
    "  -w   also list warnings (data that nothing uses, games not built yet)\n"
    "Exit status: 0 clean, 1 problems found, 2 bad command line.\n";
}  // namespace

int checkCommand(int argc, char** argv, std::FILE* out, std::FILE* err) {
    bool warnings = false;
    std::string root;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "-w" || a == "--warnings") {
            warnings = true;
        } else if (a == "-h" || a == "--help") {
            std::fputs(kUsage, out);
            return 0;
        } else if (!a.empty() && a[0] == '-') {
            std::fprintf(err, "quillmoor-check: unknown option %s\n%s", a.c_str(), kUsage);
            return 2;
        } else if (root.empty()) {
            root = a;
        } else {
            std::fprintf(err, "quillmoor-check: only one DATA_DIR may be given\n%s", kUsage);
            return 2;
        }
    }
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    if (root.empty()) root.push_back('.');

    check::DataChecker checker(root);
    const check::Report report = checker.run();
    for (const std::string& line : report.lines(warnings)) std::fprintf(out, "%s\n", line.c_str());
    const int errors = report.errorCount();
    const int hidden = warnings ? 0 : report.warningCount();
    if (errors == 0)
        std::fprintf(err, "quillmoor-check: %s/data_demo is clean (%s)", root.c_str(), checker.summary().c_str());
    else
        std::fprintf(err, "quillmoor-check: %d problem%s in %s/data_demo", errors, errors == 1 ? "" : "s",
                     root.c_str());
    if (hidden > 0) std::fprintf(err, " (%d warning%s not shown: -w lists them)", hidden, hidden == 1 ? "" : "s");
    std::fprintf(err, "\n");
    return errors == 0 ? 0 : 1;
}
