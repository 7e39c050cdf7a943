#pragma once
// Another copy of the program, as a real second process on the same folder,
// holding the first row of a table in edit. Start it before this process
// opens any database, so the child inherits no open connection.
#include <chrono>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/basic/RuntimeError.h"
#include "platform/data/Engine.h"

class OtherCopy {
public:
    // Holds the row until Release(), or for `holdMs` milliseconds when given.
    OtherCopy(const std::string& databasePath, const std::string& table, int holdMs = -1) {
        int held[2];
        int release[2];
        if (::pipe(held) != 0 || ::pipe(release) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::close(held[0]);
            ::close(release[1]);
            char status = 'x';
            try {
                auto database = data::OpenDatabase(databasePath);
                auto rows = database->OpenRecordset(table, data::dbOpenTable);
                rows->MoveFirst();
                rows->Edit();
                status = 'h';
                (void)!::write(held[1], &status, 1);
                if (holdMs >= 0) std::this_thread::sleep_for(std::chrono::milliseconds(holdMs));
                else (void)!::read(release[0], &status, 1);
                rows->CancelUpdate();
                rows->Close();
                database->Close();
            } catch (const basic::RuntimeError&) {
                (void)!::write(held[1], &status, 1);
                ::_exit(2);
            }
            ::_exit(0);
        }
        ::close(held[1]);
        ::close(release[0]);
        releaseFd_ = release[1];
        char status = 0;
        holding_ = ::read(held[0], &status, 1) == 1 && status == 'h';
        ::close(held[0]);
    }
    OtherCopy(const OtherCopy&) = delete;
    OtherCopy& operator=(const OtherCopy&) = delete;
    ~OtherCopy() { Release(); }

    // Whether the other copy got the row into edit.
    bool Holding() const { return holding_; }

    // Lets go of the row and waits for the other copy to end.
    void Release() {
        if (releaseFd_ >= 0) {
            ::close(releaseFd_);
            releaseFd_ = -1;
        }
        if (pid_ > 0) {
            int status = 0;
            ::waitpid(pid_, &status, 0);
            pid_ = -1;
        }
    }

private:
    pid_t pid_ = -1;
    int releaseFd_ = -1;
    bool holding_ = false;
};
