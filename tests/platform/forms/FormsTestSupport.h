#pragma once
#include "platform/forms/Forms.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every test starts from a program with no screen loaded and dialogs that
// fail on any box nobody expected.
class FormsTest : public ::testing::Test {
protected:
    void SetUp() override { dialogs = &forms::App().UseScriptedDialogs(); }
    void TearDown() override { forms::App().Reset(); }

    forms::ScriptedDialogs* dialogs = nullptr;
};

// Records the events of a screen in the order they run.
struct EventLog {
    std::vector<std::string> lines;
    void operator()(const std::string& line) { lines.push_back(line); }
    void Clear() { lines.clear(); }
};
