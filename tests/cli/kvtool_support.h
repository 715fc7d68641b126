#pragma once

#include "support/testenv.h"

#include <QProcess>
#include <QStringList>

namespace kvtest {

struct TRun {
    int Status = -1;
    QString Out;
    QString Err;
};

// Runs kvtool with the arguments in the test's own program and settings folders.
inline TRun Kvtool(const QStringList& args, const QString& workingDir = QString()) {
    QProcess p;
    if (!workingDir.isEmpty())
        p.setWorkingDirectory(workingDir);
    p.start(QStringLiteral(KVTOOL_PATH), args);
    p.waitForFinished(120000);
    TRun r;
    r.Status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.Out = QString::fromUtf8(p.readAllStandardOutput());
    r.Err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace kvtest
