#pragma once

#include <QWidget>

#include <vector>

// The tables an export writes: those the window's view offers (the joint table, the groups
// or divisions, or the conference tables) on the left, the chosen ones in their order on the
// right.
namespace kv {

class TDualList;
class TTournament;

class TSelectTablesFrame : public QWidget {
    Q_OBJECT
public:
    explicit TSelectTablesFrame(QWidget* parent = nullptr);

    // Offers the tables of the view; `chosen` are the ids to start with (a group's or a
    // conference's id, -1 for the joint table).
    void Load(const TTournament& t, const std::vector<int>& chosen);
    // Every table the view offers, by id.
    static std::vector<int> AllTables(const TTournament& t);
    std::vector<int> Chosen() const;
    TDualList& Lists() const { return *lists_; }

signals:
    void Changed();

private:
    TDualList* lists_ = nullptr;
};

} // namespace kv
