#pragma once
#include <string>

// A caption as the screens show it: its text, a run of full stops and what
// follows them ("2  Wages, tips and other compensation", 5, " (2)").
std::string DottedCaption(const char* text, int fullStops = 0, const char* tail = "");
