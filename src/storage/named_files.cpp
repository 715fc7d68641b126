#include "storage/named_files.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/programfolder.h"
#include "base/textreader.h"
#include "base/textwriter.h"
#include "model/appearance_edit.h"
#include "model/sport.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"
#include "storage/format_reader.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace kv {

namespace {

constexpr const char* kSchemeExtensions[kSportCount] = {".soth", ".ssoc", ".sfsl", ".shoc", ".sban",
                                                        ".sbsk", ".svol", ".shan", ".swat", ".sten",
                                                        ".schs", ".susf", ".sbsb"};
constexpr const char* kSetExtensions[kSportCount] = {".coth", ".csoc", ".cfsl", ".choc", ".cban",
                                                     ".cbsk", ".cvol", ".chan", ".cwat", ".cten",
                                                     ".cchs", ".cusf", ".cbsb"};

TIoResult Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return WriteFileAtomic(path, bytes);
}

QString StyleError() {
    return LangText(10555, "Error opening style");
}

void WriteFont(TTextWriter& w, const TFontData& f) {
    w.Line(f.Name);
    w.Int(f.Charset)
        .Int(f.Size)
        .Int(f.Color)
        .Bool(f.Bold)
        .Bool(f.Italic)
        .Bool(f.Underline)
        .Bool(f.StrikeOut);
    w.EndLine();
}

} // namespace

QString CheckFileName(const QString& name) {
    static const QString forbidden = QStringLiteral("\\/:*?\"<>|");
    for (const QChar c : name)
        if (forbidden.contains(c))
            return LangText(631, "A file name cannot contain characters:\r\n\\ / : * ? \" < > |");
    return QString();
}

QStringList NamedFiles(const QString& folder, const QString& extension) {
    QStringList names;
    const QDir dir(folder);
    for (const QFileInfo& f : dir.entryInfoList({QLatin1Char('*') + extension}, QDir::Files,
                                                QDir::Name | QDir::IgnoreCase))
        names << f.completeBaseName();
    return names;
}

bool DeleteNamedFile(const QString& path,
                     const std::function<bool(const QString&)>& deleteForGood) {
    return RemoveFile(path, PrefRecycleBin(), deleteForGood);
}

// ---------------------------------------------------------------- sort schemes

QString SortSchemeExtension(int sport) {
    return QString::fromLatin1(kSchemeExtensions[NormalizeSport(sport)]);
}

QString SortSchemePath(const QString& name, int sport) {
    return SortSeqsFolder() + name + SortSchemeExtension(sport);
}

TIoResult SaveSortScheme(const QString& path, const std::vector<TSortColumn>& criteria) {
    TTextWriter w;
    for (const TSortColumn& c : criteria) {
        w.Int(c.Column).Int(c.Scope);
        w.EndLine();
    }
    return Write(path, w.Data());
}

TIoResult LoadSortScheme(const QString& path, int sport, std::vector<TSortColumn>& criteria,
                         bool overtime) {
    criteria.clear();
    QByteArray bytes;
    if (!QFileInfo::exists(path))
        return TIoResult::Failure(LangText(7708, "Scheme not found. Update scheme list?"));
    const TIoResult read = ReadFileBytes(path, bytes);
    if (!read) return read;
    return ParseSortScheme(bytes, sport, criteria, overtime);
}

TIoResult ParseSortScheme(const QByteArray& bytes, int sport, std::vector<TSortColumn>& criteria,
                          bool overtime) {
    criteria.clear();
    const std::vector<TSortColumn> offered = OfferedCriteria(sport, overtime);
    TTextReader r(bytes);
    while (!r.OnlyBlanksLeft()) {
        int column = 0, scope = 0;
        if (!r.ReadInt(column) || !r.ReadInt(scope))
            return TIoResult::Failure(LangText(7708, "Scheme not found. Update scheme list?"),
                                      r.LineNumber());
        r.SkipLine();
        const bool known = std::any_of(offered.begin(), offered.end(), [&](const TSortColumn& c) {
            return c.Column == column && c.Scope == scope;
        });
        const bool repeated =
            std::any_of(criteria.begin(), criteria.end(), [&](const TSortColumn& c) {
                return c.Column == column && c.Scope == scope;
            });
        if (known && !repeated)
            criteria.push_back(
                MakeCriterion(column, scope, sport, ColumnDescendingByDefault(column)));
    }
    return TIoResult::Success();
}

