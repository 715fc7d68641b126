#include "ui/score_form.h"
#include "ui/access_keys.h"
#include "ui/dialog_buttons.h"
#include "ui/widget_names.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "model/sport.h"
#include "ui/match_leg_form.h"
#include "ui/match_row_form.h"
#include "ui/people_form.h"
#include "ui/tournament_document.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

namespace {

const char* const kDigitsOnly = "digitsOnly";

} // namespace

TScoreForm::TScoreForm(TDialogSeam& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TScoreForm"));
    Build();
}

TScoreForm::~TScoreForm() = default;

void TScoreForm::Build() {
    auto* layout = new QVBoxLayout(this);
    // The band: the two teams in the order of the HostFirst preference.
    auto* band = new QGridLayout;
    leftName_ = Named(new QLabel(this), "LeftTeamLabel");
    rightName_ = Named(new QLabel(this), "RightTeamLabel");
    leftCaption_ = Named(new QLabel(this), "LeftCaptionLabel");
    rightCaption_ = Named(new QLabel(this), "RightCaptionLabel");
    separator_ = Named(new QLabel(this), "SeparatorLabel");
    QFont big = leftName_->font();
    big.setPointSize(big.pointSize() + 3);
    big.setBold(true);
    for (QLabel* l : {leftName_, rightName_, separator_}) {
        l->setFont(big);
        l->setAlignment(Qt::AlignCenter);
    }
    for (QLabel* l : {leftCaption_, rightCaption_})
        l->setAlignment(Qt::AlignCenter);
    band->addWidget(leftName_, 0, 0);
    band->addWidget(separator_, 0, 1);
    band->addWidget(rightName_, 0, 2);
    band->addWidget(leftCaption_, 1, 0);
    band->addWidget(rightCaption_, 1, 2);
    band->setColumnStretch(0, 1);
    band->setColumnStretch(2, 1);
    layout->addLayout(band);

    auto* body = new QHBoxLayout;
    pageList_ = Named(new QListWidget(this), "PagesLB");
    pageList_->addItems({LangText(3503, "Score"), LangText(3504, "Date, Matchday, Place etc"),
                         LangText(3505, "Referees"), LangText(3506, "Comments")});
    pageList_->setFixedWidth(180);
    pages_ = Named(new QStackedWidget(this), "Pages");
    pages_->addWidget(BuildScorePage());
    pages_->addWidget(BuildPlacePage());
    pages_->addWidget(BuildRefereesPage());
    comments_ = Named(new QPlainTextEdit(this), "CommentsMemo");
    pages_->addWidget(comments_);
    body->addWidget(pageList_);
    body->addWidget(pages_, 1);
    layout->addLayout(body, 1);
    connect(pageList_, &QListWidget::currentRowChanged, pages_, &QStackedWidget::setCurrentIndex);

    const TDialogButtons buttons = MakeDialogButtons(*this, true);
    apply_ = buttons.Apply;
    delete_ = buttons.Box->addButton(LangText(1004, "&Delete"), QDialogButtonBox::DestructiveRole);
    delete_->setObjectName(QStringLiteral("DeleteBtn"));
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyChanges(); });
    connect(delete_, &QPushButton::clicked, this, &TScoreForm::DeleteMatch);
    layout->addWidget(buttons.Box);
    resize(620, 400);

    // Any change of a field enables Apply.
    for (QLineEdit* e : findChildren<QLineEdit*>())
        connect(e, &QLineEdit::textEdited, this, &TScoreForm::Changed);
    connect(comments_, &QPlainTextEdit::textChanged, this, &TScoreForm::Changed);
    connect(stadium_, &QComboBox::currentIndexChanged, this, &TScoreForm::Changed);
}

