#include <gtest/gtest.h>

#include <stdexcept>

#include "app/ErrorReport.h"
#include "app/Identity.h"

namespace {

TEST(ErrorReport, FullStopRule)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Port busy", "Port busy."},      // letter sorts after '.'
        {"Port busy.", "Port busy."},
        {"Port busy!", "Port busy!"},     // '!' sorts before '.'
        {"Error 5", "Error 5."},          // digits sort after '.'
        {"Done -", "Done -"},             // '-' sorts before '.'
        {"Size 3/4", "Size 3/4."},        // '/' sorts after '.'
        {"", ""},
        {"Temp 5\xB0", "Temp 5\xB0."},    // bytes above 127 sort after '.'
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(ErrorReportText(in), out) << in;
}

struct RecordingDialogs : Dialogs {
    std::string text, caption;
    bool error = false;
    bool AskOkCancel(const std::string&, const std::string&) override { return false; }
    std::string AskFileName(const FileDialogRequest&) override { return ""; }
    void Tell(const std::string& t, const std::string& c, bool e) override
    {
        text = t;
        caption = c;
        error = e;
    }
};

TEST(ErrorReport, ShownWithApplicationTitleAndErrorIcon)
{
    RecordingDialogs dialogs;
    ReportError(dialogs, "Cannot open port");
    EXPECT_EQ(dialogs.text, "Cannot open port.");
    EXPECT_EQ(dialogs.caption, "Ventaro XL Control Center v3.02");
    EXPECT_TRUE(dialogs.error);
}

TEST(ErrorReport, StartUpFailureIsReportedAndEndsWithNonZeroCode)
{
    std::string reported;
    const auto report = [&](const std::string& m) { reported = m; };
    EXPECT_EQ(RunReportingErrors([] { return 0; }, report), 0);
    EXPECT_EQ(reported, "");
    EXPECT_EQ(RunReportingErrors([]() -> int { throw std::runtime_error("no display"); }, report), 1);
    EXPECT_EQ(reported, "no display");
    EXPECT_EQ(RunReportingErrors([]() -> int { throw 42; }, report), 1);
    EXPECT_EQ(reported, "Unknown error");
}

} // namespace
