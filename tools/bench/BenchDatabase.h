#pragma once
// A program folder holding the installation's databases filled with a given
// number of employers, four return rows each (the three first quarters of 2022
// and the year, for Form 944).
#include <filesystem>
#include <string>

namespace bench {

inline constexpr const char* kReturnPeriods[] = {"122", "222", "322", "622"};

// The name of employer number i (1-based): seven letters spread over the
// alphabet so that the name order differs from the order of addition, and
// every seven-letter prefix belongs to one employer only.
std::string EmployerName(long i);

// Makes (or remakes) the folder with `employers` employers.
void MakeBenchFolder(const std::filesystem::path& folder, long employers);

} // namespace bench
