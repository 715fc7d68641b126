#include "ui/fixture_date_form.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/messages.h"
#include "model/tournament.h"
#include "standings/fixture_edits.h"
#include "ui/dialog_buttons.h"
#include "ui/widget_names.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

TFixtureDateForm::TFixtureDateForm(TFixtureField field, const TTournament& t, QWidget* parent)
    : QDialog(parent), field_(field) {
    setObjectName(QStringLiteral("TFixtureDateForm"));
    auto* layout = new QVBoxLayout(this);
    QLabel* label = nullptr;
    switch (field) {
    case TFixtureField::Date:
        setWindowTitle(LangText(5660, "Fixture Date"));
        label = new QLabel(LangText(5664, "&Enter Date:"), this);
        break;
    case TFixtureField::Time:
        setWindowTitle(LangText(5661, "Fixture Time"));
        label = new QLabel(LangText(5665, "&Enter Time:"), this);
        break;
    case TFixtureField::Matchday:
        setWindowTitle(LangText(5662, "Fixture Matchday"));
        label = new QLabel(LangText(5668, "&Enter Matchday:"), this);
        break;
    case TFixtureField::Stadium:
        setWindowTitle(LangText(5663, "Fixture Stadium"));
        label = new QLabel(LangText(5669, "&Select a Stadium:"), this);
        break;
    }
    layout->addWidget(label);
    if (field == TFixtureField::Stadium) {
        stadiums_ = Named(new QComboBox(this), "StadiumCB");
        stadiums_->addItem(QString(), -1);
        std::vector<const TStadium*> sorted;
        for (const TStadium& s : t.Stadiums)
            sorted.push_back(&s);
        std::sort(sorted.begin(), sorted.end(), [](const TStadium* a, const TStadium* b) {
            return QString::localeAwareCompare(a->Name, b->Name) < 0;
        });
        for (const TStadium* s : sorted)
            stadiums_->addItem(ChoiceText(t.Stadiums, *s), s->Id);
        label->setBuddy(stadiums_);
        layout->addWidget(stadiums_);
    } else {
        edit_ = Named(new QLineEdit(this), "ValueEdit");
        if (field == TFixtureField::Date)
            edit_->setPlaceholderText(ShortDateText(NowDays()));
        else if (field == TFixtureField::Time)
            edit_->setPlaceholderText(ShortTimeText(0.625));
        label->setBuddy(edit_);
        layout->addWidget(edit_);
    }
    layout->addStretch();
    layout->addWidget(MakeDialogButtons(*this, false).Box);
    setMinimumWidth(280);
}

void TFixtureDateForm::SetDate(bool hasDate, double date) {
    SetText(hasDate ? ShortDateText(date) : QString());
}

void TFixtureDateForm::SetTime(bool hasTime, double time) {
    SetText(hasTime ? ShortTimeText(time) : QString());
}

void TFixtureDateForm::SetMatchday(int matchday) {
    SetText(matchday > 0 ? QString::number(matchday) : QString());
}

void TFixtureDateForm::SetStadium(int stadiumId) {
    if (stadiums_) stadiums_->setCurrentIndex(std::max(0, stadiums_->findData(stadiumId)));
}

void TFixtureDateForm::SetText(const QString& text) {
    if (edit_) {
        edit_->setText(text);
        edit_->selectAll();
    }
}

int TFixtureDateForm::StadiumId() const {
    return stadiums_ ? stadiums_->currentData().toInt() : -1;
}

void TFixtureDateForm::accept() {
    QString message;
    switch (field_) {
    case TFixtureField::Date:
        message = ReadFixtureDate(edit_->text(), has_, value_);
        break;
    case TFixtureField::Time:
        message = ReadFixtureTime(edit_->text(), has_, value_);
        break;
    case TFixtureField::Matchday:
        message = ReadFixtureMatchday(edit_->text(), matchday_);
        has_ = matchday_ >= 0;
        break;
    case TFixtureField::Stadium:
        has_ = StadiumId() >= 0;
        break;
    }
    if (!message.isEmpty()) {
        ShowAppMessage(message, TMessageKind::Information);
        edit_->setFocus();
        edit_->selectAll();
        return;
    }
    QDialog::accept();
}

} // namespace kv
