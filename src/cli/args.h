#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <initializer_list>

namespace kvcli {

// One option a command accepts.
struct TOptionSpec {
    const char* Name; // without the leading "--"
    bool TakesValue;
    bool Repeatable;
};

// The parsed command line of one command.
class TArgs {
public:
    // Parses `args` (the command's own arguments). On failure Error() says why.
    TArgs(const QStringList& args, std::initializer_list<TOptionSpec> specs);

    bool Ok() const { return error_.isEmpty(); }
    const QString& Error() const { return error_; }
    bool Help() const { return help_; }
    const QStringList& Positional() const { return positional_; }

    bool Has(const char* name) const { return values_.contains(QLatin1String(name)); }
    QString Value(const char* name, const QString& def = QString()) const;
    QStringList Values(const char* name) const { return values_.value(QLatin1String(name)); }
    // Every option in the order given (name without "--", value).
    const QList<QPair<QString, QString>>& Ordered() const { return ordered_; }

private:
    QString error_;
    bool help_ = false;
    QStringList positional_;
    QMap<QString, QStringList> values_;
    QList<QPair<QString, QString>> ordered_;
};

// Exit statuses of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;
inline constexpr int kExitInput = 2;

// Output helpers (UTF-8). Err writes the text as it is (a usage text); Fail writes an error,
// after "kvtool COMMAND: " (or "kvtool: " for an empty command) so that a script's log tells
// where it came from.
void Out(const QString& text);
void Err(const QString& text);
void Fail(const QString& command, const QString& message);
void Fail(const char* command, const QString& message);

} // namespace kvcli
