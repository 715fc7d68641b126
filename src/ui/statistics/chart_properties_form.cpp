#include "ui/statistics/chart_properties_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <array>

namespace kv {

namespace {

QCheckBox* Check(QWidget* parent, const char* name, int id, const char* text, bool on) {
    auto* box = Named(new QCheckBox(LangText(id, text), parent), name);
    box->setChecked(on);
    return box;
}

QSpinBox* Spin(QWidget* parent, const char* name, int low, int high, int value, int step = 1) {
    auto* spin = Named(new QSpinBox(parent), name);
    spin->setRange(low, high);
    spin->setSingleStep(step);
    spin->setValue(value);
    return spin;
}

QFormLayout* Form(QWidget* page) {
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft);
    return form;
}

} // namespace

TChartPropertiesForm::TChartPropertiesForm(const TChartData& chart, const TChartSettings& settings,
                                           TDialogSeam& dialogs, QWidget* parent)
    : QDialog(parent), data_(chart), settings_(settings), edited_(settings), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TChartPropertiesForm"));
    setWindowTitle(LangText(10100, "Chart Properties"));
    auto* layout = new QVBoxLayout(this);
    pages_ = Named(new QTabWidget(this), "ChartPages");
    pages_->addTab(BuildTitlePage(), LangText(10101, "T&itle"));
    pages_->addTab(Build3DPage(), LangText(10110, "3D"));
    pages_->addTab(BuildAxisPage(true), LangText(10120, "&X Axis"));
    pages_->addTab(BuildAxisPage(false), LangText(10121, "&Y Axis"));
    pages_->addTab(BuildBarsPage(), LangText(10200, "&Bars"));
    pages_->addTab(BuildLinesPage(), LangText(10220, "&Lines"));
    pages_->addTab(BuildLegendPage(), LangText(10240, "Le&gend"));
    layout->addWidget(pages_);
    layout->addWidget(MakeDialogButtons(*this, false).Box);
    resize(sizeHint().expandedTo(QSize(440, 320)));
}

QString TChartPropertiesForm::PageKey(int page) {
    static const std::array<const char*, PageCount> keys = {"title", "3d",    "x-axis", "y-axis",
                                                            "bars",  "lines", "legend"};
    return QLatin1String(keys.at(static_cast<size_t>(page)));
}

QWidget* TChartPropertiesForm::FontButton(QWidget* parent, const char* name, int textId,
                                          const char* text, TFontData* font) {
    auto* button = Named(new QPushButton(LangText(textId, text), parent), name);
    connect(button, &QPushButton::clicked, this, [this, font, button] {
        TFontData chosen = *font;
        if (dialogs_.ChooseFont(this, button->text().remove(QLatin1Char('&')), chosen))
            *font = chosen;
    });
    return button;
}

QWidget* TChartPropertiesForm::BuildTitlePage() {
    auto* page = new QWidget(this);
    auto* form = Form(page);
    title_ = Named(new QPlainTextEdit(data_.Title, page), "TitleEdit");
    title_->setTabChangesFocus(true);
    title_->setMinimumSize(320, 70);
    title_->setMaximumHeight(90);
    auto* label = new QLabel(LangText(10102, "&Text:"), page);
    label->setBuddy(title_);
    form->addRow(label, title_);
    form->addRow(QString(),
                 FontButton(page, "TitleFontButton", 10103, "&Font...", &edited_.TitleFont));
    return page;
}

QWidget* TChartPropertiesForm::Build3DPage() {
    auto* page = new QWidget(this);
    auto* form = Form(page);
    view3D_ = Check(page, "View3DCheck", 10111, "&3 Dimensions", settings_.View3D);
    percent3D_ = Spin(page, "Percent3DSpin", 1, 100, settings_.Percent3D, 5);
    percent3D_->setEnabled(view3D_->isChecked());
    connect(view3D_, &QCheckBox::toggled, percent3D_, &QWidget::setEnabled);
    auto* label = new QLabel(LangText(10112, "3&D %:"), page);
    label->setBuddy(percent3D_);
    form->addRow(view3D_);
    form->addRow(label, percent3D_);
    return page;
}

