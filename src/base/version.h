#pragma once

#include <QString>

// The program's version, as the package gives it (2.2.0), and the line each program prints
// for --version.
namespace kv {

QString ProgramVersion();
// "kvtool (Kelvorandine) 2.2.0"
QString VersionLine(const QString& program);

} // namespace kv
