#include "ui/preferences_form.h"
#include "ui/dialog_buttons.h"
#include "ui/widget_names.h"

#include "base/language.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

TPreferencesForm::TPreferencesForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TPreferencesForm"));
    setWindowTitle(LangText(7000, "Program Preferences"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = Named(new QTabWidget(this), "PagesTab");

    auto* common = Named(new QWidget(tabs_), "CommonPage");
    auto* cf = new QFormLayout(common);
    units_ = Named(new QComboBox(common), "UnitsCB");
    units_->addItems({LangText(1050, "Centimeters"), LangText(1051, "Inches"), LangText(1052, "Pixels")});
    cf->addRow(LangText(7002, "Default table dimentions &units:"), units_);
    hints_ = Named(new QCheckBox(LangText(7003, "Show h&ints"), common), "ShowHintsChB");
    time_ = Named(new QCheckBox(LangText(7004, "Show &date and time in status bar"), common), "ShowTimeChB");
    flat_ = Named(new QCheckBox(LangText(7005, "&Flat toolbars"), common), "FlatButtonsChB");
    trash_ = Named(new QCheckBox(LangText(7006, "Send deleted files to the &recycle bin"), common), "RecycleBinChB");
    backup_ = Named(new QCheckBox(LangText(7007, "Create &backup files on tournament save"), common), "BackupChB");
    for (QCheckBox* c : {hints_, time_, flat_, trash_, backup_})
        cf->addRow(c);
    tabs_->addTab(common, LangText(7001, "&Common"));

    auto* match = Named(new QWidget(tabs_), "MatchPage");
    auto* mv = new QVBoxLayout(match);
    auto* display = new QGroupBox(LangText(7009, "Match &display"), match);
    auto* row = new QHBoxLayout(display);
    firstTeam_ = Named(new QComboBox(display), "FirstTeamCB");
    secondTeam_ = Named(new QComboBox(display), "SecondTeamCB");
    for (QComboBox* c : {firstTeam_, secondTeam_})
        c->addItems({LangText(3501, "Holders"), LangText(3502, "Visitors")});
    matchSep_ = Named(new QComboBox(display), "MatchSepCB");
    matchSep_->setEditable(true);
    matchSep_->addItems({QStringLiteral("vs"), QStringLiteral("ag"), QStringLiteral("-")});
    matchSep_->lineEdit()->setMaxLength(3);
    row->addWidget(firstTeam_);
    row->addWidget(matchSep_);
    row->addWidget(secondTeam_);
    mv->addWidget(display);
    auto* sepRow = new QFormLayout;
    scoreSep_ = Named(new QComboBox(match), "ScoreSepCB");
    scoreSep_->setEditable(true);
    scoreSep_->addItems({QStringLiteral(":"), QStringLiteral("-")});
    scoreSep_->lineEdit()->setMaxLength(1);
    sepRow->addRow(LangText(7010, "&Score delimiter:"), scoreSep_);
    mv->addLayout(sepRow);
    auto* hint = new QGroupBox(LangText(7011, "Results grid hint"), match);
    auto* hv = new QVBoxLayout(hint);
    matchDate_ = Named(new QCheckBox(LangText(7012, "Sh&ow match date"), hint), "ShowMatchDateChB");
    fullScore_ = Named(new QCheckBox(LangText(7013, "Show &full score"), hint), "ShowFullScoreChB");
    hv->addWidget(matchDate_);
    hv->addWidget(fullScore_);
    mv->addWidget(hint);
    mv->addStretch();
    tabs_->addTab(match, LangText(7008, "&Match"));

    // The background page is shown as the Part describes it; its values are not applied.
    auto* background = Named(new QWidget(tabs_), "WindowBGPage");
    auto* bf = new QFormLayout(background);
    auto* sample = new QLabel(background);
    sample->setAutoFillBackground(true);
    sample->setMinimumSize(60, 20);
    auto* colour = new QHBoxLayout;
    colour->addWidget(sample);
    colour->addWidget(Named(new QPushButton(LangText(7016, "B&G Color"), background), "BGColorBtn"));
    colour->addStretch();
    bf->addRow(LangText(7015, "Background &Color:"), colour);
    bf->addRow(LangText(7017, "Background &Picture:"), Named(new QLineEdit(background), "BGPictureEdit"));
    tabs_->addTab(background, LangText(7014, "&Window BG"));

    auto* language = Named(new QWidget(tabs_), "LanguagePage");
    auto* lv = new QVBoxLayout(language);
    auto* caption = new QLabel(LangText(7019, "Change the lan&guage:"), language);
    languages_ = Named(new QListWidget(language), "LanguagesLB");
    caption->setBuddy(languages_);
    lv->addWidget(caption);
    lv->addWidget(languages_);
    tabs_->addTab(language, LangText(7018, "&Language"));
    layout->addWidget(tabs_);

    const TDialogButtons buttons = MakeDialogButtons(*this, true);
    apply_ = buttons.Apply;
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyChanges(); });
    layout->addWidget(buttons.Box);

    // Choosing one team list turns the other to the opposite.
    connect(firstTeam_, &QComboBox::activated, this, [this](int i) { secondTeam_->setCurrentIndex(1 - i); });
    connect(secondTeam_, &QComboBox::activated, this, [this](int i) { firstTeam_->setCurrentIndex(1 - i); });
    for (QCheckBox* c : findChildren<QCheckBox*>())
        connect(c, &QCheckBox::toggled, this, &TPreferencesForm::Changed);
    for (QComboBox* c : findChildren<QComboBox*>()) {
        connect(c, &QComboBox::currentIndexChanged, this, &TPreferencesForm::Changed);
        connect(c, &QComboBox::editTextChanged, this, &TPreferencesForm::Changed);
    }
    connect(languages_, &QListWidget::currentRowChanged, this, &TPreferencesForm::Changed);
    Reload();
}

