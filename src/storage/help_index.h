#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The manual: HTML pages in a folder per language ("help/en", "help/de"). The index page's
// list of links is the contents; every heading with an id "IDH_..." is a topic the windows
// open by that id.
namespace kv {

struct THelpPage {
    QString File;  // "results.html"
    QString Title; // as the contents list names it
};

class THelpIndex {
public:
    // Reads the folder's pages; an index without pages when the folder holds none.
    static THelpIndex Load(const QString& folder);

    const QString& Folder() const { return folder_; }
    const QList<THelpPage>& Contents() const { return contents_; }
    bool IsEmpty() const { return contents_.isEmpty(); }
    // "results.html#IDH_EDIT_MATCH"; empty when no page has the topic.
    QString TopicTarget(const QString& topic) const { return topics_.value(topic); }
    QStringList Topics() const { return topics_.keys(); }
    // The pages holding every word (ignoring case and markup), in contents order.
    QList<THelpPage> Search(const QString& words) const;

private:
    QString folder_;
    QList<THelpPage> contents_;
    QHash<QString, QString> topics_;
    QHash<QString, QString> texts_; // file -> the page's text without markup, lower case
};

// The manual's folder for the current language: "help/de" when German is chosen and the
// manual exists in German, else "help/en"; inside `dataFolder`.
QString HelpFolderFor(const QString& dataFolder, int languageLocale);

} // namespace kv
