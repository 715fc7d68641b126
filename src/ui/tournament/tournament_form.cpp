#include "ui/tournament/tournament_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "edit/command_availability.h"
#include "edit/edits.h"
#include "edit/match_edit.h"
#include "edit/outlook_runner.h"
#include "edit/tournament_document.h"
#include "model/sport.h"
#include "ui/fixtures/add_fixtures_form.h"
#include "ui/fixtures/fixtures_columns_form.h"
#include "ui/fixtures/fixtures_page.h"
#include "ui/setup/people_form.h"
#include "ui/statistics/statistics_page.h"
#include "ui/tables/table_columns_form.h"
#include "ui/tables/table_dimensions_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/outlook_bar.h"
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
    outlook_ = new TOutlookRunner(*doc_, this);
    outlookBar_ = new TOutlookBar(*outlook_, this);
    layout->addWidget(outlookBar_);
    for (auto signal : {&TOutlookRunner::Updated, &TOutlookRunner::Stale})
        connect(outlook_, signal, this, [this] { tables_->Refresh(TChange(ChangeTables)); });
    BuildCommands();
    BuildFixtureCommands();
    BuildStatisticsCommands();
    // The table picture's menu: after copying, the table's looks and new fixtures.
    tables_->SetPictureCommands(
        {Command(TCommandId::TableColumns), Command(TCommandId::TableDimensions),
         Command(TCommandId::TableAppearance), Command(TCommandId::AddFixtures)});
    connect(tables_, &TTablesPage::PrintRequested, this, &TTournamentForm::Print);
    connect(fixtures_, &TFixturesPage::SelectionChanged, this, [this] { UpdateCommands(); });
    connect(fixtures_, &TFixturesPage::ContextMenuRequested, this,
            &TTournamentForm::ShowFixturesMenu);
    connect(doc_.get(), &TTournamentDocument::Changed, this, &TTournamentForm::OnChanged);
    connect(doc_.get(), &TTournamentDocument::ModifiedChanged, this, [this] { UpdateCommands(); });
    OnChanged(TChange(ChangeName));
    outlook_->Restart();
    appliedLanguage_ = CurrentLanguage();
}

TTournamentForm::~TTournamentForm() {
    outlook_->Cancel();
    doc_->disconnect(this);
    blockSignals(true);
    delete pages_; // the pages refer to the document, which goes with this object's members
}

int TTournamentForm::Page() const {
    return pages_->currentIndex();
}

