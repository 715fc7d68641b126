#include "ui/tournament/tournament_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "model/sport.h"
#include "standings/match_edit.h"
#include "storage/command_availability.h"
#include "ui/fixtures/add_fixtures_form.h"
#include "ui/fixtures/fixtures_columns_form.h"
#include "ui/fixtures/fixtures_page.h"
#include "ui/setup/people_form.h"
#include "ui/statistics/statistics_page.h"
#include "ui/tables/table_columns_form.h"
#include "ui/tables/table_dimensions_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_document.h"
#include "ui/widgets/widget_texts.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QUndoStack>
#include <QVBoxLayout>

namespace kv {

TTournamentForm::TTournamentForm(std::unique_ptr<TTournament> tournament, TDialogSeam& dialogs,
                                 QWidget* parent)
    : QWidget(parent), doc_(std::make_unique<TTournamentDocument>(std::move(tournament))),
      dialogs_(dialogs) {
    setObjectName(QStringLiteral("TTournamentForm"));
    setAcceptDrops(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* band = new QWidget(this);
    band->setObjectName(QStringLiteral("TitleBand"));
    band->setAutoFillBackground(true);
    auto* bandLayout = new QVBoxLayout(band);
    bandLayout->setContentsMargins(10, 6, 10, 6);
    bandLayout->setSpacing(0);
    title_ = new QLabel(band);
    title_->setObjectName(QStringLiteral("TitleLabel"));
    QFont big = title_->font();
    big.setPointSize(big.pointSize() + 4);
    big.setBold(true);
    title_->setFont(big);
    sport_ = new QLabel(band);
    sport_->setObjectName(QStringLiteral("SportLabel"));
    bandLayout->addWidget(title_);
    bandLayout->addWidget(sport_);
    layout->addWidget(band);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("Pages"));
    tables_ = new TTablesPage(*doc_, dialogs_, pages_);
    fixtures_ = new TFixturesPage(
        *doc_, [this]() -> TScoreForm& { return tables_->ScoreForm(); }, pages_);
    stats_ = new TStatisticsPage(*doc_, dialogs_, pages_);
    pages_->addWidget(tables_);
    pages_->addWidget(fixtures_);
    pages_->addWidget(stats_);
    layout->addWidget(pages_, 1);
    BuildCommands();
    BuildFixtureCommands();
    BuildStatisticsCommands();
    // The table picture's menu: after copying, the table's looks and new fixtures.
    tables_->SetPictureCommands({Command(QStringLiteral("TableColumnsAction")),
                                 Command(QStringLiteral("TableDimensionsAction")),
                                 Command(QStringLiteral("TableAppearanceAction")),
                                 Command(QStringLiteral("AddFixturesAction"))});
    connect(tables_, &TTablesPage::PrintRequested, this, &TTournamentForm::Print);
    connect(fixtures_, &TFixturesPage::SelectionChanged, this, [this] { UpdateCommands(); });
    connect(fixtures_, &TFixturesPage::ContextMenuRequested, this,
            &TTournamentForm::ShowFixturesMenu);
    connect(doc_.get(), &TTournamentDocument::Changed, this, &TTournamentForm::OnChanged);
    connect(doc_.get(), &TTournamentDocument::ModifiedChanged, this, [this] { UpdateCommands(); });
    OnChanged(ChangeName);
    appliedLanguage_ = CurrentLanguage();
}

TTournamentForm::~TTournamentForm() {
    doc_->disconnect(this);
    blockSignals(true);
    delete pages_; // the pages refer to the document, which goes with this object's members
}

int TTournamentForm::Page() const {
    return pages_->currentIndex();
}

QAction* TTournamentForm::Command(const QString& objectName) const {
    return findChild<QAction*>(objectName);
}

QList<QAction*> TTournamentForm::Commands() const {
    return findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly);
}

