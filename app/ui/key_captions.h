// Keeps key captions inside their keys: the keys keep their designed size, so a
// long caption ("Backspace", "CosecH-¹", "Sigma x²") gets a smaller font instead.
#pragma once

#include <QtGlobal>

class QAbstractButton;
class QFont;
class QString;

namespace velmor {

// Sets `caption` on `button`, shrinking `button`'s designed font just enough
// for the caption to fit between the key's edges.
void setFittedCaption(QAbstractButton* button, const QString& caption, const QFont& designedFont);

// The point size at which `caption` fits in `width` pixels, starting from the
// designed font and never going below a readable minimum.
qreal fittedPointSize(const QString& caption, const QFont& designedFont, int width);

}  // namespace velmor
