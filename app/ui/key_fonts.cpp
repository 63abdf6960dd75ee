#include "app/ui/key_fonts.h"

#include <QFontDatabase>

namespace velmor {
namespace {

// Naming only installed families keeps Qt from asking fontconfig for the
// substitutes of a missing one (an FcFontSort per family, the costliest step of
// start-up) and gives the same face on every machine that has the family.
const QString& sansBlack() {
    static const QString family = installedFamily(
        {QStringLiteral("Arial Black"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    return family;
}

const QString& serif() {
    static const QString family = installedFamily(
        {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    return family;
}

}  // namespace

QString installedFamily(const QStringList& preferred) {
    // The plain family list: hasFamily() would also ask fontconfig for the
    // aliases of every missing family.
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : preferred)
        if (installed.contains(family, Qt::CaseInsensitive)) return family;
    return preferred.isEmpty() ? QString() : preferred.back();
}

QFont fontFor(FontRole role) {
    QFont font;
    switch (role) {
        case FontRole::ArialBlack:
            font.setFamily(sansBlack());
            font.setWeight(QFont::Black);
            font.setPointSizeF(9.75);
            break;
        case FontRole::TimesNewRoman:
        case FontRole::Symbol:
            font.setFamily(serif());
            font.setPointSizeF(role == FontRole::Symbol ? 12 : 10);
            break;
        case FontRole::Default:
            font.setPointSizeF(8.25);
            break;
    }
    return font;
}

}  // namespace velmor
