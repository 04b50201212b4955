// mkdemo: generates the demo data set from the sources in content/.
//
//   mkdemo --content DIR --out DIR [--preview DIR] [--cache DIR] [--lang CODE] [--only TEXT] [--jobs N] [--no-audio] [--quiet] [--shapes]

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "mkdemo/Generator.h"

int main(int argc, char** argv) {
    mkdemo::GeneratorOptions o;
    o.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto next = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "mkdemo: %s needs a value\n", a.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--content") o.content = next();
        else if (a == "--out") o.out = next();
        else if (a == "--preview") o.preview = next();
        else if (a == "--cache") o.cache = next();
        else if (a == "--lang") o.language = next();
        else if (a == "--only") o.only = next();
        else if (a == "--jobs") o.jobs = std::max(1, std::atoi(next().c_str()));
        else if (a == "--no-audio") o.audio = false;
        else if (a == "--quiet") o.quiet = true;
        else if (a == "--shapes") o.shapes = true;
        else {
            std::fprintf(stderr,
                         "usage: mkdemo --content DIR --out DIR [--preview DIR] [--cache DIR] [--lang CODE] [--only TEXT] [--jobs N] [--no-audio] "
                         "[--quiet]\n");
            return 2;
        }
    }
    if (o.content.empty() || (o.out.empty() && o.preview.empty())) {
        std::fprintf(stderr, "mkdemo: --content and --out (or --preview) are needed\n");
        return 2;
    }
    return mkdemo::generate(o);
}
