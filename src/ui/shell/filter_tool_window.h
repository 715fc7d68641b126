#pragma once

#include <QDockWidget>
#include <QPointer>

class QComboBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QTabWidget;

// The "Filter - Main" / "Filter - Fixtures" tool window: the active tournament's main filter
// (by leg, date or matchday; an undoable step of its document) and the fixture list's team,
// place and played filters of the active window.
namespace kv {

class TDateTimeField;

class TFixturesPage;
class TTournamentDocument;

class TFilterToolWindow : public QDockWidget {
    Q_OBJECT
public:
    explicit TFilterToolWindow(QWidget* parent = nullptr);

    QTabWidget& Tabs() { return *tabs_; }
    void Bind(TTournamentDocument* doc, TFixturesPage* fixtures);
    // The main tab on every page of a tournament window, the fixtures tab on its fixture list.
    void SetUsable(bool main, bool fixtures);
    void Fill();

    void ChooseKind(int kind);
    void SetBound(bool from, double value);
    // The entry of the team list (0 "[All Teams]"), the place (0..2) and the played choice (0..2).
    void ChooseTeamEntry(int index);
    void ChoosePlace(int index);
    void ChoosePlayed(int index);

protected:
    // Tab and Shift+Tab go round the fields of the tab shown and never leave the window for
    // a tournament window (which would make another tournament the active one).
    bool focusNextPrevChild(bool next) override;

private:
    void UpdateTitle();
    void FillMain();
    void FillFixtures();
    void ApplyFixtureFilter();

    QPointer<TTournamentDocument> doc_;
    QPointer<TFixturesPage> fixtures_;
    QMetaObject::Connection changed_;
    QTabWidget* tabs_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLabel* fromLabel_ = nullptr;
    QLabel* toLabel_ = nullptr;
    QStackedWidget* bounds_ = nullptr;
    QSpinBox* fromNumber_ = nullptr;
    QSpinBox* toNumber_ = nullptr;
    TDateTimeField* fromDate_ = nullptr;
    TDateTimeField* toDate_ = nullptr;
    QComboBox* team_ = nullptr;
    QComboBox* place_ = nullptr;
    QComboBox* played_ = nullptr;
    bool filling_ = false;
};

} // namespace kv
