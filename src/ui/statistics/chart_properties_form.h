#pragma once

#include "render/chart.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;

// "Chart Properties": the title, depth, axes, bars, lines and legend of the charts. The
// settings are stored for every chart; the title texts belong to the chart shown.
namespace kv {

class TDialogSeam;

class TChartPropertiesForm : public QDialog {
    Q_OBJECT
public:
    enum TPage {
        PageTitle,
        Page3D,
        PageXAxis,
        PageYAxis,
        PageBars,
        PageLines,
        PageLegend,
        PageCount
    };

    TChartPropertiesForm(const TChartData& chart, const TChartSettings& settings,
                         TDialogSeam& dialogs, QWidget* parent = nullptr);

    // What OK took: the settings (stored) and the chart with its new titles.
    const TChartSettings& Settings() const { return settings_; }
    const TChartData& Data() const { return data_; }
    static QString PageKey(int page);

    void accept() override;

private:
    QWidget* BuildTitlePage();
    QWidget* Build3DPage();
    QWidget* BuildAxisPage(bool x);
    QWidget* BuildBarsPage();
    QWidget* BuildLinesPage();
    QWidget* BuildLegendPage();
    QWidget* FontButton(QWidget* parent, const char* name, int textId, const char* text,
                        TFontData* font);
    // False, with the message shown and the field focused, when an angle is not a whole number.
    bool TakeAngle(QComboBox* box, int& angle);

    TChartData data_;
    TChartSettings settings_;
    TChartSettings edited_;
    TDialogSeam& dialogs_;
    QTabWidget* pages_ = nullptr;
    QPlainTextEdit* title_ = nullptr;
    QCheckBox* view3D_ = nullptr;
    QSpinBox* percent3D_ = nullptr;
    QCheckBox* labels_[2] = {};
    QComboBox* angles_[2] = {};
    QLineEdit* axisTitles_[2] = {};
    QComboBox* barStyle_ = nullptr;
    QCheckBox* colorEach_ = nullptr;
    QCheckBox* marks_ = nullptr;
    QSpinBox* lineWidth_ = nullptr;
    QCheckBox* stairs_ = nullptr;
    QCheckBox* points_ = nullptr;
    QSpinBox* pointWidth_ = nullptr;
    QSpinBox* pointHeight_ = nullptr;
    QComboBox* pointStyle_ = nullptr;
    QCheckBox* legend_ = nullptr;
    QComboBox* legendPosition_ = nullptr;
};

} // namespace kv
