#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/ValueImage.h"
#include "files/CsvExport.h"
#include "support/TempDir.h"
#include "menus/MenuRows.h"
#include "support/FakeDialogs.h"

namespace {

// The file cut at CR LF; a lone CR or LF stays inside its line.
std::vector<std::string> Lines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2)
        lines.push_back(bytes.substr(from, end - from));
    EXPECT_EQ(from, bytes.size()) << "the last line ends in CR LF";
    return lines;
}

struct CsvExport : ::testing::Test {
    MenuRowTable rows = BuildMenuRows();
    std::unique_ptr<ValueImage> image = std::make_unique<ValueImage>();

    std::string LineOf(const std::string& key)
    {
        for (const std::string& line : Lines(CsvExportBytes(rows, *image)))
            if (line.rfind("\"" + key + "\",", 0) == 0)
                return line;
        return "no line for " + key;
    }
};

TEST_F(CsvExport, OneLineOfThreeQuotedFieldsPerShownRow)
{
    const std::vector<std::string> lines = Lines(CsvExportBytes(rows, *image));
    ASSERT_EQ(lines.size(), 216u);
    EXPECT_EQ(lines.front(), "\"M01-01\",\"Temp NTC1 (ODA)\",\"0.0 \xB0" "C\"");
    for (const std::string& line : lines) {
        SCOPED_TRACE(line);
        ASSERT_EQ(line.find_first_of("\r\n"), std::string::npos);
        // No text holds a quote, so the field borders are exactly the quotes.
        ASSERT_EQ(std::count(line.begin(), line.end(), '"'), 6);
        ASSERT_EQ(line.front(), '"');
        ASSERT_EQ(line.back(), '"');
        const std::size_t second = line.find("\",\"");
        ASSERT_NE(line.find("\",\"", second + 1), std::string::npos);
        EXPECT_NE(line.substr(1, 3), "M30");
        EXPECT_NE(line.substr(1, 3), "M00");
        EXPECT_EQ(line.find("Actual controls"), std::string::npos);
    }
}

TEST_F(CsvExport, ValuesAreTheMenuRowTexts)
{
    image->Values[256] = 215;   // M01.01, a process register
    image->Values[1] = 5000;    // M02.01
    image->Values[143] = 1;     // M80.02, a choice text with commas, in a name with one
    image->Values[367] = 0;     // M60.02, a date shown with a leading space
    image->Values[117] = 420;   // M60.11
    EXPECT_EQ(LineOf("M01-01"), "\"M01-01\",\"Temp NTC1 (ODA)\",\"21.5 \xB0" "C\"");
    EXPECT_EQ(LineOf("M02-01"), "\"M02-01\",\"Supply air 1\",\"5000 m3/h\"");
    EXPECT_EQ(LineOf("M80-02"), "\"M80-02\",\"Baudrate,parity\",\"1. 19k2,N,2\"");
    EXPECT_EQ(LineOf("M60-02"), "\"M60-02\",\"Real date\",\" 1-1-2012\"");
    EXPECT_EQ(LineOf("M60-11"), "\"M60-11\",\"Selectclock 1-Time\",\"7:00\"");

    image->Values[143] = 9;  // no text in the list: shown as a bracketed number
    EXPECT_EQ(LineOf("M80-02"), "\"M80-02\",\"Baudrate,parity\",\"[9]\"");
}

TEST_F(CsvExport, FileHoldsTheBytesAndTwoExportsAreIdentical)
{
    TempDir dir;
    for (int r = 0; r < RegisterCount; ++r)
        image->Values[r] = r * 37 - 4000;
    FakeDialogs dialogs;
    ExportCsv(rows, *image, dir / "first.CSV", dialogs);
    ExportCsv(rows, *image, dir / "second.CSV", dialogs);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(FileBytes(dir / "first.CSV"), CsvExportBytes(rows, *image));
    EXPECT_EQ(FileBytes(dir / "first.CSV"), FileBytes(dir / "second.CSV"));
}

TEST_F(CsvExport, FailureIsToldAndCancelDoesNothing)
{
    FakeDialogs dialogs;
    ExportCsv(rows, *image, "", dialogs);
    EXPECT_TRUE(dialogs.shown.empty());

    ExportCsv(rows, *image, "/dev/full", dialogs);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, "Cannot write to file.");
    EXPECT_EQ(dialogs.shown[0].caption, "ERROR");
    EXPECT_TRUE(dialogs.shown[0].error);
}

} // namespace
