#pragma once

#include "standings/fixture_rules.h"

#include <QString>

#include <vector>

// The list of new fixtures the "Add Fixtures" dialog builds: a double-click on a team starts a
// row or completes the last one, the fields' texts go into new rows and into the rows chosen,
// and the finished list becomes rows for AddFixtures.
namespace kv {

// The dialog's fields as typed.
struct TFixtureFields {
    QString Number;
    QString Leg;
    QString Matchday;
    QString Date;
    QString Time;
    QString Score;
};

enum class TFixtureFieldKind { Number, Leg, Matchday, Date, Time, Score };

// A row as the list shows it: the teams in the order chosen, the texts as typed.
struct TEditedFixture {
    int FirstTeamId = -1;
    int SecondTeamId = -1; // -1 until the row is completed
    TFixtureFields Fields;
};

class TFixtureRowsEditor {
public:
    explicit TFixtureRowsEditor(bool hostFirst) : hostFirst_(hostFirst) {}

    // A double-click on a team. Starting a row takes the fields (the number raised by one when
    // rows exist: an invalid one is cleared) and clears the score field; completing it may be
    // refused with a message, and the row then waits for another team.
    QString ChooseTeam(const TTournament& t, int teamId, TFixtureFields& fields);
    bool Completing() const { return !rows_.empty() && rows_.back().SecondTeamId < 0; }

    // A field typed into: its text goes into the rows given. A number or leg that is not an
    // integer is passed over (an empty one clears the rows').
    void SetField(TFixtureFieldKind kind, const QString& text, const std::vector<int>& rows);
    void Delete(std::vector<int> rows);
    void DeleteAll() { rows_.clear(); }
    // Rows that were added are taken off the front of the list.
    void DropFirst(int count);

    const std::vector<TEditedFixture>& Rows() const { return rows_; }
    int HomeTeamOf(const TEditedFixture& row) const {
        return hostFirst_ ? row.FirstTeamId : row.SecondTeamId;
    }
    int VisitorTeamOf(const TEditedFixture& row) const {
        return hostFirst_ ? row.SecondTeamId : row.FirstTeamId;
    }

    // The rows holding neither a number, a matchday, a date, a time nor a score.
    std::vector<int> EmptyRows() const;
    // The rows for AddFixtures. False with the row and the message when a row cannot be read
    // (its second team missing, a date or time that does not convert).
    bool Build(std::vector<TFixtureRow>& rows, int& badRow, QString& message) const;

private:
    bool hostFirst_;
    std::vector<TEditedFixture> rows_;
};

} // namespace kv
