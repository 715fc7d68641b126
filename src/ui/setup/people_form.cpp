#include "ui/setup/people_form.h"

#include "edit/edits.h"
#include "ui/widgets/dialog_buttons.h"
#include "ui/widgets/widget_names.h"

#include "base/country_names.h"
#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "edit/tournament_document.h"
#include "storage/people_lists.h"
#include "ui/widgets/dialog_seam.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace kv {

TPeopleModel::TPeopleModel(const TPeopleEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {}

void TPeopleModel::Reload() {
    beginResetModel();
    endResetModel();
}

int TPeopleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(editor_.Entries().size());
}

int TPeopleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 4;
}

QVariant TPeopleModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount()) return {};
    const TPersonEntry& e = editor_.Entries()[static_cast<size_t>(index.row())];
    switch (index.column()) {
    case 0:
        return e.Name;
    case 1:
        return e.Country;
    case 2:
        return e.City;
    default:
        return e.Number >= 0 ? QString::number(e.Number) : QString();
    }
}

QVariant TPeopleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const bool stadiums = editor_.Kind() == TPeopleKind::Stadiums;
    switch (section) {
    case 0:
        return stadiums ? LangText(11005, "Stadium") : LangText(11205, "Name");
    case 1:
        return stadiums ? LangText(11006, "Country") : LangText(11206, "Country");
    case 2:
        return stadiums ? LangText(11007, "City") : LangText(11207, "City");
    default:
        return stadiums ? LangText(11008, "Capacity") : LangText(11208, "Birth Year");
    }
}

TPeopleForm::TPeopleForm(TPeopleKind kind, TTournamentDocument& doc, TDialogSeam& dialogs,
                         QWidget* parent)
    : QDialog(parent), kind_(kind), doc_(doc), dialogs_(dialogs),
      editor_(std::make_unique<TPeopleEditor>(kind, doc.Tournament())) {
    const bool stadiums = kind == TPeopleKind::Stadiums;
    setObjectName(stadiums ? QStringLiteral("TStadiumsForm") : QStringLiteral("TRefereesForm"));
    setWindowTitle(Fmt(QStringLiteral("%s - %s"), Text(11000, "Stadiums", 11200, "Referees"),
                       doc.Tournament().Name));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QFormLayout;
    name_ = Named(new QLineEdit(this), "NameEdit");
    country_ = Named(new QComboBox(this), "CountryCB");
    country_->setEditable(true);
    country_->addItems(CountryNames());
    country_->setCurrentText(QString());
    city_ = Named(new QLineEdit(this), "CityEdit");
    number_ = Named(new QLineEdit(this), "NumberEdit");
    number_->installEventFilter(this);
    fields->addRow(Text(11001, "&Stadium:", 11201, "&Name:"), name_);
    fields->addRow(Text(11002, "&Country:", 11202, "&Country:"), country_);
    fields->addRow(Text(11003, "C&ity:", 11203, "C&ity:"), city_);
    fields->addRow(Text(11004, "Ca&pacity:", 11204, "&Birth Year:"), number_);
    layout->addLayout(fields);
    auto* row = new QHBoxLayout;
    add_ = Named(new QPushButton(Text(11009, "A&dd", 11209, "A&dd"), this), "AddBtn");
    replace_ =
        Named(new QPushButton(Text(11010, "&Replace", 11210, "&Replace"), this), "ReplaceBtn");
    delete_ = Named(new QPushButton(Text(11034, "De&lete", 11232, "De&lete"), this), "DeleteBtn");
    row->addWidget(add_);
    row->addWidget(replace_);
    row->addWidget(delete_);
    row->addStretch();
    layout->addLayout(row);
    model_ = new TPeopleModel(*editor_, this);
    list_ = Named(new QTreeView(this), "PeopleLV");
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->header()->setSectionsClickable(true);
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    list_->installEventFilter(this);
    layout->addWidget(list_, 1);
    count_ = Named(new QLabel(this), "CountLabel");
    layout->addWidget(count_);
    const TDialogButtons buttons = MakeDialogButtons(*this, true, false);
    apply_ = buttons.Apply;
    layout->addWidget(buttons.Box);
    connect(apply_, &QPushButton::clicked, this, [this] { ApplyChanges(); });
    connect(add_, &QPushButton::clicked, this, &TPeopleForm::Add);
    connect(replace_, &QPushButton::clicked, this, &TPeopleForm::Replace);
    connect(delete_, &QPushButton::clicked, this, &TPeopleForm::Delete);
    connect(name_, &QLineEdit::textChanged, this, &TPeopleForm::UpdateButtons);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        FillFields();
        UpdateButtons();
    });
    connect(list_->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { Resort([this, column] { editor_->SortBy(column); }); });
    connect(list_, &QWidget::customContextMenuRequested, this, &TPeopleForm::ShowMenu);
    resize(560, 440);
    Refresh(0);
    apply_->setEnabled(false);
}

