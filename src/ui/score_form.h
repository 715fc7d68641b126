#pragma once

#include "standings/match_edit.h"

#include <QDialog>

#include <memory>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// The score dialog: one match's score (with overtime, shoot-outs and forfeits), its number,
// leg, matchday, grid position, date, time, attendance, temperature, stadium, referees and
// comment. It works on a copy; OK and Apply check the fields (below the windows) and hand the
// match to the document as one undoable step.
namespace kv {

class TDialogSeam;
class TTournamentDocument;

class TScoreForm : public QDialog {
    Q_OBJECT
public:
    explicit TScoreForm(TDialogSeam& dialogs, QWidget* parent = nullptr);
    ~TScoreForm() override;

    // Opens on a stored match, or on a new one of the pair (a stored match of the pair in that
    // leg is opened instead). `page` -1 keeps the page shown last.
    void OpenMatch(TTournamentDocument& doc, int matchId, int page = -1);
    void OpenNew(TTournamentDocument& doc, int homeId, int visitorId, int leg, int gridPosition,
                 int page = -1);

    // OK and Apply: false with the message shown (and its page and field) when a check fails.
    bool ApplyChanges();
    void DeleteMatch();
    int Page() const;
    void ShowPage(int page);
    void FocusFirstField();
    bool IsNew() const { return matchId_ < 0; }
    // The fields as they stand, and putting them in (as the user would type them).
    TMatchFields Fields() const;
    // OK: checks and applies the fields (nothing changed: just closes).
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Build();
    QWidget* BuildScorePage();
    QWidget* BuildPlacePage();
    QWidget* BuildRefereesPage();
    void Fill(const TMatch& m);
    void UpdateChoices();
    void FillReferees(const QList<int>& assigned);
    void Changed();
    void Focus(int page, const QString& field);

    void EditStadiums();
    void MoveLeg();
    void MoveGridPosition();
    // Unapplied changes must be applied (after the question) before a match moves; false stops.
    bool ApplyBeforeMoving(int questionId, const char* question);
    void Reopen();
    TDialogSeam& dialogs_;
    TTournamentDocument* doc_ = nullptr;
    std::unique_ptr<TMatch> working_;
    int matchId_ = -1;
    bool filling_ = false;

    QLabel* leftName_ = nullptr;
    QLabel* rightName_ = nullptr;
    QLabel* leftCaption_ = nullptr;
    QLabel* rightCaption_ = nullptr;
    QLabel* separator_ = nullptr;
    QListWidget* pageList_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QLineEdit* score_ = nullptr;
    QRadioButton* normal_ = nullptr;
    QRadioButton* overtime_ = nullptr;
    QRadioButton* shootouts_ = nullptr;
    QCheckBox* forfeited_ = nullptr;
    QComboBox* forfeitedTeam_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLineEdit* leg_ = nullptr;
    QLineEdit* grid_ = nullptr;
    QLineEdit* matchday_ = nullptr;
    QLineEdit* date_ = nullptr;
    QLineEdit* time_ = nullptr;
    QLineEdit* attendance_ = nullptr;
    QLineEdit* temperature_ = nullptr;
    QComboBox* stadium_ = nullptr;
    QListWidget* available_ = nullptr;
    QListWidget* assigned_ = nullptr;
    QPlainTextEdit* comments_ = nullptr;
    QPushButton* apply_ = nullptr;
    QPushButton* delete_ = nullptr;
};

} // namespace kv