void TTournamentForm::BuildCommands() {
    commands_ = std::make_unique<TCommandSet>(*this, TCommandSet::TWindow::Tournament);
    const TCommandSet& c = *commands_;
    connect(c[TCommandId::Save], &QAction::triggered, this, [this] { Save(); });
    connect(c[TCommandId::Close], &QAction::triggered, this,
            [this] { window() == this ? this->close() : parentWidget()->close(); });

    pageGroup_ = new QActionGroup(this);
    const TCommandId pages[] = {TCommandId::ShowTables, TCommandId::ShowFixtures,
                                TCommandId::StatsPage};
    for (int i = 0; i < 3; ++i) {
        QAction* a = c[pages[i]];
        pageGroup_->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { ShowPage(i); });
    }
    pageGroup_->actions().first()->setChecked(true);

    const auto view = [this, &c](TCommandId id, bool TTableView::*flag) {
        connect(c[id], &QAction::triggered, this,
                [this, flag](bool on) { EditView([flag, on](TTableView& v) { v.*flag = on; }); });
    };
    view(TCommandId::ResultsGrid, &TTableView::Results);
    view(TCommandId::Standings, &TTableView::Standings);
    view(TCommandId::HomeStandings, &TTableView::HStandings);
    view(TCommandId::AwayStandings, &TTableView::AStandings);

    modeGroup_ = new QActionGroup(this);
    const struct {
        TCommandId Id;
        int Mode;
    } modes[] = {{TCommandId::JointTable, TableModeJoint},
                 {TCommandId::GroupsTable, TableModeGroups},
                 {TCommandId::ConferencesTable, TableModeConferences}};
    for (const auto& m : modes) {
        modeGroup_->addAction(c[m.Id]);
        const int mode = m.Mode;
        connect(c[m.Id], &QAction::triggered, this,
                [this, mode] { EditView([mode](TTableView& v) { v.TableMode = mode; }); });
    }

    alignGroup_ = new QActionGroup(this);
    const struct {
        TCommandId Id;
        int Alignment;
    } aligns[] = {{TCommandId::LeftAlign, AlignLeft},
                  {TCommandId::CenterAlign, AlignCenter},
                  {TCommandId::RightAlign, AlignRight},
                  {TCommandId::WidestAlign, AlignWidest}};
    for (const auto& al : aligns) {
        alignGroup_->addAction(c[al.Id]);
        const int alignment = al.Alignment;
        connect(c[al.Id], &QAction::triggered, this, [this, alignment] {
            EditView([alignment](TTableView& v) { v.Alignment = alignment; });
        });
    }

    // The tournament's own lists.
    connect(c[TCommandId::Stadiums], &QAction::triggered, this,
            [this] { TPeopleForm(TPeopleKind::Stadiums, *doc_, dialogs_, this).exec(); });
    connect(c[TCommandId::Referees], &QAction::triggered, this,
            [this] { TPeopleForm(TPeopleKind::Referees, *doc_, dialogs_, this).exec(); });
    connect(c[TCommandId::TableColumns], &QAction::triggered, this,
            [this] { TTableColumnsForm(*doc_, this).exec(); });
    connect(c[TCommandId::TableDimensions], &QAction::triggered, this,
            [this] { TTableDimensionsForm(*doc_, this).exec(); });

    BuildSetupCommands();
    BuildExportCommands();

    // Undo and Redo name the step they take back or do again ("&Undo Score 2:1 ..."), in the
    // language of the moment.
    QUndoStack& stack = doc_->UndoStack();
    QAction* undo = c[TCommandId::Undo];
    QAction* redo = c[TCommandId::Redo];
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
    const auto command = [this](TCommandId id, auto run) {
        connect((*commands_)[id], &QAction::triggered, this, run);
    };
    command(TCommandId::AddFixtures, [this] { TAddFixturesForm(*doc_, this).exec(); });
    command(TCommandId::EditFixture, [this] { fixtures_->EditFixture(PagePlace); });
    command(TCommandId::EditScore, [this] { fixtures_->EditFixture(PageScore); });
    command(TCommandId::EditMatchday, [this] { fixtures_->EditMatchday(); });
    command(TCommandId::EditDate, [this] { fixtures_->EditDate(); });
    command(TCommandId::EditTime, [this] { fixtures_->EditTime(); });
    command(TCommandId::EditStadium, [this] { fixtures_->EditStadium(); });
    command(TCommandId::DeleteFixtures, [this] { fixtures_->DeleteSelected(); });
    command(TCommandId::FixtureColumns, [this] { TFixturesColumnsForm(*doc_, this).exec(); });
    command(TCommandId::CopyFixtures, [this] { fixtures_->CopySelected(); });
    command(TCommandId::SelectAllFixtures, [this] { fixtures_->SelectAllRows(); });

    // What a double-click does: a choice of the program, kept at once.
    dblClickGroup_ = new QActionGroup(this);
    int value = DblClickEditFixture;
    for (const TCommandId id :
         {TCommandId::DblClickFixture, TCommandId::DblClickScore, TCommandId::DblClickMatchday,
          TCommandId::DblClickDate, TCommandId::DblClickTime, TCommandId::DblClickStadium}) {
        QAction* a = (*commands_)[id];
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
    using TIds = std::initializer_list<TCommandId>;
    for (const TIds group :
         {TIds{TCommandId::AddFixtures}, TIds{TCommandId::EditFixture, TCommandId::EditScore},
          TIds{TCommandId::EditMatchday, TCommandId::EditDate, TCommandId::EditTime,
               TCommandId::EditStadium},
          TIds{TCommandId::DeleteFixtures},
          TIds{TCommandId::FixtureColumns, TCommandId::CopyFixtures,
               TCommandId::SelectAllFixtures}}) {
        for (const TCommandId id : group)
            menu.addAction(Command(id));
        menu.addSeparator();
    }
    QMenu* dbl = menu.addMenu(LangText(103, "On Double Click"));
    dbl->setObjectName(QStringLiteral("DblClickMenu"));
    dbl->addActions(dblClickGroup_->actions());
    menu.exec(globalPos);
}

