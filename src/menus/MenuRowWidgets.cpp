#include "menus/MenuRowWidgets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "app/Cp1252.h"
#include "app/QtColour.h"
#include "menus/MenuPages.h"
#include "menus/PageControl.h"

void MenuRowWidgets::Build(const MenuRowTable& rows, TPageControl& pages, QObject* enterFilter)
{
    std::array<int, MenuPageCount> contentHeight{};
    for (int i = 0; i < UsedMenuRows(rows); ++i) {
        const MenuRow& row = rows[i];
        QWidget* box = pages.ScrollBoxContent(row.Page);
        Widgets& w = widgets_[i];

        w.label = new QLabel(FromCp1252(MenuRowCaption(row.ParamIndex)), box);
        w.label->move(MenuLabelLeft, row.Top);
        w.label->resize(std::max(MenuLabelWidth, w.label->sizeHint().width()), MenuRowHeight);
        w.label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        w.label->show();

        w.field = new QLineEdit(QString::fromLatin1(MenuFieldInitialText), box);
        w.field->setGeometry(MenuFieldLeft, row.Top, MenuFieldWidth, MenuRowHeight);
        w.field->setReadOnly(true);
        QFont bold = w.field->font();
        bold.setBold(true);
        w.field->setFont(bold);
        w.field->installEventFilter(enterFilter);
        w.field->show();

        contentHeight[row.Page] = std::max(contentHeight[row.Page], row.Top + MenuRowHeight + MenuRowFirstTop);
    }
    for (int p = 0; p < MenuPageCount; ++p) {
        QWidget* box = pages.ScrollBoxContent(p);
        box->resize(box->width(), std::max(box->height(), contentHeight[p]));
    }
}

void MenuRowWidgets::Show(int index, const FieldView& view)
{
    Widgets& w = widgets_[index];
    if (!w.field)
        return;
    if (!w.shown || w.text != view.Text) {
        w.field->setText(FromCp1252(view.Text));
        w.field->setCursorPosition(0);
        w.text = view.Text;
    }
    if (!w.shown || !(w.colour == view.Colour)) {
        QPalette p = w.field->palette();
        p.setColor(QPalette::Text, ToQColor(view.Colour));
        w.field->setPalette(p);
        w.colour = view.Colour;
    }
    w.shown = true;
}

QLineEdit* MenuRowWidgets::Field(int index) const
{
    return index >= 0 && index < MenuRowCapacity ? widgets_[index].field : nullptr;
}

int MenuRowWidgets::IndexOfField(const QObject* field) const
{
    for (int i = 0; i < MenuRowCapacity; ++i)
        if (widgets_[i].field && widgets_[i].field == field)
            return i;
    return -1;
}

void MenuRowWidgets::Highlight(QLineEdit* field, bool on)
{
    QPalette p = field->palette();
    p.setColor(QPalette::Base, on ? ToQColor(clAqua) : QApplication::palette().color(QPalette::Base));
    field->setPalette(p);
}
