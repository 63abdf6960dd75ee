#include "app/ui/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include "app/ui/help_location.h"

namespace velmor {
namespace {

constexpr const char* kCatalogueName = "velmor-calculator";

// A translator that lives as long as the application and is installed on it.
bool install(const QString& fileName, const QString& folder) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(fileName, folder)) {
        QCoreApplication::installTranslator(translator);
        return true;
    }
    delete translator;
    return false;
}

// "de-AT" as the catalogues name it, then the language alone: de_AT, de.
QStringList candidates(const QString& uiLanguage) {
    QString name = uiLanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    QStringList names{name};
    if (const qsizetype region = name.indexOf(QLatin1Char('_')); region > 0) names.append(name.left(region));
    return names;
}

}  // namespace

std::string translatedByQt(Phrase phrase) {
    return QCoreApplication::translate(phrase.context, phrase.source).toStdString();
}

QString translatedText(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str());
}

// The user's languages in their order of preference; English, the language
// the texts are written in, ends the search wherever it comes.
QString installTranslations() {
    // The catalogues sit in translations/ of the folder that holds the help
    // files: bin/ in the build tree, share/velmor-calculator/ once installed.
    const QString folder = helpFolder(QCoreApplication::applicationDirPath()) + QStringLiteral("/translations");
    for (const QString& uiLanguage : QLocale::system().uiLanguages()) {
        for (const QString& language : candidates(uiLanguage)) {
            if (language == QLatin1String("en") || language.startsWith(QLatin1String("en_"))) return {};
            if (!install(QLatin1String(kCatalogueName) + QLatin1Char('_') + language, folder)) continue;
            // Qt's own texts (the message boxes' buttons) in the same language.
            install(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return language;
        }
    }
    return {};
}

}  // namespace velmor
