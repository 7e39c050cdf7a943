// The scenario runner itself: scripts that must fail do, and say where.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "PrintTraceMatch.h"
#include "ScenarioRunner.h"

namespace {

struct RunResult {
    bool passed;
    std::string report;
};

RunResult RunScript(const std::string& script) {
    std::ostringstream report;
    scenario::Runner runner(report);
    bool passed = runner.RunText(script, "probe.scenario");
    return {passed, report.str()};
}

// Start-up to the main menu: the set-up the scripts below share.
const std::string kToMainMenu = "fresh\n"
                                "start\n"
                                "click frmStartup.mnuForm941\n";

// Whether the run's report holds `text`; either way the message shows the report.
::testing::AssertionResult Reports(const RunResult& result, const std::string& text) {
    if (result.report.find(text) != std::string::npos)
        return ::testing::AssertionSuccess() << "the report holds \"" << text << "\":\n" << result.report;
    return ::testing::AssertionFailure() << "the report lacks \"" << text << "\":\n" << result.report;
}

TEST(ScenarioRunner, AWrongExpectationNamesFileLineTheLineAndWhatWasFound) {
    auto result = RunScript(kToMainMenu + "# a comment does not count as a line of its own\n"
                                          "expect caption frm941MainScreen.cmdExit \"Exit\"\n"
                                          "expect hidden frm941MainScreen\n");
    EXPECT_FALSE(result.passed);
    EXPECT_TRUE(Reports(result, "probe.scenario:5: expect caption frm941MainScreen.cmdExit \"Exit\"\n"
                                "    found: \"E&xit\""));
    // The run goes on after a failing expectation and reports the next one too.
    EXPECT_TRUE(Reports(result, "probe.scenario:6: expect hidden frm941MainScreen\n"
                                "    found: frm941MainScreen is shown"));
}

TEST(ScenarioRunner, ABoxNeverCheckedFailsAtTheLineThatShowedIt) {
    auto result = RunScript(kToMainMenu + "answer Yes\n"
                                          "click frm941MainScreen.cmdExit\n"
                                          "expect shown frmStartup\n");
    EXPECT_FALSE(result.passed);
    EXPECT_TRUE(Reports(result, "probe.scenario:5: click frm941MainScreen.cmdExit\n"
                                "    found: message box never checked: 260 \"BackUp Reminder\" "
                                "\"Have you Backed Up your 941 data recently?\""));

    // A fresh start later in the script does not wipe the box out.
    auto refreshed = RunScript(kToMainMenu + "click frm941MainScreen.cmdExit\n"
                                             "fresh\n"
                                             "start\n"
                                             "expect shown frmStartup\n");
    EXPECT_FALSE(refreshed.passed);
    EXPECT_TRUE(Reports(refreshed, "probe.scenario:4: click frm941MainScreen.cmdExit\n"
                                   "    found: message box never checked: 260"));
}

TEST(ScenarioRunner, AnAnswerNeverUsedFailsAtTheLineThatQueuedIt) {
    auto result =
        RunScript(kToMainMenu + "answer Yes No\n"
                                "click frm941MainScreen.cmdExit\n"
                                "expect msgbox 260 \"BackUp Reminder\" \"Have you Backed Up your 941 data recently?\"\n"
                                "input \"A:\\\\\"\n");
    EXPECT_FALSE(result.passed);
    EXPECT_TRUE(Reports(result, "probe.scenario:4: answer Yes No\n    found: answer No never used"));
    EXPECT_TRUE(Reports(result, "probe.scenario:7: input \"A:\\\\\"\n    found: answer \"A:\\\" never used"));
}

// Every scenario that writes and checks files and rows shows the passing side.
TEST(ScenarioRunner, WrongFileAndDatabaseExpectationsFail) {
    auto failing = RunScript("fresh\n"
                             "file \"x.txt\" \"abc\"\n"
                             "expect file \"x.txt\" 4\n"
                             "expect bytes \"x.txt\" 1 \"bd\"\n"
                             "expect sql main \"SELECT count(*) FROM Employers\" \"1\"\n");
    EXPECT_FALSE(failing.passed);
    EXPECT_TRUE(Reports(failing, ":3: expect file \"x.txt\" 4\n    found: 3 bytes"));
    EXPECT_TRUE(Reports(failing, ":4: expect bytes \"x.txt\" 1 \"bd\"\n    found: \"bc\""));
    EXPECT_TRUE(Reports(failing, ":5: expect sql main \"SELECT count(*) FROM Employers\" \"1\"\n    found: \"0\""));
}

TEST(ScenarioPrintTrace, StoresMatchAsOneUnbrokenRunWithNumbersWithinTolerance) {
    const std::vector<std::string> trace = {"StartDoc=True",   "TextLeft=1.9180000000000001",
                                            "TextTop=2",       "ItemText=\"Smith \"\"Tools\"\"\"",
                                            "ItemText=1234.5", "PrintText=True"};
    EXPECT_EQ(scenario::FindRun(trace, {"TextLeft=1.918", "TextTop=2.0000000001"}), 1);
    EXPECT_EQ(scenario::FindRun(trace, {"ItemText=\"Smith \"\"Tools\"\"\"", "ItemText=1234.5"}), 3);
    EXPECT_EQ(scenario::FindRun(trace, {"TextLeft=1.92"}), -1);
    EXPECT_EQ(scenario::FindRun(trace, {"TextLeft=1.918", "ItemText=1234.5"}), -1) << "the run must be unbroken";
    EXPECT_EQ(scenario::FindRun(trace, {"ItemText=1234.5", "TextTop=2"}), -1) << "the run keeps its order";
    EXPECT_FALSE(scenario::StoreMatches("TextLeft=2", "TextTop=2"));
    EXPECT_FALSE(scenario::StoreMatches("ItemText=\"1234.5\"", "ItemText=1234.5"));

    auto nearest = scenario::FindNearestRun(trace, {"TextTop=2", "ItemText=\"Smith\""});
    EXPECT_EQ(nearest.matched, 1u);
    EXPECT_EQ(nearest.brokenBy, "ItemText=\"Smith \"\"Tools\"\"\"");
}

} // namespace
