#include "base/version.h"

namespace kv {

QString ProgramVersion() {
    return QStringLiteral(KV_VERSION);
}

QString VersionLine(const QString& program) {
    return QStringLiteral("%1 (Kelvorandine) %2").arg(program, ProgramVersion());
}

} // namespace kv
