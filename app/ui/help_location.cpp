#include "app/ui/help_location.h"

#include <QDir>
#include <QFileInfo>

#include "help/help_actions.h"

namespace velmor {

QString helpFolder(const QString& programFolder) {
    const QString fileName = QString::fromLatin1(kHelpFileName);
    const QString installed = QDir::cleanPath(programFolder + QLatin1Char('/') + QLatin1String(kInstalledHelpFolder));
    for (const QString& folder : {programFolder, installed})
        if (QFileInfo::exists(folder + QLatin1Char('/') + fileName)) return folder;
    return programFolder;
}

}  // namespace velmor
