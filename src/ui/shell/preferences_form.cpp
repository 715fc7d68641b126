#include "ui/shell/preferences_form.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "ui/widgets/color_button.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv {

TPreferencesForm::TPreferencesForm(TDialogSeam& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TPreferencesForm"));
    Build();
    Reload();
}

void TPreferencesForm::Build() {
    setWindowTitle(LangText(7000, "Program Preferences"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = Named(new QTabWidget(this), "PagesTab");
    tabs_->addTab(BuildCommonPage(), LangText(7001, "&Common"));
    tabs_->addTab(BuildMatchPage(), LangText(7008, "&Match"));
    tabs_->addTab(BuildBackgroundPage(), LangText(7014, "&Window BG"));
    tabs_->addTab(BuildLanguagePage(), LangText(7018, "&Language"));
    layout->addWidget(tabs_);

    const TDialogButtons buttons = MakeDialogButtons(*this, true);
    apply_ = buttons.Apply;
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyChanges(); });
    layout->addWidget(buttons.Box);

    // Choosing one team list turns the other to the opposite.
    connect(firstTeam_, &QComboBox::activated, this,
            [this](int i) { secondTeam_->setCurrentIndex(1 - i); });
    connect(secondTeam_, &QComboBox::activated, this,
            [this](int i) { firstTeam_->setCurrentIndex(1 - i); });
    for (QCheckBox* c : findChildren<QCheckBox*>())
        connect(c, &QCheckBox::toggled, this, &TPreferencesForm::Changed);
    for (QComboBox* c : findChildren<QComboBox*>()) {
        connect(c, &QComboBox::currentIndexChanged, this, &TPreferencesForm::Changed);
        connect(c, &QComboBox::editTextChanged, this, &TPreferencesForm::Changed);
    }
    connect(bgPicture_, &QLineEdit::textChanged, this, &TPreferencesForm::Changed);
    connect(languages_, &QListWidget::currentRowChanged, this, &TPreferencesForm::Changed);
}

QWidget* TPreferencesForm::BuildCommonPage() {
    auto* common = Named(new QWidget(tabs_), "CommonPage");
    auto* cf = new QFormLayout(common);
    units_ = Named(new QComboBox(common), "UnitsCB");
    units_->addItems(
        {LangText(1050, "Centimeters"), LangText(1051, "Inches"), LangText(1052, "Pixels")});
    cf->addRow(LangText(7002, "Default table dimentions &units:"), units_);
    hints_ = Named(new QCheckBox(LangText(7003, "Show h&ints"), common), "ShowHintsChB");
    time_ = Named(new QCheckBox(LangText(7004, "Show &date and time in status bar"), common),
                  "ShowTimeChB");
    flat_ = Named(new QCheckBox(LangText(7005, "&Flat toolbars"), common), "FlatButtonsChB");
    trash_ = Named(new QCheckBox(LangText(7006, "Send deleted files to the &recycle bin"), common),
                   "RecycleBinChB");
    backup_ =
        Named(new QCheckBox(LangText(7007, "Create &backup files on tournament save"), common),
              "BackupChB");
    for (QCheckBox* c : {hints_, time_, flat_, trash_, backup_})
        cf->addRow(c);
    return common;
}

QWidget* TPreferencesForm::BuildMatchPage() {
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
    return match;
}

// What lies behind the tournament windows: a colour (the system's unless one is ticked) and a
// picture over it, tiled.
QWidget* TPreferencesForm::BuildBackgroundPage() {
    auto* background = Named(new QWidget(tabs_), "WindowBGPage");
    auto* bf = new QFormLayout(background);
    hasBgColor_ =
        Named(new QCheckBox(LangText(7015, "Background C&olor:"), background), "BGColorChB");
    bgColor_ =
        Named(new TColorButton(dialogs_, LangText(7016, "B&G Color"), background), "BGColorBtn");
    connect(bgColor_, &TColorButton::ColorChosen, this, [this] {
        hasBgColor_->setChecked(true);
        Changed();
    });
    bf->addRow(hasBgColor_, bgColor_);
    auto* picture = new QHBoxLayout;
    bgPicture_ = Named(new QLineEdit(background), "BGPictureEdit");
    auto* browse = Named(new QToolButton(background), "BGPictureBtn");
    browse->setText(QStringLiteral("..."));
    browse->setToolTip(LangText(7022, "Choose a picture"));
    connect(browse, &QToolButton::clicked, this, &TPreferencesForm::ChoosePicture);
    picture->addWidget(bgPicture_, 1);
    picture->addWidget(browse);
    auto* pictureLabel = new QLabel(LangText(7017, "Background &Picture:"), background);
    pictureLabel->setBuddy(bgPicture_);
    bf->addRow(pictureLabel, picture);
    return background;
}