QAction* TTournamentForm::AddCommand(const char* name, int textId, const char* text,
                                     const QKeySequence& keys, bool checkable) {
    auto* action = new QAction(LangText(textId, text), this);
    action->setObjectName(QLatin1String(name));
    action->setProperty("textId", textId);
    action->setProperty("defaultText", QString::fromUtf8(text));
    // The keys belong to the main window's commands, which are bound to these ones.
    action->setProperty("keys", keys.toString());
    action->setCheckable(checkable);
    return action;
}

void TTournamentForm::BuildCommands() {
    QAction* save = AddCommand("SaveAction", 5200, "&Save", QKeySequence::Save);
    connect(save, &QAction::triggered, this, [this] { Save(); });
    QAction* close = AddCommand("CloseAction", 5201, "&Close");
    connect(close, &QAction::triggered, this,
            [this] { window() == this ? this->close() : parentWidget()->close(); });

    pageGroup_ = new QActionGroup(this);
    const struct {
        const char* Name;
        int Id;
        const char* Text;
    } pages[] = {{"ShowTablesAction", 5202, "Standings Tables && Results &Grids"},
                 {"ShowFixturesAction", 5203, "&Fixtures && Results"},
                 {"StatsPageAction", 5204, "Tournament Stat&istics"}};
    for (int i = 0; i < 3; ++i) {
        QAction* a = AddCommand(pages[i].Name, pages[i].Id, pages[i].Text, {}, true);
        pageGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { ShowPage(i); });
    }
    pageGroup_->actions().first()->setChecked(true);

    const auto view = [this](const char* name, int id, const char* text, bool TTableView::*flag) {
        QAction* a = AddCommand(name, id, text, {}, true);
        connect(a, &QAction::triggered, this, [this, a, flag](bool on) {
            EditView(a, [flag, on](TTableView& v) { v.*flag = on; });
        });
    };
    view("ResultsGridAction", 5205, "&Results Grid", &TTableView::Results);
    view("StandingsAction", 5206, "&Standings Columns - Home && Away", &TTableView::Standings);
    view("HomeStandingsAction", 5207, "Standings Columns - &Home", &TTableView::HStandings);
    view("AwayStandingsAction", 5208, "Standings Columns - &Away", &TTableView::AStandings);

    modeGroup_ = new QActionGroup(this);
    const struct {
        const char* Name;
        int Id;
        const char* Text;
        int Mode;
    } modes[] = {{"JointTableAction", 5209, "Joint Table", TableModeJoint},
                 {"GroupsTableAction", 5210, "Groups/Divisions", TableModeGroups},
                 {"ConferencesTableAction", 5211, "Conferences", TableModeConferences}};
    for (const auto& m : modes) {
        QAction* a = AddCommand(m.Name, m.Id, m.Text, {}, true);
        modeGroup_->addAction(a);
        const int mode = m.Mode;
        connect(a, &QAction::triggered, this,
                [this, a, mode] { EditView(a, [mode](TTableView& v) { v.TableMode = mode; }); });
    }

    alignGroup_ = new QActionGroup(this);
    const struct {
        const char* Name;
        int Id;
        const char* Text;
        QKeySequence Keys;
        int Alignment;
    } aligns[] = {
        {"LeftAlignAction", 5212, "&Left Justify", QKeySequence(Qt::CTRL | Qt::Key_L), AlignLeft},
        {"CenterAlignAction", 5213, "&Center", QKeySequence(Qt::CTRL | Qt::Key_E), AlignCenter},
        {"RightAlignAction", 5214, "Right &Justify", QKeySequence(Qt::CTRL | Qt::Key_R),
         AlignRight},
        {"WidestAlignAction", 5215, "Widest Table Justify", QKeySequence(Qt::CTRL | Qt::Key_J),
         AlignWidest}};
    for (const auto& al : aligns) {
        QAction* a = AddCommand(al.Name, al.Id, al.Text, al.Keys, true);
        alignGroup_->addAction(a);
        const int alignment = al.Alignment;
        connect(a, &QAction::triggered, this, [this, a, alignment] {
            EditView(a, [alignment](TTableView& v) { v.Alignment = alignment; });
        });
    }

    // The tournament's own lists.
    QAction* stadiums = AddCommand("StadiumsAction", 5219, "&Stadiums",
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    connect(stadiums, &QAction::triggered, this,
            [this] { TPeopleForm(TPeopleKind::Stadiums, *doc_, dialogs_, this).exec(); });
    QAction* referees = AddCommand("RefereesAction", 5220, "R&eferees",
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    connect(referees, &QAction::triggered, this,
            [this] { TPeopleForm(TPeopleKind::Referees, *doc_, dialogs_, this).exec(); });

    QAction* columns = AddCommand("TableColumnsAction", 5242, "Table &Columns",
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(columns, &QAction::triggered, this, [this] { TTableColumnsForm(*doc_, this).exec(); });
    QAction* dimensions = AddCommand("TableDimensionsAction", 5243, "Table &Dimensions",
                                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D));
    connect(dimensions, &QAction::triggered, this,
            [this] { TTableDimensionsForm(*doc_, this).exec(); });

    BuildSetupCommands();
    BuildExportCommands();

    // Undo and Redo name the step they take back or do again ("&Undo Score 2:1 ..."), in the
    // language of the moment.
    QUndoStack& stack = doc_->UndoStack();
    QAction* undo = AddCommand("UndoAction", 5216, "&Undo");
    QAction* redo = AddCommand("RedoAction", 5217, "&Redo");
    connect(undo, &QAction::triggered, &stack, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &stack, &QUndoStack::redo);
    for (auto signal : {&QUndoStack::undoTextChanged, &QUndoStack::redoTextChanged})
        connect(&stack, signal, this, &TTournamentForm::UpdateUndoTexts);
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    undo->setEnabled(stack.canUndo());
    redo->setEnabled(stack.canRedo());
    UpdateUndoTexts();
}

void TTournamentForm::BuildFixtureCommands() {
    const auto command = [this](const char* name, int id, const char* text, auto run) {
        QAction* a = AddCommand(name, id, text);
        connect(a, &QAction::triggered, this, run);
        return a;
    };
    command("AddFixturesAction", 5233, "Add Fixtu&res",
            [this] { TAddFixturesForm(*doc_, this).exec(); });
    command("EditFixtureAction", 5221, "Edit Entire &Fixture",
            [this] { fixtures_->EditFixture(PagePlace); });
    command("EditScoreAction", 5222, "Edit &Score", [this] { fixtures_->EditFixture(PageScore); });
    command("EditMatchdayAction", 5223, "Edit &Matchday", [this] { fixtures_->EditMatchday(); });
    command("EditDateAction", 5224, "Edit &Date", [this] { fixtures_->EditDate(); });
    command("EditTimeAction", 5225, "Edit &Time", [this] { fixtures_->EditTime(); });
    command("EditStadiumAction", 5226, "Edit Stadi&um", [this] { fixtures_->EditStadium(); });
    command("DeleteFixturesAction", 5227, "D&elete Fixtures",
            [this] { fixtures_->DeleteSelected(); });
    command("FixtureColumnsAction", 5228, "Set &Visible Columns",
            [this] { TFixturesColumnsForm(*doc_, this).exec(); });
    command("CopyFixturesAction", 5229, "&Copy", [this] { fixtures_->CopySelected(); });
    command("SelectAllFixturesAction", 5230, "Select &All", [this] { fixtures_->SelectAllRows(); });

    // What a double-click does: a choice of the program, kept at once.
    dblClickGroup_ = new QActionGroup(this);
    const struct {
        const char* Name;
        int Id;
        const char* Text;
    } choices[] = {{"DblClickFixtureAction", 5236, "Edit Entire &Fixture"},
                   {"DblClickScoreAction", 5237, "Edit Fixture &Score"},
                   {"DblClickMatchdayAction", 5238, "Edit &Matchday"},
                   {"DblClickDateAction", 5239, "Edit &Date"},
                   {"DblClickTimeAction", 5240, "Edit &Time"},
                   {"DblClickStadiumAction", 5241, "Edit Stadi&um"}};
    int value = DblClickEditFixture;
    for (const auto& c : choices) {
        QAction* a = AddCommand(c.Name, c.Id, c.Text, {}, true);
        dblClickGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [value] {
            RegWriteInteger(QString(), QStringLiteral("FixturesOnDblClick"), value);
        });
        ++value;
    }
}

