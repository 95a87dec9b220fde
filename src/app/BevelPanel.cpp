#include "app/BevelPanel.h"

#include <QPainter>
#include <qdrawutil.h>

void BevelPanel::SetFaceColour(const QColor& colour)
{
    face_ = colour;
    update();
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect outer = rect();
    if (face_.isValid())
        painter.fillRect(outer, face_);
    qDrawShadePanel(&painter, outer, palette(), /*sunken=*/true, 1);
    qDrawShadePanel(&painter, outer.adjusted(1, 1, -1, -1), palette(), /*sunken=*/false, 1);
}
