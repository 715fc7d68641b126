#include "ui/setup/format_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "edit/edits.h"
#include "edit/format_edit.h"
#include "edit/tournament_document.h"
#include "standings/tournament_setup.h"
#include "ui/setup/main_table_frame.h"
#include "ui/setup/points_rules_frame.h"
#include "ui/setup/sort_frame.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

TReglamentForm::TReglamentForm(TTournamentDocument& doc, QWidget* parent)
    : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("TReglamentForm"));
    const TTournament& t = doc.Tournament();
    setWindowTitle(Fmt(QStringLiteral("%s - %s"), LangText(8200, "Format"), t.Name));
    auto* layout = new QVBoxLayout(this);
    pages_ = Named(new QTabWidget(this), "Pages");
    main_ = new TMainTableFrame(pages_);
    main_->SetNameShown(false);
    TNamePage page;
    page.Name = t.Name;
    page.Sport = t.Sport;
    page.Conferences = t.HasConferences();
    page.GroupLegs = t.GroupLegs;
    page.ConferenceLegs = std::max(1, t.ConferenceLegs);
    page.InterConferenceLegs = std::max(1, t.InterConferenceLegs);
    main_->Load(page);
    points_ = new TPtsTableFrame(pages_);
    points_->Load(TPointsRules::FromTournament(t));
    sort_ = new TSortFrame(pages_);
    const TFormatEdit now = TFormatEdit::Of(t);
    TSortFrame::TState state;
    state.Sport = now.Sport;
    state.Overtime = t.Overtime;
    state.MainColumn = ImpliedMainCriterion(now.Rules).Column;
    state.Conferences = t.HasConferences();
    state.Criteria = now.TieBreaks;
    state.LeadersUp = t.RankLeadersUp;
    state.StillLevel = t.HeadToHeadStillLevel;
    sort_->Load(state);
    pages_->addTab(main_, LangText(8202, "&Main"));
    pages_->addTab(points_, LangText(8203, "&Points accounting"));
    pages_->addTab(sort_, LangText(8204, "Team &Ranking"));
    layout->addWidget(pages_);
    layout->addWidget(MakeDialogButtons(*this, false).Box);

    // A new sport brings its own points and criteria.
    connect(main_, &TMainTableFrame::SportChanged, this, [this](int sport) {
        if (sport < 0) return;
        points_->SetSport(sport);
        sort_->SetSport(sport, points_->Rules().Overtime);
    });
    connect(points_, &TPtsTableFrame::Changed, this, [this] {
        criteriaChanged_ = true;
        const TPointsRules rules = points_->Rules();
        sort_->SetMainColumn(ImpliedMainCriterion(rules).Column);
        sort_->SetSport(main_->Sport(), rules.Overtime);
    });
    connect(sort_, &TSortFrame::Changed, this, [this] { criteriaChanged_ = true; });
    resize(640, 440);
}

void TReglamentForm::accept() {
    const TTournament& t = doc_.Tournament();
    const TNamePage page = main_->Page();
    TNewTournament legs;
    legs.GroupLegs = page.GroupLegs;
    legs.ConferenceLegs = page.ConferenceLegs;
    legs.InterConferenceLegs = page.InterConferenceLegs;
    if (t.HasConferences()) legs.Conferences.resize(1);
    if (const TStructureCheck check = CheckNewLegs(legs); !check.Ok) {
        ShowAppMessage(check.Message, TMessageKind::Information);
        pages_->setCurrentWidget(main_);
        main_->FocusField(FieldLegs);
        return;
    }
    TFormatEdit e;
    e.Sport = page.Sport;
    e.GroupLegs = page.GroupLegs;
    e.ConferenceLegs = t.HasConferences() ? page.ConferenceLegs : 0;
    e.InterConferenceLegs = t.HasConferences() ? page.InterConferenceLegs : 0;
    e.Rules = points_->Rules();
    e.CriteriaChanged = criteriaChanged_;
    e.TieBreaks = sort_->Active();
    e.LeadersUp = sort_->LeadersUp();
    e.StillLevel = sort_->StillLevel();
    if (LegsQuestionNeeded(t, e) &&
        ShowAppMessage(
            LangText(8201,
                     "Number of legs has been changed. Some matches can be deleted. Continue?"),
            TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    if (ShootOutsDropDraws(t, e) &&
        ShowAppMessage(
            LangText(8205,
                     "A match decided by a shoot-out cannot end drawn: the drawn matches will be "
                     "deleted. Continue?"),
            TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    if (const int decided = ShootOutsDrawResults(t, e);
        decided > 0 &&
        ShowAppMessage(
            Fmt(LangText(
                    8206,
                    "%d result(s) were decided by shoot-outs. Without shoot-outs they stand as "
                    "draws: the winner's shoot-out goal is taken off the score. Continue?"),
                decided),
            TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    edit::SetFormat(doc_, e);
    QDialog::accept();
}

} // namespace kv
