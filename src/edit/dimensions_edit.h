#pragma once

#include "model/tournament.h"

#include <QString>

#include <vector>

// What the "Dimensions of Rows and Columns" dialog edits: the headline height, the place,
// team and score column widths and every standings column's width, in one unit, each within
// its limits; the unit can change (every size converted), the sizes can come from or go to the
// sport's defaults, and applying them is one change of the tournament.
namespace kv {

enum TDimensionKind : int { DimHeadline = -1, DimPlace = -2, DimTeam = -3, DimScore = -4 };

struct TDimensionRow {
    int Kind = DimHeadline; // one of the above, or a standings column id (0 and up)
    QString Caption;
    double Size = 0; // in the edit's unit

    bool operator==(const TDimensionRow&) const = default;
};

struct TDimensionsEdit {
    int Units = UnitsPixels;
    double LineFactor = 0.75;
    std::vector<TDimensionRow> Rows;

    bool operator==(const TDimensionsEdit&) const = default;
};

// The tournament's sizes as they are.
TDimensionsEdit DimensionsEditOf(const TTournament& t);
// The sport's defaults for the same rows ("Load Default"), in the stored unit.
TDimensionsEdit DefaultDimensionsEdit(const TTournament& t);
// Writes the unit and every size as whole pixels under the sport's key ("Save Default").
void SaveDimensionsDefault(const TDimensionsEdit& e, int sport);
// Every size re-expressed in another unit.
void ChangeEditUnits(TDimensionsEdit& e, int units);

// The limits of a row, in pixels.
int DimensionMinPx(int kind);
int DimensionMaxPx(int kind);
// A size brought within its row's limits, in the given unit.
double ClampDimension(int kind, double size, int units);

// The sizes become the tournament's (each within its limits).
void ApplyDimensions(TTournament& t, const TDimensionsEdit& e);

} // namespace kv
