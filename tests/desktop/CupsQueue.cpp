#include "CupsQueue.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace desktop_test {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCupsPdfBackend = "/usr/lib/cups/backend/cups-pdf";
constexpr const char* kCupsPdfPpd = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
constexpr const char* kCupsPdfConf = "/etc/cups/cups-pdf.conf";
// Every user's runs share the lock: cups-pdf writes for all of them.
constexpr const char* kLockFile = "/tmp/tavrilo-cups-pdf-test.lock";
constexpr int kPollMs = 200;

QString Executable(const QString& name) {
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"});
}

bool Write(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// Runs a print system command; its output when it succeeded, else nothing.
std::optional<QByteArray> Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(Executable(program), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

// Where cups-pdf puts the files of this user's jobs ("Out" of its
// configuration, ${HOME} being the user's home).
fs::path CupsPdfOutput() {
    std::string out = "${HOME}/PDF";
    std::ifstream conf(kCupsPdfConf);
    for (std::string line; std::getline(conf, line);) {
        if (line.rfind("Out ", 0) == 0) out = line.substr(4);
    }
    const passwd* user = ::getpwuid(::geteuid());
    for (const auto& [key, value] : {std::pair<std::string, std::string>{"${HOME}", user ? user->pw_dir : ""},
                                     std::pair<std::string, std::string>{"${USER}", user ? user->pw_name : ""}}) {
        for (auto at = out.find(key); at != std::string::npos; at = out.find(key)) out.replace(at, key.size(), value);
    }
    return fs::path(out.substr(0, out.find_last_not_of(" \t") + 1));
}

// The scheduler's folder. It runs its filters as the user lp, who must pass
// through every folder above it: the tests' temporary folders are this
// user's alone, so it is made in the machine's shared one (and goes whole).
constexpr const char* kSchedulerFolder = "/tmp/tavrilo-cups-XXXXXX";

std::set<fs::path> PdfFilesIn(const fs::path& folder) {
    std::set<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == ".pdf") files.insert(entry.path());
    }
    return files;
}

} // namespace

CupsQueue::CupsQueue()
    : name_(QStringLiteral("TavriloLetterTest%1").arg(::getpid())), folder_(QString::fromLatin1(kSchedulerFolder)) {
    if (::geteuid() != 0) {
        unavailable_ = "cups-pdf writes its files only for a scheduler run as root; run the test as root";
    } else if (Executable("cupsd").isEmpty() || Executable("lpadmin").isEmpty() || Executable("lp").isEmpty() ||
               !fs::exists(kCupsPdfBackend) || !fs::exists(kCupsPdfPpd)) {
        unavailable_ = "cups and cups-pdf are not installed (scripts/install-deps installs them)";
    } else if (!TakeLock()) {
        unavailable_ = std::string("the lock that keeps two runs off cups-pdf's folder, ") + kLockFile +
                       ", cannot be taken: " + std::strerror(errno);
    } else if (!Start()) {
        unavailable_ = "the print scheduler did not start or took no queue: " +
                       QString::fromLocal8Bit(scheduler_.readAllStandardError()).toStdString();
    }
}

// One such queue at a time on the machine: they share cups-pdf's folder.
bool CupsQueue::TakeLock() {
    lock_ = ::open(kLockFile, O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    return lock_ >= 0 && ::flock(lock_, LOCK_EX) == 0;
}

bool CupsQueue::Start() {
    if (!folder_.isValid()) return false;
    const QString root = folder_.path();
    // The scheduler runs its filters as the user lp, who must reach its folders.
    ::chmod(root.toLocal8Bit().constData(), 0755);
    for (const char* sub : {"spool", "tmp", "cache", "state", "log"}) QDir(root).mkpath(QString::fromLatin1(sub));
    ::chmod((root + "/tmp").toLocal8Bit().constData(), 01777);
    socket_ = root + "/cups.sock";
    const QString& socket = socket_;
    const bool written =
        Write(root + "/cupsd.conf", "Listen " + socket +
                                        "\nLogLevel warn\nBrowsing No\nDefaultAuthType None\n"
                                        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                        "<Policy default>\n  <Limit All>\n    Order deny,allow\n    Allow all\n"
                                        "  </Limit>\n</Policy>\n") &&
        Write(root + "/cups-files.conf", "ServerRoot " + root + "\nRequestRoot " + root + "/spool\nTempDir " + root +
                                             "/tmp\nCacheDir " + root + "/cache\nStateDir " + root +
                                             "/state\nErrorLog " + root + "/log/error_log\nAccessLog " + root +
                                             "/log/access_log\nPageLog " + root +
                                             "/log/page_log\nServerBin /usr/lib/cups\nDataDir /usr/share/cups\n");
    if (!written) return false;
    scheduler_.start(Executable("cupsd"), {"-f", "-c", root + "/cupsd.conf", "-s", root + "/cups-files.conf"});
    if (!scheduler_.waitForStarted()) return false;

    serverBefore_ = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", socket.toLocal8Bit());
    output_ = CupsPdfOutput();
    outputCreated_ = !fs::exists(output_);
    outputBefore_ = PdfFilesIn(output_);
    // The scheduler takes requests once its socket is up.
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && scheduler_.state() == QProcess::Running) {
        if (QFile::exists(socket) && Run("lpadmin", {"-h", socket, "-p", name_, "-E", "-v", "cups-pdf:/", "-P",
                                                     kCupsPdfPpd, "-o", "PageSize=A4"}))
            return true;
        QThread::msleep(kPollMs);
    }
    return false;
}

fs::path CupsQueue::WaitForPdf() {
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        // cups-pdf's file is whole once the queue has no job left.
        const auto pending = Run("lpstat", {"-h", socket_, "-o", name_});
        if (!pending || !pending->trimmed().isEmpty()) {
            QThread::msleep(kPollMs);
            continue;
        }
        for (const fs::path& pdf : PdfFilesIn(output_)) {
            if (outputBefore_.count(pdf) != 0) continue;
            written_.insert(pdf);
            return pdf;
        }
        QThread::msleep(kPollMs);
    }
    return {};
}

CupsQueue::~CupsQueue() {
    if (scheduler_.state() != QProcess::NotRunning) {
        scheduler_.terminate();
        if (!scheduler_.waitForFinished(10000)) scheduler_.kill();
    }
    if (serverBefore_.isNull()) {
        qunsetenv("CUPS_SERVER");
    } else {
        qputenv("CUPS_SERVER", serverBefore_);
    }
    std::error_code ignored;
    for (const fs::path& pdf : written_) fs::remove(pdf, ignored);
    if (outputCreated_ && fs::is_empty(output_, ignored)) fs::remove(output_, ignored);
    if (lock_ >= 0) ::close(lock_);
}

} // namespace desktop_test
