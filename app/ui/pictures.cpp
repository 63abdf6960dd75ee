#include "app/ui/pictures.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <cmath>

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

// An icon drawn when it is painted, at the size and pixel ratio it is painted
// at: nothing is rendered before the first frame and HiDPI screens get a sharp
// picture instead of a scaled bitmap.
class DrawnIconEngine : public QIconEngine {
public:
    // QIcon asks for the size in device pixels (the logical size times the
    // screen's pixel ratio) and sets the pixmap's ratio itself.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }
};

// The statistics key faces.
class PictureEngine : public DrawnIconEngine {
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

    QIconEngine* clone() const override { return new PictureEngine(picture_); }

private:
    Picture picture_;
};

// A small calculator: a dark case, a green display and a grid of keys, the
// last one red; the same picture as icons/org.velmor.Calculator.svg, on its
// 32-unit grid. Lines sit on half units, so whole-number scales stay sharp.
void drawCalculator(QPainter& p) {
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
}

class CalculatorIconEngine : public DrawnIconEngine {
public:
    static constexpr qreal kDesignSize = 32;

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->translate(rect.topLeft());
        // Whole-number scales are drawn pixel-exact; others are smoothed.
        const qreal scale = painter->deviceTransform().m11() * rect.width() / kDesignSize;
        painter->scale(rect.width() / kDesignSize, rect.height() / kDesignSize);
        painter->setRenderHint(QPainter::Antialiasing, scale != std::round(scale));
        drawCalculator(*painter);
        painter->restore();
    }

    // The sizes offered to window managers that ask for a list.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }

    QIconEngine* clone() const override { return new CalculatorIconEngine; }
};

}  // namespace

QIcon statisticsPicture(Picture picture) { return QIcon(new PictureEngine(picture)); }

QIcon calculatorIcon() { return QIcon(new CalculatorIconEngine); }

}  // namespace velmor
