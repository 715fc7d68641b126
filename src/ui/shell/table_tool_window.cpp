#include "ui/shell/table_tool_window.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "edit/edits.h"
#include "edit/tournament_document.h"
#include "standings/column_catalog.h"
#include "storage/named_files.h"
#include "ui/widgets/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QListWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kv {

TTableToolWindow::TTableToolWindow(QWidget* parent) : QDockWidget(parent) {
    setObjectName(QStringLiteral("TableToolWindow"));
    tabs_ = Named(new QTabWidget(this), "TableTabs");
    auto* sort = Named(new QWidget(tabs_), "SortTab");
    auto* form = new QFormLayout(sort);
    criterion_ = Named(new QComboBox(sort), "CriterionCB");
    section_ = Named(new QComboBox(sort), "SectionCB");
    descending_ = Named(new QCheckBox(sort), "DescendingChB");
    form->addRow(criterion_);
    form->addRow(section_);
    form->addRow(descending_);
    auto* columns = Named(new QWidget(tabs_), "ColumnsTab");
    auto* layout = new QVBoxLayout(columns);
    sets_ = Named(new QListWidget(columns), "ColumnSetsList");
    layout->addWidget(sets_);
    tabs_->addTab(sort, QString());
    tabs_->addTab(columns, QString());
    setWidget(tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, &TTableToolWindow::UpdateTitle);
    connect(criterion_, &QComboBox::activated, this, &TTableToolWindow::ChooseCriterion);
    connect(section_, &QComboBox::activated, this, &TTableToolWindow::ChooseSection);
    connect(descending_, &QCheckBox::clicked, this, &TTableToolWindow::SetDescending);
    connect(sets_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { ChooseColumnSet(item->text()); });
    Fill();
    SetUsable(false);
}

void TTableToolWindow::UpdateTitle() {
    const QString tab =
        tabs_->currentIndex() == 0 ? LangText(501, "Sort") : LangText(520, "Columns");
    setWindowTitle(Fmt(QStringLiteral("%s - %s"), LangText(500, "Table"), tab));
}

void TTableToolWindow::Bind(TTournamentDocument* doc) {
    disconnect(changed_);
    doc_ = doc;
    if (doc_)
        changed_ =
            connect(doc_, &TTournamentDocument::Changed, this, [this](const TChange& change) {
                if (change.Replaced || change.Has(ChangeOrder | ChangeLayout | ChangeStructure))
                    Fill();
            });
    Fill();
}

void TTableToolWindow::SetUsable(bool usable) {
    tabs_->setEnabled(usable && doc_);
}

void TTableToolWindow::Fill() {
    filling_ = true;
    tabs_->setTabText(0, LangText(501, "Sort"));
    tabs_->setTabText(1, LangText(520, "Columns"));
    UpdateTitle();
    section_->clear();
    section_->addItems(
        {LangText(502, "Home & Away"), LangText(503, "Home"), LangText(504, "Away")});
    descending_->setText(LangText(505, "Descending"));
    criterion_->clear();
    criterion_->addItem(LangText(613, "[Tournament Format Criteria]"), -1);
    criterion_->addItem(LangText(614, "[Unsorted]"), -2);
    sets_->clear();
    if (doc_) {
        const TTournament& t = doc_->Tournament();
        for (const TTableColumn& c : t.Columns)
            criterion_->addItem(ColumnFullName(c.Id, t), c.Id);
        const TSortState& s = t.SortState;
        criterion_->setCurrentIndex(std::max(0, criterion_->findData(s.Column)));
        section_->setCurrentIndex(std::clamp(s.Venue - ScopeOverall, 0, 2));
        section_->setEnabled(s.Column != -2);
        descending_->setChecked(s.Descending);
        descending_->setEnabled(s.Column >= 0);
        sets_->addItems(ColumnSetNames(t.Sport));
        for (QListWidgetItem* item : sets_->findItems(doc_->ColumnSet(), Qt::MatchExactly))
            sets_->setCurrentItem(item);
    }
    filling_ = false;
}

void TTableToolWindow::EditSort(const QString& criterion, int column, int venue) {
    if (!doc_) return;
    edit::SetSort(*doc_, TSortState{column, venue, doc_->Tournament().SortState.Descending},
                  criterion);
    Fill();
}

void TTableToolWindow::ChooseCriterion(int index) {
    if (filling_ || !doc_ || index < 0) return;
    const TSortState& s = doc_->Tournament().SortState;
    const int column = criterion_->itemData(index).toInt();
    EditSort(criterion_->itemText(index), column, s.Venue);
}

void TTableToolWindow::ChooseSection(int index) {
    if (filling_ || !doc_ || index < 0) return;
    const TSortState& s = doc_->Tournament().SortState;
    EditSort(section_->itemText(index), s.Column, ScopeOverall + index);
}

void TTableToolWindow::SetDescending(bool on) {
    if (filling_ || !doc_) return;
    edit::SetSortDescending(*doc_, on);
    Fill();
}

void TTableToolWindow::ChooseColumnSet(const QString& name) {
    if (filling_ || !doc_) return;
    const QString path = ColumnSetPath(name, doc_->Tournament().Sport);
    if (const TIoResult result = edit::ApplyColumnSet(*doc_, name, path); !result) {
        ShowAppMessage(result.Message, TMessageKind::Error);
        return;
    }
    Fill();
}

} // namespace kv
