#include "autoattendant/ui/PageStateIcon.h"

#include <QPainter>
#include <QPixmap>

namespace kiv {

QIcon PageStateIcon(int state) {
    // A square outline; its left half filled when programmed, its right half
    // when recorded.
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    if (state & 1) painter.fillRect(2, 2, 6, 12, QColor(0x1f, 0x5f, 0xbf));
    if (state & 2) painter.fillRect(8, 2, 6, 12, QColor(0x2f, 0x9f, 0x3f));
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawRect(1, 1, 13, 13);
    painter.end();
    return QIcon(pixmap);
}

} // namespace kiv
