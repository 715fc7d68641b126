#pragma once

#include "edit/team_edit.h"

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

// "Team Properties": the data of every team of a tournament, chosen by group and team, on three
// pages (main data, font and colour, points and goals added or deducted). The dialog edits
// copies of all teams; OK and Apply give the tournament the changed ones as one step.
namespace kv {

class TColorButton;
class TDialogSeam;
class TTeamStatsFrame;
class TTournamentDocument;

class TTeamPropertiesForm : public QDialog {
    Q_OBJECT
public:
    enum TPage { PageMain, PageFont, PageAdded, PageStatistics };

    TTeamPropertiesForm(TTournamentDocument& doc, TDialogSeam& dialogs, QWidget* parent = nullptr);
    ~TTeamPropertiesForm() override;

    // Shows the team with this id (the first team when there is none).
    void ShowTeam(int teamId);
    int TeamId() const { return teamId_; }
    void Prior();
    void Next();

    // Unlocks the name or the symbol for typing (the "..." buttons and F2).
    void ModifyName();
    void ModifySymbol();
    // Takes the typed name or symbol: false, with the message shown and the focus back in the
    // field, when it is refused.
    bool TakeName();
    bool TakeSymbol();
    // The font dialog and the background colour of the team.
    void ChooseFont();
    void ChooseBackground();
    // Opens the tournament's stadiums; the list of the stadium field follows.
    void EditStadiums();

    // False when a pending name or symbol is refused.
    bool Apply();
    void accept() override;

    const TTeamEdits& Edits() const { return *edits_; }
    TTeamStatsFrame& Statistics() const { return *stats_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildMainPage();
    QWidget* BuildFontPage();
    QWidget* BuildAddedPage();
    void FillGroups();
    std::vector<const TTeam*> TeamsOf(int groupId) const;
    std::vector<int> TeamOrder() const;
    void Step(int by);
    void FillTeams(int selectTeamId);
    void FillStadiums();
    void LoadTeam();
    // Takes a typed name or symbol into the team's copy when `check` allows it.
    bool TakeField(QLineEdit& edit, QString TTeam::*field,
                   const std::function<QString(int, const QString&)>& check,
                   const std::function<QString(const QString&)>& kept);
    void StoreFields();
    void UpdateSample();
    void Changed();
    TTeam* Edited();
    const TGroupStyle& StyleOf(const TTeam& team) const;

    TTournamentDocument& doc_;
    TDialogSeam& dialogs_;
    TTeamStatsFrame* stats_ = nullptr;
    std::unique_ptr<TTeamEdits> edits_;
    int teamId_ = -1;
    bool loading_ = false;
    QComboBox* groups_ = nullptr;
    QComboBox* teams_ = nullptr;
    QPushButton* prior_ = nullptr;
    QPushButton* next_ = nullptr;
    QTabWidget* pages_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* symbol_ = nullptr;
    QLineEdit* city_ = nullptr;
    QComboBox* country_ = nullptr;
    QLineEdit* coach_ = nullptr;
    QLineEdit* president_ = nullptr;
    QLineEdit* year_ = nullptr;
    QComboBox* stadium_ = nullptr;
    QCheckBox* separateFont_ = nullptr;
    QCheckBox* separateBg_ = nullptr;
    TColorButton* background_ = nullptr;
    QLabel* sample_ = nullptr;
    QDoubleSpinBox* added_[3] = {};
    QPushButton* apply_ = nullptr;
};

} // namespace kv
