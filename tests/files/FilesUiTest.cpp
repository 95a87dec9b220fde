#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <fstream>
#include <iterator>

#include "app/MainWindow.h"
#include "app/ValueImage.h"
#include "log/LogRecorder.h"
#include "support/FakeDialogs.h"
#include "support/FakePort.h"
#include "support/RowLookup.h"
#include "support/TempDir.h"

namespace {

struct FilesUi : ::testing::Test {
    ValueImage image;
    FakePort port;
    LogRecorder recorder;
    FakeDialogs dialogs;
    TForm1 form{image, port, recorder, dialogs};
    TempDir dir;

    void SetUp() override
    {
        form.show();
        image.DataStale = 0;
    }
    int Row(const char* key) const
    {
        for (int i = 0; i < MenuRowCapacity; ++i)
            if (form.MenuRows[i].ParamIndex == RowIndexOf(key))
                return i;
        return -1;
    }
    void Click(const char* name) { form.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
};

TEST_F(FilesUi, SaveThenLoadClosesTheEditorAndMarksDifferencesRed)
{
    image.Values[1] = image.DeviceValues[1] = 5000;
    form.Edit1Enter(form.MenuField(Row("M02.01")));
    ASSERT_NE(form.EditRow(), -1);

    dialogs.fileNames = {dir / "unit.bin"};
    Click("BitBtnSave");
    EXPECT_EQ(form.EditRow(), -1);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].Name, "SaveDialog1");
    EXPECT_EQ(dialogs.fileRequests[0].Title, "Save controls:");
    EXPECT_TRUE(dialogs.fileRequests[0].Save);

    image.Values[1] = image.DeviceValues[1] = 6000;  // the unit changes meanwhile
    form.RefreshMenuRows();
    form.Edit1Enter(form.MenuField(Row("M02.01")));
    dialogs.fileNames = {dir / "unit.bin"};
    Click("BitBtnLoad");
    EXPECT_EQ(form.EditRow(), -1);
    EXPECT_EQ(dialogs.fileRequests[1].Name, "OpenDialog1");
    EXPECT_EQ(dialogs.fileRequests[1].Title, "Get controls:");
    EXPECT_FALSE(dialogs.fileRequests[1].Save);
    EXPECT_EQ(image.Values[1], 5000);
    EXPECT_EQ(image.DeviceValues[1], 6000);
    QLineEdit* field = form.MenuField(Row("M02.01"));
    EXPECT_EQ(field->text(), "5000 m3/h");
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FilesUi, ExcelAsksForACsvNameAndCancellingDoesNothing)
{
    Click("BitBtnExcel");
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    const FileDialogRequest& r = dialogs.fileRequests[0];
    EXPECT_EQ(r.Name, "SaveDialog2");
    EXPECT_EQ(r.Title, "Save controls to Excel:");
    EXPECT_EQ(r.FilterName, "CSV Excel");
    EXPECT_EQ(r.FilterPattern, "*.CSV");
    EXPECT_EQ(r.DefaultExtension, "CSV");
    EXPECT_TRUE(dialogs.shown.empty());

    dialogs.fileNames = {dir / "unit.csv"};
    Click("BitBtnExcel");
    std::ifstream in(dir / "unit.csv", std::ios::binary);
    const std::string csv((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(csv.rfind("\"M01-01\",\"Temp NTC1 (ODA)\",", 0), 0u);

    Click("BitBtnLoad");  // cancelled: nothing read, nothing shown
    EXPECT_TRUE(dialogs.shown.empty());
}

} // namespace
