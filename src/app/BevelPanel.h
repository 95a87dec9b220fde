#pragma once
// A panel framed by a lowered outer and a raised inner bevel, one pixel each.

#include <QWidget>

class BevelPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent* event) override;
};