QWidget* TChartPropertiesForm::BuildAxisPage(bool x) {
    const int i = x ? 0 : 1;
    auto* page = new QWidget(this);
    auto* form = Form(page);
    labels_[i] = Check(page, x ? "XLabelsCheck" : "YLabelsCheck", 10122, "&Show Labels",
                       x ? settings_.XLabelsVisible : settings_.YLabelsVisible);
    angles_[i] = Named(new QComboBox(page), x ? "XAngleBox" : "YAngleBox");
    angles_[i]->setEditable(true);
    angles_[i]->addItems({QStringLiteral("0"), QStringLiteral("90"), QStringLiteral("180"),
                          QStringLiteral("270"), QStringLiteral("360")});
    angles_[i]->setEditText(QString::number(x ? settings_.XLabelsAngle : settings_.YLabelsAngle));
    axisTitles_[i] = Named(new QLineEdit(x ? data_.BottomTitle : data_.LeftTitle, page),
                           x ? "XTitleEdit" : "YTitleEdit");
    axisTitles_[i]->setMinimumWidth(220);
    auto* angleLabel = new QLabel(LangText(10123, "Labels &Angle:"), page);
    angleLabel->setBuddy(angles_[i]);
    auto* titleLabel = new QLabel(LangText(10124, "&Title"), page);
    titleLabel->setBuddy(axisTitles_[i]);
    form->addRow(labels_[i]);
    form->addRow(angleLabel, angles_[i]);
    form->addRow(QString(),
                 FontButton(page, x ? "XLabelsFontButton" : "YLabelsFontButton", 10125,
                            "Labels &Font...", x ? &edited_.XLabelsFont : &edited_.YLabelsFont));
    form->addRow(titleLabel, axisTitles_[i]);
    form->addRow(QString(),
                 FontButton(page, x ? "XTitleFontButton" : "YTitleFontButton", 10126,
                            "Title F&ont...", x ? &edited_.XTitleFont : &edited_.YTitleFont));
    return page;
}

QWidget* TChartPropertiesForm::BuildBarsPage() {
    auto* page = new QWidget(this);
    auto* form = Form(page);
    barStyle_ = Named(new QComboBox(page), "BarStyleBox");
    static const std::array<const char*, kBarStyleCount> names = {
        "Rectangle", "Pyramid", "Inverted Pyramid",  "Cylinder",
        "Ellipse",   "Arrow",   "Rectangle Gradient"};
    static const std::array<int, kBarStyleCount> ids = {10204, 10206, 10207, 10208,
                                                        10209, 10210, 10205};
    for (const int style : kBarStylesListed) {
        const auto at = static_cast<size_t>(style);
        barStyle_->addItem(LangText(ids.at(at), names.at(at)), style);
    }
    barStyle_->setCurrentIndex(barStyle_->findData(settings_.BarStyle));
    colorEach_ = Check(page, "ColorEachCheck", 10211, "Color &Each", settings_.BarColorEach);
    marks_ = Check(page, "MarksCheck", 10212, "Show &Marks", settings_.BarMarksVisible);
    auto* label = new QLabel(LangText(10203, "Bar &Style:"), page);
    label->setBuddy(barStyle_);
    form->addRow(label, barStyle_);
    form->addRow(colorEach_);
    form->addRow(marks_);
    return page;
}

