#include "menus/PageControl.h"

#include <QButtonGroup>
#include <QScrollArea>
#include <QStackedWidget>
#include <QToolButton>

#include "menus/MenuPages.h"

namespace {

constexpr int ControlWidth = 697;
constexpr int ControlHeight = 417;
constexpr int TabHeight = 20;
constexpr int TabGap = 2;        // between buttons and between rows
constexpr int TabPadding = 10;  // beside the caption inside a button

} // namespace

TPageControl::TPageControl(QWidget* parent)
    : QWidget(parent), tabs_(new QButtonGroup(this)), pages_(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("PageControl1"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    tabs_->setExclusive(true);
    // Choosing a page takes the focus, as a page control does: left on a value field
    // of the old page, the focus would jump to a field of the new one and move the
    // value editor with it.
    setFocusPolicy(Qt::ClickFocus);

    for (int p = 0; p < MenuPageCount; ++p) {
        const MenuPage& page = MenuPages[p];
        auto* button = new QToolButton(this);
        button->setText(QString::fromLatin1(page.Caption));
        button->setCheckable(true);
        button->setAutoRaise(true);  // hot tracking: the tab lights up under the mouse
        button->setFocusPolicy(Qt::NoFocus);
        tabs_->addButton(button, p);
        tabButtons_.push_back(button);

        auto* sheet = new QWidget;
        sheet->setObjectName(QString::fromLatin1(page.TabSheet));
        auto* box = new QScrollArea(sheet);
        box->setObjectName(QString::fromLatin1(page.ScrollBox));
        box->setGeometry(ScrollBoxLeft, page.Top, ScrollBoxWidth, page.Height);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        box->setWidgetResizable(false);
        auto* content = new QWidget;
        content->setObjectName(QString::fromLatin1(page.ScrollBox) + QStringLiteral("Content"));
        content->resize(ScrollBoxWidth - 20, page.Height - 4);
        box->setWidget(content);
        scrollBoxes_.push_back(box);
        pages_->addWidget(sheet);
    }
    connect(tabs_, &QButtonGroup::idClicked, this, [this](int page) {
        if (page == pages_->currentIndex())
            return;
        setFocus(Qt::MouseFocusReason);
        pages_->setCurrentIndex(page);
        emit Change();
    });
    LayOutTabs();
    SetActivePageIndex(0);
}

void TPageControl::LayOutTabs()
{
    // Rows of buttons sized to their captions, wrapped at the control's width.
    int x = 0;
    int y = 0;
    for (QAbstractButton* button : tabButtons_) {
        const int width = button->fontMetrics().horizontalAdvance(button->text()) + TabPadding;
        if (x > 0 && x + width > ControlWidth) {
            x = 0;
            y += TabHeight + TabGap;
        }
        button->setGeometry(x, y, width, TabHeight);
        x += width + TabGap;
    }
    const int pagesTop = y + TabHeight + TabGap;
    pages_->setGeometry(0, pagesTop, ControlWidth, ControlHeight - pagesTop);
}

int TPageControl::ActivePageIndex() const
{
    return pages_->currentIndex();
}

void TPageControl::SetActivePageIndex(int page)
{
    pages_->setCurrentIndex(page);
    tabButtons_[static_cast<std::size_t>(page)]->setChecked(true);
}

QWidget* TPageControl::ScrollBoxContent(int page) const
{
    return scrollBoxes_[static_cast<std::size_t>(page)]->widget();
}

QAbstractButton* TPageControl::TabButton(int page) const
{
    return tabButtons_[static_cast<std::size_t>(page)];
}
