#include "ui/fixtures_columns_form.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "export/fixture_rows.h"
#include "ui/dialog_buttons.h"
#include "ui/dual_list.h"
#include "ui/tournament_document.h"
#include "ui/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

TFixturesColumnsForm::TFixturesColumnsForm(TTournamentDocument& doc, QWidget* parent)
    : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("TFixturesColumnsForm"));
    setWindowTitle(LangText(12400, "Fixture List Columns"));
    auto* layout = new QVBoxLayout(this);
    pages_ = Named(new QTabWidget(this), "PagesTab");
    pages_->addTab(BuildColumnsPage(), LangText(12401, "&Columns"));
    pages_->addTab(BuildSettingsPage(), LangText(12406, "&Settings"));
    layout->addWidget(pages_);
    const TDialogButtons buttons = MakeDialogButtons(*this, true);
    connect(buttons.Apply, &QPushButton::clicked, this, [this] { Apply(); });
    layout->addWidget(buttons.Box);
    resize(520, 420);
}

QWidget* TFixturesColumnsForm::BuildColumnsPage() {
    auto* page = Named(new QWidget(this), "ColumnsPage");
    auto* layout = new QVBoxLayout(page);
    lists_ = new TDualList(LangText(12402, "A&vailable Columns:"),
                           LangText(12403, "V&isible Columns"), page);
    const TTournament& t = doc_.Tournament();
    std::vector<std::pair<int, QString>> items;
    for (int c = 0; c < kFixtureColumnCount; ++c)
        items.emplace_back(c, FixtureColumnCaption(c, t.HasConferences()));
    lists_->SetItems(items, t.FixtureColumns);
    layout->addWidget(lists_, 1);
    auto* row = new QHBoxLayout;
    auto* save = Named(new QPushButton(LangText(12404, "Save &Default"), page), "SaveDefaultBtn");
    auto* load = Named(new QPushButton(LangText(12405, "&Load Default"), page), "LoadDefaultBtn");
    connect(save, &QPushButton::clicked, this, &TFixturesColumnsForm::SaveDefault);
    connect(load, &QPushButton::clicked, this, &TFixturesColumnsForm::LoadDefault);
    row->addWidget(save);
    row->addWidget(load);
    row->addStretch();
    layout->addLayout(row);
    return page;
}

QWidget* TFixturesColumnsForm::BuildSettingsPage() {
    auto* page = Named(new QWidget(this), "SettingsPage");
    auto* layout = new QVBoxLayout(page);
    auto* group =
        Named(new QGroupBox(LangText(12407, "Fixture Date Format"), page), "DateFormatGB");
    auto* grid = new QGridLayout(group);
    const QString today = FixtureDateText(NowDays(), true, -1);
    longDate_ =
        Named(new QCheckBox(Fmt(LangText(12408, "&Long Date Format (i.e. %s)"), today), group),
              "LongDateChB");
    const TFixtureFormat format = TFixtureFormat::Current();
    longDate_->setChecked(format.LongDate);
    dayOfWeek_ =
        Named(new QCheckBox(LangText(12409, "&Display Day of Week:"), group), "DayOfWeekChB");
    dayForm_ = Named(new QComboBox(group), "DayOfWeekCB");
    dayForm_->addItems(
        {LangText(12410, "Day of Week, Date"), LangText(12411, "Short Day of Week, Date"),
         LangText(12412, "Date (Day of Week)"), LangText(12413, "Date (Short Day of Week)")});
    const int day = format.DayOfWeek;
    dayOfWeek_->setChecked(day >= 0 && day <= 3);
    dayForm_->setCurrentIndex(day >= 0 && day <= 3 ? day : 0);
    dayForm_->setEnabled(dayOfWeek_->isChecked());
    auto* sampleLabel = new QLabel(LangText(12414, "Sample:"), group);
    sample_ = Named(new QLineEdit(group), "SampleEdit");
    sample_->setReadOnly(true);
    sampleLabel->setBuddy(sample_);
    grid->addWidget(longDate_, 0, 0, 1, 2);
    grid->addWidget(dayOfWeek_, 1, 0);
    grid->addWidget(dayForm_, 1, 1);
    grid->addWidget(sampleLabel, 2, 0);
    grid->addWidget(sample_, 2, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(group);
    layout->addStretch();
    connect(longDate_, &QCheckBox::toggled, this, &TFixturesColumnsForm::UpdateSample);
    connect(dayOfWeek_, &QCheckBox::toggled, this, [this](bool on) {
        dayForm_->setEnabled(on);
        UpdateSample();
    });
    connect(dayForm_, &QComboBox::currentIndexChanged, this, &TFixturesColumnsForm::UpdateSample);
    UpdateSample();
    return page;
}

void TFixturesColumnsForm::UpdateSample() {
    sample_->setText(FixtureDateText(NowDays(), longDate_->isChecked(),
                                     dayOfWeek_->isChecked() ? dayForm_->currentIndex() : -1));
}

void TFixturesColumnsForm::SaveDefault() {
    SaveDefaultFixtureColumns(lists_->Chosen());
}

void TFixturesColumnsForm::LoadDefault() {
    lists_->SetChosen(DefaultFixtureColumns());
}

bool TFixturesColumnsForm::Apply() {
    const std::vector<int> columns = lists_->Chosen();
    if (const QString refused = CheckFixtureColumns(columns, doc_.Tournament().HasConferences());
        !refused.isEmpty()) {
        ShowAppMessage(refused, TMessageKind::Information);
        pages_->setCurrentIndex(0);
        return false;
    }
    const int day = dayOfWeek_->isChecked() ? dayForm_->currentIndex() : -1;
    const TFixtureFormat before = TFixtureFormat::Current();
    TFixtureFormat::SaveDateFormat(longDate_->isChecked(), day);
    const bool formatChanged = !(TFixtureFormat::Current() == before);
    if (columns != doc_.Tournament().FixtureColumns)
        doc_.EditValue<std::vector<int>>(
            LangText(5228, "Set &Visible Columns").remove(QLatin1Char('&')), ChangeFixtures,
            [](TTournament& t) { return &t.FixtureColumns; }, columns);
    else if (formatChanged)
        doc_.ValueChanged(ChangeFixtures); // the dates are written anew
    return true;
}

void TFixturesColumnsForm::accept() {
    if (Apply()) QDialog::accept();
}

} // namespace kv
