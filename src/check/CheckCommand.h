#pragma once
// The command line of the data checker:
//   quillmoor-check [-w] [DATA_DIR]
// DATA_DIR holds "data_demo" (default: the working directory). Prints one
// line per problem ("file:line: message") and returns 1 when there is any,
// 0 when the data is clean, 2 for a bad command line. -w also lists data that
// nothing uses (warnings never change the exit status).

#include <cstdio>

int checkCommand(int argc, char** argv, std::FILE* out, std::FILE* err);
