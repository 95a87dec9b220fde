#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

#include "app/MainWindow.h"
#include "app/ValueImage.h"
#include "catalogue/ParamTable.h"
#include "log/LogRecorder.h"
#include "menus/MenuPages.h"
#include "menus/PageControl.h"
#include "support/FakeDialogs.h"
#include "support/FakePort.h"
#include "support/RowLookup.h"

namespace {

struct MenuPagesUi : ::testing::Test {
    ValueImage image;
    FakePort port;
    LogRecorder recorder;
    FakeDialogs dialogs;
    TForm1 form{image, port, recorder, dialogs};

    void SetUp() override { form.show(); }

    int Row(const char* key) const
    {
        const int param = RowIndexOf(key);
        for (int i = 0; i < MenuRowCapacity; ++i)
            if (form.MenuRows[i].ParamIndex == param && form.MenuRows[i].Reg != -1)
                return i;
        return -1;
    }
    QLineEdit* Field(const char* key) { return form.MenuField(Row(key)); }
    QWidget* Panel() { return form.findChild<QWidget*>(QStringLiteral("PanelEdit")); }
    void Press(const char* name) { form.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }
    QColor TextColour(QLineEdit* f) { return f->palette().color(QPalette::Text); }
    QColor Background(QLineEdit* f) { return f->palette().color(QPalette::Base); }
};

TEST_F(MenuPagesUi, TwentyPagesInOrderWithTheirScrollBoxes)
{
    auto* pages = form.findChild<TPageControl*>(QStringLiteral("PageControl1"));
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->geometry(), QRect(8, 192, 697, 417));
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    for (int p = 0; p < MenuPageCount; ++p) {
        EXPECT_EQ(pages->TabButton(p)->text(), QString::fromLatin1(MenuPages[p].Caption));
        auto* box = form.findChild<QScrollArea*>(QString::fromLatin1(MenuPages[p].ScrollBox));
        ASSERT_NE(box, nullptr) << MenuPages[p].ScrollBox;
        EXPECT_EQ(box->geometry(), QRect(8, MenuPages[p].Top, 641, MenuPages[p].Height));
        EXPECT_EQ(box->parentWidget()->objectName(), QString::fromLatin1(MenuPages[p].TabSheet));
        // The page area leaves room for the whole scroll box.
        EXPECT_GE(box->parentWidget()->height(), MenuPages[p].Top + MenuPages[p].Height);
    }
    pages->TabButton(9)->click();
    EXPECT_EQ(pages->ActivePageIndex(), 9);
    EXPECT_TRUE(form.findChild<QWidget*>(QStringLiteral("BitBtnGraph"))->isVisible());
}

TEST_F(MenuPagesUi, RowsShowCaptionsValuesAndColours)
{
    QLineEdit* t1 = Field("M01.01");
    ASSERT_NE(t1, nullptr);
    EXPECT_EQ(t1->geometry(), QRect(300, 10, 200, 20));
    EXPECT_TRUE(t1->isReadOnly());
    EXPECT_TRUE(t1->font().bold());
    EXPECT_EQ(t1->text(), QString::fromUtf8("0.0 °C"));
    EXPECT_EQ(TextColour(t1), QColor(128, 128, 128));  // stale until the controls are read
    EXPECT_EQ(Field("M60.02")->text(), " 1-1-2012");
    EXPECT_EQ(Field("M99.04")->geometry().top(), 50);

    image.Values[256] = 215;
    image.DeviceValues[256] = 215;
    image.DataStale = 0;
    form.RefreshMenuRows();
    EXPECT_EQ(t1->text(), QString::fromUtf8("21.5 °C"));
    EXPECT_EQ(TextColour(t1), QColor(0, 0, 0));
}

TEST_F(MenuPagesUi, EditorOpensBesideTheFieldStepsAndCloses)
{
    image.DataStale = 0;
    image.Values[9] = image.DeviceValues[9] = 45;  // M03.01, 0..50
    form.RefreshMenuRows();
    QLineEdit* field = Field("M03.01");
    form.Edit1Enter(field);
    EXPECT_EQ(form.EditRow(), Row("M03.01"));
    EXPECT_EQ(Panel()->parentWidget(), field->parentWidget());
    EXPECT_EQ(Panel()->pos(), QPoint(500, field->y() - 7));
    EXPECT_FALSE(Panel()->isHidden());
    EXPECT_EQ(Background(field), QColor(0, 255, 255));

    Press("ButtonEditPP");
    EXPECT_EQ(image.Values[9], 50);
    EXPECT_EQ(field->text(), "50 %");
    EXPECT_EQ(TextColour(field), QColor(255, 0, 0));
    Press("ButtonEditMMM");
    Press("ButtonEditPPP");
    Press("ButtonEditM");
    EXPECT_EQ(image.Values[9], 49);

    // A read-only field closes the panel and gives the aqua field its colour back.
    form.Edit1Enter(Field("M01.01"));
    EXPECT_EQ(form.EditRow(), -1);
    EXPECT_TRUE(Panel()->isHidden());
    EXPECT_NE(Background(field), QColor(0, 255, 255));
    Press("ButtonEditP");  // closed: nothing happens
    EXPECT_EQ(image.Values[9], 49);
}

TEST_F(MenuPagesUi, ChangingThePageLeavesTheEditorOnItsRow)
{
    QApplication::setActiveWindow(&form);
    auto* pages = form.findChild<TPageControl*>(QStringLiteral("PageControl1"));
    pages->TabButton(1)->click();  // M02
    QLineEdit* field = Field("M02.01");
    field->setFocus(Qt::MouseFocusReason);
    form.Edit1Enter(field);
    ASSERT_EQ(form.EditRow(), Row("M02.01"));
    auto* plus = form.findChild<QPushButton*>(QStringLiteral("ButtonEditP"));
    plus->setFocus(Qt::MouseFocusReason);  // as a mouse press on it does
    ASSERT_TRUE(plus->hasFocus());
    plus->click();
    for (const int page : {0, 2, 1}) {  // M01, M03 and back to M02
        pages->TabButton(page)->click();
        EXPECT_EQ(form.EditRow(), Row("M02.01")) << page;
        EXPECT_FALSE(Panel()->isHidden()) << page;
        EXPECT_EQ(Panel()->parentWidget(), field->parentWidget()) << page;
    }
}

TEST_F(MenuPagesUi, ProcessEditTurnsFuchsiaAndGetClosesTheEditor)
{
    image.DataStale = 0;
    image.Values[366] = image.DeviceValues[366] = 600;
    QLineEdit* clock = Field("M60.01");
    form.Edit1Enter(clock);
    Press("ButtonEditPPP");
    EXPECT_EQ(clock->text(), "11:00");
    EXPECT_EQ(TextColour(clock), QColor(255, 0, 255));
    EXPECT_EQ(image.PendingEdit[366], 1);

    form.BitBtnHaalClick();
    EXPECT_EQ(form.EditRow(), -1);
    EXPECT_TRUE(Panel()->isHidden());
    EXPECT_EQ(image.PendingEdit[366], 0);
}

} // namespace
