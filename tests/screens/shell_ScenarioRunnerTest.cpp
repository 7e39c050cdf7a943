// The scenario runner itself: scripts that must fail do, and say where.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "ControlPath.h"
#include "PrintTraceMatch.h"
#include "ScenarioRunner.h"
#include "ScriptLine.h"

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

TEST(ScenarioRunner, AnAnswerTheBoxDoesNotOfferFailsTheActionLine) {
    auto result = RunScript(
        kToMainMenu + "answer OK\n"
                      "click frm941MainScreen.cmdExit\n"
                      "expect msgbox 260 \"BackUp Reminder\" \"Have you Backed Up your 941 data recently?\"\n"
                      "expect msgbox 4 \"BackUp Reminder\" \"Do you want to Back Up your 941 data now?\"\n"
                      "expect msgbox 0 \"BackUp Reminder\" \"Select the BackUp/Restore button on the Utility Menu\"\n");
    EXPECT_FALSE(result.passed);
    EXPECT_TRUE(Reports(result, "probe.scenario:5: click frm941MainScreen.cmdExit\n    found: answer OK does not fit"));
}

TEST(ScenarioRunner, AnActionThatCannotBeDoneStopsTheScenario) {
    auto result = RunScript(kToMainMenu + "click frm941MainScreen.cmdNothing\n"
                                          "expect shown frmNothing\n");
    EXPECT_FALSE(result.passed);
    EXPECT_TRUE(Reports(result, "probe.scenario:4: click frm941MainScreen.cmdNothing\n"
                                "    found: frm941MainScreen has no control cmdNothing"));
    EXPECT_TRUE(Reports(result, "the scenario stops at line 4"));
    EXPECT_FALSE(Reports(result, "frmNothing"));
}

TEST(ScenarioRunner, MalformedLinesAreReportedBeforeAnythingRuns) {
    auto result = RunScript("fresh\nfile \"a.txt\" \"unclosed\n\nfile \"b\" \"\\q\"\n");
    EXPECT_FALSE(result.passed);
    EXPECT_TRUE(Reports(result, "probe.scenario:2: "));
    EXPECT_TRUE(Reports(result, "probe.scenario:4: "));
    EXPECT_TRUE(Reports(result, "unknown escape \\q"));
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

TEST(ScenarioScript, QuotedTextsResolveTheirEscapes) {
    auto tokens = scenario::Tokenize(R"(type frm.txt "a \"b\" \\ \n\t\x41" Enter "")");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[2].text, "a \"b\" \\ \n\tA");
    EXPECT_TRUE(tokens[2].quoted);
    EXPECT_FALSE(tokens[3].quoted);
    EXPECT_EQ(tokens[4].text, "");
    EXPECT_TRUE(tokens[4].quoted);
    EXPECT_THROW(scenario::Tokenize(R"(x "\x4")"), std::invalid_argument);
    EXPECT_THROW(scenario::Tokenize(R"(x "open)"), std::invalid_argument);
    EXPECT_EQ(scenario::ScriptQuote("a\"\\\n\x01"), R"("a\"\\\n\x01")");
}

TEST(ScenarioScript, ControlNamesTakeAnIndexOrADataControlArrow) {
    auto element = scenario::ParseControlPath("frmDet941Covid0621.Label5(12)");
    ASSERT_TRUE(element);
    EXPECT_EQ(element->form, "frmDet941Covid0621");
    EXPECT_EQ(element->control, "Label5");
    EXPECT_EQ(element->index, 12);

    auto arrow = scenario::ParseControlPath("frmEmployersDE.datEmployers.Last");
    ASSERT_TRUE(arrow);
    EXPECT_EQ(arrow->control, "datEmployers");
    EXPECT_EQ(arrow->arrow, "Last");

    auto form = scenario::ParseControlPath("frmStartup");
    ASSERT_TRUE(form);
    EXPECT_EQ(form->control, "");

    for (const char* bad : {"frm.dat.Up", "frm.a.b.c", "frm.Label5(", "frm.Label5(x)", "1frm.x", ""})
        EXPECT_FALSE(scenario::ParseControlPath(bad)) << bad;
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
