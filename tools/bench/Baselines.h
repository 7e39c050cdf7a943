#pragma once
// The same essential work as each timed operation, written straight against
// SQLite or QPdfWriter: what the program's own layers should cost no more
// than a small factor of.
#include <filesystem>
#include <string>

namespace bench {

// Opens the main database, counts the rows of the four tables the main menu
// checks, closes it.
void CountTheCheckedTables(const std::filesystem::path& folder);
// Prepares, reads every column of the last employer as text, finalizes (on an
// open connection, as the employer screen's rows are).
void ReadLastEmployer(const std::filesystem::path& folder);
// The first employer in the order of addition whose name begins with the text,
// every column read: one pass over the table comparing the name's first
// letters, as a program does that has no index on the name.
void FindEmployerByName(const std::filesystem::path& folder, const std::string& prefix);
// Opens the database, reads one employer's return row of a period, closes.
void ReadReturnRow(const std::filesystem::path& folder, long employerNo, const std::string& period);
// Opens the database and reads every employer, every column, sorted by name.
void ReadEmployersByName(const std::filesystem::path& folder);
// Writes the items of an item file (ItemFile.h) to a PDF, page by page, in
// the printout's font (Courier New 12), amounts right-aligned in their width.
void WriteItemsPdf(const std::string& itemsPath, const std::string& pdfPath);

// The backup's copy: Employers, Det944, DET941 (as Det941) and Employers_ID
// made afresh in a new database file by CREATE TABLE ... AS SELECT.
void CopyIntoBackup(const std::filesystem::path& folder, const std::filesystem::path& backupFile);
// The restore's copy: the four tables emptied and refilled from the backup
// in one transaction.
void RestoreFromBackup(const std::filesystem::path& folder, const std::filesystem::path& backupFile);

// A new employer's Save: the counter's number drawn in a transaction of the
// ID database, opened for it and closed (as the program's draw does), then
// the row inserted in a transaction of the shared connection; every commit
// synced.
void AddEmployer(const std::filesystem::path& folder, const std::string& taxId);

// Opens and closes the shared connection the moves and finds above and the
// new employer's insert use.
void OpenSharedConnection(const std::filesystem::path& folder);
void CloseSharedConnection();

} // namespace bench
