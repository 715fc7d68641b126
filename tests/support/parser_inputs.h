#pragma once

// Feeds arbitrary bytes to every reader of the program. The fuzz targets call these with
// generated inputs, the regression test with the inputs that once broke a reader.
#include "base/language.h"
#include "base/textformat.h"
#include "export/csv_import.h"
#include "export/standings_json.h"
#include "model/sport.h"
#include "standings/tournament_setup.h"
#include "storage/legacy_import.h"
#include "storage/named_files.h"
#include "storage/people_lists.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QString>

namespace kvinputs {

inline void TournamentFile(const QByteArray& bytes) {
    kv::TTournament t(kv::TTournamentDefaults::FromSettings());
    if (!kv::ReadTournamentBytes(t, bytes, QStringLiteral("input.kvd"))) return;
    // What was read is written and read again.
    kv::TTournament again(kv::TTournamentDefaults::FromSettings());
    kv::ReadTournamentBytes(again, kv::TournamentBytes(t), QStringLiteral("again.kvd"));
}

// The first byte chooses the kind: even 2.x, odd 3.0.
inline void LegacyFile(const QByteArray& bytes) {
    if (bytes.isEmpty()) return;
    const kv::TLegacyKind kind =
        (bytes[0] & 1) ? kv::TLegacyKind::Version3 : kv::TLegacyKind::Version2;
    kv::TTournament t(kv::TTournamentDefaults::FromSettings());
    if (kv::ImportLegacyBytes(t, bytes.mid(1), kind, QStringLiteral("legacy"), kv::SportSoccer, 0))
        kv::RecomputeAll(t);
}

inline void TournamentList(const QByteArray& bytes) {
    kv::TTournamentList list;
    list.FromBytes(bytes);
    kv::TTournamentList again;
    again.FromBytes(list.ToBytes());
    kv::TTournamentList old;
    old.OldListFromBytes(bytes);
}

inline void LanguageFile(const QByteArray& bytes) {
    kv::ParseLanguageBytes(bytes);
}

// The first byte chooses the kind of file and, for sort schemes, the sport.
inline void NamedFile(const QByteArray& bytes) {
    if (bytes.isEmpty()) return;
    const auto selector = static_cast<unsigned char>(bytes[0]);
    const QByteArray body = bytes.mid(1);
    switch (selector % 7) {
    case 0: {
        std::vector<kv::TSortColumn> criteria;
        kv::ParseSortScheme(body, selector / 7 % kv::kSportCount, criteria);
        break;
    }
    case 1: {
        kv::TTournament t(kv::TTournamentDefaults::FromSettings());
        t.Sport = selector / 7 % kv::kSportCount;
        std::vector<kv::TTableColumn> shown, spare;
        kv::ParseColumnSet(body, t, shown, spare);
        break;
    }
    case 2: {
        kv::TGroupStyle style;
        kv::ParseTableStyle(body, style);
        break;
    }
    case 3: {
        std::vector<kv::TPlaceFont> places;
        kv::ParsePlaceStyle(body, places);
        break;
    }
    case 4: {
        std::vector<int> kinds;
        QString error;
        kv::ParseImportScheme(body, 20, kinds, error);
        break;
    }
    default: {
        kv::TTournament t(kv::TTournamentDefaults::FromSettings());
        kv::TPeopleEditor editor(
            selector % 7 == 5 ? kv::TPeopleKind::Stadiums : kv::TPeopleKind::Referees, t);
        kv::LoadPeopleListBytes(body, editor);
        break;
    }
    }
}

// The records imported into a fresh group of three teams (A, B, C) with the column kinds given,
// new stadiums (and referees when asked) added.
inline void ImportIntoThreeTeams(int sport, const kv::TCsvRecords& records,
                                 const std::vector<int>& kinds, bool addReferees) {
    kv::TNewTournament spec;
    spec.Name = QStringLiteral("Fuzz");
    spec.Sport = sport;
    spec.GroupLegs = 2;
    spec.Rules = kv::TPointsRules::ForSport(sport);
    spec.Groups = {
        {QStringLiteral("G"), {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}}};
    auto t = kv::CreateTournament(spec);
    std::vector<kv::TImportRow> rows = kv::RowsFromRecords(records.mid(0, 200));
    kv::TImportOptions options;
    options.Kinds = kinds;
    options.AddStadiums = true;
    options.AddReferees = addReferees;
    if (kv::CheckImportColumns(rows, options.Kinds).isEmpty()) kv::ImportRows(*t, rows, options);
}

// The first byte chooses the separator and the column kinds of the import.
inline void CsvFile(const QByteArray& bytes) {
    if (bytes.isEmpty()) return;
    const auto selector = static_cast<unsigned char>(bytes[0]);
    const QChar separators[] = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t'),
                                QLatin1Char(' ')};
    const kv::TCsvRecords records = kv::ReadCsvRecords(bytes.mid(1), separators[selector % 4]);
    ImportIntoThreeTeams((selector / 4) % 2 ? kv::SportChess : kv::SportSoccer, records,
                         {kv::ImportHome, kv::ImportVisitor, kv::ImportScore, kv::ImportDate,
                          kv::ImportMatchday, kv::ImportStadium, kv::ImportReferee,
                          kv::ImportGoalsFor, kv::ImportGoalsAgainst},
                         (selector & 8) != 0);
}

