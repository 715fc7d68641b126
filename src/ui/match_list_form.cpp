#include "ui/match_list_form.h"
#include "ui/dialog_buttons.h"

#include "base/formats.h"
#include "base/language.h"
#include "base/preferences.h"
#include "ui/tournament_document.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include <utility>

namespace kv {

TMatchListForm::TMatchListForm(TTournamentDocument& doc, int teamA, int teamB, int matchId,
                               QWidget* parent)
    : QDialog(parent), doc_(doc), teamA_(teamA), teamB_(teamB) {
    (void)matchId;
    auto* grid = new QGridLayout(this);
    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("MatchesLV"));
    list_->setRootIsDecorated(false);
    up_ = new QPushButton(LangText(3908, "Move &Up"), this);
    up_->setObjectName(QStringLiteral("UpBtn"));
    down_ = new QPushButton(LangText(3909, "Move &Down"), this);
    down_->setObjectName(QStringLiteral("DownBtn"));
    QDialogButtonBox* buttons = MakeDialogButtons(*this, false, false).Box;
    grid->addWidget(list_, 0, 0, 3, 1);
    grid->addWidget(up_, 0, 1);
    grid->addWidget(down_, 1, 1);
    grid->setRowStretch(2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    connect(up_, &QPushButton::clicked, this, &TMatchListForm::MoveUp);
    connect(down_, &QPushButton::clicked, this, &TMatchListForm::MoveDown);
    connect(list_, &QTreeWidget::currentItemChanged, this, &TMatchListForm::UpdateButtons);
    resize(680, 260);
}

void TMatchListForm::SetRows(std::vector<int> rows, const QStringList& headings,
                             bool numberedByLeg) {
    rows_ = std::move(rows);
    byLeg_ = numberedByLeg;
    list_->setHeaderLabels(headings);
    Show();
}

void TMatchListForm::Show() {
    const int selected = Selected();
    const TTournament& t = doc_.Tournament();
    const bool hostFirst = PrefHostFirst();
    list_->clear();
    for (size_t i = 0; i < rows_.size(); ++i) {
        QStringList cells{QString::number(i + 1)};
        const TMatch* m = rows_[i] >= 0 ? t.MatchById(rows_[i]) : nullptr;
        if (!byLeg_) cells << (m ? QString::number(m->Leg) : QString());
        if (m) {
            cells << (m->HasMatchday() ? QString::number(m->Matchday) : QString())
                  << (m->HasDate ? ShortDateText(m->Date) : QString()) << t.PairingText(*m)
                  << m->GetScoreText(hostFirst, true);
        }
        new QTreeWidgetItem(list_, cells);
    }
    for (int c = 0; c < list_->columnCount(); ++c)
        list_->resizeColumnToContents(c);
    Select(selected < 0 ? 0 : selected);
}

int TMatchListForm::Selected() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item ? list_->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(item)) : -1;
}

void TMatchListForm::Select(int row) {
    if (row >= 0 && row < list_->topLevelItemCount())
        list_->setCurrentItem(list_->topLevelItem(row));
    UpdateButtons();
}

void TMatchListForm::UpdateButtons() {
    const int row = Selected();
    const bool match = row >= 0 && rows_[static_cast<size_t>(row)] >= 0;
    up_->setEnabled(match && row > 0);
    down_->setEnabled(match && row + 1 < static_cast<int>(rows_.size()));
}

void TMatchListForm::MoveUp() {
    const int row = Selected();
    if (row <= 0 || rows_[static_cast<size_t>(row)] < 0) return;
    std::swap(rows_[static_cast<size_t>(row)], rows_[static_cast<size_t>(row - 1)]);
    Show();
    Select(row - 1);
}

void TMatchListForm::MoveDown() {
    const int row = Selected();
    if (row < 0 || row + 1 >= static_cast<int>(rows_.size()) || rows_[static_cast<size_t>(row)] < 0)
        return;
    std::swap(rows_[static_cast<size_t>(row)], rows_[static_cast<size_t>(row + 1)]);
    Show();
    Select(row + 1);
}

void TMatchListForm::accept() {
    Apply();
    QDialog::accept();
}

} // namespace kv
