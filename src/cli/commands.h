#pragma once

#include <QStringList>

// The commands of kvtool; each takes its own arguments and returns the exit status.
namespace kvcli {

int CmdScore(const QStringList& args);
int CmdNew(const QStringList& args);
int CmdImportCsv(const QStringList& args);
int CmdStandings(const QStringList& args);
int CmdOutlook(const QStringList& args);
int CmdFixtures(const QStringList& args);
int CmdStats(const QStringList& args);
int CmdExport(const QStringList& args);
int CmdCheck(const QStringList& args);
int CmdConvert(const QStringList& args);
int CmdTieOrder(const QStringList& args);
int CmdGenerate(const QStringList& args);
int CmdPublish(const QStringList& args);

} // namespace kvcli