QWidget* TScoreForm::BuildScorePage() {
    auto* page = Named(new QWidget(this), "ScorePage");
    auto* form = new QFormLayout(page);
    score_ = Named(new QLineEdit(page), "ScoreEdit");
    form->addRow(LangText(3507, "&Score:"), score_);
    normal_ = Named(new QRadioButton(LangText(3508, "&Normal Time"), page), "NormalTimeRB");
    overtime_ = Named(new QRadioButton(page), "OvertimeRB");
    shootouts_ = Named(new QRadioButton(page), "ShootOutsRB");
    auto* choices = new QButtonGroup(page);
    choices->addButton(normal_, 0);
    choices->addButton(overtime_, 1);
    choices->addButton(shootouts_, 2);
    auto* row = new QHBoxLayout;
    row->addWidget(normal_);
    row->addWidget(overtime_);
    row->addWidget(shootouts_);
    row->addStretch();
    form->addRow(QString(), row);
    forfeited_ = Named(new QCheckBox(LangText(3509, "&Forfeited Match"), page), "ForfeitChB");
    forfeitedTeam_ = Named(new QComboBox(page), "ForfeitTeamCB");
    form->addRow(QString(), forfeited_);
    form->addRow(LangText(3510, "Forfeited &Team:"), forfeitedTeam_);
    connect(choices, &QButtonGroup::idClicked, this, &TScoreForm::Changed);
    connect(forfeited_, &QCheckBox::toggled, this, [this](bool on) {
        if (filling_ || !doc_) return;
        forfeitedTeam_->setCurrentIndex(on ? 1 : -1); // the visiting team, until another is chosen
        if (on) score_->setText(ForfeitScoreText(doc_->Tournament(), 2, PrefHostFirst()));
        UpdateChoices();
        Changed();
    });
    connect(forfeitedTeam_, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && doc_)
            score_->setText(
                ForfeitScoreText(doc_->Tournament(), index == 0 ? 1 : 2, PrefHostFirst()));
        Changed();
    });
    return page;
}

QWidget* TScoreForm::BuildPlacePage() {
    auto* page = Named(new QWidget(this), "PlacePage");
    auto* form = new QFormLayout(page);
    const auto digits = [this](QLineEdit* e, bool negative) {
        e->setProperty(kDigitsOnly, negative ? 2 : 1);
        e->installEventFilter(this);
        return e;
    };
    number_ = digits(Named(new QLineEdit(page), "NumberEdit"), false);
    form->addRow(LangText(3540, "&Match number:"), number_);
    // A field with its "..." button beside it; the caption's shortcut goes to the field.
    const auto withButton = [this, page, form](const QString& caption, QWidget* field,
                                               const char* name, void (TScoreForm::*slot)()) {
        auto* row = new QHBoxLayout;
        row->addWidget(field, 1);
        auto* button = Named(new QPushButton(QStringLiteral("..."), page), name);
        button->setFixedWidth(32);
        connect(button, &QPushButton::clicked, this, slot);
        row->addWidget(button);
        auto* label = new QLabel(caption, page);
        label->setBuddy(field);
        form->addRow(label, row);
    };
    leg_ = Named(new QLineEdit(page), "LegEdit");
    leg_->setReadOnly(true);
    withButton(LangText(3541, "&Leg:"), leg_, "LegBtn", &TScoreForm::MoveLeg);
    grid_ = Named(new QLineEdit(page), "GridPositionEdit");
    grid_->setToolTip(LangText(3549, "Position in Results Grid Cell (Short Grid View)"));
    withButton(LangText(3542, "&Grid position:"), grid_, "GridBtn", &TScoreForm::MoveGridPosition);
    matchday_ = digits(Named(new QLineEdit(page), "MatchdayEdit"), false);
    form->addRow(LangText(3543, "Mat&ch day:"), matchday_);
    date_ = Named(new QLineEdit(page), "DateEdit");
    form->addRow(LangText(3544, "Dat&e:"), date_);
    time_ = Named(new QLineEdit(page), "TimeEdit");
    time_->setInputMask(QStringLiteral("99:99;_"));
    form->addRow(LangText(3545, "&Time:"), time_);
    attendance_ = digits(Named(new QLineEdit(page), "AttendanceEdit"), false);
    form->addRow(LangText(3546, "Atte&ndance:"), attendance_);
    temperature_ = digits(Named(new QLineEdit(page), "TemperatureEdit"), true);
    temperature_->setToolTip(LangText(3550, "Air Temperature"));
    form->addRow(LangText(3547, "Tem&perature:"), temperature_);
    stadium_ = Named(new QComboBox(page), "StadiumCB");
    withButton(LangText(3548, "&Stadium:"), stadium_, "StadiumsBtn", &TScoreForm::EditStadiums);
    return page;
}

