#include "ui/setup/new_tournament_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "export/results_file.h"
#include "model/sport.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"
#include "ui/help/help_topics.h"
#include "ui/setup/group_frame.h"
#include "ui/setup/main_table_frame.h"
#include "ui/setup/points_rules_frame.h"
#include "ui/setup/results_file_frame.h"
#include "ui/setup/sort_frame.h"
#include "ui/setup/structure_model.h"
#include "ui/shell/list_model.h"
#include "ui/widgets/widget_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace kv {

namespace {

// The sport the last tournament was made for, where the next one starts.
QString LastSportKey() {
    return QStringLiteral("LastSport");
}

} // namespace

TNewTournamentForm::TNewTournamentForm(TTournamentList& list, TDialogSeam& dialogs, QWidget* parent)
    : QWizard(parent), list_(list), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TNewTournamentForm"));
    setWindowTitle(LangText(7500, "New Tournament Wizard"));
    setWizardStyle(QWizard::ClassicStyle);
    setOption(QWizard::HaveHelpButton, true);
    connect(this, &QWizard::helpRequested, this, [this] { ShowHelpTopic(HelpTopicFor(this)); });
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setButtonText(QWizard::NextButton, LangText(7501, "&Next >"));
    setButtonText(QWizard::BackButton, LangText(7502, "< &Back"));
    setButtonText(QWizard::FinishButton, LangText(7503, "&Finish"));
    setButtonText(QWizard::CancelButton, LangText(1001, "Cancel"));
    setButtonText(QWizard::HelpButton, LangText(7505, "&Help"));
    const struct {
        QWizard::WizardButton Button;
        const char* Name;
    } names[] = {{QWizard::NextButton, "NextBtn"},
                 {QWizard::BackButton, "BackBtn"},
                 {QWizard::FinishButton, "FinishBtn"},
                 {QWizard::CancelButton, "CancelBtn"},
                 {QWizard::HelpButton, "HelpBtn"}};
    for (const auto& n : names)
        button(n.Button)->setObjectName(QLatin1String(n.Name));

    mainFrame_ = new TMainTableFrame(this);
    pointsFrame_ = new TPtsTableFrame(this);
    groupFrame_ = new TGroupFrame(dialogs_, this);
    sortFrame_ = new TSortFrame(this);
    resultsFrame_ = new TResultsFileFrame(dialogs_, this);
    setPage(PageStart, MakeStartPage());
    setPage(PageSource, MakeSourcePage());
    setPage(PageType, MakeTypePage());
    setPage(PageName, MakePage(LangText(7521, "Name, file and sport"), mainFrame_));
    setPage(PagePoints, MakePage(LangText(7522, "Points accounting"), pointsFrame_));
    setPage(PageStructure, MakePage(LangText(7523, "Groups/Divisions and Teams"), groupFrame_));
    setPage(PageRanking, MakePage(LangText(7524, "Team Ranking"), sortFrame_));
    setPage(PageResults, MakePage(LangText(7571, "File of results"), resultsFrame_));
    setStartId(PageStart);
    connect(pointsFrame_, &TPtsTableFrame::Changed, this, [this] {
        const TPointsRules rules = pointsFrame_->Rules();
        sortFrame_->SetMainColumn(ImpliedMainCriterion(rules).Column);
    });
    // The file name follows the name until it is edited by hand.
    connect(&mainFrame_->NameEdit(), &QLineEdit::textEdited, this,
            &TNewTournamentForm::ProposeFileName);
    resize(760, 520);
}

TNewTournamentForm::~TNewTournamentForm() = default;

QWizardPage* TNewTournamentForm::MakePage(const QString& title, QWidget* content) {
    auto* page = new QWizardPage(this);
    page->setTitle(title);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(content);
    return page;
}

