#include "base/program_args.h"

#include <QFile>

namespace kv {

QStringList ProgramArguments(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QFile::decodeName(argv[i]);
    return args;
}

} // namespace kv