void TTournamentForm::ShowFixturesMenu(QPoint globalPos) {
    UpdateCommands();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("FixturesMenu"));
    const auto add = [&](const char* name) { menu.addAction(Command(QLatin1String(name))); };
    add("AddFixturesAction");
    menu.addSeparator();
    add("EditFixtureAction");
    add("EditScoreAction");
    menu.addSeparator();
    add("EditMatchdayAction");
    add("EditDateAction");
    add("EditTimeAction");
    add("EditStadiumAction");
    menu.addSeparator();
    add("DeleteFixturesAction");
    menu.addSeparator();
    add("FixtureColumnsAction");
    add("CopyFixturesAction");
    add("SelectAllFixturesAction");
    menu.addSeparator();
    QMenu* dbl = menu.addMenu(LangText(5231, "On Double Click"));
    dbl->setObjectName(QStringLiteral("DblClickMenu"));
    dbl->addActions(dblClickGroup_->actions());
    menu.exec(globalPos);
}

void TTournamentForm::EditView(QAction* action, const std::function<void(TTableView&)>& change) {
    if (updating_) return;
    TTableView view = doc_->Tournament().View;
    change(view);
    doc_->EditValue<TTableView>(
        action->iconText(), ChangeLayout, [](TTournament& t) { return &t.View; }, view);
    UpdateCommands(); // an edit that changed nothing leaves the check marks as the tournament says
}

