#pragma once
// A print queue of the machine's own print system (CUPS) that writes what it
// prints as PDF files (cups-pdf), served by a scheduler of the test's own on
// a private socket, so that a test prints to a real printer the way a user
// does and reads back what came out. The queue's default paper is A4, as on
// a machine set up outside the US.

#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>
#include <set>
#include <string>

namespace desktop_test {

class CupsQueue {
public:
    // Starts the scheduler and adds the queue; the process's print clients
    // (the print dialog, `lp`) reach that scheduler from then on.
    CupsQueue();
    ~CupsQueue();
    CupsQueue(const CupsQueue&) = delete;
    CupsQueue& operator=(const CupsQueue&) = delete;

    // Empty when the queue is ready; else why not.
    const std::string& Unavailable() const { return unavailable_; }
    const QString& Name() const { return name_; }

    // The PDF the queue wrote since it was made, once the queue has no job
    // left (waits up to a minute); empty when none came. Removed with the
    // queue. (cups-pdf writes the files of all its queues into one folder
    // of the user's, so one such queue is made at a time.)
    std::filesystem::path WaitForPdf();

private:
    bool TakeLock();
    bool Start();

    std::string unavailable_;
    QString name_;
    QString socket_;
    QTemporaryDir folder_;
    QProcess scheduler_;
    std::filesystem::path output_;
    std::set<std::filesystem::path> outputBefore_;
    std::set<std::filesystem::path> written_;
    bool outputCreated_ = false;
    QByteArray serverBefore_;
    int lock_ = -1;
};

} // namespace desktop_test
