#pragma once
// The paths of the program's two databases as the screens name them: the
// program's folder followed by "\tv941.mdb" and "\db1099_id.mdb".
#include <string>

std::string MainDatabasePath();
std::string IdDatabasePath();
