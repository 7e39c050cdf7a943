#pragma once
#include <filesystem>
#include <ostream>
#include <string>

namespace scenario {

// Runs scenario scripts against the real screens, headless, and reports every
// failure on `report` as file:line, the line, and what was found instead.
// Each run returns true only when every expectation held, every box shown was
// checked and every queued answer was used.
class Runner {
public:
    explicit Runner(std::ostream& report);

    bool RunFile(const std::filesystem::path& file);
    // `fileName` is the name failures give for the script.
    bool RunText(const std::string& text, const std::string& fileName);

private:
    std::ostream& report_;
};

} // namespace scenario
