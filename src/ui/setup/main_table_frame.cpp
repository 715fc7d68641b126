#include "ui/setup/main_table_frame.h"

#include "base/language.h"
#include "model/sport.h"
#include "ui/widgets/widget_names.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>

namespace kv {

namespace {

// The sports in the order of their codes, Other last.
std::vector<int> SportOrder() {
    std::vector<int> order;
    for (int s = 1; s < kSportCount; ++s)
        order.push_back(s);
    order.push_back(SportOther);
    return order;
}

} // namespace

TMainTableFrame::TMainTableFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TMainTableFrame"));
    form_ = new QFormLayout(this);
    form_->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    name_ = Named(new QLineEdit(this), "NameEdit");
    name_->setMaxLength(100);
    file_ = Named(new QLineEdit(this), "FileNameEdit");
    sport_ = Named(new QComboBox(this), "SportBox");
    for (const int s : SportOrder())
        sport_->addItem(SportName(s), s);
    sport_->setCurrentIndex(-1);
    form_->addRow(LangText(7550, "&Tournament Name:"), name_);
    form_->addRow(LangText(7551, "&File Name (w/o path):"), file_);
    form_->addRow(LangText(7552, "&Sport:"), sport_);
    const char* names[] = {"LegsEdit", "ConferenceLegsEdit", "InterConferenceLegsEdit"};
    for (int i = 0; i < 3; ++i) {
        legs_[i] = Named(new QSpinBox(this), names[i]);
        legs_[i]->setRange(1, 8);
        legs_[i]->setValue(2);
        legs_[i]->setMaximumWidth(80);
    }
    form_->addRow(LangText(7553, "&Legs:"), legs_[0]);
    legsLabel_ = qobject_cast<QLabel*>(form_->labelForField(legs_[0]));
    form_->addRow(LangText(7557, "L&egs (inside a conference, different divisions):"), legs_[1]);
    form_->addRow(LangText(7558, "Le&gs (different conferences):"), legs_[2]);
    connect(sport_, &QComboBox::currentIndexChanged, this, &TMainTableFrame::OnSport);
    SetConferences(false);
}

void TMainTableFrame::SetConferences(bool on) {
    conferences_ = on;
    legsLabel_->setText(on ? LangText(7555, "&Legs (inside a division):")
                           : LangText(7553, "&Legs:"));
    legs_[0]->setToolTip(
        on ? LangText(7556, "Number of times teams play each other inside a division")
           : LangText(7554, "Number of times teams play each other"));
    for (int i = 1; i < 3; ++i)
        form_->setRowVisible(legs_[i], on);
}

void TMainTableFrame::SetNameShown(bool shown) {
    form_->setRowVisible(name_, shown);
    form_->setRowVisible(file_, shown);
}

void TMainTableFrame::SetSportLocked(bool locked) {
    sport_->setEnabled(!locked);
}

void TMainTableFrame::SetLegsShown(bool shown) {
    form_->setRowVisible(legs_[0], shown);
    for (int i = 1; i < 3; ++i)
        form_->setRowVisible(legs_[i], shown && conferences_);
}

void TMainTableFrame::Load(const TNamePage& page) {
    name_->setText(page.Name);
    file_->setText(page.FileName);
    ownPath_ = page.OwnPath;
    SetConferences(page.Conferences);
    SetSport(page.Sport);
    legs_[0]->setValue(page.GroupLegs);
    legs_[1]->setValue(page.ConferenceLegs);
    legs_[2]->setValue(page.InterConferenceLegs);
}

TNamePage TMainTableFrame::Page() const {
    TNamePage page;
    page.Name = name_->text();
    page.FileName = file_->text();
    page.Sport = Sport();
    page.Conferences = conferences_;
    page.GroupLegs = legs_[0]->value();
    page.ConferenceLegs = legs_[1]->value();
    page.InterConferenceLegs = legs_[2]->value();
    page.OwnPath = ownPath_;
    return page;
}

void TMainTableFrame::SetSport(int sport) {
    sport_->setCurrentIndex(sport < 0 ? -1 : sport_->findData(NormalizeSport(sport)));
    OnSport();
}

int TMainTableFrame::Sport() const {
    return sport_->currentIndex() < 0 ? -1 : sport_->currentData().toInt();
}

void TMainTableFrame::FocusField(int field) {
    QWidget* w = field == FieldName       ? static_cast<QWidget*>(name_)
                 : field == FieldFileName ? static_cast<QWidget*>(file_)
                 : field == FieldSport    ? static_cast<QWidget*>(sport_)
                                          : static_cast<QWidget*>(legs_[0]);
    w->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
}

// A value above the sport's maximum is lowered to it.
void TMainTableFrame::OnSport() {
    const int sport = Sport();
    const int most = MaxLegs(std::max(sport, 0));
    for (QSpinBox* legs : legs_)
        legs->setMaximum(most);
    emit SportChanged(sport);
}

} // namespace kv