QWizardPage* TNewTournamentForm::MakeStartPage() {
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    scratch_ = Named(new QRadioButton(LangText(7506, "&Create tournament from scratch"), content),
                     "ScratchBtn");
    existing_ = Named(
        new QRadioButton(LangText(7507, "C&reate tournament from existing Kelvorandine tournament"),
                         content),
        "ExistingBtn");
    results_ = Named(
        new QRadioButton(LangText(7570, "Create tournament from a file of res&ults"), content),
        "ResultsBtn");
    scratch_->setChecked(true);
    layout->addWidget(scratch_);
    layout->addWidget(existing_);
    layout->addWidget(results_);
    layout->addStretch();
    return MakePage(LangText(7520, "How to start"), content);
}

QWizardPage* TNewTournamentForm::MakeSourcePage() {
    auto* content = new QWidget(this);
    auto* layout = new QHBoxLayout(content);
    listModel_ = new TTournamentListModel(list_, this);
    sourceView_ = Named(new QTreeView(content), "SourceTree");
    sourceView_->setModel(listModel_);
    sourceView_->setHeaderHidden(true);
    sourceView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sourceView_->setDragEnabled(false);
    sourceView_->expandAll();
    layout->addWidget(sourceView_, 1);
    auto* dataBox = new QGroupBox(LangText(7508, "Data to Copy"), content);
    auto* boxes = new QVBoxLayout(dataBox);
    const struct {
        const char* Name;
        int Id;
        const char* Text;
        bool On;
    } kinds[] = {{"CopyTeamsBox", 7509, "&Teams", true},
                 {"CopyStadiumsBox", 7510, "St&adiums", true},
                 {"CopyRefereesBox", 7511, "&Referees", true},
                 {"CopyAppearanceBox", 7512, "Tab&le Appearance", true},
                 {"CopyMatchesBox", 7513, "&Matches", false}};
    for (const auto& k : kinds) {
        auto* box = Named(new QCheckBox(LangText(k.Id, k.Text), dataBox), k.Name);
        box->setChecked(k.On);
        boxes->addWidget(box);
        copyBoxes_.push_back(box);
    }
    boxes->addStretch();
    layout->addWidget(dataBox);
    return MakePage(LangText(7519, "Source tournament"), content);
}

QWizardPage* TNewTournamentForm::MakeTypePage() {
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    auto* box = new QGroupBox(LangText(7514, "Tournament type"), content);
    auto* inner = new QVBoxLayout(box);
    groupSystem_ =
        Named(new QRadioButton(LangText(7515, "&Group system (one or more groups)"), box),
              "GroupSystemBtn");
    conferencesSystem_ =
        Named(new QRadioButton(LangText(7516, "&Conferences/divisions system"), box),
              "ConferencesSystemBtn");
    groupSystem_->setChecked(true);
    auto* hint = new QLabel(box);
    hint->setWordWrap(true);
    hint->setObjectName(QStringLiteral("TypeHint"));
    const auto showHint = [this, hint] {
        hint->setText(
            conferencesSystem_->isChecked()
                ? LangText(
                      7536,
                      "Creates a new tournament with conferences and divisions (some USA leagues)")
                : LangText(7535, "Creates a new tournament with one or more groups"));
    };
    connect(groupSystem_, &QRadioButton::toggled, this, showHint);
    showHint();
    inner->addWidget(groupSystem_);
    inner->addWidget(conferencesSystem_);
    inner->addSpacing(12);
    inner->addWidget(hint);
    layout->addWidget(box);
    layout->addStretch();
    return MakePage(LangText(7514, "Tournament type"), content);
}

QCheckBox& TNewTournamentForm::CopyBox(const char* objectName) const {
    for (QCheckBox* box : copyBoxes_)
        if (box->objectName() == QLatin1String(objectName)) return *box;
    return *copyBoxes_.front();
}

void TNewTournamentForm::SelectSource(const TListNode* node) {
    sourceView_->setCurrentIndex(listModel_->IndexOf(node));
}

