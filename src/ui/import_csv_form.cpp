#include "ui/import_csv_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/programfolder.h"
#include "base/textformat.h"
#include "export/results_file.h"
#include "model/tournament.h"
#include "storage/named_files.h"
#include "ui/csv_records_model.h"
#include "ui/dialog_buttons.h"
#include "ui/import_rows_model.h"
#include "ui/select_fixture_column_form.h"
#include "ui/style_form.h"
#include "ui/tournament_document.h"
#include "ui/wait_form.h"
#include "ui/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

namespace {

bool Holds(const std::vector<int>& kinds, int kind) {
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

} // namespace

TImportCSVForm::TImportCSVForm(TTournamentDocument& doc, const TCsvRecords& records,
                               QWidget* parent)
    : QDialog(parent), doc_(doc), rows_(RowsFromRecords(records)),
      kinds_(static_cast<size_t>(WidestRecord(records)), ImportNone) {
    setObjectName(QStringLiteral("TImportCSVForm"));
    setWindowTitle(LangText(11500, "Import from CSV"));
    auto* layout = new QVBoxLayout(this);
    model_ = new TImportRowsModel(rows_, kinds_, doc.Tournament().HasConferences(), this);
    list_ = Named(new QTableView(this), "LV");
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->horizontalHeader()->setSectionsClickable(true);
    list_->horizontalHeader()->setDefaultSectionSize(110);
    list_->verticalHeader()->setDefaultSectionSize(22);
    list_->horizontalHeader()->setStretchLastSection(true);
    // Measuring every cell of a long file would take a while; a short one fits its texts.
    if (rows_.size() < 2000) list_->resizeColumnsToContents();
    layout->addWidget(list_, 1);
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TImportCSVForm::ChooseKind);
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TImportCSVForm::ShowDetails);

    auto* schemeRow = new QHBoxLayout;
    auto* schemeLabel = new QLabel(LangText(11501, "Column &Scheme:"), this);
    schemes_ = Named(new QComboBox(this), "StyleCB");
    schemes_->setMinimumWidth(160);
    schemeLabel->setBuddy(schemes_);
    auto* save = Named(new QPushButton(LangText(11502, "Sa&ve..."), this), "SaveStyleBtn");
    deleteScheme_ = Named(new QPushButton(LangText(11503, "De&lete"), this), "DeleteStyleBtn");
    schemeRow->addWidget(schemeLabel);
    schemeRow->addWidget(schemes_, 1);
    schemeRow->addWidget(save);
    schemeRow->addWidget(deleteScheme_);
    layout->addLayout(schemeRow);
    connect(schemes_, &QComboBox::activated, this,
            [this] { ChooseScheme(schemes_->currentText()); });
    connect(save, &QPushButton::clicked, this, &TImportCSVForm::SaveScheme);
    connect(deleteScheme_, &QPushButton::clicked, this, &TImportCSVForm::DeleteScheme);

    // The dates: recognised by themselves, or in a format given, seen on the first rows.
    auto* dateRow = new QHBoxLayout;
    auto* dateLabel = new QLabel(LangText(11514, "Date &format:"), this);
    dateFormat_ = Named(new QComboBox(this), "DateFormatCB");
    dateFormat_->setEditable(true);
    dateFormat_->setInsertPolicy(QComboBox::NoInsert);
    dateFormat_->addItem(QString());
    dateFormat_->addItems({QStringLiteral("dd/MM/yyyy"), QStringLiteral("MM/dd/yyyy"),
                           QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy"),
                           QStringLiteral("d MMM yyyy"), QStringLiteral("ddd MMM d yyyy")});
    dateFormat_->lineEdit()->setPlaceholderText(LangText(11518, "recognised by itself"));
    dateFormat_->setMinimumWidth(170);
    dateLabel->setBuddy(dateFormat_);
    datePreview_ = Named(new QLabel(this), "DatePreviewLabel");
    datePreview_->setWordWrap(true);
    datePreview_->setTextFormat(Qt::PlainText);
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(dateFormat_);
    dateRow->addWidget(datePreview_, 1);
    layout->addLayout(dateRow);
    connect(dateFormat_, &QComboBox::editTextChanged, this, &TImportCSVForm::UpdateDatePreview);

    auto* options = new QGridLayout;
    selectedOnly_ =
        Named(new QCheckBox(LangText(11504, "&Import Selected Only"), this), "ImportSelectedChB");
    addStadiums_ =
        Named(new QCheckBox(LangText(11505, "Add New S&tadiums"), this), "AddStadiumsChB");
    assignStadiums_ =
        Named(new QCheckBox(LangText(11506, "&Assign Holders' Stadiums to Fixtures"), this),
              "AssignHoldersStadiumsCB");
    addReferees_ =
        Named(new QCheckBox(LangText(11507, "Add New &Referees"), this), "AddRefereesChB");
    options->addWidget(selectedOnly_, 0, 0);
    options->addWidget(addStadiums_, 0, 1);
    options->addWidget(assignStadiums_, 1, 1);
    options->addWidget(addReferees_, 1, 0);
    // Teams the tournament lacks: added to a group chosen, as stadiums and referees are.
    auto* teamRow = new QHBoxLayout;
    addTeams_ = Named(new QCheckBox(LangText(11519, "Add New Tea&ms to:"), this), "AddTeamsChB");
    teamGroup_ = Named(new QComboBox(this), "TeamGroupCB");
    for (const auto& g : doc.Tournament().Groups())
        teamGroup_->addItem(g->Name, g->Id);
    teamGroup_->setEnabled(false);
    teamRow->addWidget(addTeams_);
    teamRow->addWidget(teamGroup_, 1);
    options->addLayout(teamRow, 2, 0, 1, 2);
    connect(addTeams_, &QCheckBox::toggled, teamGroup_, &QWidget::setEnabled);
    added_ = Named(new QLabel(this), "AddedLabel");
    failed_ = Named(new QLabel(this), "FailedLabel");
    options->addWidget(added_, 0, 2);
    options->addWidget(failed_, 1, 2);
    options->setColumnStretch(2, 1);
    layout->addLayout(options);
    details_ = Named(new QPlainTextEdit(this), "DetailsMemo");
    details_->setReadOnly(true);
    details_->setMaximumHeight(60);
    details_->hide();
    layout->addWidget(details_);

    auto* box = new QDialogButtonBox(this);
    auto* detailsBtn = Named(
        box->addButton(LangText(11508, "&Details..."), QDialogButtonBox::ActionRole), "DetailsBtn");
    auto* import =
        Named(box->addButton(LangText(11509, "Import"), QDialogButtonBox::ActionRole), "ImportBtn");
    Named(box->addButton(LangText(11510, "Close"), QDialogButtonBox::RejectRole), "CloseBtn");
    AddHelpButton(*box, *this);
    import->setDefault(true);
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(import, &QPushButton::clicked, this, &TImportCSVForm::Import);
    connect(detailsBtn, &QPushButton::clicked, this, [this] {
        details_->setVisible(!details_->isVisible());
        ShowDetails();
    });
    FillSchemes(QString());
    UpdateChecks();
    UpdateCounts();
    UpdateDatePreview();
    resize(760, 560);
}