TPeopleForm::~TPeopleForm() = default;

QString TPeopleForm::Text(int stadiumId, const char* stadium, int refereeId,
                          const char* referee) const {
    return kind_ == TPeopleKind::Stadiums ? LangText(stadiumId, stadium)
                                          : LangText(refereeId, referee);
}

int TPeopleForm::Selected() const {
    const QModelIndex i = list_->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void TPeopleForm::Select(int row) {
    if (row >= 0 && row < model_->rowCount()) list_->setCurrentIndex(model_->index(row, 0));
    FillFields();
    UpdateButtons();
}

void TPeopleForm::Refresh(int select) {
    model_->Reload();
    count_->setText(
        Fmt(Text(11021, "Stadiums Count: %d", 11214, "Referees Count: %d"), model_->rowCount()));
    if (select >= 0) Select(std::min(select, model_->rowCount() - 1));
    UpdateButtons();
}

void TPeopleForm::FillFields() {
    const int row = Selected();
    if (row < 0 || row >= static_cast<int>(editor_->Entries().size())) {
        name_->clear();
        country_->setCurrentText(QString());
        city_->clear();
        number_->clear();
        return;
    }
    const TPersonEntry& e = editor_->Entries()[static_cast<size_t>(row)];
    name_->setText(e.Name);
    country_->setCurrentText(e.Country);
    city_->setText(e.City);
    number_->setText(e.Number >= 0 ? QString::number(e.Number) : QString());
}

void TPeopleForm::UpdateButtons() {
    add_->setEnabled(!name_->text().trimmed().isEmpty());
    delete_->setEnabled(Selected() >= 0);
    replace_->setEnabled(add_->isEnabled() && delete_->isEnabled());
}

void TPeopleForm::Changed() {
    apply_->setEnabled(true);
}

void TPeopleForm::ShowResult(const TEditResult& r, QWidget* focus) {
    if (r.Ok) return;
    ShowAppMessage(r.Message, r.IsError ? TMessageKind::Error : TMessageKind::Information);
    if (focus) focus->setFocus();
}

void TPeopleForm::Add() {
    const TEditResult r =
        editor_->Add(name_->text(), country_->currentText(), city_->text(), number_->text());
    if (!r.Ok) {
        ShowResult(r, r.IsError ? number_ : name_);
        return;
    }
    Refresh(static_cast<int>(editor_->Entries().size()) - 1);
    name_->setFocus();
    name_->selectAll();
    Changed();
}

void TPeopleForm::Replace() {
    const int row = Selected();
    if (row < 0) return;
    const TEditResult r = editor_->Replace(row, name_->text(), country_->currentText(),
                                           city_->text(), number_->text());
    if (!r.Ok) {
        ShowResult(r, r.IsError ? number_ : name_);
        return;
    }
    Refresh(row);
    Changed();
}

void TPeopleForm::Delete() {
    const int row = Selected();
    if (row < 0) return;
    const TEditResult r = editor_->Delete(row);
    if (!r.Ok) {
        ShowResult(r, nullptr);
        return;
    }
    Refresh(row);
    Changed();
}

void TPeopleForm::DeleteAll() {
    const QString question = Text(11017, "Are you sure you want to delete all stadiums?", 11243,
                                  "Are you sure you want to delete all referees?");
    if (ShowAppMessage(question, TMessageKind::QuestionYesNo) != TMessageButton::Yes) return;
    editor_->DeleteAll();
    Refresh(0);
    Changed();
}

void TPeopleForm::SaveToFile() {
    if (editor_->Entries().empty()) return;
    const bool stadiums = kind_ == TPeopleKind::Stadiums;
    const char* pathKey = stadiums ? "StadiumsPath" : "RefereesPath";
    const QString filter = Text(11031, "Studium Lists (*.sdm)", 11231, "Referee Lists (*.rfr)") +
                           QStringLiteral(";;") + LangText(153, "All Files (*)");
    QString path = dialogs_.SaveFile(
        this, Text(11029, "Save Stadium List to File", 11229, "Save Referee List to File"),
        PrefString("", pathKey), filter);
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += PeopleListExtension(kind_);
    const TIoResult r = SavePeopleList(path, kind_, editor_->Entries());
    if (!r) {
        ShowAppMessage(r.Message, TMessageKind::Error);
        return;
    }
    RegWriteString(QString(), QLatin1String(pathKey),
                   QFileInfo(path).absolutePath() + QLatin1Char('/'));
}

void TPeopleForm::LoadFromFile() {
    const bool stadiums = kind_ == TPeopleKind::Stadiums;
    const char* pathKey = stadiums ? "StadiumsPath" : "RefereesPath";
    QString chosen;
    const QString filter = Text(11032, "Stadium Lists (*.sdm)", 11231, "Referee Lists (*.rfr)") +
                           QStringLiteral(";;") + LangText(153, "All Files (*)");
    const QStringList files = dialogs_.OpenFiles(
        this, Text(11030, "Load Stadium List form File", 11230, "Load Referee List form File"),
        PrefString("", pathKey), filter, chosen);
    if (files.isEmpty()) return;
    const TPeopleLoad r = LoadPeopleList(files.first(), *editor_);
    if (!r.Ok)
        ShowAppMessage(r.Error, TMessageKind::Error);
    else if (!r.Information.isEmpty())
        ShowAppMessage(r.Information, TMessageKind::Information);
    RegWriteString(QString(), QLatin1String(pathKey),
                   QFileInfo(files.first()).absolutePath() + QLatin1Char('/'));
    if (r.Added > 0) {
        Refresh(Selected() >= 0 ? Selected() : 0);
        Changed();
    }
}

bool TPeopleForm::ApplyChanges() {
    if (!apply_->isEnabled()) return false;
    if (kind_ == TPeopleKind::Stadiums)
        edit::SetStadiums(doc_, *editor_);
    else
        edit::SetReferees(doc_, *editor_);
    apply_->setEnabled(false);
    return true;
}

void TPeopleForm::accept() {
    ApplyChanges();
    QDialog::accept();
}

bool TPeopleForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // The capacity and the birth year take digits as they are typed.
        if (watched == number_ && !key->text().isEmpty() && key->text().at(0).isPrint() &&
            !key->text().at(0).isDigit() && !(key->modifiers() & Qt::ControlModifier))
            return true;
        if (watched == list_ && key->key() == Qt::Key_Delete) {
            Delete();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TPeopleForm::Resort(const std::function<void()>& sort) {
    // The entry chosen stays chosen wherever the new order puts it.
    const int id = Selected() >= 0 ? editor_->Entries()[static_cast<size_t>(Selected())].Id : -1;
    sort();
    Refresh(-1);
    for (size_t i = 0; i < editor_->Entries().size(); ++i)
        if (editor_->Entries()[i].Id == id) Select(static_cast<int>(i));
}

void TPeopleForm::ShowMenu(QPoint pos) {
    QMenu menu(this);
    QMenu* sort = menu.addMenu(Text(11013, "&Sort", 11213, "&Sort"));
    QAction* descending = sort->addAction(Text(11022, "&Descending", 11222, "&Descending"));
    descending->setCheckable(true);
    descending->setChecked(editor_->Descending());
    connect(descending, &QAction::triggered, this,
            [this](bool on) { Resort([this, on] { editor_->SetDescending(on); }); });
    const char* stadiumItems[] = {"By &Name", "By &Country", "By C&ity", "By C&apacity"};
    const char* refereeItems[] = {"By &Name", "By &Country", "By C&ity", "By &Birth Year"};
    const int stadiumIds[] = {11023, 11024, 11025, 11026};
    const int refereeIds[] = {11223, 11224, 11225, 11226};
    for (int c = 0; c < 4; ++c) {
        QAction* a =
            sort->addAction(Text(stadiumIds[c], stadiumItems[c], refereeIds[c], refereeItems[c]));
        a->setCheckable(true);
        a->setChecked(editor_->SortColumn() == c);
        connect(a, &QAction::triggered, this,
                [this, c] { Resort([this, c] { editor_->SetSortColumn(c); }); });
    }
    connect(menu.addAction(LangText(1004, "&Delete")), &QAction::triggered, this,
            &TPeopleForm::Delete);
    connect(menu.addAction(Text(11012, "Delete &All", 11212, "Delete &All")), &QAction::triggered,
            this, &TPeopleForm::DeleteAll);
    QAction* save = menu.addAction(Text(11027, "Sa&ve To File", 11227, "Sa&ve To File"));
    save->setEnabled(!editor_->Entries().empty());
    connect(save, &QAction::triggered, this, &TPeopleForm::SaveToFile);
    connect(menu.addAction(Text(11028, "&Load From File", 11228, "&Load From File")),
            &QAction::triggered, this, &TPeopleForm::LoadFromFile);
    menu.exec(list_->viewport()->mapToGlobal(pos));
}

} // namespace kv