QWidget* TScoreForm::BuildRefereesPage() {
    auto* page = Named(new QWidget(this), "RefereesPage");
    auto* grid = new QGridLayout(page);
    available_ = Named(new QListWidget(page), "AvailableRefereesLB");
    assigned_ = Named(new QListWidget(page), "MatchRefereesLB");
    for (QListWidget* list : {available_, assigned_}) {
        list->setDragDropMode(QAbstractItemView::DragDrop);
        list->setDefaultDropAction(Qt::MoveAction);
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, &TScoreForm::Changed);
        connect(list->model(), &QAbstractItemModel::rowsMoved, this, &TScoreForm::Changed);
    }
    auto* add = Named(new QPushButton(LangText(3602, "Add &>"), page), "AddRefereeBtn");
    auto* remove = Named(new QPushButton(LangText(3603, "< &Remove"), page), "RemoveRefereeBtn");
    auto* clear = Named(new QPushButton(LangText(3604, "&Clear"), page), "ClearRefereesBtn");
    const auto move = [this](QListWidget* from, QListWidget* to, bool all) {
        const QList<QListWidgetItem*> items =
            all ? from->findItems(QStringLiteral("*"), Qt::MatchWildcard) : from->selectedItems();
        for (QListWidgetItem* item : items) {
            if (to == assigned_ && assigned_->count() >= 5)
                break; // a match has at most five referees
            QListWidgetItem* taken = from->takeItem(from->row(item));
            // A referee no longer in the tournament does not go back to the available ones.
            if (to == available_ &&
                !doc_->Tournament().RefereeById(taken->data(Qt::UserRole).toInt())) {
                delete taken;
                continue;
            }
            to->addItem(taken);
        }
        if (to == available_) available_->sortItems();
        Changed();
    };
    connect(add, &QPushButton::clicked, this, [this, move] { move(available_, assigned_, false); });
    connect(remove, &QPushButton::clicked, this,
            [this, move] { move(assigned_, available_, false); });
    connect(clear, &QPushButton::clicked, this,
            [this, move] { move(assigned_, available_, true); });
    connect(available_, &QListWidget::itemDoubleClicked, this,
            [this, move] { move(available_, assigned_, false); });
    connect(assigned_, &QListWidget::itemDoubleClicked, this,
            [this, move] { move(assigned_, available_, false); });
    const auto caption = [page](const QString& text, QWidget* list) {
        auto* label = new QLabel(text, page);
        label->setBuddy(list);
        return label;
    };
    grid->addWidget(caption(LangText(3600, "A&vailable referees:"), available_), 0, 0);
    grid->addWidget(caption(LangText(3601, "&Match referees:"), assigned_), 0, 2);
    grid->addWidget(available_, 1, 0, 4, 1);
    grid->addWidget(add, 1, 1);
    grid->addWidget(remove, 2, 1);
    grid->addWidget(clear, 3, 1);
    grid->addWidget(assigned_, 1, 2, 4, 1);
    grid->setRowStretch(4, 1); // the lists take the height, the captions sit right above them
    return page;
}

void TScoreForm::OpenMatch(TTournamentDocument& doc, int matchId, int page) {
    doc_ = &doc;
    const TMatch* stored = doc.Tournament().MatchById(matchId);
    if (!stored) return;
    matchId_ = matchId;
    working_ = CreateMatch(doc.Tournament().Sport, *stored);
    Fill(*working_);
    if (page >= 0) ShowPage(page);
    FocusFirstField();
}

void TScoreForm::OpenNew(TTournamentDocument& doc, int homeId, int visitorId, int leg,
                         int gridPosition, int page) {
    doc_ = &doc;
    const TTournament& t = doc.Tournament();
    // The pair's match of that leg, in either venue, is edited instead.
    if (const TMatch* existing = t.JointTable().MatchOfPairInLeg(homeId, visitorId, leg)) {
        OpenMatch(doc, existing->Id, page);
        return;
    }
    matchId_ = -1;
    working_ = CreateMatch(t.Sport, -1, homeId, visitorId, leg);
    working_->GridPosition = gridPosition;
    if (const TTeam* home = t.TeamById(homeId))
        working_->StadiumId = home->HomeStadiumId; // the holders' own ground, to start with
    Fill(*working_);
    if (page >= 0) ShowPage(page);
    FocusFirstField();
}

