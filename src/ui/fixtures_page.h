#pragma once

#include "export/fixture_rows.h"

#include <QTableView>

#include <functional>
#include <map>
#include <vector>

// Page 2 of a tournament window: the fixture list. A heading click sorts (again: the other way),
// dragging a heading reorders the columns; both are stored in the tournament as undoable steps.
// The commands edit the selected rows all at once or not at all.
namespace kv {

class TDialogSeam;
class TFixturesModel;
class TScoreForm;
class TTournamentDocument;

// What a double-click on a row does: the `FixturesOnDblClick` preference, 1 to 6.
enum TFixtureDoubleClick : int {
    DblClickEditFixture = 1,
    DblClickEditScore,
    DblClickEditMatchday,
    DblClickEditDate,
    DblClickEditTime,
    DblClickEditStadium,
};

class TFixturesPage : public QTableView {
    Q_OBJECT
public:
    TFixturesPage(TTournamentDocument& doc, std::function<TScoreForm&()> scoreForm,
                  QWidget* parent = nullptr);

    // After an edit: the list is built again when it shows, or at once when it is in view.
    void Refresh(unsigned changes);
    void SetFilter(const TFixtureFilter& filter);
    // Built again when the date or score format changed since (in another window's dialog).
    void FollowFormat();
    const TFixtureFilter& Filter() const;
    TFixturesModel& Model() { return *model_; }

    int RowCount() const;
    // The selected rows' matches, in list order.
    std::vector<int> SelectedMatchIds() const;
    std::vector<int> SelectedRows() const;
    void SelectMatches(const std::vector<int>& ids);

    // The commands.
    void EditFixture(int page);
    void EditMatchday();
    void EditDate();
    void EditTime();
    void EditStadium();
    void DeleteSelected();
    void CopySelected() const;
    void SelectAllRows();
    void RunDoubleClick();

signals:
    void SelectionChanged();
    void ContextMenuRequested(QPoint globalPos);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Rebuild();
    void ApplyColumnLayout();
    void SortBy(int section);
    void ColumnMoved();
    int CurrentMatchId() const;
    std::vector<const TMatch*> SelectedMatches() const;

    TTournamentDocument& doc_;
    std::function<TScoreForm&()> scoreForm_;
    TFixturesModel* model_ = nullptr;
    std::map<int, int> widths_; // column id -> width the user gave it
    bool stale_ = true;
    bool movingBack_ = false;
};

} // namespace kv
