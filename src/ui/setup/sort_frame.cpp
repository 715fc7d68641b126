#include "ui/setup/sort_frame.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/textformat.h"
#include "model/columns.h"
#include "standings/ranking.h"
#include "storage/named_files.h"
#include "ui/tables/style_form.h"
#include "ui/widgets/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

namespace {

constexpr int kColumnRole = Qt::UserRole;
constexpr int kScopeRole = Qt::UserRole + 1;
constexpr int kDescendingRole = Qt::UserRole + 2;

QPushButton* ArrowButton(const char* name, const QString& text, const QString& hint,
                         QWidget* parent) {
    auto* b = Named(new QPushButton(text, parent), name);
    b->setToolTip(hint);
    b->setMaximumWidth(48);
    return b;
}

} // namespace

TSortFrame::TSortFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("TSortFrame"));
    auto* layout = new QGridLayout(this);
    title_ = Named(new QLabel(this), "CriteriaTitle");
    title_->setWordWrap(true);
    layout->addWidget(title_, 0, 0, 1, 3);
    available_ = Named(new QListWidget(this), "AvailableList");
    active_ = Named(new QListWidget(this), "ActiveList");
    for (QListWidget* list : {available_, active_}) {
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
        list->setDragDropMode(QAbstractItemView::DragDrop);
        list->setDefaultDropAction(Qt::MoveAction);
    }
    auto* availableLabel = new QLabel(LangText(7680, "A&vailable Criteria:"), this);
    availableLabel->setBuddy(available_);
    auto* activeLabel = new QLabel(LangText(7681, "Active &Criteria:"), this);
    activeLabel->setBuddy(active_);
    layout->addWidget(availableLabel, 1, 0);
    layout->addWidget(activeLabel, 1, 2);
    layout->addWidget(available_, 2, 0);
    layout->addWidget(active_, 2, 2);
    right_ = ArrowButton("RightBtn", QStringLiteral(">"),
                         LangText(7682, "Move Selected Criteria to Right"), this);
    allRight_ = ArrowButton("AllRightBtn", QStringLiteral(">>"),
                            LangText(7683, "Move All Criteria to Right"), this);
    left_ = ArrowButton("LeftBtn", QStringLiteral("<"),
                        LangText(7684, "Move Selected Criteria to Left"), this);
    allLeft_ = ArrowButton("AllLeftBtn", QStringLiteral("<<"),
                           LangText(7685, "Move All Criteria to Left"), this);
    auto* middle = new QVBoxLayout;
    middle->addStretch();
    for (QPushButton* b : {right_, allRight_, left_, allLeft_})
        middle->addWidget(b);
    middle->addStretch();
    layout->addLayout(middle, 2, 1);

    auto* schemeRow = new QHBoxLayout;
    schemes_ = Named(new QComboBox(this), "SchemeBox");
    schemes_->setMinimumWidth(160);
    auto* schemeLabel = new QLabel(LangText(7686, "&Sort Scheme:"), this);
    schemeLabel->setBuddy(schemes_);
    saveScheme_ = Named(new QPushButton(LangText(7687, "Save Chosen Criteria as Scheme"), this),
                        "SaveSchemeBtn");
    deleteScheme_ =
        Named(new QPushButton(LangText(7688, "Delete Scheme"), this), "DeleteSchemeBtn");
    schemeRow->addWidget(schemeLabel);
    schemeRow->addWidget(schemes_, 1);
    schemeRow->addWidget(saveScheme_);
    schemeRow->addWidget(deleteScheme_);
    layout->addLayout(schemeRow, 3, 0, 1, 3);
    leadersUp_ =
        Named(new QCheckBox(LangText(7689, "Rank Division &Leaders up"), this), "LeadersUpBox");
    stillLevel_ =
        Named(new QCheckBox(LangText(7690, "Head-to-head &among the teams still level"), this),
              "StillLevelBox");
    stillLevel_->setToolTip(
        LangText(7691, "Each head-to-head criterion counts only the matches among the "
                       "teams still level, and a smaller level group starts again"));
    layout->addWidget(leadersUp_, 4, 0, 1, 3);
    layout->addWidget(stillLevel_, 5, 0, 1, 3);

    connect(right_, &QPushButton::clicked, this, &TSortFrame::MoveSelectedRight);
    connect(allRight_, &QPushButton::clicked, this, &TSortFrame::MoveAllRight);
    connect(left_, &QPushButton::clicked, this, &TSortFrame::MoveSelectedLeft);
    connect(allLeft_, &QPushButton::clicked, this, &TSortFrame::MoveAllLeft);
    connect(available_, &QListWidget::itemDoubleClicked, this, [this] { MoveSelectedRight(); });
    connect(active_, &QListWidget::itemDoubleClicked, this, [this] { MoveSelectedLeft(); });
    for (QListWidget* list : {available_, active_}) {
        connect(list->model(), &QAbstractItemModel::rowsInserted, this, [this] {
            if (arranging_) return;
            UpdateButtons(); // dropped in by the mouse
            emit Changed();
        });
        connect(list->model(), &QAbstractItemModel::rowsMoved, this, [this] { emit Changed(); });
    }
    connect(schemes_, &QComboBox::activated, this,
            [this] { ChooseScheme(schemes_->currentText()); });
    connect(saveScheme_, &QPushButton::clicked, this, &TSortFrame::SaveScheme);
    connect(deleteScheme_, &QPushButton::clicked, this, &TSortFrame::DeleteScheme);
    for (QCheckBox* box : {leadersUp_, stillLevel_})
        connect(box, &QCheckBox::toggled, this, [this] { emit Changed(); });
    Load(TState{});
}

