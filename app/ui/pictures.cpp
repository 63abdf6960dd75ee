#include "app/ui/pictures.h"

#include <QPainter>
#include <QPixmap>

namespace velmor {
namespace {

QString pictureText(Picture picture) {
    switch (picture) {
        case Picture::XBar: return QStringLiteral("x\u0304");
        case Picture::SigmaX: return QStringLiteral("\u03A3x");
        case Picture::SigmaX2: return QStringLiteral("\u03A3x\u00B2");
        case Picture::SigmaX3: return QStringLiteral("\u03A3x\u00B3");
        case Picture::None: break;
    }
    return {};
}

}  // namespace

// The key faces are drawn as text in a pixmap so they scale with the screen.
QIcon statisticsPicture(Picture picture) {
    const qreal ratio = 2.0;  // drawn at twice the size so HiDPI screens stay crisp
    QPixmap pixmap(QSize(26, 18) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10);
    painter.setFont(font);
    painter.drawText(QRectF(0, 0, 26, 18), Qt::AlignCenter, pictureText(picture));
    return QIcon(pixmap);
}

// A small calculator: a dark case, a green display and a grid of keys.
QIcon calculatorIcon() {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0, 0, 0));
    p.setBrush(QColor(64, 64, 64));
    p.drawRoundedRect(QRectF(4.5, 1.5, 23, 29), 2, 2);
    p.setBrush(QColor(128, 255, 128));
    p.drawRect(QRectF(7.5, 4.5, 17, 6));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            p.setBrush(row == 3 && column == 2 ? QColor(255, 0, 0) : QColor(192, 192, 192));
            p.drawRect(QRectF(7.5 + column * 6, 13.5 + row * 4, 4, 2));
        }
    }
    return QIcon(pixmap);
}

}  // namespace velmor
