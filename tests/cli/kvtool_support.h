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

// Runs kvtool with the arguments in the test's own program and settings folders; `environment`
// (NAME=value, or NAME alone to remove it) changes the test's environment for that run.
inline TRun Kvtool(const QStringList& args, const QString& workingDir = QString(),
                   const QStringList& environment = {}) {
    QProcess p;
    if (!workingDir.isEmpty()) p.setWorkingDirectory(workingDir);
    if (!environment.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString& e : environment) {
            const qsizetype eq = e.indexOf(QLatin1Char('='));
            if (eq < 0)
                env.remove(e);
            else
                env.insert(e.left(eq), e.mid(eq + 1));
        }
        p.setProcessEnvironment(env);
    }
    p.start(QStringLiteral(KVTOOL_PATH), args);
    p.waitForFinished(120000);
    TRun r;
    r.Status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.Out = QString::fromUtf8(p.readAllStandardOutput());
    r.Err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace kvtest
