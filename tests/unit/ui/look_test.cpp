#include <QFontMetricsF>
#include <QImage>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/ui/key_captions.h"
#include "app/ui/pictures.h"
#include "qt_window.h"

namespace velmor::testing {
namespace {

// The push button's frame takes 3 pixels of each side; the caption must fit between.
constexpr int kEdge = kKeyEdge;

TEST(KeyCaptions, EveryCaptionFitsInsideItsKey) {
    QtWindow w;
    for (const ControlRow& s : controlTable()) {
        auto* button = qobject_cast<QPushButton*>(w.window.widgetFor(s.id));
        if (!button) continue;
        const qreal width = QFontMetricsF(button->font()).horizontalAdvance(button->text());
        EXPECT_LE(width, button->width() - 2 * kEdge)
            << qualifiedName(s.id) << " \"" << button->text().toStdString() << "\" at "
            << button->font().pointSizeF() << " pt";
    }
}

TEST(KeyCaptions, KeysKeepTheirDesignedSize) {
    QtWindow w;
    const std::pair<Ctl, QSize> cases[] = {
        {digitKey(7), {41, 33}}, {Ctl::Backspace, {65, 33}}, {functionKey(19), {41, 33}},
        {integerSumKey(1), {41, 33}}, {Ctl::StatNext, {89, 25}},
    };
    for (const auto& [control, size] : cases)
        EXPECT_EQ(w.window.widgetFor(control)->size(), size) << qualifiedName(control);
}

TEST(KeyCaptions, OnlyCaptionsThatDoNotFitAreNarrowedThenShrunk) {
    qtApp();
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10);
    const QString longCaption = QStringLiteral("CosecH-\u00B9");
    const qreal designedWidth = QFontMetricsF(font).horizontalAdvance(longCaption);
    EXPECT_EQ(fittedFont({QStringLiteral("7")}, font, 35), font);
    // A little too wide: narrowed at full size, and no narrower than needed.
    const QFont narrowed = fittedFont({longCaption}, font, static_cast<int>(designedWidth * 0.9));
    EXPECT_EQ(narrowed.pointSizeF(), 10);
    EXPECT_LT(narrowed.stretch(), 100);
    EXPECT_LE(QFontMetricsF(narrowed).horizontalAdvance(longCaption), designedWidth * 0.9);
    QFont wider = narrowed;
    wider.setStretch(narrowed.stretch() + 5);
    EXPECT_GT(QFontMetricsF(wider).horizontalAdvance(longCaption), designedWidth * 0.9);
    // Far too wide: as narrow as readable, then smaller, and still inside.
    const QFont shrunk = fittedFont({longCaption}, font, static_cast<int>(designedWidth * 0.7));
    EXPECT_LT(shrunk.pointSizeF(), 10);
    EXPECT_LE(QFontMetricsF(shrunk).horizontalAdvance(longCaption), designedWidth * 0.7);
    // An impossible fit stops at a size that is still readable.
    EXPECT_GE(fittedFont({QStringLiteral("A caption far too long for any key")}, font, 35).pointSizeF(), 7.5);
}

// One font for every caption given: the widest decides.
TEST(KeyCaptions, CaptionsFittedTogetherShareTheFontOfTheWidest) {
    qtApp();
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10);
    const QStringList row = {QStringLiteral("SecH-\u00B9"), QStringLiteral("CosecH-\u00B9"), QStringLiteral("Cot-\u00B9")};
    EXPECT_EQ(fittedFont(row, font, 35), fittedFont({row[1]}, font, 35));
}

// Each caption measured against its own room: the tightest decides for all.
TEST(KeyCaptions, EachCaptionFitsItsOwnRoom) {
    qtApp();
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    const QString wide = QStringLiteral("Dword"), narrow = QStringLiteral("Oct");
    const int wideRoom = static_cast<int>(QFontMetricsF(font).horizontalAdvance(wide)) + 2;
    const int narrowRoom = static_cast<int>(QFontMetricsF(font).horizontalAdvance(narrow) * 0.9);
    EXPECT_EQ(fittedFont(QList<CaptionRoom>{{wide, wideRoom}, {narrow, narrowRoom + 20}}, font), font);
    const QFont fitted = fittedFont(QList<CaptionRoom>{{wide, wideRoom}, {narrow, narrowRoom}}, font);
    EXPECT_NE(fitted, font);
    EXPECT_LE(QFontMetricsF(fitted).horizontalAdvance(narrow), narrowRoom);
}

