#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/ui/help_location.h"

namespace velmor::testing {
namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

// Where the help file lies -> the folder the help commands are given.
TEST(HelpLocation, BesideTheProgramFirstThenTheInstalledDataFolder) {
    struct Case {
        const char* what;
        bool beside, installed;
        const char* expected;  // relative to the prefix
    };
    const Case cases[] = {
        {"build tree", true, false, "bin"},
        {"installed", false, true, "share/velmor-calculator"},
        {"both: the build tree's copy wins", true, true, "bin"},
        {"nowhere: the program's folder, whose missing file the viewer reports", false, false, "bin"},
    };
    for (const Case& c : cases) {
        QTemporaryDir prefix;
        ASSERT_TRUE(prefix.isValid());
        const QString bin = prefix.filePath(QStringLiteral("bin"));
        QDir().mkpath(bin);
        if (c.beside) touch(bin + QStringLiteral("/calculator.hlp"));
        if (c.installed) touch(prefix.filePath(QStringLiteral("share/velmor-calculator/calculator.hlp")));
        EXPECT_EQ(helpFolder(bin), QDir::cleanPath(prefix.filePath(QString::fromLatin1(c.expected)))) << c.what;
    }
}

}  // namespace
}  // namespace velmor::testing
