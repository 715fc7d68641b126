#include "cli_common.h"

#include "args.h"

#include "base/runtime_folder.h"
#include "standings/outlook.h"
#include "storage/tournament_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
namespace kvcli {

std::unique_ptr<kv::TTournament> LoadOrReport(const QString& path, const QString& command) {
    if (!QFileInfo::exists(path)) {
        Fail(command, QStringLiteral("file not found: %1").arg(path));
        return nullptr;
    }
    auto t = std::make_unique<kv::TTournament>(kv::TTournamentDefaults::FromSettings());
    const kv::TIoResult r = kv::LoadTournament(*t, QFileInfo(path).absoluteFilePath());
    if (!r) {
        Fail(command, r.Line > 0
                          ? QStringLiteral("%1 (%2, line %3)").arg(r.Message, path).arg(r.Line)
                          : QStringLiteral("%1 (%2)").arg(r.Message, path));
        return nullptr;
    }
    return t;
}

bool SelectTables(const kv::TTournament& t, const QString& spec,
                  std::vector<const kv::TGroup*>& tables, QString& error) {
    tables.clear();
    const QString s = spec.trimmed().toLower();
    if (s.isEmpty()) {
        tables = t.ShownTables();
        return true;
    }
    if (s == QLatin1String("all")) {
        tables = t.AllTables();
        return true;
    }
    if (s == QLatin1String("joint")) {
        tables.push_back(t.AllTables().front());
        return true;
    }
    const qsizetype colon = s.indexOf(QLatin1Char(':'));
    bool ok = false;
    const int id = colon > 0 ? s.mid(colon + 1).toInt(&ok) : 0;
    if (ok && s.startsWith(QLatin1String("group:"))) {
        if (const kv::TGroup* g = t.GroupById(id)) {
            tables.push_back(g);
            return true;
        }
        error = QStringLiteral("no group with id %1").arg(id);
        return false;
    }
    if (ok && s.startsWith(QLatin1String("conference:"))) {
        if (const kv::TConference* c = t.ConferenceById(id)) {
            tables.push_back(c->Table());
            return true;
        }
        error = QStringLiteral("no conference with id %1").arg(id);
        return false;
    }
    error = QStringLiteral("unknown table '%1' (joint, group:ID, conference:ID or all)").arg(spec);
    return false;
}

int ScopeFromName(const QString& name) {
    const QString s = name.trimmed().toLower();
    if (s == QLatin1String("overall")) return kv::ScopeOverall;
    if (s == QLatin1String("home")) return kv::ScopeHome;
    if (s == QLatin1String("away")) return kv::ScopeAway;
    return 0;
}

void EnsureRuntimeDir() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    if (const QString dir = kv::PrivateRuntimeFolder(); !dir.isEmpty())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
}

bool ParseImportKinds(const QString& list, std::vector<int>& kinds, QString& error) {
    static const QHash<QString, int> names = {
        {QStringLiteral("-"), kv::ImportNone},
        {QStringLiteral("no"), kv::ImportNumber},
        {QStringLiteral("leg"), kv::ImportLeg},
        {QStringLiteral("matchday"), kv::ImportMatchday},
        {QStringLiteral("date"), kv::ImportDate},
        {QStringLiteral("time"), kv::ImportTime},
        {QStringLiteral("home"), kv::ImportHome},
        {QStringLiteral("visitor"), kv::ImportVisitor},
        {QStringLiteral("score"), kv::ImportScore},
        {QStringLiteral("gf"), kv::ImportGoalsFor},
        {QStringLiteral("ga"), kv::ImportGoalsAgainst},
        {QStringLiteral("stadium"), kv::ImportStadium},
        {QStringLiteral("attendance"), kv::ImportAttendance},
        {QStringLiteral("referee"), kv::ImportReferee},
        {QStringLiteral("comments"), kv::ImportComments},
        {QStringLiteral("decided"), kv::ImportDecided},
        {QStringLiteral("forfeit"), kv::ImportForfeit},
    };
    kinds.clear();
    for (const QString& name : list.split(QLatin1Char(','))) {
        const auto it = names.constFind(name.trimmed().toLower());
        if (it == names.constEnd()) {
            error = QStringLiteral("unknown column kind '%1'").arg(name);
            return false;
        }
        kinds.push_back(it.value());
    }
    return true;
}