void TScoreForm::Fill(const TMatch& m) {
    filling_ = true;
    const TTournament& t = doc_->Tournament();
    const bool hostFirst = PrefHostFirst();
    const TTeam* home = t.TeamById(m.HomeTeamId);
    const TTeam* visitor = t.TeamById(m.VisitorTeamId);
    const QString homeName = home ? home->Name : QString();
    const QString visitorName = visitor ? visitor->Name : QString();
    TPairingOptions pairing;
    pairing.ForceHostFirst = true;
    setWindowTitle(
        Fmt(QStringLiteral("%s %d. %s"), LangText(3500, "Leg"), m.Leg, t.PairingText(m, pairing)));
    leftName_->setText(hostFirst ? homeName : visitorName);
    rightName_->setText(hostFirst ? visitorName : homeName);
    leftCaption_->setText(hostFirst ? LangText(3501, "Holders") : LangText(3502, "Visitors"));
    rightCaption_->setText(hostFirst ? LangText(3502, "Visitors") : LangText(3501, "Holders"));
    separator_->setText(PrefMatchSep());
    const TMatchFields f = FieldsOf(t, m, hostFirst);
    score_->setText(f.Score);
    const int s = NormalizeSport(t.Sport);
    // The score page's own keys: Score, Normal time, Forfeited match and team, and the buttons.
    QString taken =
        AccessKeysOf({score_->parentWidget(), apply_->parentWidget()}, {overtime_, shootouts_});
    overtime_->setText(WithAccessKey(OvertimeWord(s), taken));
    shootouts_->setText(WithAccessKey(ShootoutWord(s), taken));
    normal_->setVisible(t.Overtime || t.ShootOuts);
    overtime_->setVisible(t.Overtime && !OvertimeWord(s).isEmpty());
    shootouts_->setVisible(t.ShootOuts && !ShootoutWord(s).isEmpty());
    (f.DecidedIn == 1 ? overtime_ : (f.DecidedIn == 2 ? shootouts_ : normal_))->setChecked(true);
    forfeitedTeam_->clear();
    forfeitedTeam_->addItems({homeName, visitorName});
    forfeited_->setChecked(f.Forfeited);
    forfeitedTeam_->setCurrentIndex(f.Forfeited ? f.ForfeitedTeam - 1 : -1);
    number_->setText(f.Number);
    leg_->setText(QString::number(f.Leg));
    grid_->setText(f.GridPosition.value_or(QString()));
    matchday_->setText(f.Matchday);
    date_->setText(f.Date);
    time_->setText(f.Time);
    time_->setCursorPosition(0); // typing into the blank mask starts at the hours
    attendance_->setText(f.Attendance);
    temperature_->setText(f.Temperature);
    stadium_->clear();
    stadium_->addItem(QString(), -1);
    for (const TStadium& st : t.Stadiums)
        stadium_->addItem(ChoiceText(t.Stadiums, st), st.Id);
    stadium_->setCurrentIndex(std::max(0, stadium_->findData(f.StadiumId)));
    FillReferees(f.Referees);
    comments_->setPlainText(f.Comments);
    delete_->setEnabled(!IsNew());
    UpdateChoices();
    apply_->setEnabled(false);
    filling_ = false;
}

void TScoreForm::FillReferees(const QList<int>& assigned) {
    const TTournament& t = doc_->Tournament();
    available_->clear();
    assigned_->clear();
    std::vector<const TReferee*> free;
    for (const TReferee& r : t.Referees)
        if (!assigned.contains(r.Id)) free.push_back(&r);
    std::sort(free.begin(), free.end(), [](const TReferee* a, const TReferee* b) {
        return QString::localeAwareCompare(a->Name, b->Name) < 0;
    });
    for (const TReferee* r : free) {
        auto* item = new QListWidgetItem(r->Name, available_);
        item->setData(Qt::UserRole, r->Id);
    }
    for (const int id : assigned) {
        const QString name = t.RefereeName(id);
        auto* item = new QListWidgetItem(
            name.isEmpty() ? LangText(3607, "<Referee deleted...>") : name, assigned_);
        item->setData(Qt::UserRole, id);
    }
}

