// bench [--only OPERATION[,OPERATION...]] [SIZE...]: for each number of
// employers (default 1000 10000 100000), one line per operation (all of them,
// or those named; --only lets a profiler watch one operation alone):
//   bench OPERATION SIZE program_s=X baseline_s=Y ratio=R peak_mb=M baseline_peak_mb=N
// How to read them: docs/performance.md.
#include "Baselines.h"
#include "BenchDatabase.h"
#include "Measure.h"
#include "ProgramRuns.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using bench::Measure;
using bench::Sample;

std::string onlyOperations; // ",a,b," or empty for all

bool Wanted(const char* operation) {
    return onlyOperations.empty() || onlyOperations.find("," + std::string(operation) + ",") != std::string::npos;
}

void Report(const char* operation, long size, const Sample& program, const Sample& baseline) {
    std::printf("bench %s %ld program_s=%.6f baseline_s=%.6f ratio=%.2f peak_mb=%.0f baseline_peak_mb=%.0f\n",
                operation, size, program.seconds, baseline.seconds,
                baseline.seconds > 0 ? program.seconds / baseline.seconds : 0.0, program.peakMb, baseline.peakMb);
    std::fflush(stdout);
}

// Quick operations run several times (the fastest counts); long ones once.
int RunsFor(long size) { return size >= 100000 ? 3 : 7; }

void RunSize(long size, const std::filesystem::path& top) {
    const auto folder = top / ("employers-" + std::to_string(size));
    bench::MakeBenchFolder(folder, size);
    const std::string lastName = bench::EmployerName(size).substr(0, 7);
    const std::string pdf = (top / "out.pdf").string();
    bench::ProgramRuns program(folder);
    const int runs = RunsFor(size);

    if (Wanted("startup"))
        Report("startup", size, Measure([&] { program.Startup(); }, runs, [&] { program.PrepareStartup(); }),
               Measure([&] { bench::CountTheCheckedTables(folder); }, runs));

    bench::OpenSharedConnection(folder);
    if (Wanted("move-last"))
        Report("move-last", size, Measure([&] { program.MoveLast(); }, runs, [&] { program.PrepareMove(); }),
               Measure([&] { bench::ReadLastEmployer(folder); }, runs));
    if (Wanted("find"))
        Report("find", size, Measure([&] { program.Find(); }, runs, [&] { program.PrepareFind(lastName); }),
               Measure([&] { bench::FindEmployerByName(folder, lastName); }, runs));
    bench::CloseSharedConnection();

    if (Wanted("open-941"))
        Report("open-941", size, Measure([&] { program.Open941(); }, runs, [&] { program.PrepareOpen941(); }),
               Measure([&] { bench::ReadReturnRow(folder, 1, "122"); }, runs));

    if (Wanted("listing-document"))
        Report("listing-document", size, Measure([&] { program.PrintListing(); }, 1, [&] { program.PrepareListing(); }),
               Measure([&] { bench::ReadEmployersByName(folder); }, 1));

    const std::string items = (top / "items.txt").string();
    if (Wanted("listing-pdf")) {
        program.PrepareListing();
        program.WriteListingItems(items);
        const double before = bench::ResidentMb();
        Sample listingPdf = Measure([&] { program.PrintListingToPdf(pdf); });
        const double after = bench::ResidentMb();
        Report("listing-pdf", size, listingPdf, Measure([&] { bench::WriteItemsPdf(items, pdf); }));
        std::fprintf(stderr, "note listing-pdf %ld resident_mb_before=%.0f resident_mb_after=%.0f\n", size, before,
                     after);
    }

    if (Wanted("return-pdf")) {
        program.PrepareReturn();
        program.WriteReturnItems(items);
        Report("return-pdf", size,
               Measure([&] { program.PrintReturnToPdf(pdf); }, runs, [&] { program.PrepareReturn(); }),
               Measure([&] { bench::WriteItemsPdf(items, pdf); }, runs));
    }

    const auto backupFolder = top / "backup";
    std::filesystem::create_directories(backupFolder);
    const auto backupFile = backupFolder / "944Backup.mdb";
    if (Wanted("backup"))
        Report("backup", size,
               Measure([&] { program.Backup(); }, runs, [&] { program.PrepareBackup(backupFolder.string()); }),
               Measure([&] { bench::CopyIntoBackup(folder, backupFile); }, runs));
    if (Wanted("restore"))
        Report("restore", size,
               Measure([&] { program.Restore(); }, runs, [&] { program.PrepareBackup(backupFolder.string()); }),
               Measure([&] { bench::RestoreFromBackup(folder, backupFile); }, runs));

    if (Wanted("save-employer")) {
        long baselineAdded = 0;
        bench::OpenSharedConnection(folder);
        Report("save-employer", size,
               Measure([&] { program.SaveEmployer(); }, runs, [&] { program.PrepareSaveEmployer(); }),
               Measure([&] { bench::AddEmployer(folder, std::to_string(800000000 + ++baselineAdded)); }, runs));
        bench::CloseSharedConnection();
    }

    std::filesystem::remove_all(folder);
    std::filesystem::remove_all(backupFolder);
    std::filesystem::remove(pdf);
    std::filesystem::remove(items);
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--only" && i + 1 < argc) onlyOperations = "," + std::string(argv[++i]) + ",";
        else sizes.push_back(std::stol(argv[i]));
    }
    if (sizes.empty()) sizes = {1000, 10000, 100000};

    // A folder of this run's own: another user's run may hold one by this process id.
    std::string pattern = (std::filesystem::temp_directory_path() / "tv-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::cerr << "bench: cannot make a folder in " << std::filesystem::temp_directory_path() << "\n";
        return 1;
    }
    const std::filesystem::path top = pattern;
    int status = 0;
    try {
        for (long size : sizes) RunSize(size, top);
    } catch (const std::exception& e) {
        std::cerr << "bench: " << e.what() << "\n";
        status = 1;
    }
    std::filesystem::current_path(std::filesystem::temp_directory_path());
    std::filesystem::remove_all(top);
    return status;
}