QWidget* TChartPropertiesForm::BuildLinesPage() {
    auto* page = new QWidget(this);
    auto* form = Form(page);
    lineWidth_ = Spin(page, "LineWidthSpin", 1, 10, settings_.LineBorderWidth);
    stairs_ = Check(page, "StairsCheck", 10222, "&Stairs", settings_.LineStairs);
    points_ = Check(page, "PointsCheck", 10223, "Show &Points", settings_.LinePoints);
    pointWidth_ = Spin(page, "PointWidthSpin", 1, 30, settings_.LinePointWidth);
    pointHeight_ = Spin(page, "PointHeightSpin", 1, 30, settings_.LinePointHeight);
    pointStyle_ = Named(new QComboBox(page), "PointStyleBox");
    pointStyle_->addItems({LangText(10227, "Rectangle"), LangText(10228, "Circle"),
                           LangText(10229, "Triangle"), LangText(10230, "Diamond")});
    pointStyle_->setCurrentIndex(settings_.LinePointStyle);
    const auto follow = [this](bool on) {
        pointWidth_->setEnabled(on);
        pointHeight_->setEnabled(on);
        pointStyle_->setEnabled(on);
    };
    follow(points_->isChecked());
    connect(points_, &QCheckBox::toggled, this, follow);
    form->addRow(LangText(10221, "Line &Width:"), lineWidth_);
    form->addRow(stairs_);
    form->addRow(points_);
    form->addRow(LangText(10224, "Point Wi&dth:"), pointWidth_);
    form->addRow(LangText(10225, "Point H&eight:"), pointHeight_);
    form->addRow(LangText(10226, "P&oint Style:"), pointStyle_);
    return page;
}

QWidget* TChartPropertiesForm::BuildLegendPage() {
    auto* page = new QWidget(this);
    auto* form = Form(page);
    legend_ = Check(page, "LegendCheck", 10241, "&Visible", settings_.LegendVisible);
    legendPosition_ = Named(new QComboBox(page), "LegendPositionBox");
    legendPosition_->addItems({LangText(10243, "Left"), LangText(10244, "Right"),
                               LangText(10245, "Top"), LangText(10246, "Bottom")});
    legendPosition_->setCurrentIndex(settings_.LegendPosition);
    auto* label = new QLabel(LangText(10242, "&Position:"), page);
    label->setBuddy(legendPosition_);
    form->addRow(legend_);
    form->addRow(label, legendPosition_);
    form->addRow(QString(),
                 FontButton(page, "LegendFontButton", 10247, "&Font...", &edited_.LegendFont));
    return page;
}

bool TChartPropertiesForm::TakeAngle(QComboBox* box, int& angle) {
    if (ChartAngleFromText(box->currentText(), angle)) return true;
    ShowAppMessage(Fmt(LangText(10350, "'%s' is not a valid integer value"), box->currentText()),
                   TMessageKind::Information);
    pages_->setCurrentWidget(box->parentWidget());
    box->setFocus();
    return false;
}

void TChartPropertiesForm::accept() {
    TChartSettings s = edited_;
    if (!TakeAngle(angles_[0], s.XLabelsAngle) || !TakeAngle(angles_[1], s.YLabelsAngle)) return;
    s.View3D = view3D_->isChecked();
    s.Percent3D = percent3D_->value();
    s.XLabelsVisible = labels_[0]->isChecked();
    s.YLabelsVisible = labels_[1]->isChecked();
    s.BarStyle = barStyle_->currentData().toInt();
    s.BarColorEach = colorEach_->isChecked();
    s.BarMarksVisible = marks_->isChecked();
    s.LineBorderWidth = lineWidth_->value();
    s.LineStairs = stairs_->isChecked();
    s.LinePoints = points_->isChecked();
    s.LinePointWidth = pointWidth_->value();
    s.LinePointHeight = pointHeight_->value();
    s.LinePointStyle = pointStyle_->currentIndex();
    s.LegendVisible = legend_->isChecked();
    s.LegendPosition = legendPosition_->currentIndex();
    settings_ = s;
    settings_.Save();
    data_.Title = title_->toPlainText();
    data_.BottomTitle = axisTitles_[0]->text();
    data_.LeftTitle = axisTitles_[1]->text();
    QDialog::accept();
}

} // namespace kv