void TScoreForm::UpdateChoices() {
    // A forfeited match is a normal-time match.
    const bool forfeit = forfeited_->isChecked();
    forfeitedTeam_->setEnabled(forfeit);
    for (QRadioButton* r : {normal_, overtime_, shootouts_})
        r->setEnabled(!forfeit);
    // Hidden choices are the explicitly hidden ones: the dialog itself may not be shown yet.
    if (forfeit || (overtime_->isHidden() && shootouts_->isHidden())) normal_->setChecked(true);
}

void TScoreForm::Changed() {
    if (!filling_) apply_->setEnabled(true);
}

TMatchFields TScoreForm::Fields() const {
    TMatchFields f;
    f.Score = score_->text();
    f.DecidedIn = overtime_->isChecked() && !overtime_->isHidden()
                      ? 1
                      : (shootouts_->isChecked() && !shootouts_->isHidden() ? 2 : 0);
    f.Forfeited = forfeited_->isChecked();
    f.ForfeitedTeam = forfeitedTeam_->currentIndex() == 0 ? 1 : 2;
    f.Number = number_->text();
    f.Leg = working_ ? working_->Leg : 1;
    f.GridPosition = grid_->text();
    f.Matchday = matchday_->text();
    f.Date = date_->text();
    f.Time = time_->text();
    f.Attendance = attendance_->text();
    f.Temperature = temperature_->text();
    f.StadiumId = stadium_->currentData().isValid() ? stadium_->currentData().toInt() : -1;
    for (int i = 0; i < assigned_->count(); ++i)
        f.Referees << assigned_->item(i)->data(Qt::UserRole).toInt();
    f.Comments = comments_->toPlainText();
    return f;
}

bool TScoreForm::ApplyChanges() {
    if (!doc_ || !working_) return false;
    const TTournament& t = doc_->Tournament();
    auto edited = CreateMatch(t.Sport, *working_);
    const TMatchCheck check = ApplyMatchFields(t, Fields(), PrefHostFirst(), matchId_, *edited);
    if (!check.Ok) {
        ShowAppMessage(check.Message, TMessageKind::Information);
        Focus(check.Page, check.Field);
        return false;
    }
    const TMatchApplyPlan plan =
        PlanMatchApply(t, IsNew() ? nullptr : t.MatchById(matchId_), *edited);
    if (plan.Action == TMatchApplyPlan::Nothing) {
        apply_->setEnabled(false);
        return true; // an empty new match is not added
    }
    const bool empty = plan.Action == TMatchApplyPlan::Remove;
    const unsigned changes = ChangeFixtures | ChangeStatistics | (plan.Recount ? ChangeTables : 0u);
    const int id = matchId_;
    if (empty) {
        // Taking a match out changes the order of the file's matches: a step of the whole file.
        doc_->Edit(plan.StepName, changes, [id](TTournament& tt) { tt.RemoveMatchById(id); });
    } else {
        edited->Id = id;
        if (!doc_->EditMatch(plan.StepName, changes, *edited)) {
            ShowAppMessage(LangText(11554, "All possible fixtures for this pair already exist"),
                           TMessageKind::Information);
            return false;
        }
    }
    // The dialog goes on with the stored match (a new one has its id now).
    const TTournament& now = doc_->Tournament();
    if (empty) {
        // Gone: the dialog goes on with a new match of the pair in that leg.
        matchId_ = -1;
        working_ =
            CreateMatch(now.Sport, -1, edited->HomeTeamId, edited->VisitorTeamId, edited->Leg);
        working_->GridPosition = edited->GridPosition;
        Fill(*working_);
    } else if (IsNew()) {
        if (const TMatch* added = now.JointTable().MatchOfPairInLeg(
                edited->HomeTeamId, edited->VisitorTeamId, edited->Leg))
            matchId_ = added->Id;
    }
    if (const TMatch* current = matchId_ >= 0 ? now.MatchById(matchId_) : nullptr) {
        working_ = CreateMatch(now.Sport, *current);
        Fill(*working_);
    }
    apply_->setEnabled(false);
    return true;
}

void TScoreForm::accept() {
    // OK with nothing changed closes without a step.
    if (!apply_->isEnabled() || ApplyChanges()) QDialog::accept();
}

