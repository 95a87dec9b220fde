#pragma once
// A panel framed by a lowered outer and a raised inner bevel, one pixel each.

#include <QColor>
#include <QWidget>

class BevelPanel : public QWidget {
public:
    using QWidget::QWidget;
    // The panel's own face colour; it stays when the panel moves to another parent.
    void SetFaceColour(const QColor& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor face_;  // invalid: the parent's background shows through
};
