#include "storage/help_index.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace kv {

namespace {

QString ReadPage(const QString& path) {
    QFile f(path);
    // A page of the manual is small; anything larger is not one of ours.
    if (!f.open(QIODevice::ReadOnly) || f.size() > (4 << 20)) return {};
    return QString::fromUtf8(f.readAll());
}

// The words of a page: its markup dropped, the common entities read.
QString PlainText(QString html) {
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    html.replace(tags, QStringLiteral(" "));
    html.replace(QLatin1String("&nbsp;"), QLatin1String(" "));
    html.replace(QLatin1String("&lt;"), QLatin1String("<"));
    html.replace(QLatin1String("&gt;"), QLatin1String(">"));
    html.replace(QLatin1String("&quot;"), QLatin1String("\""));
    html.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return html.simplified();
}

} // namespace

THelpIndex THelpIndex::Load(const QString& folder) {
    THelpIndex index;
    index.folder_ = QDir(folder).absolutePath();
    const QDir dir(folder);
    const QString home = ReadPage(dir.filePath(QStringLiteral("index.html")));
    if (home.isEmpty()) return index;
    index.contents_ << THelpPage{QStringLiteral("index.html"), QString()};
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    index.contents_.first().Title = title.match(home).captured(1).trimmed();
    // The contents: the links of the list marked class="contents".
    static const QRegularExpression list(QStringLiteral(R"re(<ul class="contents">(.*?)</ul>)re"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression link(
        QStringLiteral(R"re(<a href="([a-z0-9-]+\.html)">([^<]*)</a>)re"));
    for (auto m = link.globalMatch(list.match(home).captured(1)); m.hasNext();) {
        const auto l = m.next();
        index.contents_ << THelpPage{l.captured(1), l.captured(2).trimmed()};
    }
    static const QRegularExpression topic(QStringLiteral(R"re(id="(IDH_[A-Z0-9_]+)")re"));
    for (const THelpPage& page : index.contents_) {
        const QString html = ReadPage(dir.filePath(page.File));
        for (auto m = topic.globalMatch(html); m.hasNext();) {
            const QString id = m.next().captured(1);
            if (!index.topics_.contains(id))
                index.topics_.insert(id, page.File + QLatin1Char('#') + id);
        }
        index.texts_.insert(page.File, PlainText(html).toLower());
    }
    return index;
}

QList<THelpPage> THelpIndex::Search(const QString& words) const {
    const QStringList wanted = words.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<THelpPage> found;
    if (wanted.isEmpty()) return found;
    for (const THelpPage& page : contents_) {
        const QString& text = texts_.value(page.File);
        if (std::all_of(wanted.begin(), wanted.end(),
                        [&text](const QString& w) { return text.contains(w); }))
            found << page;
    }
    return found;
}

QString HelpFolderFor(const QString& dataFolder, int languageLocale) {
    const QDir data(dataFolder);
    if (languageLocale == 1031 &&
        QFileInfo::exists(data.filePath(QStringLiteral("help/de/index.html"))))
        return data.filePath(QStringLiteral("help/de"));
    return data.filePath(QStringLiteral("help/en"));
}

} // namespace kv
