#include "ui/setup/points_rules_frame.h"

#include "base/language.h"
#include "model/sport.h"
#include "ui/widgets/widget_names.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kv {

TPtsTableFrame::TPtsTableFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TPtsTableFrame"));
    auto* layout = new QVBoxLayout(this);
    calculate_ =
        Named(new QCheckBox(LangText(7580, "Calculate &points"), this), "CalculatePointsBox");
    layout->addWidget(calculate_);

    pointsPanel_ = Named(new QGroupBox(LangText(7581, "Points awarded"), this), "PointsPanel");
    auto* grid = new QGridLayout(pointsPanel_);
    grid->addWidget(new QLabel(LangText(7582, "Win:"), pointsPanel_), 0, 1);
    drawLabel_ = new QLabel(LangText(7583, "Draw/Tie:"), pointsPanel_);
    grid->addWidget(drawLabel_, 0, 2);
    grid->addWidget(new QLabel(LangText(7584, "Loss:"), pointsPanel_), 0, 3);
    firstRow_ = new QLabel(pointsPanel_);
    grid->addWidget(firstRow_, 1, 0);
    grid->addWidget(AddField("WinPoints", 9), 1, 1);
    grid->addWidget(AddField("DrawPoints", 9), 1, 2);
    grid->addWidget(AddField("LossPoints", 9), 1, 3);
    overtime_ = Named(new QCheckBox(pointsPanel_), "OvertimeBox");
    grid->addWidget(overtime_, 2, 0);
    grid->addWidget(AddField("WinOTPoints", 9), 2, 1);
    grid->addWidget(AddField("LossOTPoints", 9), 2, 3);
    shootOuts_ = Named(new QCheckBox(LangText(7588, "&Shoot-outs:"), pointsPanel_), "ShootOutsBox");
    grid->addWidget(shootOuts_, 3, 0);
    grid->addWidget(AddField("WinSOPoints", 9), 3, 1);
    grid->addWidget(AddField("LossSOPoints", 9), 3, 3);
    penaltyLabel_ = new QLabel(LangText(7585, "Points to &deduct:"), pointsPanel_);
    QDoubleSpinBox* penalty = AddField("ForfeitPenalty", 9);
    penaltyLabel_->setBuddy(penalty);
    penaltyLabel_->setToolTip(LangText(7589, "Deducted from a team that forfeits a match"));
    grid->addWidget(penaltyLabel_, 4, 0);
    grid->addWidget(penalty, 4, 1);
    grid->setColumnStretch(4, 1);
    layout->addWidget(pointsPanel_);

    auto* forfeit = Named(new QGroupBox(LangText(7586, "Forfeited match"), this), "ForfeitPanel");
    auto* row = new QHBoxLayout(forfeit);
    auto* scoreLabel = new QLabel(LangText(7587, "De&fault score:"), forfeit);
    QDoubleSpinBox* lossScore = AddField("ForfeitLossScore", 500);
    scoreLabel->setBuddy(lossScore);
    row->addWidget(scoreLabel);
    row->addWidget(lossScore);
    row->addWidget(new QLabel(QStringLiteral(":"), forfeit));
    row->addWidget(AddField("ForfeitWinScore", 500));
    row->addStretch();
    forfeit->setToolTip(
        LangText(7590, "The score of the team that forfeited : the score of the other team"));
    layout->addWidget(forfeit);
    layout->addStretch();

    for (QCheckBox* box : {calculate_, overtime_, shootOuts_})
        connect(box, &QCheckBox::toggled, this, [this] {
            if (loading_) return;
            Refresh();
            emit Changed();
        });
    Load(TPointsRules::ForSport(SportSoccer));
}

QDoubleSpinBox* TPtsTableFrame::AddField(const char* name, double most) {
    auto* field = new QDoubleSpinBox(this);
    field->setObjectName(QLatin1String(name));
    field->setRange(0, most);
    field->setDecimals(0);
    field->setMinimumWidth(64);
    connect(field, &QDoubleSpinBox::valueChanged, this, [this] {
        if (!loading_) emit Changed();
    });
    fields_.push_back(field);
    return field;
}

QDoubleSpinBox* TPtsTableFrame::Field(const QString& name) const {
    for (QDoubleSpinBox* f : fields_)
        if (f->objectName() == name) return f;
    return nullptr;
}