TEST(KeyCaptions, TheKeysOfARowShareOneReadableFont) {
    QtWindow w;
    const std::vector<std::vector<Ctl>> rows = {
        {functionKey(18), functionKey(19), functionKey(20)}, {functionKey(12), functionKey(13), functionKey(14)},
        {functionKey(6), functionKey(7), functionKey(8)},    {functionKey(15), functionKey(16), functionKey(17)},
        {Ctl::ExpE, Ctl::Combinations, integerSumKey(0), integerSumKey(1), integerSumKey(2), Ctl::Random},
    };
    for (const auto& row : rows) {
        const QFont first = w.window.widgetFor(row[0])->font();
        EXPECT_GE(first.pointSizeF(), 8) << qualifiedName(row[0]);
        for (Ctl key : row) EXPECT_EQ(w.window.widgetFor(key)->font(), first) << qualifiedName(key);
    }
}

// A caption set later (the word-size labels, for one) is fitted the same way.
TEST(KeyCaptions, ACaptionChangedAtRunTimeIsFittedAgain) {
    qtApp();
    QPushButton button;
    button.resize(41, 33);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPointSizeF(10);
    setFittedCaption(&button, QStringLiteral("Sigma x\u00B2"), font);
    EXPECT_NE(button.font(), font);
    setFittedCaption(&button, QStringLiteral("S"), font);
    EXPECT_EQ(button.font(), font);
    EXPECT_EQ(button.text(), QStringLiteral("S"));
}

// The installed 32 x 32 icon is the picture the window draws for itself.
TEST(ProgramIcon, InstalledPngMatchesTheWindowIcon) {
    qtApp();
    const QImage installed(QStringLiteral(VELMOR_PACKAGE_ICON));
    ASSERT_FALSE(installed.isNull()) << VELMOR_PACKAGE_ICON;
    const QImage drawn = calculatorIcon().pixmap(32, 32).toImage();
    ASSERT_EQ(installed.size(), drawn.size());
    EXPECT_EQ(installed.convertToFormat(QImage::Format_ARGB32), drawn.convertToFormat(QImage::Format_ARGB32));
}

// The colours of the icon's picture; a bitmap scaled up would blend them at every edge.
bool isIconColour(QRgb pixel) {
    static const QRgb colours[] = {qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(64, 64, 64),
                                   qRgb(128, 255, 128), qRgb(192, 192, 192), qRgb(255, 0, 0)};
    for (QRgb c : colours)
        if (pixel == c) return true;
    return false;
}

// The icon is drawn at the resolution it is shown at, window icon and About icon
// alike: at whole-number scales every pixel is one of its own colours and the
// case's outline is exactly one scaled line wide.
TEST(ProgramIcon, IsDrawnSharpAtEveryWholeScale) {
    qtApp();
    for (int scale : {1, 2, 3, 4}) {
        const QPixmap pixmap = calculatorIcon().pixmap(QSize(32, 32), scale);
        ASSERT_EQ(pixmap.size(), QSize(32 * scale, 32 * scale)) << "scale " << scale;
        EXPECT_EQ(pixmap.devicePixelRatio(), scale);
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        int foreign = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) foreign += !isIconColour(image.pixel(x, y));
        EXPECT_EQ(foreign, 0) << "scale " << scale;
        // Across the middle of the case: transparent, outline, case.
        const int y = 16 * scale;
        EXPECT_EQ(qAlpha(image.pixel(4 * scale - 1, y)), 0) << "scale " << scale;
        for (int x = 4 * scale; x < 5 * scale; ++x) EXPECT_EQ(image.pixel(x, y), qRgb(0, 0, 0)) << "scale " << scale;
        EXPECT_EQ(image.pixel(5 * scale, y), qRgb(64, 64, 64)) << "scale " << scale;
    }
}

// Between whole scales the picture is smoothed rather than jagged, and still fills its size.
TEST(ProgramIcon, FractionalScalesAreDrawnAtTheirOwnSize) {
    qtApp();
    const QPixmap pixmap = calculatorIcon().pixmap(QSize(32, 32), 1.5);
    EXPECT_EQ(pixmap.size(), QSize(48, 48));
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(image.pixel(24, 24), qRgb(64, 64, 64));  // inside the case, between keys
    EXPECT_EQ(qAlpha(image.pixel(2, 24)), 0);
}

}  // namespace
}  // namespace velmor::testing