void TImportCSVForm::SetKind(int column, int kind) {
    if (column < 0 || column >= static_cast<int>(kinds_.size())) return;
    kinds_[static_cast<size_t>(column)] = kind;
    schemes_->setCurrentIndex(0);
    deleteScheme_->setEnabled(false);
    model_->Refresh();
    FitHeadings();
    UpdateChecks();
    UpdateDatePreview();
}

// A column named anew is widened, where it must be, to show its whole heading.
void TImportCSVForm::FitHeadings() {
    QHeaderView* header = list_->horizontalHeader();
    for (int c = 0; c < header->count(); ++c)
        if (header->sectionSizeHint(c) > header->sectionSize(c))
            header->resizeSection(c, header->sectionSizeHint(c));
}

void TImportCSVForm::ChooseKind(int column) {
    if (column < 0 || column >= static_cast<int>(kinds_.size())) return;
    TSelectFixtureColumnForm form(kinds_[static_cast<size_t>(column)],
                                  doc_.Tournament().HasConferences(), this);
    if (form.exec() == QDialog::Accepted) SetKind(column, form.Kind());
}

void TImportCSVForm::FillSchemes(const QString& select) {
    schemes_->clear();
    schemes_->addItem(QString());
    schemes_->addItems(NamedFiles(StylesFolder(), QStringLiteral(".impf")));
    schemes_->setCurrentIndex(std::max(0, schemes_->findText(select)));
    deleteScheme_->setEnabled(schemes_->currentIndex() > 0);
}

