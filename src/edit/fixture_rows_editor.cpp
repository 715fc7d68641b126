#include "edit/fixture_rows_editor.h"

#include "base/language.h"
#include "edit/fixture_edits.h"

#include <algorithm>

namespace kv {

namespace {

bool IsInteger(const QString& text) {
    bool ok = false;
    text.trimmed().toInt(&ok);
    return ok;
}

} // namespace

QString TFixtureRowsEditor::ChooseTeam(const TTournament& t, int teamId, TFixtureFields& fields) {
    if (Completing()) {
        TEditedFixture& row = rows_.back();
        if (const QString refused = CheckFixturePair(t, row.FirstTeamId, teamId);
            !refused.isEmpty())
            return refused;
        row.SecondTeamId = teamId;
        return QString();
    }
    if (!rows_.empty()) {
        bool ok = false;
        const int number = fields.Number.trimmed().toInt(&ok);
        fields.Number = ok ? QString::number(number + 1) : QString();
    }
    TEditedFixture row;
    row.FirstTeamId = teamId;
    row.Fields = fields;
    row.Fields.Score.clear();
    fields.Score.clear();
    rows_.push_back(row);
    return QString();
}

void TFixtureRowsEditor::SetField(TFixtureFieldKind kind, const QString& text,
                                  const std::vector<int>& rows) {
    if ((kind == TFixtureFieldKind::Number || kind == TFixtureFieldKind::Leg) &&
        !text.trimmed().isEmpty() && !IsInteger(text))
        return;
    for (const int r : rows) {
        if (r < 0 || r >= static_cast<int>(rows_.size())) continue;
        TFixtureFields& f = rows_[static_cast<size_t>(r)].Fields;
        switch (kind) {
        case TFixtureFieldKind::Number:
            f.Number = text;
            break;
        case TFixtureFieldKind::Leg:
            f.Leg = text;
            break;
        case TFixtureFieldKind::Matchday:
            f.Matchday = text;
            break;
        case TFixtureFieldKind::Date:
            f.Date = text;
            break;
        case TFixtureFieldKind::Time:
            f.Time = text;
            break;
        case TFixtureFieldKind::Score:
            f.Score = text;
            break;
        }
    }
}

void TFixtureRowsEditor::Delete(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        if (*it >= 0 && *it < static_cast<int>(rows_.size())) rows_.erase(rows_.begin() + *it);
}

void TFixtureRowsEditor::DropFirst(int count) {
    rows_.erase(rows_.begin(),
                rows_.begin() + std::clamp(count, 0, static_cast<int>(rows_.size())));
}

std::vector<int> TFixtureRowsEditor::EmptyRows() const {
    std::vector<int> empty;
    for (size_t i = 0; i < rows_.size(); ++i) {
        const TFixtureFields& f = rows_[i].Fields;
        if (!IsInteger(f.Number) && !IsInteger(f.Matchday) && f.Date.trimmed().isEmpty() &&
            f.Time.trimmed().isEmpty() && f.Score.trimmed().isEmpty())
            empty.push_back(static_cast<int>(i));
    }
    return empty;
}

bool TFixtureRowsEditor::Build(std::vector<TFixtureRow>& rows, int& badRow,
                               QString& message) const {
    rows.clear();
    for (size_t i = 0; i < rows_.size(); ++i) {
        const TEditedFixture& e = rows_[i];
        badRow = static_cast<int>(i);
        if (e.SecondTeamId < 0) {
            message = LangText(2041, "Double click the second team of the highlighted fixture");
            return false;
        }
        TFixtureRow r;
        r.HomeTeamId = HomeTeamOf(e);
        r.VisitorTeamId = VisitorTeamOf(e);
        r.Number = e.Fields.Number;
        r.Leg = e.Fields.Leg;
        r.Matchday = e.Fields.Matchday;
        r.Score = e.Fields.Score;
        message = ReadFixtureDate(e.Fields.Date, r.HasDate, r.Date);
        if (message.isEmpty()) message = ReadFixtureTime(e.Fields.Time, r.HasTime, r.Time);
        if (!message.isEmpty()) return false;
        rows.push_back(r);
    }
    badRow = -1;
    return true;
}

} // namespace kv