bool ParseSeparator(const QString& value, QChar& separator, QString& error) {
    QString s = value;
    if (s.compare(QLatin1String("tab"), Qt::CaseInsensitive) == 0 || s == QLatin1String("\\t"))
        s = QStringLiteral("\t");
    if (s.size() != 1) {
        error = QStringLiteral("the separator must be one character");
        return false;
    }
    separator = s.at(0);
    return true;
}

void ReportImport(const std::vector<kv::TImportRow>& rows, const kv::TImportCounts& counts,
                  int firstRow) {
    for (size_t i = 0; i < rows.size(); ++i)
        if (rows[i].Status == kv::TRowStatus::Failed)
            Out(QStringLiteral("row %1: %2")
                    .arg(static_cast<int>(i) + 1 + firstRow)
                    .arg(rows[i].Message));
    Out(QStringLiteral("%1 added, %2 failed").arg(counts.Added).arg(counts.Failed));
}

int UsageError(const char* command, const QString& message, const char* usage) {
    Fail(command, message);
    Err(QString::fromUtf8(usage));
    return kExitUsage;
}

std::optional<int> OpenCommand(const TArgs& a, const char* command, const char* usage,
                               int positional, const char* expected) {
    if (a.Help()) {
        Out(QString::fromUtf8(usage));
        return kExitOk;
    }
    if (!a.Ok()) return UsageError(command, a.Error(), usage);
    if (positional >= 0 && a.Positional().size() != positional)
        return UsageError(command, QString::fromUtf8(expected), usage);
    return std::nullopt;
}

const kv::TGroup* FindOneTable(const kv::TTournament& t, const QString& spec, QString& error) {
    for (const kv::TGroup* table : t.AllTables())
        if (table->Kind != kv::KindJoint && table->Name == spec) return table;
    std::vector<const kv::TGroup*> tables;
    if (spec.isEmpty() || spec == QLatin1String("all") || !SelectTables(t, spec, tables, error) ||
        tables.size() != 1) {
        if (error.isEmpty()) error = QStringLiteral("no table '%1'").arg(spec);
        return nullptr;
    }
    return tables.front();
}

kv::TGroup* FindOneTable(kv::TTournament& t, const QString& spec, QString& error) {
    const kv::TGroup* found = FindOneTable(std::as_const(t), spec, error);
    for (kv::TGroup* table : t.AllTables())
        if (table == found) return table;
    return nullptr;
}

void UpdateOutlookWithin(const kv::TTournament& t, std::chrono::milliseconds limit) {
    std::atomic<bool> cancel{false};
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    std::thread watch([&] {
        std::unique_lock lock(mutex);
        if (!done.wait_for(lock, limit, [&] { return finished; })) cancel = true;
    });
    kv::UpdateOutlook(t, &cancel);
    {
        const std::lock_guard lock(mutex);
        finished = true;
    }
    done.notify_one();
    watch.join();
}

QString CsvCell(const QString& s) {
    if (s.contains(QLatin1Char(',')) || s.contains(QLatin1Char('"')) ||
        s.contains(QLatin1Char('\n')))
        return QLatin1Char('"') + QString(s).replace(QLatin1String("\""), QLatin1String("\"\"")) +
               QLatin1Char('"');
    return s;
}

void PrintTablesOutput(const QString& format, const QJsonArray& json, const QStringList& text) {
    if (format == QLatin1String("json"))
        Out(QString::fromUtf8(QJsonDocument(json).toJson(QJsonDocument::Indented)).trimmed());
    else
        Out(text.join(QLatin1Char('\n')));
}

} // namespace kvcli
