#pragma once

#include "base/fileio.h"
#include "model/tournament.h"

#include <QString>
#include <QStringList>

#include <map>

// A tournament published as a small web site in a folder of its own: an index with every
// table and results grid, a page for each matchday (or date), a page for each team, one style
// sheet and the tournament as JSON. The pages need no script and no server, escape every text
// of the file and link to each other. Publishing again replaces only the site's own files.
namespace kv {

// The files of the site by name, with their contents.
std::map<QString, QByteArray> SitePages(const TTournament& t);
// Writes the site into `folder` (made when missing); the files an earlier publication wrote
// and this one does not are removed, nothing else is touched.
TIoResult PublishSite(const TTournament& t, const QString& folder, int* filesWritten = nullptr);

// Whether a name is one a site writes (the only names a later publication removes).
bool IsSiteFile(const QString& name);
// Whether the folder holds files and no earlier publication: writing a site there would mix
// it with someone else's files, so the caller asks first.
bool HoldsOtherFiles(const QString& folder);

// The name of the list of files a publication keeps in its folder.
inline constexpr const char* kSiteManifest = ".kelvorandine-site";

} // namespace kv
