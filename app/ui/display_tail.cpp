#include "app/ui/display_tail.h"

#include "engine/utf8.h"

namespace velmor {

QString displayWidgetText(const std::string& text) {
    if (text.size() <= kDisplayShownBytes) return QString::fromStdString(text);
    // Start the end part on a whole UTF-8 character.
    std::size_t cut = text.size() - kDisplayShownBytes;
    while (cut < text.size() && continuesCharacter(text[cut])) ++cut;
    return QChar(0x2026) + QString::fromUtf8(text.data() + cut, static_cast<qsizetype>(text.size() - cut));
}

}  // namespace velmor
