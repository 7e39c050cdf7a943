#pragma once
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include <gtest/gtest.h>

#include "platform/basic/ErrorNumberOf.h"
#include "platform/files/ProgramFolder.h"
#include "support/RunFolder.h"

// A fresh program folder under the system's temporary folder, made the
// program's folder and the current folder for one test.
class ProgramFolderFixture : public ::testing::Test {
protected:
    void SetUp() override {
        run_ = std::make_unique<RunFolder>("tv-files");
        root_ = run_->Path();
        std::filesystem::create_directories(root_ / "program");
        previousCurrent_ = std::filesystem::current_path();
        files::SetProgramFolder(root_ / "program");
        std::filesystem::current_path(root_ / "program");
    }

    void TearDown() override {
        std::filesystem::current_path(previousCurrent_);
        run_.reset();
    }

    std::filesystem::path Program() const { return root_ / "program"; }
    std::filesystem::path Root() const { return root_; }

    static void WriteFile(const std::filesystem::path& path, const std::string& content) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << content;
    }

private:
    std::unique_ptr<RunFolder> run_;
    std::filesystem::path root_;
    std::filesystem::path previousCurrent_;
};
