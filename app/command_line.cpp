#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "app/qt_options.h"

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

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

void print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The arguments without Qt's options and their values, which are Qt's to read:
// "-reverse" is no "-v" and "-stylesheet x.qss" no "-h" to this program.
QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QtOption* option = i > 0 ? qtOptionNamed(arguments[i].toStdString()) : nullptr;
        if (!option) kept << arguments[i];
        else if (!option->value.empty()) ++i;  // its value goes with it
    }
    return kept;
}

// Qt's options, laid out as the program's own are.
QString qtOptionsHelp() {
    QCommandLineParser qt;
    for (const QtOption& option : qtOptions())
        qt.addOption(QCommandLineOption(fromView(option.name), fromView(option.description), fromView(option.value)));
    const QString text = qt.helpText();
    const QString heading = QStringLiteral("Options:\n");
    return QStringLiteral("\nQt options (also with one dash, as -reverse):\n") +
           text.mid(text.indexOf(heading) + heading.size());
}

}  // namespace

std::optional<int> answerOnTerminal(int argc, char* argv[]) {
    if (argc <= 1) return std::nullopt;
    // A core application only: a display is not needed to print a text.
    int count = argc;
    QCoreApplication terminal(count, argv);
    Parser p;
    // Unknown options are judged later, once Qt has taken its own.
    p.parser.parse(withoutQtOptions(QCoreApplication::arguments()));
    if (p.parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, p.parser.helpText() + qtOptionsHelp());
        return 0;
    }
    if (p.parser.isSet(p.help)) {
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
    // Qt leaves the options of other platforms (-display on Wayland): they are still Qt's.
    if (!p.parser.parse(withoutQtOptions(QCoreApplication::arguments()))) {
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
