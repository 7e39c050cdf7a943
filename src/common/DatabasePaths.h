#pragma once
// The paths of the program's two databases as the screens name them: the
// program's folder followed by "\tv941.mdb" and "\db1099_id.mdb"; and any
// path as the engine's SQL names a file.
#include <string>

std::string MainDatabasePath();
std::string IdDatabasePath();

// A path as the text of an IN '...' clause: apostrophes doubled, so that a
// typed folder can never end the quoted name early.
std::string InClausePath(const std::string& path);