void TScoreForm::DeleteMatch() {
    if (IsNew() || !doc_) return;
    if (ShowAppMessage(LangText(3656, "Delete this match from tournament?"),
                       TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    const TTournament& t = doc_->Tournament();
    const TMatch* stored = t.MatchById(matchId_);
    if (!stored) return;
    const int id = matchId_;
    const unsigned changes =
        ChangeFixtures | ChangeStatistics | (stored->Played ? ChangeTables : 0u);
    doc_->Edit(MatchEditName(t, *stored, false, true), changes,
               [id](TTournament& tt) { tt.RemoveMatchById(id); });
    matchId_ = -1;
    QDialog::accept();
}

bool TScoreForm::ApplyBeforeMoving(int questionId, const char* question) {
    if (IsNew() && !apply_->isEnabled())
        return false; // a new match with nothing in it has nothing to move
    if (apply_->isEnabled()) {
        if (ShowAppMessage(LangText(questionId, question), TMessageKind::OkCancel) !=
            TMessageButton::Ok)
            return false;
        if (!ApplyChanges()) return false;
    }
    return !IsNew();
}

void TScoreForm::Reopen() {
    if (const TMatch* m = doc_->Tournament().MatchById(matchId_)) {
        working_ = CreateMatch(doc_->Tournament().Sport, *m);
        Fill(*working_);
    }
}

void TScoreForm::MoveLeg() {
    if (!ApplyBeforeMoving(3565,
                           "To modify match leg it is necessary to apply match changes. Continue?"))
        return;
    TMatchLegForm dialog(*doc_, working_->HomeTeamId, working_->VisitorTeamId, matchId_, this);
    if (dialog.exec() == QDialog::Accepted) Reopen();
}

void TScoreForm::MoveGridPosition() {
    if (!ApplyBeforeMoving(3566, "To modify match position in results grid cell (short grid view) "
                                 "it is necessary to apply match "
                                 "changes. Continue?"))
        return;
    TMatchRowForm dialog(*doc_, working_->HomeTeamId, working_->VisitorTeamId, matchId_, this);
    if (dialog.exec() == QDialog::Accepted) Reopen();
}

void TScoreForm::EditStadiums() {
    const int selected = stadium_->currentData().isValid() ? stadium_->currentData().toInt() : -1;
    TPeopleForm dialog(TPeopleKind::Stadiums, *doc_, dialogs_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    // The list anew, the stadium kept while it is still there.
    const bool was = filling_;
    filling_ = true;
    stadium_->clear();
    stadium_->addItem(QString(), -1);
    for (const TStadium& st : doc_->Tournament().Stadiums)
        stadium_->addItem(ChoiceText(doc_->Tournament().Stadiums, st), st.Id);
    const int at = stadium_->findData(selected);
    stadium_->setCurrentIndex(std::max(0, at));
    filling_ = was;
    if (at < 0 && selected != -1) Changed();
}

int TScoreForm::Page() const {
    return pages_->currentIndex();
}

void TScoreForm::ShowPage(int page) {
    pageList_->setCurrentRow(std::clamp(page, 0, pages_->count() - 1));
}

void TScoreForm::FocusFirstField() {
    // The first field of the page shown in tab order that can take the focus.
    QWidget* page = pages_->currentWidget();
    for (QWidget* w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (!page->isAncestorOf(w)) continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && !w->isHidden() &&
            w->isVisibleTo(page)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

void TScoreForm::Focus(int page, const QString& field) {
    ShowPage(page);
    if (QWidget* w = findChild<QWidget*>(field)) w->setFocus();
}

bool TScoreForm::eventFilter(QObject* watched, QEvent* event) {
    // Numbers take digits (and a minus sign for the temperature) as they are typed; pasted text
    // is checked on OK.
    if (event->type() == QEvent::KeyPress) {
        const int kind = watched->property(kDigitsOnly).toInt();
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString text = key->text();
        if (kind > 0 && !text.isEmpty() && text.at(0).isPrint() &&
            !(key->modifiers() & Qt::ControlModifier)) {
            const QChar c = text.at(0);
            if (!c.isDigit() && !(kind == 2 && c == QLatin1Char('-'))) return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TScoreForm::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Page Up and Ctrl+Page Down step through the pages, round and round.
    if (event->modifiers() & Qt::ControlModifier) {
        const int n = pages_->count();
        if (event->key() == Qt::Key_PageDown) {
            ShowPage((Page() + 1) % n);
            return;
        }
        if (event->key() == Qt::Key_PageUp) {
            ShowPage((Page() + n - 1) % n);
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

} // namespace kv
