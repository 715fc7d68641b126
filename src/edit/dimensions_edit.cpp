#include "edit/dimensions_edit.h"

#include "base/language.h"
#include "base/settings.h"
#include "standings/column_catalog.h"

#include <algorithm>

namespace kv {

namespace {

std::vector<TDimensionRow> Rows(const TTournament& t) {
    std::vector<TDimensionRow> rows{{DimHeadline, LangText(8405, "Headline Height"), 0},
                                    {DimPlace, LangText(8406, "No"), 0},
                                    {DimTeam, LangText(8407, "Team"), 0},
                                    {DimScore, LangText(8408, "Score Column"), 0}};
    for (const TTableColumn& c : t.Columns)
        rows.push_back({c.Id, ColumnFullName(c.Id, t), 0});
    return rows;
}

// The size of a row that is not a standings column (null for a column).
double* FixedSize(TTableDimensions& d, int kind) {
    switch (kind) {
    case DimHeadline:
        return &d.RowHeight;
    case DimPlace:
        return &d.PlaceWidth;
    case DimTeam:
        return &d.TeamWidth;
    case DimScore:
        return &d.ScoreWidth;
    default:
        return nullptr;
    }
}

double Fixed(TTableDimensions d, int kind) {
    const double* size = FixedSize(d, kind);
    return size ? *size : 0;
}

} // namespace

TDimensionsEdit DimensionsEditOf(const TTournament& t) {
    TDimensionsEdit e;
    e.Units = t.Dimensions.Units;
    e.LineFactor = t.Dimensions.LineFactor;
    e.Rows = Rows(t);
    for (TDimensionRow& r : e.Rows) {
        if (r.Kind < 0) {
            r.Size = Fixed(t.Dimensions, r.Kind);
        } else {
            const auto c = std::find_if(t.Columns.begin(), t.Columns.end(),
                                        [&](const TTableColumn& tc) { return tc.Id == r.Kind; });
            r.Size = c->Width;
        }
    }
    return e;
}

TDimensionsEdit DefaultDimensionsEdit(const TTournament& t) {
    const TTableDimensions d = TTableDimensions::FromSettings(t.Sport);
    TDimensionsEdit e;
    e.Units = d.Units;
    e.LineFactor = d.LineFactor;
    e.Rows = Rows(t);
    for (TDimensionRow& r : e.Rows)
        r.Size = r.Kind < 0
                     ? Fixed(d, r.Kind)
                     : ConvertUnits(ColumnUserDefaultWidth(r.Kind, t.Sport), UnitsPixels, d.Units);
    return e;
}

void SaveDimensionsDefault(const TDimensionsEdit& e, int sport) {
    const TSettingsBatch batch;
    TTableDimensions d;
    d.Units = e.Units;
    d.LineFactor = e.LineFactor;
    const QString key = DimensionsSubKey(sport);
    for (const TDimensionRow& r : e.Rows) {
        if (double* size = FixedSize(d, r.Kind))
            *size = r.Size;
        else
            RegWriteInteger(key, QString::number(r.Kind), ToPixels(r.Size, e.Units));
    }
    d.SaveAsDefault(sport);
}

void ChangeEditUnits(TDimensionsEdit& e, int units) {
    for (TDimensionRow& r : e.Rows)
        r.Size = ConvertUnits(r.Size, e.Units, units);
    e.Units = units;
}

int DimensionMinPx(int kind) {
    switch (kind) {
    case DimHeadline:
        return 10;
    case DimPlace:
        return 15;
    case DimTeam:
        return 25;
    case DimScore:
        return 20;
    default:
        return 15;
    }
}

int DimensionMaxPx(int kind) {
    switch (kind) {
    case DimHeadline:
        return 36;
    case DimPlace:
        return 40;
    case DimTeam:
        return 400;
    default:
        return 90;
    }
}

double ClampDimension(int kind, double size, int units) {
    const double lo = ConvertUnits(DimensionMinPx(kind), UnitsPixels, units);
    const double hi = ConvertUnits(DimensionMaxPx(kind), UnitsPixels, units);
    return std::clamp(size, lo, hi);
}

void ApplyDimensions(TTournament& t, const TDimensionsEdit& e) {
    // The tournament's own sizes change unit first, so that columns the dialog did not list
    // (none, normally) keep their size.
    for (TTableColumn& c : t.SpareColumns)
        c.Width = ConvertUnits(c.Width, t.Dimensions.Units, e.Units);
    for (TTableColumn& c : t.Columns)
        c.Width = ConvertUnits(c.Width, t.Dimensions.Units, e.Units);
    t.Dimensions.ChangeUnits(e.Units);
    t.Dimensions.LineFactor = e.LineFactor;
    for (const TDimensionRow& r : e.Rows) {
        const double size = ClampDimension(r.Kind, r.Size, e.Units);
        if (double* fixed = FixedSize(t.Dimensions, r.Kind)) {
            *fixed = size;
            continue;
        }
        for (TTableColumn& c : t.Columns)
            if (c.Id == r.Kind) c.Width = size;
    }
}

} // namespace kv