TCopyChoice TNewTournamentForm::Choice() const {
    TCopyChoice c;
    c.Teams = CopyBox("CopyTeamsBox").isChecked();
    c.Stadiums = CopyBox("CopyStadiumsBox").isChecked();
    c.Referees = CopyBox("CopyRefereesBox").isChecked();
    c.Appearance = CopyBox("CopyAppearanceBox").isChecked();
    c.Matches = CopyBox("CopyMatchesBox").isChecked();
    return c;
}

int TNewTournamentForm::nextId() const {
    switch (currentId()) {
    case PageStart:
        return existing_->isChecked() ? PageSource : results_->isChecked() ? PageResults : PageType;
    case PageResults: // one group: no type to choose
        return PageName;
    case PageRanking:
        return -1;
    default:
        return currentId() + 1;
    }
}

bool TNewTournamentForm::validateCurrentPage() {
    switch (currentId()) {
    case PageSource:
        return LeaveSource();
    case PageName:
        return LeaveName();
    case PageResults:
        return LeaveResults();
    case PageStructure: {
        const QString fault = groupFrame_->Tree().Validate();
        if (fault.isEmpty()) return true;
        ShowAppMessage(fault, TMessageKind::Information);
        return false;
    }
    case PageRanking:
        // A sport that offers criteria needs one chosen; one that offers none ranks by the
        // main criterion alone.
        if (!sortFrame_->Active().empty() || !sortFrame_->HasOffered()) return true;
        ShowAppMessage(LangText(7569, "You have not chosen any sort criteria"),
                       TMessageKind::Information);
        return false;
    default:
        return true;
    }
}

// The source is loaded as the page is left; the pages after it follow it.
bool TNewTournamentForm::LeaveSource() {
    const TListNode* node = listModel_->NodeOf(sourceView_->currentIndex());
    if (!node || !node->IsTournament()) {
        ShowAppMessage(LangText(7518, "You have not selected source tournament"),
                       TMessageKind::Information);
        return false;
    }
    if (source_ && sourcePath_ == node->Data.FilePath) return true;
    auto source = std::make_unique<TTournament>(TTournamentDefaults::FromSettings());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const TIoResult loaded = LoadTournament(*source, node->Data.FilePath);
    QApplication::restoreOverrideCursor();
    if (!loaded) {
        ShowAppMessage(loaded.Message, TMessageKind::Error);
        return false;
    }
    source_ = std::move(source);
    sourcePath_ = node->Data.FilePath;
    namePageFilled_ = false;
    rankingFor_ = -1;
    pointsSport_ = -1;
    structureFor_ = -1;
    return true;
}

bool TNewTournamentForm::LeaveResults() {
    const QString problem = resultsFrame_->Problem();
    if (problem.isEmpty()) return true;
    ShowAppMessage(problem, TMessageKind::Information);
    return false;
}

void TNewTournamentForm::ProposeFileName() {
    QLineEdit& file = mainFrame_->FileEdit();
    if (!file.text().isEmpty() && file.text() != proposedFile_) return;
    proposedFile_ = ProposedFileName(mainFrame_->NameEdit().text());
    file.setText(proposedFile_);
}

bool TNewTournamentForm::LeaveName() {
    const TNameCheck check = CheckNamePage(list_, mainFrame_->Page());
    if (!check.FileName.isEmpty()) mainFrame_->FileEdit().setText(check.FileName);
    if (check.Message.isEmpty()) return true;
    ShowAppMessage(check.Message, TMessageKind::Information);
    mainFrame_->FocusField(check.Field);
    return false;
}