QWidget* TPreferencesForm::BuildLanguagePage() {
    auto* language = Named(new QWidget(tabs_), "LanguagePage");
    auto* lv = new QVBoxLayout(language);
    auto* caption = new QLabel(LangText(7019, "Change the lan&guage:"), language);
    languages_ = Named(new QListWidget(language), "LanguagesLB");
    caption->setBuddy(languages_);
    lv->addWidget(caption);
    lv->addWidget(languages_);
    return language;
}

void TPreferencesForm::ChoosePicture() {
    QString filter = LangText(7023, "Pictures (*.png *.jpg *.jpeg *.bmp *.gif)");
    const QString folder = bgPicture_->text().isEmpty()
                               ? ProgramFolder()
                               : QFileInfo(bgPicture_->text()).absolutePath();
    const QStringList files =
        dialogs_.OpenFiles(this, LangText(7024, "Background Picture"), folder,
                           filter + QStringLiteral(";;") + LangText(153, "All Files (*)"), filter);
    if (!files.isEmpty()) bgPicture_->setText(files.front());
}

void TPreferencesForm::Reload() {
    Load(TProgramPreferences::Load());
    apply_->setEnabled(false);
}

void TPreferencesForm::Load(const TProgramPreferences& p) {
    loading_ = true;
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
    hasBgColor_->setChecked(p.HasBGColor);
    bgColor_->SetColor(p.BGColor);
    bgPicture_->setText(p.BGPicture);
    languages_->clear();
    auto* english = new QListWidgetItem(LangText(7020, " English"), languages_);
    english->setData(Qt::UserRole, QString());
    int current = 0;
    for (const QString& file : LanguageFiles()) {
        auto* item = new QListWidgetItem(
            QStringLiteral("%1 (%2)").arg(LangInfo(file, QStringLiteral("Language")), file),
            languages_);
        item->setData(Qt::UserRole, file);
        if (file.compare(p.Language, Qt::CaseInsensitive) == 0) current = languages_->count() - 1;
    }
    languages_->setCurrentRow(current);
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
    p.MatchSep = matchSep_->currentText().trimmed().isEmpty() ? stored.MatchSep
                                                              : matchSep_->currentText().left(3);
    p.ScoreSep = scoreSep_->currentText().trimmed().isEmpty() ? stored.ScoreSep
                                                              : scoreSep_->currentText().left(1);
    p.ShowMatchDate = matchDate_->isChecked();
    p.ShowFullScore = fullScore_->isChecked();
    p.HasBGColor = hasBgColor_->isChecked();
    p.BGColor = bgColor_->Color();
    p.BGPicture = bgPicture_->text().trimmed();
    const QListWidgetItem* item = languages_->currentItem();
    p.Language = item ? item->data(Qt::UserRole).toString() : QString();
    return p;
}

void TPreferencesForm::Changed() {
    if (!loading_) apply_->setEnabled(true);
}

bool TPreferencesForm::ApplyChanges() {
    if (!apply_->isEnabled()) return false;
    const TProgramPreferences::TSaved saved = Values().Save();
    apply_->setEnabled(false);
    if (saved.LanguageChanged) ApplyLanguage();
    emit Applied(saved);
    return true;
}

void TPreferencesForm::ApplyLanguage() {
    const TProgramPreferences shown = Values();
    const bool changed = apply_->isEnabled();
    const int page = tabs_->currentIndex();
    delete layout();
    qDeleteAll(findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly));
    Build();
    Load(shown);
    tabs_->setCurrentIndex(page);
    apply_->setEnabled(changed);
}

void TPreferencesForm::accept() {
    ApplyChanges();
    QDialog::accept();
}

} // namespace kv
