#pragma once
// The timed operations, done as a user does them on the real screens
// (headless): each Prepare leaves the screens where the operation starts.
#include <filesystem>

#include "platform/forms/ScriptedDialogs.h"
#include <string>

namespace bench {

class ProgramRuns {
public:
    explicit ProgramRuns(std::filesystem::path folder);
    ~ProgramRuns();

    // A program just started: no screen loaded.
    void PrepareStartup();
    // The main menu shown, then its "Enter/Edit/Print Data": the employer screen.
    void Startup();

    // On the employer screen, on its first employer.
    void PrepareMove();
    void MoveLast();

    // On the first employer, the Find box to be answered with `name`.
    void PrepareFind(const std::string& name);
    void Find();

    // On the first employer, no return screen open.
    void PrepareOpen941();
    void Open941();

    // The listing screen shown over the employer screen, nothing printed.
    void PrepareListing();
    // Its print button: the document built as the program builds it, each
    // page handed over when finished (and here dropped, not rendered).
    void PrintListing();
    // The same, rendered to `pdfPath` page by page as the desktop does.
    void PrintListingToPdf(const std::string& pdfPath);
    // The same, the items written to a file for the baseline (ItemFile.h).
    void WriteListingItems(const std::string& itemsPath);

    // The Form 944 screen of the first employer, its questions answered Yes.
    void PrepareReturn();
    void PrintReturnToPdf(const std::string& pdfPath);
    void WriteReturnItems(const std::string& itemsPath);

    // The backup screen open over the utility menu (its count answered), the
    // folder to be typed; every question then takes its default answer.
    void PrepareBackup(const std::string& backupFolder);
    // Its Backup button: 944Backup.mdb made afresh in the folder.
    void Backup();
    // Its Restore button: the current data replaced by the backup's.
    void Restore();

    // The employer screen after its Add, a new employer typed (another tax id
    // each time); every question then takes its default answer.
    void PrepareSaveEmployer();
    // Its Save: the number drawn, the key looked for, the employer stored.
    void SaveEmployer();

private:
    forms::ScriptedDialogs* backupDialogs_ = nullptr;
    forms::ScriptedDialogs* saveDialogs_ = nullptr;
    long employersAdded_ = 0;
    void ClickEmployerArrow(const char* arrow);
    std::filesystem::path folder_;
};

} // namespace bench
