#include "args.h"

#include <cstdio>

namespace kvcli {

TArgs::TArgs(const QStringList& args, std::initializer_list<TOptionSpec> specs) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            help_ = true;
            continue;
        }
        if (!a.startsWith(QLatin1String("--")) || a.size() == 2) {
            positional_ << a;
            continue;
        }
        QString name = a.mid(2);
        QString inlineValue;
        bool hasInline = false;
        const qsizetype eq = name.indexOf(QLatin1Char('='));
        if (eq >= 0) {
            inlineValue = name.mid(eq + 1);
            name.truncate(eq);
            hasInline = true;
        }
        const TOptionSpec* spec = nullptr;
        for (const TOptionSpec& s : specs)
            if (name == QLatin1String(s.Name)) spec = &s;
        if (!spec) {
            error_ = QStringLiteral("unknown option --%1").arg(name);
            return;
        }
        if (!spec->Repeatable && values_.contains(name)) {
            error_ = QStringLiteral("option --%1 given twice").arg(name);
            return;
        }
        if (spec->TakesValue) {
            if (!hasInline) {
                if (i + 1 >= args.size()) {
                    error_ = QStringLiteral("option --%1 needs a value").arg(name);
                    return;
                }
                inlineValue = args.at(++i);
            }
            values_[name] << inlineValue;
            ordered_ << qMakePair(name, inlineValue);
        } else {
            if (hasInline) {
                error_ = QStringLiteral("option --%1 takes no value").arg(name);
                return;
            }
            values_[name] << QString();
            ordered_ << qMakePair(name, QString());
        }
    }
}

QString TArgs::Value(const char* name, const QString& def) const {
    const QStringList v = values_.value(QLatin1String(name));
    return v.isEmpty() ? def : v.last();
}

void Out(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fputc('\n', stdout);
}

void Err(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stderr);
    std::fputc('\n', stderr);
}

void Fail(const QString& command, const QString& message) {
    Err((command.isEmpty() ? QStringLiteral("kvtool: ")
                           : QStringLiteral("kvtool %1: ").arg(command)) +
        message);
}

void Fail(const char* command, const QString& message) {
    Fail(QString::fromUtf8(command), message);
}

} // namespace kvcli
