#include "app/ui/pictures.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

#include "app/ui/key_fonts.h"

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

// Draws a key face when the key is painted, at the size and pixel ratio it is
// painted at: nothing is rendered before the first frame and HiDPI screens get
// a sharp face instead of a scaled bitmap.
class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(Picture picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::TextAntialiasing);
        QFont font = fontFor(FontRole::TimesNewRoman);
        // Designed for an 18-pixel face in the keys' 10 pt font, whose engine is loaded already.
        font.setPointSizeF(font.pointSizeF() * rect.height() / 18.0);
        painter->setFont(font);
        const QPalette palette = QGuiApplication::palette();
        painter->setPen(palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                      QPalette::ButtonText));
        painter->drawText(rect, Qt::AlignCenter, pictureText(picture_));
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PictureEngine(picture_); }

private:
    Picture picture_;
};

}  // namespace

QIcon statisticsPicture(Picture picture) { return QIcon(new PictureEngine(picture)); }

namespace {

// A small calculator: a dark case, a green display and a grid of keys, the last
// one red. Drawn on a 32 x 32 grid and scaled to the size asked for, so every
// size and pixel ratio gets a sharp picture instead of a scaled bitmap.
class CalculatorIconEngine : public QIconEngine {
public:
    void paint(QPainter* p, const QRect& rect, QIcon::Mode, QIcon::State) override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing, false);
        p->translate(rect.topLeft());
        p->scale(rect.width() / 32.0, rect.height() / 32.0);
        p->setPen(QColor(0, 0, 0));
        p->setBrush(QColor(64, 64, 64));
        p->drawRoundedRect(QRectF(4.5, 1.5, 23, 29), 2, 2);
        p->setBrush(QColor(128, 255, 128));
        p->drawRect(QRectF(7.5, 4.5, 17, 6));
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 3; ++column) {
                p->setBrush(row == 3 && column == 2 ? QColor(255, 0, 0) : QColor(192, 192, 192));
                p->drawRect(QRectF(7.5 + column * 6, 13.5 + row * 4, 4, 2));
            }
        }
        p->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size * scale), mode, state);
        painter.end();
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new CalculatorIconEngine; }
};

}  // namespace

QIcon calculatorIcon() { return QIcon(new CalculatorIconEngine); }

}  // namespace velmor