void TSortFrame::Load(const TState& state) {
    state_ = state;
    leadersUp_->setVisible(state.Conferences);
    leadersUp_->setChecked(state.Conferences && state.LeadersUp);
    stillLevel_->setChecked(state.StillLevel);
    SetMainColumn(state.MainColumn);
    Fill(state.Criteria);
    FillSchemes();
}

void TSortFrame::SetSport(int sport, bool overtime) {
    if (sport == state_.Sport && overtime == state_.Overtime) return;
    const std::vector<TSortColumn> chosen = Active();
    state_.Sport = sport;
    state_.Overtime = overtime;
    Fill(chosen);
    FillSchemes();
    emit Changed();
}

void TSortFrame::SetMainColumn(int column) {
    state_.MainColumn = column;
    title_->setText(
        column == kColumnPercentage
            ? LangText(7702,
                       "If two or more teams are equal on percent of won matches, the following "
                       "criteria are applied to determine the rankings:")
            : LangText(7703,
                       "If two or more teams are equal on obtained points, the following criteria "
                       "are applied to determine the rankings:"));
}

QListWidgetItem* TSortFrame::ItemFor(const TSortColumn& c) const {
    auto* item = new QListWidgetItem(c.Name);
    item->setData(kColumnRole, c.Column);
    item->setData(kScopeRole, c.Scope);
    item->setData(kDescendingRole, c.Descending);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    return item;
}

// The offered criteria on the left, the chosen ones the sport offers on the right in their order.
void TSortFrame::Fill(const std::vector<TSortColumn>& chosen) {
    const QScopedValueRollback arranging(arranging_, true);
    available_->clear();
    active_->clear();
    std::vector<TSortColumn> offered = OfferedCriteria(state_.Sport, state_.Overtime);
    for (const TSortColumn& c : chosen) {
        const auto it = std::find_if(offered.begin(), offered.end(), [&c](const TSortColumn& o) {
            return o.Column == c.Column && o.Scope == c.Scope;
        });
        if (it == offered.end()) continue;
        active_->addItem(ItemFor(*it));
        offered.erase(it);
    }
    for (const TSortColumn& c : offered)
        available_->addItem(ItemFor(c));
    UpdateButtons();
}

std::vector<TSortColumn> TSortFrame::Active() const {
    std::vector<TSortColumn> out;
    for (int i = 0; i < active_->count(); ++i) {
        const QListWidgetItem* item = active_->item(i);
        TSortColumn c;
        c.Column = item->data(kColumnRole).toInt();
        c.Scope = item->data(kScopeRole).toInt();
        c.Name = item->text();
        c.Descending = item->data(kDescendingRole).toBool();
        out.push_back(c);
    }
    return out;
}

bool TSortFrame::HasOffered() const {
    return available_->count() + active_->count() > 0;
}

