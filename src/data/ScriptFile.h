#pragma once
// An open text file of the data set (a level script, a switch file) that is
// closed when it goes out of scope.

#include <cstdio>
#include <memory>

struct FileCloser {
    void operator()(FILE* f) const {
        if (f) std::fclose(f);
    }
};
using ScriptFile = std::unique_ptr<FILE, FileCloser>;
