#include "app/start_failure.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace velmor {
namespace {

QtMessageHandler previousHandler = nullptr;
QStringList heldMessages;  // as Qt would have written them
QString firstReason;       // the first message's own words

void holdOrFail(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        heldMessages << qFormatLogMessage(type, context, message);
        if (firstReason.isEmpty()) firstReason = message.trimmed();
        return;
    }
    // The first message that names the problem ("could not connect to display"),
    // not Qt's advice to reinstall the application.
    const QString why = firstReason.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0).trimmed() : firstReason;
    std::fprintf(stderr, "velmor-calculator: no display to open the window on (%s)\n", why.toLocal8Bit().constData());
    std::fflush(stderr);
    std::_Exit(1);  // the application object is half made: nothing may run its destructors
}

}  // namespace

StartFailureGuard::StartFailureGuard() { previousHandler = qInstallMessageHandler(holdOrFail); }

StartFailureGuard::~StartFailureGuard() {
    qInstallMessageHandler(previousHandler);
    for (const QString& message : std::as_const(heldMessages))
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    heldMessages.clear();
    firstReason.clear();
}

}  // namespace velmor
