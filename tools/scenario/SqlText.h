#pragma once
#include <filesystem>
#include <string>

namespace scenario {

// Runs SQL straight on a database file of the program folder, beside the
// program's own connections (the file is shared). Both throw
// std::runtime_error with SQLite's message when the statement fails.

// One or more statements, results discarded; a missing file (and folder) is
// created.
void ExecuteSql(const std::filesystem::path& file, const std::string& sql);

// The rows of a query as one text: rows joined by ";", columns by "|", Null as
// NULL, numbers in their shortest form.
std::string QueryText(const std::filesystem::path& file, const std::string& sql);

} // namespace scenario