void TNewTournamentForm::initializePage(int id) {
    const bool copying = existing_->isChecked() && source_;
    const bool fromResults = results_->isChecked();
    const bool conferences = copying       ? source_->HasConferences()
                             : fromResults ? false
                                           : conferencesSystem_->isChecked();
    // Another reading of the results file fills the pages after it anew.
    if (fromResults && id == PageName && resultsFor_ != resultsFrame_->Generation()) {
        namePageFilled_ = false;
        structureFor_ = -1;
    }
    switch (id) {
    case PageResults:
        // Typing starts in the file's name, once the wizard has placed its own focus.
        QTimer::singleShot(0, &resultsFrame_->FileEdit(),
                           [this] { resultsFrame_->FileEdit().setFocus(Qt::OtherFocusReason); });
        break;
    case PageType:
        // A copy keeps the source's system.
        if (copying) (conferences ? conferencesSystem_ : groupSystem_)->setChecked(true);
        groupSystem_->setEnabled(!copying);
        conferencesSystem_->setEnabled(!copying);
        break;
    case PageName:
        if (!namePageFilled_ || mainFrame_->Conferences() != conferences) {
            TNamePage page;
            page.Conferences = conferences;
            if (copying) {
                page.Name = source_->Name;
                page.Sport = source_->Sport;
                page.GroupLegs = source_->GroupLegs;
                page.ConferenceLegs = std::max(1, source_->ConferenceLegs);
                page.InterConferenceLegs = std::max(1, source_->InterConferenceLegs);
            } else {
                page.Name = mainFrame_->NameEdit().text();
                page.FileName = mainFrame_->FileEdit().text();
                page.Sport = mainFrame_->Sport();
                page.GroupLegs = mainFrame_->Legs(0).value();
                if (page.Sport < 0) {
                    // The sport of the last tournament made, or the first of the list.
                    page.Sport = RegReadInteger(QString(), LastSportKey(), SportSoccer);
                    if (mainFrame_->SportBox().findData(NormalizeSport(page.Sport)) < 0)
                        page.Sport = SportSoccer;
                }
                if (fromResults) {
                    if (page.Name.isEmpty()) page.Name = resultsFrame_->SuggestedName();
                    page.GroupLegs = resultsFrame_->Teams().Legs;
                    resultsFor_ = resultsFrame_->Generation();
                }
            }
            const bool fileFollows = page.FileName.isEmpty() || page.FileName == proposedFile_;
            mainFrame_->Load(page);
            if (fileFollows) ProposeFileName();
            namePageFilled_ = true;
        }
        mainFrame_->SetSportLocked(copying);
        break;
    case PagePoints: {
        const int sport = mainFrame_->Sport();
        if (pointsSport_ != sport) {
            if (copying)
                pointsFrame_->Load(TPointsRules::FromTournament(*source_));
            else
                pointsFrame_->SetSport(sport);
            pointsSport_ = sport;
        }
        break;
    }
    case PageStructure: {
        const TCopyChoice choice = Choice();
        const int basis = (copying ? 2 : 0) + (copying && choice.Teams ? 4 : 0) +
                          (conferences ? 1 : 0) + (fromResults ? 8 : 0);
        if (structureFor_ != basis) {
            if (fromResults) {
                // One group of the file's teams.
                TStructureTree tree(false);
                const TStructureTree::TAdded group = tree.AddGroup(nullptr);
                tree.Rename(group.Node, ResultsGroupName());
                tree.ImportTeams(group.Node, resultsFrame_->Teams().Teams);
                groupFrame_->SetTree(std::move(tree));
            } else {
                groupFrame_->SetTree(copying && choice.Teams ? TStructureTree::Of(*source_)
                                                             : TStructureTree(conferences));
            }
            structureFor_ = basis;
        }
        break;
    }
    case PageRanking: {
        const TPointsRules rules = pointsFrame_->Rules();
        const int basis = mainFrame_->Sport() * 8 + (rules.Overtime ? 4 : 0) +
                          (conferences ? 2 : 0) + (copying ? 1 : 0);
        sortFrame_->SetMainColumn(ImpliedMainCriterion(rules).Column);
        if (basis == rankingFor_) break;
        rankingFor_ = basis;
        TSortFrame::TState state;
        state.Sport = mainFrame_->Sport();
        state.Overtime = rules.Overtime;
        state.MainColumn = ImpliedMainCriterion(rules).Column;
        state.Conferences = conferences;
        if (copying) {
            state.Criteria.assign(source_->SortCriteria.begin() +
                                      (source_->SortCriteria.empty() ? 0 : 1),
                                  source_->SortCriteria.end());
            state.LeadersUp = source_->RankLeadersUp;
            state.StillLevel = source_->HeadToHeadStillLevel;
        } else {
            state.Criteria = ProposedCriteria(state.Sport, state.Overtime);
        }
        sortFrame_->Load(state);
        break;
    }
    default:
        break;
    }
}

