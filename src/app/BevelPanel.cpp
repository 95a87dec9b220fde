#include "app/BevelPanel.h"

#include <QPainter>
#include <qdrawutil.h>

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect outer = rect();
    qDrawShadePanel(&painter, outer, palette(), /*sunken=*/true, 1);
    qDrawShadePanel(&painter, outer.adjusted(1, 1, -1, -1), palette(), /*sunken=*/false, 1);
}