void TTournamentForm::UpdateCommands() {
    updating_ = true;
    const TTournament& t = doc_->Tournament();
    const TTournamentCommands available = TournamentCommandsFor(t, Page(), doc_->IsModified());
    Command(QStringLiteral("SaveAction"))->setEnabled(available.Save);
    const struct {
        const char* Name;
        bool On;
    } views[] = {{"ResultsGridAction", t.View.Results},
                 {"StandingsAction", t.View.Standings},
                 {"HomeStandingsAction", t.View.HStandings},
                 {"AwayStandingsAction", t.View.AStandings}};
    for (const auto& v : views) {
        QAction* a = Command(QLatin1String(v.Name));
        a->setChecked(v.On);
        a->setEnabled(available.Views);
    }
    const char* modes[] = {"JointTableAction", "GroupsTableAction", "ConferencesTableAction"};
    for (int i = 0; i < 3; ++i) {
        QAction* a = Command(QLatin1String(modes[i]));
        a->setChecked(t.View.TableMode == i);
        a->setEnabled(available.TableChoice[i]);
    }
    const char* aligns[] = {"LeftAlignAction", "CenterAlignAction", "RightAlignAction",
                            "WidestAlignAction"};
    for (int i = 0; i < 4; ++i) {
        QAction* a = Command(QLatin1String(aligns[i]));
        a->setChecked(t.View.Alignment == i);
        a->setEnabled(available.Alignment);
    }
    const TFixtureCommands fixtures = FixtureCommandsFor(
        t, Page(), fixtures_->RowCount(), static_cast<int>(fixtures_->SelectedRows().size()));
    for (const char* name :
         {"EditFixtureAction", "EditScoreAction", "EditMatchdayAction", "EditDateAction",
          "EditTimeAction", "EditStadiumAction", "DeleteFixturesAction"})
        Command(QLatin1String(name))->setEnabled(fixtures.Rows);
    Command(QStringLiteral("CopyFixturesAction"))->setEnabled(fixtures.Copy);
    Command(QStringLiteral("FixtureColumnsAction"))->setEnabled(fixtures.Columns);
    Command(QStringLiteral("AddFixturesAction"))->setEnabled(fixtures.Add);
    Command(QStringLiteral("SelectAllFixturesAction"))->setEnabled(fixtures.SelectAll);
    const int dblClick = PrefInteger("", "FixturesOnDblClick");
    const QList<QAction*> choices = dblClickGroup_->actions();
    for (int i = 0; i < choices.size(); ++i) {
        choices[i]->setChecked(i + 1 == std::clamp(dblClick, 1, 6));
        choices[i]->setEnabled(fixtures.Rows);
    }
    UpdateSetupCommands();
    UpdateStatisticsCommands();
    updating_ = false;
    emit CommandsChanged();
}

