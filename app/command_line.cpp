#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace velmor {
namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();

    Parser() {
        parser.setApplicationDescription(QStringLiteral(
            "Velmor Calculator: a scientific calculator with number bases, statistics "
            "and a user-defined formula."));
    }
};

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

}  // namespace

std::optional<int> answerOnTerminal(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;
    // A core application only: a display is not needed to print a text.
    int count = argc;
    QCoreApplication terminal(count, argv);
    Parser p;
    // The toolkit's own options are still on the command line; they are judged later.
    p.parser.parse(QCoreApplication::arguments());
    if (p.parser.isSet(p.help) || p.parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, p.parser.helpText());
        return 0;
    }
    if (p.parser.isSet(p.version)) {
        print(stdout, QStringLiteral("velmor-calculator %1\n").arg(QStringLiteral(VELMOR_VERSION)));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> refuseUnknownArguments() {
    Parser p;
    if (!p.parser.parse(QCoreApplication::arguments())) {
        print(stderr, QStringLiteral("velmor-calculator: %1\n").arg(p.parser.errorText()));
        return 2;
    }
    if (!p.parser.positionalArguments().isEmpty()) {
        print(stderr, QStringLiteral("velmor-calculator: unexpected argument \"%1\"\n")
                          .arg(p.parser.positionalArguments().constFirst()));
        return 2;
    }
    return std::nullopt;
}

}  // namespace velmor
