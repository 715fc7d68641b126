#pragma once

#include "standings/points_rules.h"

#include <QWidget>

class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;

// The points rules: what each result is worth, overtime and shoot-outs, and the default score
// of a forfeited match. What is shown follows the sport and the switches.
namespace kv {

class TPtsTableFrame : public QWidget {
    Q_OBJECT
public:
    explicit TPtsTableFrame(QWidget* parent = nullptr);

    void Load(const TPointsRules& rules);
    // The sport's defaults.
    void SetSport(int sport);
    TPointsRules Rules() const;

    // The fields by the rule names of the points rules: WinPoints, DrawPoints, LossPoints,
    // WinOTPoints, LossOTPoints, WinSOPoints, LossSOPoints, ForfeitPenalty, ForfeitLossScore,
    // ForfeitWinScore.
    QDoubleSpinBox* Field(const QString& name) const;

signals:
    void Changed();

private:
    QDoubleSpinBox* AddField(const char* name, double most);
    void Refresh();

    int sport_ = 1;
    QCheckBox* calculate_ = nullptr;
    QCheckBox* overtime_ = nullptr;
    QCheckBox* shootOuts_ = nullptr;
    QGroupBox* pointsPanel_ = nullptr;
    QLabel* firstRow_ = nullptr;
    QLabel* drawLabel_ = nullptr;
    QLabel* penaltyLabel_ = nullptr;
    std::vector<QDoubleSpinBox*> fields_;
    bool loading_ = false;
};

} // namespace kv
