#include "ui/tables/table_columns_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "edit/edits.h"
#include "edit/tournament_document.h"
#include "standings/column_catalog.h"
#include "standings/tournament_setup.h"
#include "storage/named_files.h"
#include "ui/tables/style_form.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/drawn_icons.h"
#include "ui/widgets/dual_list.h"
#include "ui/widgets/widget_names.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

TTableColumnsForm::TTableColumnsForm(TTournamentDocument& doc, QWidget* parent)
    : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("TTableColumnsForm"));
    setWindowTitle(LangText(4700, "Table Columns"));
    const TTournament& t = doc_.Tournament();
    auto* layout = new QVBoxLayout(this);
    auto* setRow = new QHBoxLayout;
    auto* setLabel = new QLabel(LangText(4707, "Column &Set:"), this);
    sets_ = Named(new QComboBox(this), "ColumnSetCB");
    sets_->setMinimumWidth(220);
    setLabel->setBuddy(sets_);
    auto* save = Named(new QToolButton(this), "SaveSetBtn");
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    save->setToolTip(LangText(4708, "Save chosen columns as a column set"));
    delete_ = Named(new QToolButton(this), "DeleteSetBtn");
    delete_->setIcon(DrawnIcon(TDrawnIcon::Delete));
    delete_->setToolTip(LangText(4709, "Delete selected column set"));
    setRow->addWidget(setLabel);
    setRow->addWidget(sets_, 1);
    setRow->addWidget(save);
    setRow->addWidget(delete_);
    layout->addLayout(setRow);

    lists_ = new TDualList(LangText(4702, "&Available Columns:"),
                           LangText(4701, "&Visible Columns:"), this);
    lists_->SetButtonTips(LangText(4703, "Move selected columns to the right"),
                          LangText(4704, "Move all columns to the right"),
                          LangText(4705, "Move selected columns to the left"),
                          LangText(4706, "Move all columns to the left"));
    // The applicable columns, and the shown ones as they are even where they are not (the
    // points of a tournament ranked by percentage): OK must not drop what nobody moved.
    const std::vector<int> shown = ColumnIdsOf(t.Columns);
    std::vector<std::pair<int, QString>> items;
    for (int id = 0; id < kColumnCount; ++id)
        if (ColumnApplicable(id, TColumnContext::Of(t)) ||
            std::find(shown.begin(), shown.end(), id) != shown.end())
            items.emplace_back(id, ColumnFullName(id, t));
    lists_->SetItems(items, shown);
    lists_->SetAvailableByText(false);
    layout->addWidget(lists_, 1);
    layout->addWidget(MakeDialogButtons(*this, false).Box);

    connect(sets_, &QComboBox::activated, this, [this](int index) {
        if (index > 0) ChooseSet(sets_->itemText(index));
        delete_->setEnabled(sets_->currentIndex() > 0);
    });
    connect(save, &QToolButton::clicked, this, &TTableColumnsForm::SaveSet);
    connect(delete_, &QToolButton::clicked, this, &TTableColumnsForm::DeleteSet);
    FillSets(doc_.ColumnSet());
    resize(740, 460);
}

void TTableColumnsForm::FillSets(const QString& select) {
    const int sport = doc_.Tournament().Sport;
    sets_->clear();
    sets_->addItem(QString()); // no set chosen
    sets_->addItems(ColumnSetNames(sport));
    sets_->setCurrentIndex(std::max(0, sets_->findText(select)));
    delete_->setEnabled(sets_->currentIndex() > 0);
}

void TTableColumnsForm::ChooseSet(const QString& name) {
    const TTournament& t = doc_.Tournament();
    std::vector<TTableColumn> shown;
    std::vector<TTableColumn> spare;
    const TIoResult r = LoadColumnSet(ColumnSetPath(name, t.Sport), t, shown, spare);
    if (!r) {
        ShowAppMessage(r.Message, TMessageKind::Error);
        return;
    }
    sets_->setCurrentIndex(std::max(0, sets_->findText(name)));
    delete_->setEnabled(sets_->currentIndex() > 0);
    lists_->SetChosen(ColumnIdsOf(shown));
    if (QListWidget* available = lists_->AvailableList(); available->count() > 0)
        available->setCurrentRow(0);
}

void TTableColumnsForm::SaveSet() {
    // The form refuses names a file may not have and asks before overwriting a set.
    const QString name = TStyleForm::AskName(*sets_, this, LangText(4712, "Save column set as..."),
                                             LangText(4713, "Column Set"));
    if (name.isEmpty()) return;
    const QString path = ColumnSetPath(name, doc_.Tournament().Sport);
    const TIoResult r = SaveColumnSet(path, lists_->Chosen());
    if (!r) {
        ShowAppMessage(r.Message, TMessageKind::Error);
        return;
    }
    FillSets(name);
}

void TTableColumnsForm::DeleteSet() {
    if (sets_->currentIndex() <= 0) return;
    if (ShowAppMessage(LangText(4710, "Are you sure you want to delete selected column set?"),
                       TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    DeleteNamedFile(ColumnSetPath(sets_->currentText(), doc_.Tournament().Sport), AskDeleteForGood);
    FillSets(QString());
}

void TTableColumnsForm::accept() {
    const std::vector<int> ids = lists_->Chosen();
    QString refused;
    if (ids.empty()) {
        refused = LangText(4711, "You should select at least one visible column");
    } else {
        refused = edit::SetVisibleColumns(
            doc_, ids, sets_->currentIndex() > 0 ? sets_->currentText() : QString());
    }
    if (!refused.isEmpty()) {
        ShowAppMessage(refused, TMessageKind::Information);
        return;
    }
    QDialog::accept();
}

} // namespace kv
