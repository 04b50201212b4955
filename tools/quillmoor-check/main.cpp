// quillmoor-check [-w] [DATA_DIR]: checks the game data (see check/CheckCommand.h).

#include <cstdio>

#include "check/CheckCommand.h"

int main(int argc, char** argv) { return checkCommand(argc, argv, stdout, stderr); }
