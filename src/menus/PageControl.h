#pragma once
// PageControl1: the menu pages as button-style tabs in several rows (hot tracking,
// ragged right) over a stacked page area. Each page holds one scroll box that receives
// the rows of its menu.

#include <QWidget>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QScrollArea;
class QStackedWidget;

class TPageControl : public QWidget {
    Q_OBJECT
public:
    explicit TPageControl(QWidget* parent);

    int ActivePageIndex() const;
    void SetActivePageIndex(int page);
    QWidget* ScrollBoxContent(int page) const;  // the rows' parent on that page
    QAbstractButton* TabButton(int page) const;

signals:
    void Change();  // the engineer chose another page

private:
    void LayOutTabs();

    QButtonGroup* tabs_;
    std::vector<QAbstractButton*> tabButtons_;
    QStackedWidget* pages_;
    std::vector<QScrollArea*> scrollBoxes_;
};