// ---------------------------------------------------------------- column sets

QString ColumnSetExtension(int sport) {
    return QString::fromLatin1(kSetExtensions[NormalizeSport(sport)]);
}

QString ColumnSetPath(const QString& name, int sport) {
    return StylesFolder() + name + ColumnSetExtension(sport);
}

QStringList ColumnSetNames(int sport) {
    return NamedFiles(StylesFolder(), ColumnSetExtension(sport));
}

TIoResult SaveColumnSet(const QString& path, const std::vector<int>& columns) {
    QStringList ids;
    for (const int id : columns)
        ids << QString::number(id);
    return Write(path, ids.join(QLatin1Char(' ')).toUtf8() + "\r\n");
}

TIoResult LoadColumnSet(const QString& path, const TTournament& t, std::vector<TTableColumn>& shown,
                        std::vector<TTableColumn>& spare) {
    QByteArray bytes;
    const TIoResult read = ReadFileBytes(path, bytes);
    if (!read) return read;
    return ParseColumnSet(bytes, t, shown, spare);
}

TIoResult ApplyColumnSet(TTournament& t, const QString& path) {
    std::vector<TTableColumn> shown;
    std::vector<TTableColumn> spare;
    const TIoResult r = LoadColumnSet(path, t, shown, spare);
    if (!r) return r;
    // A set naming no column this tournament can show is refused: the tables would have none.
    if (const QString refused = ApplyVisibleColumns(t, ColumnIdsOf(shown)); !refused.isEmpty())
        return TIoResult::Failure(refused);
    return r;
}

TIoResult ParseColumnSet(const QByteArray& bytes, const TTournament& t,
                         std::vector<TTableColumn>& shown, std::vector<TTableColumn>& spare) {
    const TColumnContext context = TColumnContext::Of(t);
    const auto existing = [&](int id) -> const TTableColumn* {
        for (const auto* list : {&t.Columns, &t.SpareColumns})
            for (const TTableColumn& c : *list)
                if (c.Id == id) return &c;
        return nullptr;
    };
    const auto make = [&](int id, int position) {
        TTableColumn c = existing(id) ? *existing(id) : MakeColumn(t, id, position);
        c.PositionIndex = position;
        return c;
    };
    shown.clear();
    spare.clear();
    std::vector<bool> used(kColumnCount, false);
    TTextReader r(bytes);
    int id = 0;
    while (r.ReadInt(id)) {
        if (id >= 0 && id < kColumnCount && !used[static_cast<size_t>(id)] &&
            ColumnApplicable(id, context)) {
            used[static_cast<size_t>(id)] = true;
            shown.push_back(make(id, static_cast<int>(shown.size())));
        }
    }
    for (int c = 0; c < kColumnCount; ++c)
        if (!used[static_cast<size_t>(c)] && ColumnApplicable(c, context))
            spare.push_back(make(c, static_cast<int>(spare.size())));
    return TIoResult::Success();
}

// ---------------------------------------------------------------- styles

QString TableStylePath(const QString& name) {
    return StylesFolder() + name + QStringLiteral(".tfc");
}
QString ImportSchemePath(const QString& name) {
    return StylesFolder() + name + QStringLiteral(".impf");
}
QString PlaceStylePath(const QString& name) {
    return StylesFolder() + name + QStringLiteral(".pfc");
}