void TPreferencesForm::Reload() {
    loading_ = true;
    const TProgramPreferences p = TProgramPreferences::Load();
    units_->setCurrentIndex(p.Units == 0 || p.Units == 1 ? p.Units : 2);
    hints_->setChecked(p.ShowHints);
    time_->setChecked(p.ShowTime);
    flat_->setChecked(p.FlatButtons);
    trash_->setChecked(p.RecycleBin);
    backup_->setChecked(p.Backup);
    firstTeam_->setCurrentIndex(p.HostFirst ? 0 : 1);
    secondTeam_->setCurrentIndex(p.HostFirst ? 1 : 0);
    matchSep_->setCurrentText(p.MatchSep);
    scoreSep_->setCurrentText(p.ScoreSep);
    matchDate_->setChecked(p.ShowMatchDate);
    fullScore_->setChecked(p.ShowFullScore);
    languages_->clear();
    auto* english = new QListWidgetItem(LangText(7020, " English"), languages_);
    english->setData(Qt::UserRole, QString());
    int current = 0;
    for (const QString& file : LanguageFiles()) {
        auto* item = new QListWidgetItem(QStringLiteral("%1 (%2)").arg(LangInfo(file, QStringLiteral("Language")), file), languages_);
        item->setData(Qt::UserRole, file);
        if (file.compare(p.Language, Qt::CaseInsensitive) == 0)
            current = languages_->count() - 1;
    }
    languages_->setCurrentRow(current);
    apply_->setEnabled(false);
    loading_ = false;
}

TProgramPreferences TPreferencesForm::Values() const {
    TProgramPreferences p;
    p.Units = units_->currentIndex();
    p.ShowHints = hints_->isChecked();
    p.ShowTime = time_->isChecked();
    p.FlatButtons = flat_->isChecked();
    p.RecycleBin = trash_->isChecked();
    p.Backup = backup_->isChecked();
    p.HostFirst = firstTeam_->currentIndex() == 0;
    // A separator left empty keeps the one stored: scores and pairings need one.
    const TProgramPreferences stored = TProgramPreferences::Load();
    p.MatchSep = matchSep_->currentText().trimmed().isEmpty() ? stored.MatchSep : matchSep_->currentText().left(3);
    p.ScoreSep = scoreSep_->currentText().trimmed().isEmpty() ? stored.ScoreSep : scoreSep_->currentText().left(1);
    p.ShowMatchDate = matchDate_->isChecked();
    p.ShowFullScore = fullScore_->isChecked();
    const QListWidgetItem* item = languages_->currentItem();
    p.Language = item ? item->data(Qt::UserRole).toString() : QString();
    return p;
}

void TPreferencesForm::Changed() {
    if (!loading_)
        apply_->setEnabled(true);
}

bool TPreferencesForm::ApplyChanges() {
    if (!apply_->isEnabled())
        return false;
    const TProgramPreferences::TSaved saved = Values().Save();
    apply_->setEnabled(false);
    emit Applied(saved);
    return true;
}

void TPreferencesForm::accept() {
    ApplyChanges();
    QDialog::accept();
}

} // namespace kv
