#include "ui/new_tournament_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "model/sport.h"
#include "standings/ranking.h"
#include "storage/tournament_file.h"
#include "ui/group_frame.h"
#include "ui/help_topics.h"
#include "ui/list_model.h"
#include "ui/main_table_frame.h"
#include "ui/pts_table_frame.h"
#include "ui/sort_frame.h"
#include "ui/structure_model.h"
#include "ui/widget_names.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace kv {

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
    setPage(PageStart, MakeStartPage());
    setPage(PageSource, MakeSourcePage());
    setPage(PageType, MakeTypePage());
    setPage(PageName, MakePage(LangText(7521, "Name, file and sport"), mainFrame_));
    setPage(PagePoints, MakePage(LangText(7522, "Points accounting"), pointsFrame_));
    setPage(PageStructure, MakePage(LangText(7523, "Groups/Divisions and Teams"), groupFrame_));
    setPage(PageRanking, MakePage(LangText(7524, "Team Ranking"), sortFrame_));
    setStartId(PageStart);
    connect(pointsFrame_, &TPtsTableFrame::Changed, this, [this] {
        const TPointsRules rules = pointsFrame_->Rules();
        sortFrame_->SetMainColumn(ImpliedMainCriterion(rules).Column);
    });
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
    scratch_->setChecked(true);
    layout->addWidget(scratch_);
    layout->addWidget(existing_);
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
        return existing_->isChecked() ? PageSource : PageType;
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
    auto source = std::make_unique<TTournament>();
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
    const bool conferences = copying ? source_->HasConferences() : conferencesSystem_->isChecked();
    switch (id) {
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
            }
            mainFrame_->Load(page);
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
        const int basis =
            (copying ? 2 : 0) + (copying && choice.Teams ? 4 : 0) + (conferences ? 1 : 0);
        if (structureFor_ != basis) {
            groupFrame_->SetTree(copying && choice.Teams ? TStructureTree::Of(*source_)
                                                         : TStructureTree(conferences));
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
    const TIoResult saved = SaveTournament(*t, spec.FileName, false);
    if (!saved) {
        ShowAppMessage(saved.Message, TMessageKind::Error);
        return;
    }
    created_ = TNodeData{NodeTournament, t->Sport, t->Name, spec.FileName};
    QWizard::accept();
}

} // namespace kv