QByteArray TableStyleBytes(const TGroupStyle& s) {
    TTextWriter w;
    WriteFont(w, s.Font);
    w.Int(s.BorderColor).Bool(s.HasBGColor).Int(s.BGColor);
    w.EndLine();
    w.Bool(s.HasHeaderFont);
    w.EndLine();
    WriteFont(w, s.HeaderFont);
    w.Bool(s.HasHeaderBGColor).Int(s.HeaderBGColor);
    w.EndLine();
    w.Bool(s.HasHResultsFont);
    w.EndLine();
    WriteFont(w, s.ResultsFont);
    w.Bool(s.HasResultsColors);
    for (const TColor c : s.ResultColors)
        w.Int(c);
    w.EndLine();
    return w.TakeData();
}

TIoResult SaveTableStyle(const QString& path, const TGroupStyle& style) {
    return Write(path, TableStyleBytes(style));
}

TIoResult LoadTableStyle(const QString& path, TGroupStyle& s) {
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes)) return TIoResult::Failure(StyleError());
    return ParseTableStyle(bytes, s);
}

TIoResult ParseTableStyle(const QByteArray& bytes, TGroupStyle& s) {
    TFormatReader r(bytes);
    try {
        s.Font = r.FullFont();
        s.BorderColor = r.Int();
        s.HasBGColor = r.Bool();
        s.BGColor = r.Int();
        r.EndLine();
        s.HasHeaderFont = r.Bool();
        r.EndLine();
        s.HeaderFont = r.FullFont();
        s.HasHeaderBGColor = r.Bool();
        s.HeaderBGColor = r.Int();
        r.EndLine();
        s.HasHResultsFont = r.Bool();
        r.EndLine();
        s.ResultsFont = r.FullFont();
        s.HasResultsColors = r.Bool();
        for (TColor& c : s.ResultColors)
            c = r.Int();
    } catch (const TFormatError& e) {
        return TIoResult::Failure(StyleError(), e.Line);
    }
    return TIoResult::Success();
}

QByteArray PlaceStyleBytes(const std::vector<TPlaceFont>& places) {
    TTextWriter w;
    w.Int(static_cast<qint64>(places.size()));
    w.EndLine();
    for (const TPlaceFont& p : places) {
        w.Bool(p.HasFont);
        w.EndLine();
        if (p.HasFont) {
            w.Bool(p.UpperCase)
                .Int(p.Font.Color)
                .Bool(p.Font.Bold)
                .Bool(p.Font.Italic)
                .Bool(p.Font.Underline)
                .Bool(p.Font.StrikeOut);
            w.EndLine();
        }
        w.Bool(p.HasColor).Int(p.Color);
        w.EndLine();
    }
    return w.TakeData();
}

TIoResult SavePlaceStyle(const QString& path, const std::vector<TPlaceFont>& places) {
    return Write(path, PlaceStyleBytes(places));
}

TIoResult LoadPlaceStyle(const QString& path, std::vector<TPlaceFont>& places) {
    places.clear();
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes)) return TIoResult::Failure(StyleError());
    return ParsePlaceStyle(bytes, places);
}

TIoResult ParsePlaceStyle(const QByteArray& bytes, std::vector<TPlaceFont>& places) {
    places.clear();
    TFormatReader r(bytes);
    try {
        const int n = r.Count();
        r.EndLine();
        for (int i = 0; i < n; ++i) {
            TPlaceFont p;
            p.HasFont = r.Bool();
            r.EndLine();
            if (p.HasFont) p.UpperCase = r.ShortFont(p.Font);
            p.HasColor = r.Bool();
            p.Color = r.Int();
            r.EndLine();
            places.push_back(p);
        }
    } catch (const TFormatError& e) {
        return TIoResult::Failure(StyleError(), e.Line);
    }
    return TIoResult::Success();
}

void ApplyPlaceStyle(const std::vector<TPlaceFont>& places, const std::vector<TGroup*>& tables) {
    for (TGroup* g : tables)
        ApplyPlaceStyle(places, g->PlaceFonts, g->Style.Font);
}

} // namespace kv