void TPtsTableFrame::Load(const TPointsRules& rules) {
    loading_ = true;
    sport_ = NormalizeSport(rules.Sport);
    // Chess counts in halves; every other sport in whole points.
    const int decimals = sport_ == SportChess ? 1 : 0;
    for (QDoubleSpinBox* f : fields_) {
        const bool score = f->maximum() > 9;
        f->setDecimals(score ? 0 : decimals);
        f->setSingleStep(score || decimals == 0 ? 1 : 0.5);
    }
    calculate_->setChecked(rules.CalculatePoints);
    overtime_->setChecked(rules.Overtime);
    shootOuts_->setChecked(rules.ShootOuts);
    Field(QStringLiteral("WinPoints"))->setValue(rules.Win);
    Field(QStringLiteral("DrawPoints"))->setValue(rules.Draw);
    Field(QStringLiteral("LossPoints"))->setValue(rules.Loss);
    Field(QStringLiteral("WinOTPoints"))->setValue(rules.WinOT);
    Field(QStringLiteral("LossOTPoints"))->setValue(rules.LossOT);
    Field(QStringLiteral("WinSOPoints"))->setValue(rules.WinSO);
    Field(QStringLiteral("LossSOPoints"))->setValue(rules.LossSO);
    Field(QStringLiteral("ForfeitPenalty"))->setValue(rules.Penalty);
    Field(QStringLiteral("ForfeitLossScore"))->setValue(rules.ForfeitLossScore);
    Field(QStringLiteral("ForfeitWinScore"))->setValue(rules.ForfeitWinScore);
    loading_ = false;
    Refresh();
}

void TPtsTableFrame::SetSport(int sport) {
    Load(TPointsRules::ForSport(sport));
    emit Changed();
}

TPointsRules TPtsTableFrame::Rules() const {
    TPointsRules r;
    r.Sport = sport_;
    r.CalculatePoints = calculate_->isChecked();
    r.Overtime = overtime_->isChecked();
    r.ShootOuts = shootOuts_->isChecked();
    r.Win = Field(QStringLiteral("WinPoints"))->value();
    r.Draw = Field(QStringLiteral("DrawPoints"))->value();
    r.Loss = Field(QStringLiteral("LossPoints"))->value();
    r.WinOT = Field(QStringLiteral("WinOTPoints"))->value();
    r.LossOT = Field(QStringLiteral("LossOTPoints"))->value();
    r.WinSO = Field(QStringLiteral("WinSOPoints"))->value();
    r.LossSO = Field(QStringLiteral("LossSOPoints"))->value();
    r.Penalty = Field(QStringLiteral("ForfeitPenalty"))->value();
    r.ForfeitLossScore = Field(QStringLiteral("ForfeitLossScore"))->value();
    r.ForfeitWinScore = Field(QStringLiteral("ForfeitWinScore"))->value();
    return r;
}

void TPtsTableFrame::Refresh() {
    TPointsRules rules = Rules();
    const TPointsLayout l = ApplyPointsLayout(rules);
    loading_ = true;
    overtime_->setChecked(rules.Overtime);
    shootOuts_->setChecked(rules.ShootOuts);
    loading_ = false;
    calculate_->setVisible(l.CalculatePointsShown);
    pointsPanel_->setVisible(l.PointsPanelShown);
    firstRow_->setText(l.FirstRowLabel);
    firstRow_->setBuddy(Field(QStringLiteral("WinPoints")));
    drawLabel_->setVisible(l.DrawShown);
    Field(QStringLiteral("DrawPoints"))->setVisible(l.DrawShown);
    overtime_->setText(l.OvertimeCaption);
    overtime_->setVisible(l.OvertimeSwitchShown);
    Field(QStringLiteral("WinOTPoints"))->setVisible(l.OvertimeFieldsShown);
    Field(QStringLiteral("LossOTPoints"))->setVisible(l.OvertimeFieldsShown);
    shootOuts_->setVisible(l.ShootOutSwitchShown);
    Field(QStringLiteral("WinSOPoints"))->setVisible(l.ShootOutFieldsShown);
    Field(QStringLiteral("LossSOPoints"))->setVisible(l.ShootOutFieldsShown);
}

} // namespace kv