void TTournamentForm::EditView(const std::function<void(TTableView&)>& change) {
    if (updating_) return;
    TTableView view = doc_->Tournament().View;
    change(view);
    edit::SetView(*doc_, view);
    UpdateCommands(); // an edit that changed nothing leaves the check marks as the tournament says
}

void TTournamentForm::UpdateCommands() {
    updating_ = true;
    const TTournament& t = doc_->Tournament();
    const TTournamentCommands available = TournamentCommandsFor(t, Page(), doc_->IsModified());
    Command(TCommandId::Save)->setEnabled(available.Save);
    const struct {
        TCommandId Id;
        bool On;
    } views[] = {{TCommandId::ResultsGrid, t.View.Results},
                 {TCommandId::Standings, t.View.Standings},
                 {TCommandId::HomeStandings, t.View.HStandings},
                 {TCommandId::AwayStandings, t.View.AStandings}};
    for (const auto& v : views) {
        QAction* a = Command(v.Id);
        a->setChecked(v.On);
        a->setEnabled(available.Views);
    }
    const QList<QAction*> modes = modeGroup_->actions();
    for (int i = 0; i < 3; ++i) {
        QAction* a = modes[i];
        a->setChecked(t.View.TableMode == i);
        a->setEnabled(available.TableChoice[i]);
    }
    const QList<QAction*> aligns = alignGroup_->actions();
    for (int i = 0; i < 4; ++i) {
        QAction* a = aligns[i];
        a->setChecked(t.View.Alignment == i);
        a->setEnabled(available.Alignment);
    }
    const TFixtureCommands fixtures = FixtureCommandsFor(
        t, Page(), fixtures_->RowCount(), static_cast<int>(fixtures_->SelectedRows().size()));
    for (const TCommandId id :
         {TCommandId::EditFixture, TCommandId::EditScore, TCommandId::EditMatchday,
          TCommandId::EditDate, TCommandId::EditTime, TCommandId::EditStadium,
          TCommandId::DeleteFixtures})
        Command(id)->setEnabled(fixtures.Rows);
    Command(TCommandId::CopyFixtures)->setEnabled(fixtures.Copy);
    Command(TCommandId::FixtureColumns)->setEnabled(fixtures.Columns);
    Command(TCommandId::AddFixtures)->setEnabled(fixtures.Add);
    Command(TCommandId::SelectAllFixtures)->setEnabled(fixtures.SelectAll);
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

void TTournamentForm::OnChanged(const TChange& change) {
    const unsigned changes = change.What;
    const TTournament& t = doc_->Tournament();
    if (changes & ChangeName) {
        title_->setText(t.Name);
        sport_->setText(SportName(t.Sport));
        setWindowTitle(t.Name);
    }
    tables_->Refresh(change);
    fixtures_->Refresh(changes);
    stats_->Refresh(changes);
    // Whatever can move a table can change what is still possible.
    if (change.Replaced || change.Has(ChangeTables | ChangeStructure)) outlook_->Restart();
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
    edit::RenameTournament(*doc_, name);
}

void TTournamentForm::ApplyLanguage() {
    if (appliedLanguage_ == CurrentLanguage()) return;
    appliedLanguage_ = CurrentLanguage();
    commands_->Retranslate();
    outlookBar_->ApplyTexts();
    UpdateUndoTexts();
    ApplyTexts(this);
    OnChanged(TChange(ChangeEverything));
}

void TTournamentForm::UpdateUndoTexts() {
    const QUndoStack& stack = doc_->UndoStack();
    // A step's name is words ("Home & Away", "Delete Brighton & Hove"): in a caption, each of
    // its "&" is doubled so that none turns into an access key.
    const auto text = [](const QString& prefix, const QString& step) {
        return step.isEmpty() ? prefix
                              : prefix + QLatin1Char(' ') +
                                    QString(step).replace(QLatin1String("&"), QLatin1String("&&"));
    };
    const auto commandText = [](TCommandId id) {
        const TCommandText& t = CommandSpec(id).Text;
        return LangText(t.Id, t.Text);
    };
    Command(TCommandId::Undo)->setText(text(commandText(TCommandId::Undo), stack.undoText()));
    Command(TCommandId::Redo)->setText(text(commandText(TCommandId::Redo), stack.redoText()));
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