void TImportCSVForm::ChooseScheme(const QString& name) {
    deleteScheme_->setEnabled(!name.isEmpty());
    if (name.isEmpty()) return;
    std::vector<int> kinds;
    QString error;
    const bool read =
        LoadImportScheme(ImportSchemePath(name), static_cast<int>(kinds_.size()), kinds, error);
    // The kinds read before an error stay.
    for (size_t i = 0; i < kinds.size() && i < kinds_.size(); ++i)
        kinds_[i] = kinds[i];
    model_->Refresh();
    FitHeadings();
    UpdateChecks();
    UpdateDatePreview();
    if (!read) ShowAppMessage(error, TMessageKind::Error);
}

void TImportCSVForm::SaveScheme() {
    const QString name = TStyleForm::AskName(*schemes_, this, LangText(11565, "Save Scheme As..."),
                                             LangText(11566, "Scheme"));
    if (name.isEmpty()) return;
    QString error;
    if (!SaveImportScheme(ImportSchemePath(name), kinds_, error)) {
        ShowAppMessage(error, TMessageKind::Error);
        return;
    }
    FillSchemes(name);
}

void TImportCSVForm::DeleteScheme() {
    if (schemes_->currentIndex() <= 0 || !TStyleForm::ConfirmDelete()) return;
    DeleteNamedFile(ImportSchemePath(schemes_->currentText()), AskDeleteForGood);
    FillSchemes(QString());
}

// The stadium and referee switches follow the columns; a switch that cannot apply is off.
void TImportCSVForm::UpdateChecks() {
    const bool stadiums = Holds(kinds_, ImportStadium);
    const bool referees = Holds(kinds_, ImportReferee);
    addStadiums_->setEnabled(stadiums);
    assignStadiums_->setEnabled(!stadiums);
    addReferees_->setEnabled(referees);
    for (QCheckBox* box : {addStadiums_, assignStadiums_, addReferees_})
        if (!box->isEnabled()) box->setChecked(false);
}

void TImportCSVForm::UpdateCounts() {
    added_->setText(Fmt(LangText(11511, "Fixtures Added: %d"), counts_.Added));
    failed_->setText(Fmt(LangText(11512, "Fixtures Failed: %d"), counts_.Failed));
}

void TImportCSVForm::UpdateDatePreview() {
    datePreview_->setText(DatesPreview(rows_, kinds_, dateFormat_->currentText().trimmed()));
}

void TImportCSVForm::ShowDetails() {
    const QModelIndex current = list_->currentIndex();
    details_->setPlainText(current.isValid() ? rows_[static_cast<size_t>(current.row())].Message
                                             : QString());
}

void TImportCSVForm::SelectRows(const std::vector<int>& rows) {
    list_->clearSelection();
    for (int row : rows)
        list_->selectionModel()->select(model_->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

bool TImportCSVForm::Import() {
    if (const QString refused = CheckImportColumns(rows_, kinds_); !refused.isEmpty()) {
        ShowAppMessage(refused, TMessageKind::Information);
        return false;
    }
    for (TImportRow& row : rows_)
        row.Selected = false;
    for (const QModelIndex& index : list_->selectionModel()->selectedRows())
        rows_[static_cast<size_t>(index.row())].Selected = true;
    TImportOptions options;
    options.Kinds = kinds_;
    options.SelectedOnly = selectedOnly_->isChecked();
    options.AddStadiums = addStadiums_->isChecked();
    options.AssignHomeStadiums = assignStadiums_->isChecked();
    options.AddReferees = addReferees_->isChecked();
    options.DateFormat = dateFormat_->currentText().trimmed();
    if (addTeams_->isChecked()) options.AddTeamsToGroup = teamGroup_->currentData().toInt();
    TWaitForm wait;
    wait.ShowNow();
    TImportCounts counts;
    std::vector<TImportRow>& rows = rows_;
    doc_.Edit(LangText(11513, "Import Fixtures"),
              ChangeTables | ChangeFixtures | ChangeStatistics |
                  (options.AddTeamsToGroup >= 0 ? ChangeStructure | ChangeLayout : 0u),
              [&](TTournament& t) {
                  counts = ImportRows(t, rows, options, [&wait](int p) { wait.SetProgress(p); });
              });
    wait.close();
    counts_ = counts; // the counters tell of this run
    model_->Refresh();
    UpdateCounts();
    ShowDetails();
    return true;
}

} // namespace kv
