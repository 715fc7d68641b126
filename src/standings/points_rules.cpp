#include "standings/points_rules.h"

#include "base/language.h"
#include "model/sport.h"
#include "standings/ranking.h"

#include <QStringList>

#include <cmath>

namespace kv {

TPointsDefaults PointsDefaults(int sport) {
    switch (NormalizeSport(sport)) {
    case SportOther:
        return {2, 1, 1, 3, 0, 3, 0, 0, 3, 0, false};
    case SportSoccer:
        return {3, 1, 0, 3, 0, 3, 0, 0, 3, 0, false};
    case SportFutsal:
        return {3, 1, 0, 3, 0, 3, 0, 0, 5, 0, false};
    case SportHockey:
        return {3, 1, 0, 3, 1, 3, 1, 0, 5, 0, true};
    case SportBandy:
        return {2, 1, 0, 3, 0, 3, 0, 0, 0, 0, false};
    case SportBasketball:
        return {2, 1, 0, 2, 0, 3, 0, 0, 0, 0, true};
    case SportVolleyball:
        return {2, 1, 1, 3, 0, 3, 0, 0, 3, 0, false};
    case SportHandball:
        return {2, 1, 0, 3, 0, 3, 0, 0, 10, 0, false};
    case SportWaterPolo:
        return {2, 1, 0, 3, 0, 3, 0, 0, 3, 0, false};
    case SportTennis:
        return {2, 1, 1, 3, 0, 3, 0, 0, 3, 0, false};
    case SportChess:
        return {1, 0.5, 0, 3, 0, 3, 0, 0, 1, 0, false};
    case SportUSFootball:
        return {2, 1, 0, 1, 1, 3, 0, 0, 0, 0, true};
    default:
        return {2, 1, 0, 3, 0, 3, 0, 0, 3, 0, false};
    }
}

TPointsRules TPointsRules::ForSport(int sport) {
    const int s = NormalizeSport(sport);
    const TPointsDefaults d = PointsDefaults(s);
    TPointsRules r;
    r.Sport = s;
    r.CalculatePoints = s != SportChess && s != SportUSFootball && s != SportBaseball;
    r.Overtime = s == SportHockey || s == SportBasketball;
    r.ShootOuts = false;
    r.Win = d.Win;
    r.Draw = d.Draw;
    r.Loss = d.Loss;
    r.WinOT = d.WinOT;
    r.LossOT = d.LossOT;
    r.WinSO = d.WinSO;
    r.LossSO = d.LossSO;
    r.ForfeitLossScore = d.ForfeitLossScore;
    r.ForfeitWinScore = d.ForfeitWinScore;
    r.Penalty = d.Penalty;
    return r;
}

TPointsRules TPointsRules::FromTournament(const TTournament& t) {
    TPointsRules r;
    r.Sport = t.Sport;
    r.CalculatePoints = t.SortCriteria.empty() || t.SortCriteria.front().Column == kColumnPoints;
    r.Overtime = t.Overtime;
    r.ShootOuts = t.ShootOuts;
    r.Win = t.WinPoints;
    r.Draw = t.DrawPoints;
    r.Loss = t.LossPoints;
    r.WinOT = t.WinOTPoints;
    r.LossOT = t.LossOTPoints;
    r.WinSO = t.WinSOPoints;
    r.LossSO = t.LossSOPoints;
    r.ForfeitLossScore = t.ForfeitLossScore;
    r.ForfeitWinScore = t.ForfeitWinScore;
    r.Penalty = t.ForfeitPenalty;
    return r;
}

bool DrawsPossible(int sport, bool shootOuts) {
    const int s = NormalizeSport(sport);
    return !(s == SportBasketball || s == SportVolleyball || s == SportTennis ||
             s == SportBaseball || shootOuts);
}

TPointsLayout ApplyPointsLayout(TPointsRules& rules) {
    const int s = NormalizeSport(rules.Sport);
    TPointsLayout l;
    l.CalculatePointsShown = s == SportBasketball;
    l.PointsPanelShown =
        rules.CalculatePoints && s != SportChess && s != SportUSFootball && s != SportBaseball;
    const bool awardedLabel =
        s == SportVolleyball || s == SportTennis || s == SportChess || s == SportBaseball;
    l.FirstRowLabel =
        awardedLabel ? LangText(7596, "&Points awarded:") : LangText(7597, "Norma&l Time:");
    l.DrawShown = DrawsPossible(s, rules.ShootOuts);
    l.OvertimeSwitchShown =
        (s >= SportSoccer && s <= SportBasketball) || s == SportHandball || s == SportWaterPolo;
    l.OvertimeCaption = QLatin1Char('&') + OvertimeWord(s) + QLatin1Char(':');
    if (!l.OvertimeSwitchShown) rules.Overtime = false;
    // Shoot-outs are offered where the sport has them.
    l.ShootOutSwitchShown = !ShootoutWord(s).isEmpty();
    if (!l.ShootOutSwitchShown) rules.ShootOuts = false;
    l.OvertimeFieldsShown = l.OvertimeSwitchShown && rules.Overtime;
    l.ShootOutFieldsShown = l.ShootOutSwitchShown && rules.ShootOuts;
    l.ForfeitPanelShown = true;
    return l;
}

void SaveRulesInto(TPointsRules rules, TTournament& t) {
    ApplyPointsLayout(rules);
    const int s = NormalizeSport(rules.Sport);
    const bool overtimeFields = rules.Overtime;
    const bool shootOutFields = rules.ShootOuts;
    t.Overtime = rules.Overtime || s == SportBasketball || s == SportUSFootball;
    t.ShootOuts = rules.ShootOuts;
    t.WinPoints = rules.Win;
    t.DrawPoints = rules.Draw;
    t.LossPoints = rules.Loss;
    t.WinOTPoints = overtimeFields ? rules.WinOT : rules.Win;
    t.LossOTPoints = overtimeFields ? rules.LossOT : rules.Loss;
    t.WinSOPoints = shootOutFields ? rules.WinSO : rules.Win;
    t.LossSOPoints = shootOutFields ? rules.LossSO : rules.Loss;
    t.ForfeitLossScore = rules.ForfeitLossScore;
    t.ForfeitWinScore = rules.ForfeitWinScore;
    t.ForfeitPenalty = rules.Penalty;
}

namespace {

struct TRuleField {
    const char* Name;
    double TPointsRules::*Number; // null for the switches
    bool TPointsRules::*Switch;
    double Max; // numbers run from 0 to this
};

constexpr TRuleField kRuleFields[] = {
    {"WinPoints", &TPointsRules::Win, nullptr, 9},
    {"DrawPoints", &TPointsRules::Draw, nullptr, 9},
    {"LossPoints", &TPointsRules::Loss, nullptr, 9},
    {"WinOTPoints", &TPointsRules::WinOT, nullptr, 9},
    {"LossOTPoints", &TPointsRules::LossOT, nullptr, 9},
    {"WinSOPoints", &TPointsRules::WinSO, nullptr, 9},
    {"LossSOPoints", &TPointsRules::LossSO, nullptr, 9},
    {"ForfeitLossScore", &TPointsRules::ForfeitLossScore, nullptr, 500},
    {"ForfeitWinScore", &TPointsRules::ForfeitWinScore, nullptr, 500},
    {"ForfeitPenalty", &TPointsRules::Penalty, nullptr, 9},
    {"Overtime", nullptr, &TPointsRules::Overtime, 1},
    {"ShootOuts", nullptr, &TPointsRules::ShootOuts, 1},
};

} // namespace

QStringList PointsRuleNames() {
    QStringList names;
    for (const TRuleField& f : kRuleFields)
        names << QLatin1String(f.Name);
    return names;
}

bool SetPointsRule(TPointsRules& rules, const QString& name, const QString& value, QString& error) {
    const TRuleField* field = nullptr;
    for (const TRuleField& f : kRuleFields)
        if (name.compare(QLatin1String(f.Name), Qt::CaseInsensitive) == 0) field = &f;
    if (!field) {
        error = QStringLiteral("unknown rule '%1' (known: %2)")
                    .arg(name, PointsRuleNames().join(QStringLiteral(", ")));
        return false;
    }
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    const int s = NormalizeSport(rules.Sport);
    if (field->Switch) {
        if (!ok || (number != 0 && number != 1)) {
            error =
                QStringLiteral("%1 takes 0 or 1, not '%2'").arg(QLatin1String(field->Name), value);
            return false;
        }
        TPointsRules probe = rules;
        probe.Overtime = true;
        const TPointsLayout layout = ApplyPointsLayout(probe);
        const bool forced = s == SportBasketball || s == SportUSFootball;
        if (field->Switch == &TPointsRules::Overtime) {
            if (number == 0 && forced) {
                error = QStringLiteral("Overtime is always on in %1").arg(SportEnglishName(s));
                return false;
            }
            if (number == 1 && !forced && !layout.OvertimeSwitchShown) {
                error = QStringLiteral("%1 has no overtime").arg(SportEnglishName(s));
                return false;
            }
        } else if (number == 1 && ShootoutWord(s).isEmpty()) {
            error = QStringLiteral("%1 has no shoot-outs").arg(SportEnglishName(s));
            return false;
        }
        rules.*(field->Switch) = number == 1;
        return true;
    }
    if (!ok || !std::isfinite(number) || number < 0 || number > field->Max) {
        error = QStringLiteral("%1 takes a number from 0 to %2, not '%3'")
                    .arg(QLatin1String(field->Name))
                    .arg(field->Max)
                    .arg(value);
        return false;
    }
    rules.*(field->Number) = number;
    return true;
}

TSortColumn ImpliedMainCriterion(const TPointsRules& rules) {
    return MainCriterion(rules.CalculatePoints, rules.Sport);
}

double PointsForOutcome(const TTournament& t, int outcome, int forfeit) {
    if (forfeit == 1) return t.LossPoints - t.ForfeitPenalty;
    if (forfeit == 2) return t.WinPoints;
    switch (outcome) {
    case OutcomeWin:
        return t.WinPoints;
    case OutcomeDraw:
    case OutcomeDrawOT:
        return t.DrawPoints;
    case OutcomeLoss:
        return t.LossPoints;
    case OutcomeWinOT:
        return t.WinOTPoints;
    case OutcomeLossOT:
        return t.LossOTPoints;
    case OutcomeWinSO:
        return t.WinSOPoints;
    case OutcomeLossSO:
        return t.LossSOPoints;
    default:
        return 0;
    }
}

} // namespace kv
