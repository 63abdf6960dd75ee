#include "app/ui/spoken_help.h"

#include <QApplication>
#include <QPointer>
#include <QTextDocumentFragment>
#include <QWidget>

#include "app/ui/translations.h"
#include "engine/controls.h"

namespace velmor {
namespace {

// The control whose description is the topic on show, and what it said before.
struct Spoken {
    QPointer<QWidget> control;
    QString ownDescription;
    QPointer<QWidget> popup;
};

Spoken& spoken() {
    static Spoken current;
    return current;
}

void restoreDescription() {
    Spoken& s = spoken();
    if (s.control) s.control->setAccessibleDescription(s.ownDescription);
    s = Spoken{};
}

}  // namespace

void speakHelpTopic(QWidget* control, const QString& html) {
    restoreDescription();
    // The What's This pop-up is the application's active pop-up once shown.
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup) return;  // nothing on show, so nothing to read
    const QString text = QTextDocumentFragment::fromHtml(html).toPlainText().trimmed();
    popup->setAccessibleName(translatedText("Menu", tableRow(Menu::WhatIsThis).caption));
    popup->setAccessibleDescription(text);
    if (!control) return;
    spoken() = Spoken{control, control->accessibleDescription(), popup};
    control->setAccessibleDescription(text);
    QObject::connect(popup, &QObject::destroyed, control, [popup] {
        if (spoken().popup == nullptr || spoken().popup == popup) restoreDescription();
    });
}

}  // namespace velmor