void TTournamentForm::OnChanged(unsigned changes) {
    const TTournament& t = doc_->Tournament();
    if (changes & ChangeName) {
        title_->setText(t.Name);
        sport_->setText(SportName(t.Sport));
        setWindowTitle(t.Name);
    }
    tables_->Refresh(changes);
    fixtures_->Refresh(changes);
    stats_->Refresh(changes);
    UpdateCommands();
}

void TTournamentForm::ShowPage(int page) {
    pages_->setCurrentIndex(page);
    if (QAction* a = pageGroup_->actions().value(page)) a->setChecked(true);
    UpdateCommands();
}

bool TTournamentForm::Save() {
    const TIoResult r = doc_->Save();
    if (!r) {
        ShowAppMessage(r.Message, TMessageKind::Error);
        return false;
    }
    UpdateCommands();
    return true;
}

bool TTournamentForm::MayClose() {
    if (forced_) return true; // asked before (shutdown), or deleted from the list
    closedWithoutSaving_ = false;
    if (!doc_->IsModified()) return true;
    const TMessageButton b = ShowAppMessage(
        Fmt(LangText(6506, "Save changes in tournament '%s'?"), doc_->Tournament().Name),
        TMessageKind::QuestionYesNoCancel);
    if (b == TMessageButton::Cancel) return false;
    if (b == TMessageButton::Yes) return Save();
    closedWithoutSaving_ = true;
    doc_->DiscardRecovery();
    return true;
}

void TTournamentForm::ForceClose() {
    forced_ = true;
    if (parentWidget())
        parentWidget()->close();
    else
        close();
}

void TTournamentForm::Rename(const QString& name) {
    doc_->EditValue<QString>(
        Fmt(LangText(5218, "Rename to %s"), name), ChangeName,
        [](TTournament& t) { return &t.Name; }, name);
}

void TTournamentForm::ApplyLanguage() {
    if (appliedLanguage_ == CurrentLanguage()) return;
    appliedLanguage_ = CurrentLanguage();
    for (QAction* a : Commands()) {
        const QVariant id = a->property("textId");
        if (id.isValid()) a->setText(LangText(id.toInt(), a->property("defaultText").toString()));
    }
    UpdateUndoTexts();
    ApplyTexts(this);
    OnChanged(ChangeEverything);
}

void TTournamentForm::UpdateUndoTexts() {
    const QUndoStack& stack = doc_->UndoStack();
    const auto text = [](const QString& prefix, const QString& step) {
        return step.isEmpty() ? prefix : prefix + QLatin1Char(' ') + step;
    };
    Command(QStringLiteral("UndoAction"))->setText(text(LangText(5216, "&Undo"), stack.undoText()));
    Command(QStringLiteral("RedoAction"))->setText(text(LangText(5217, "&Redo"), stack.redoText()));
}

void TTournamentForm::closeEvent(QCloseEvent* event) {
    if (!MayClose()) {
        event->ignore();
        return;
    }
    emit Closing(this);
    event->accept();
}

void TTournamentForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        ApplyLanguage();
        fixtures_->FollowFormat();
    }
    QWidget::changeEvent(event);
}

} // namespace kv
