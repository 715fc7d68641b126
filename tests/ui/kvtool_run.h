#pragma once

// Runs kvtool from the window tests, to compare what the windows saved with what the command
// line reads from the file.
#include <QProcess>
#include <QStringList>

namespace kvtest {

struct TToolRun {
    int Status = -1;
    QString Out;
};

inline TToolRun Kvtool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(KVTOOL_PATH), args);
    p.waitForFinished(60000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())};
}

} // namespace kvtest
