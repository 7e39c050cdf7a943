#include "desktop/Program.h"

int main(int argc, char* argv[]) { return desktop::RunProgram(argc, argv); }