TNewTournament TNewTournamentForm::Spec() const {
    const TNamePage page = mainFrame_->Page();
    TNewTournament spec;
    spec.Name = page.Name.trimmed();
    spec.FileName = TTournamentList::SavesPath(TournamentFileName(page.FileName.trimmed()));
    spec.Sport = page.Sport;
    spec.GroupLegs = page.GroupLegs;
    spec.ConferenceLegs = page.Conferences ? page.ConferenceLegs : 0;
    spec.InterConferenceLegs = page.Conferences ? page.InterConferenceLegs : 0;
    spec.Rules = pointsFrame_->Rules();
    spec.Rules.Sport = page.Sport;
    spec.RankLeadersUp = sortFrame_->LeadersUp();
    spec.TieBreaks = sortFrame_->Active();
    return spec;
}

void TNewTournamentForm::accept() {
    const TNewTournament spec = Spec();
    const bool copying = existing_->isChecked() && source_;
    std::unique_ptr<TTournament> t =
        BuildTournament(spec, groupFrame_->Tree(), copying ? source_.get() : nullptr, Choice());
    t->HeadToHeadStillLevel = sortFrame_->StillLevel();
    std::vector<TImportRow> rows;
    if (results_->isChecked()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        rows = resultsFrame_->Rows();
        imported_ = ImportRows(*t, rows, resultsFrame_->Options());
        RecomputeAll(*t);
        QApplication::restoreOverrideCursor();
    }
    const TIoResult saved = SaveTournament(*t, spec.FileName, false);
    if (!saved) {
        ShowAppMessage(saved.Message, TMessageKind::Error);
        return;
    }
    RegWriteInteger(QString(), LastSportKey(), spec.Sport);
    created_ = TNodeData{NodeTournament, t->Sport, t->Name, spec.FileName};
    if (imported_.Failed > 0) ReportImport(rows);
    QWizard::accept();
}

// The rows of the file that did not import, with their line numbers, so that the user can
// mend the file or enter them by hand.
void TNewTournamentForm::ReportImport(const std::vector<TImportRow>& rows) {
    constexpr int kShown = 10;
    const int firstLine = resultsFrame_->HeadingsBox().isChecked() ? 2 : 1;
    QStringList lines;
    for (size_t i = 0; i < rows.size() && lines.size() < kShown; ++i)
        if (rows[i].Status == TRowStatus::Failed)
            lines << Fmt(LangText(7579, "Line %d: %s"), static_cast<int>(i) + firstLine,
                         rows[i].Message);
    if (imported_.Failed > kShown) lines << QStringLiteral("...");
    ShowAppMessage(Fmt(LangText(7591, "The tournament was made: %d matches added, %d failed."),
                       imported_.Added, imported_.Failed) +
                       QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')),
                   TMessageKind::Information);
}

void TNewTournamentForm::reject() {
    // Teams typed in or read from a file are work; a copy's or an empty tree is not.
    const bool copying = existing_->isChecked() && source_;
    if (structureFor_ >= 0 && !copying && groupFrame_->Tree().TeamCount() > 0 &&
        ShowAppMessage(LangText(7592, "Discard the new tournament and its teams?"),
                       TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    QWizard::reject();
}

} // namespace kv
