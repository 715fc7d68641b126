#include "args.h"
#include "cli_common.h"
#include "commands.h"

#include "export/publish_site.h"

#include <QFileInfo>

namespace kvcli {

namespace {

const char* const kUsage =
    "usage: kvtool publish FILE.kvd DIR [--force]\n"
    "\n"
    "Writes the tournament as a small web site into DIR (made when missing): index.html with\n"
    "every table and results grid, a page per matchday (or per date), a page per team, style.css\n"
    "and tournament.json. The pages need no script and no server. Publishing again into the\n"
    "same folder replaces only the files the site wrote. A folder that holds other files and no\n"
    "site is refused unless --force is given.";

} // namespace

int CmdPublish(const QStringList& args) {
    const TArgs a(args, {{"force", false, false}});
    if (const auto done =
            OpenCommand(a, "publish", kUsage, 2, "expected a tournament file and a folder"))
        return *done;
    const QString folder = a.Positional().at(1);
    if (QFileInfo(folder).exists() && !QFileInfo(folder).isDir()) {
        Fail("publish", QStringLiteral("%1 is a file, not a folder").arg(folder));
        return kExitInput;
    }
    if (kv::HoldsOtherFiles(folder) && !a.Has("force")) {
        Fail("publish",
             QStringLiteral("%1 holds other files; give --force to publish into it anyway")
                 .arg(folder));
        return kExitInput;
    }
    auto t = LoadOrReport(a.Positional().first(), QStringLiteral("publish"));
    if (!t) return kExitInput;
    UpdateOutlookWithin(*t, std::chrono::seconds(20));
    int files = 0;
    const kv::TIoResult r = kv::PublishSite(*t, folder, &files);
    if (!r) {
        Fail("publish", QStringLiteral("%1").arg(r.Message));
        return kExitInput;
    }
    Out(QStringLiteral("wrote %1 files into %2").arg(files).arg(folder));
    return kExitOk;
}

} // namespace kvcli
