#pragma once
// A fresh program folder, also the current folder, for one test of the
// preparer and listing screens; the forms runtime and the print log start
// empty and every box must be scripted.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

#include "platform/basic/Clock.h"
#include "platform/files/ProgramFolder.h"
#include "platform/forms/Forms.h"
#include "platform/printing/PrintLog.h"

class PreparerScreenFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("tv-screens-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name() + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        previousCurrent_ = std::filesystem::current_path();
        files::SetProgramFolder(folder_);
        std::filesystem::current_path(folder_);
        forms::App().Reset();
        dialogs_ = &forms::App().UseScriptedDialogs();
        printing::PrintLog::Reset();
    }

    void TearDown() override
    {
        forms::App().Reset();
        basic::UseSystemClock();
        std::filesystem::current_path(previousCurrent_);
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    // Whether a screen of that name is among the loaded forms (a screen that
    // unloaded is gone once the user action is over: never touch it then).
    static bool FormLoaded(const std::string& name)
    {
        for (int i = 0; i < forms::App().Count(); ++i)
            if (forms::App().Item(i).Name() == name) return true;
        return false;
    }

    const std::filesystem::path& Folder() const { return folder_; }
    forms::ScriptedDialogs& Dialogs() { return *dialogs_; }

    void WriteFile(const std::string& name, const std::string& content) const
    {
        std::ofstream(folder_ / name, std::ios::binary) << content;
    }
    std::string ReadFile(const std::string& name) const
    {
        std::ifstream in(folder_ / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path folder_;
    std::filesystem::path previousCurrent_;
    forms::ScriptedDialogs* dialogs_ = nullptr;
};