bool TSortFrame::LeadersUp() const {
    return state_.Conferences && leadersUp_->isChecked();
}

bool TSortFrame::StillLevel() const {
    return stillLevel_->isChecked();
}

void TSortFrame::Move(QListWidget& from, QListWidget& to, bool all) {
    std::vector<int> rows;
    for (int i = 0; i < from.count(); ++i)
        if (all || from.item(i)->isSelected()) rows.push_back(i);
    if (rows.empty() && from.currentRow() >= 0) rows.push_back(from.currentRow());
    if (rows.empty()) return;
    // Taken last to first, added in their order.
    std::vector<QListWidgetItem*> taken;
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        taken.insert(taken.begin(), from.takeItem(*it));
    {
        const QScopedValueRollback arranging(arranging_, true);
        for (QListWidgetItem* item : taken)
            to.addItem(item);
    }
    to.clearSelection();
    to.setCurrentItem(taken.back());
    UpdateButtons();
    emit Changed();
}

void TSortFrame::MoveSelectedRight() {
    Move(*available_, *active_, false);
}
void TSortFrame::MoveAllRight() {
    Move(*available_, *active_, true);
}
void TSortFrame::MoveSelectedLeft() {
    Move(*active_, *available_, false);
}
void TSortFrame::MoveAllLeft() {
    Move(*active_, *available_, true);
}

void TSortFrame::UpdateButtons() {
    right_->setEnabled(available_->count() > 0);
    allRight_->setEnabled(available_->count() > 0);
    left_->setEnabled(active_->count() > 0);
    allLeft_->setEnabled(active_->count() > 0);
    saveScheme_->setEnabled(active_->count() > 0);
    deleteScheme_->setEnabled(schemes_->currentIndex() >= 0);
}

void TSortFrame::FillSchemes() {
    const QSignalBlocker blocker(schemes_);
    schemes_->clear();
    schemes_->addItems(
        NamedFiles(QFileInfo(SortSchemePath(QStringLiteral("x"), state_.Sport)).path(),
                   SortSchemeExtension(state_.Sport)));
    schemes_->setCurrentIndex(-1);
    UpdateButtons();
}

void TSortFrame::ChooseScheme(const QString& name) {
    const QString path = SortSchemePath(name, state_.Sport);
    if (!QFileInfo::exists(path)) {
        if (ShowAppMessage(LangText(7708, "Scheme not found. Update scheme list?"),
                           TMessageKind::QuestionYesNo) == TMessageButton::Yes)
            FillSchemes();
        return;
    }
    std::vector<TSortColumn> criteria;
    const TIoResult r = LoadSortScheme(path, state_.Sport, criteria, state_.Overtime);
    if (!r.Ok) {
        ShowAppMessage(r.Message, TMessageKind::Error);
        return;
    }
    Fill(criteria);
    const QSignalBlocker blocker(schemes_);
    schemes_->setCurrentText(name);
    UpdateButtons();
    emit Changed();
}

void TSortFrame::SaveScheme() {
    if (active_->count() == 0) return;
    QStringList names;
    for (int i = 0; i < schemes_->count(); ++i)
        names << schemes_->itemText(i);
    const QString name =
        TStyleForm::AskName(names, schemes_->currentText(), this,
                            LangText(7705, "Save Scheme as..."), LangText(7706, "Scheme"));
    if (name.isEmpty()) return;
    const TIoResult r = SaveSortScheme(SortSchemePath(name, state_.Sport), Active());
    if (!r.Ok) {
        ShowAppMessage(r.Message, TMessageKind::Error);
        return;
    }
    FillSchemes();
    schemes_->setCurrentText(name);
    UpdateButtons();
}

void TSortFrame::DeleteScheme() {
    const QString name = schemes_->currentText();
    if (schemes_->currentIndex() < 0 || name.isEmpty()) return;
    if (ShowAppMessage(Fmt(LangText(7707, "Are you sure you want to delete scheme '%s'?"), name),
                       TMessageKind::QuestionYesNo) != TMessageButton::Yes)
        return;
    DeleteNamedFile(SortSchemePath(name, state_.Sport), AskDeleteForGood);
    FillSchemes();
}

} // namespace kv