// The first byte chooses the sport and the rules, the rest is the typed text.
inline void ScoreText(const QByteArray& bytes) {
    if (bytes.isEmpty()) return;
    const auto selector = static_cast<unsigned char>(bytes[0]);
    const int sport = selector % 16;
    const QString text = QString::fromUtf8(bytes.mid(1));
    kv::ValidateScoreText(sport, text, selector & 16, selector & 32);
    auto m = kv::CreateMatch(sport, 1, 1, 2, 1);
    if (m->SetScoreText(text, selector & 64).Ok) {
        m->GetFullScoreText(true, true);
        m->GetScoreText(false, true);
        m->GetPeriodScoreText(true, true, 2);
    }
}

// A language file as the windows apply it: every translation filled in with arguments as the
// messages fill theirs, placeholders or not.
inline void LanguageTexts(const QByteArray& bytes) {
    const kv::TLanguageContents contents = kv::ParseLanguageBytes(bytes);
    int n = 0;
    for (auto it = contents.Strings.begin(); it != contents.Strings.end() && n < 2000; ++it, ++n)
        kv::FormatMessage(it.value(), {QStringLiteral("%s"), QStringLiteral("12"),
                                       QString(300, QLatin1Char('x'))});
}

// An import scheme (before the first NUL byte) and the delimited text it is applied to.
inline void CsvWithScheme(const QByteArray& bytes) {
    const qsizetype cut = bytes.indexOf('\0');
    if (cut < 0) return;
    const kv::TCsvRecords records = kv::ReadCsvRecords(bytes.mid(cut + 1), QLatin1Char(','));
    std::vector<int> kinds;
    QString error;
    const int columns = records.isEmpty() ? 0 : static_cast<int>(records.first().size());
    if (!kv::ParseImportScheme(bytes.left(cut), std::min(columns, 64), kinds, error)) return;
    ImportIntoThreeTeams(kv::SportHockey, records, kinds, true);
}

// A tournament file that reads, written as the published JSON: it must parse back.
inline void PublishJson(const QByteArray& bytes) {
    kv::TTournament t(kv::TTournamentDefaults::FromSettings());
    if (!kv::ReadTournamentBytes(t, bytes, QStringLiteral("fuzz.kvd"))) return;
    kv::RecomputeAll(t);
    const QByteArray json = QJsonDocument(kv::TournamentJson(t)).toJson();
    QJsonParseError error;
    QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) abort();
}

} // namespace kvinputs
