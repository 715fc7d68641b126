#include "edit/dropped_files.h"

#include <QFileInfo>

namespace kv {

TDroppedFiles SortDroppedFiles(const QList<QUrl>& urls) {
    TDroppedFiles files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QFileInfo info(url.toLocalFile());
        if (!info.isFile()) continue;
        const QString suffix = info.suffix().toLower();
        const QString path = info.absoluteFilePath();
        if (suffix == QLatin1String("kvd"))
            files.Tournaments << path;
        else if (suffix == QLatin1String("plg"))
            files.Legacy << path;
        else if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt"))
            files.Texts << path;
    }
    return files;
}

} // namespace kv
