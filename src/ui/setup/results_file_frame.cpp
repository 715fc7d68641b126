#include "ui/setup/results_file_frame.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "base/textformat.h"
#include "export/csv_export.h"
#include "model/sport.h"
#include "ui/fixtures/import_rows_model.h"
#include "ui/fixtures/select_fixture_column_form.h"
#include "ui/widgets/dialog_seam.h"
#include "ui/widgets/import_fields.h"
#include "ui/widgets/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace kv {

namespace {

constexpr int kDelimiters = 4; // comma, semicolon, tab, space

int DelimiterIndex(QChar separator) {
    for (int i = 0; i < kDelimiters; ++i)
        if (CsvSeparatorFor(i, QString()) == separator) return i;
    return 0;
}

} // namespace

TResultsFileFrame::TResultsFileFrame(TDialogSeam& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TResultsFileFrame"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    auto* fileLabel = new QLabel(LangText(7572, "Results fi&le:"), this);
    file_ = Named(new QLineEdit(this), "ResultsFileEdit");
    fileLabel->setBuddy(file_);
    auto* browse = Named(new QPushButton(LangText(7573, "Bro&wse..."), this), "BrowseBtn");
    grid->addWidget(fileLabel, 0, 0);
    grid->addWidget(file_, 0, 1, 1, 3);
    grid->addWidget(browse, 0, 4);
    auto* delimiterLabel = new QLabel(LangText(11401, "&Delimiter:"), this);
    delimiter_ = Named(new QComboBox(this), "DelimiterCB");
    delimiter_->addItems(CsvSeparatorLabels().mid(0, kDelimiters));
    delimiterLabel->setBuddy(delimiter_);
    headings_ =
        Named(new QCheckBox(LangText(7574, "First row holds h&eadings"), this), "HeadingsChB");
    grid->addWidget(delimiterLabel, 1, 0);
    grid->addWidget(delimiter_, 1, 1);
    grid->addWidget(headings_, 1, 2, 1, 3);
    auto* dateLabel = new QLabel(LangText(7575, "Date f&ormat:"), this);
    dateFormat_ = NewDateFormatBox(this);
    dateLabel->setBuddy(dateFormat_);
    datePreview_ = Named(new QLabel(this), "DatePreviewLabel");
    datePreview_->setWordWrap(true);
    datePreview_->setTextFormat(Qt::PlainText);
    grid->addWidget(dateLabel, 2, 0);
    grid->addWidget(dateFormat_, 2, 1);
    grid->addWidget(datePreview_, 2, 2, 1, 3);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    model_ = new TImportRowsModel(rows_, kinds_, false, this);
    list_ = Named(new QTableView(this), "LV");
    list_->setModel(model_);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->horizontalHeader()->setSectionsClickable(true);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->verticalHeader()->setDefaultSectionSize(22);
    layout->addWidget(list_, 1);
    summary_ = Named(new QLabel(this), "SummaryLabel");
    summary_->setWordWrap(true);
    summary_->setTextFormat(Qt::PlainText);
    layout->addWidget(summary_);

    connect(browse, &QPushButton::clicked, this, &TResultsFileFrame::Browse);
    connect(file_, &QLineEdit::editingFinished, this, [this] {
        if (file_->text().trimmed() != path_) LoadFile(file_->text().trimmed());
    });
    connect(delimiter_, &QComboBox::activated, this, &TResultsFileFrame::Reread);
    connect(headings_, &QCheckBox::toggled, this, &TResultsFileFrame::SetRows);
    connect(dateFormat_, &QComboBox::editTextChanged, this, &TResultsFileFrame::Update);
    connect(list_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &TResultsFileFrame::ChooseKind);
    Update();
}

void TResultsFileFrame::Browse() {
    QString filter;
    const QStringList files =
        dialogs_.OpenFiles(this, LangText(7576, "Open Results File"),
                           path_.isEmpty() ? ProgramFolder() : QFileInfo(path_).absolutePath(),
                           LangText(11515, "Comma Separated Values (*.csv)") +
                               QStringLiteral(";;") + LangText(11516, "Text Files (*.txt)"),
                           filter);
    if (!files.isEmpty()) LoadFile(files.front());
}

void TResultsFileFrame::LoadFile(const QString& path) {
    path_ = path;
    file_->setText(path);
    read_ = path.isEmpty() ? TResultsFile{} : ReadResultsFile(path);
    if (read_.Problem.isEmpty()) {
        delimiter_->setCurrentIndex(DelimiterIndex(read_.Separator));
        const QSignalBlocker block(headings_);
        headings_->setChecked(read_.Columns.Header);
    }
    kinds_ = read_.Columns.Kinds;
    SetRows();
}

// Another delimiter: the file is read again and its columns guessed anew.
void TResultsFileFrame::Reread() {
    if (path_.isEmpty()) return;
    read_ = ReadResultsFile(path_, CsvSeparatorFor(delimiter_->currentIndex(), QString()));
    kinds_ = read_.Columns.Kinds;
    SetRows();
}

void TResultsFileFrame::SetRows() {
    model_->BeginReset();
    rows_ = RowsFromRecords(read_.Records);
    if (headings_->isChecked() && !rows_.empty()) rows_.erase(rows_.begin());
    int widest = 0;
    for (const QStringList& r : read_.Records)
        widest = std::max(widest, static_cast<int>(r.size()));
    kinds_.resize(static_cast<size_t>(widest), ImportNone);
    model_->EndReset();
    if (rows_.size() < 2000) list_->resizeColumnsToContents();
    Update();
}

void TResultsFileFrame::SetKind(int column, int kind) {
    if (column < 0 || column >= static_cast<int>(kinds_.size())) return;
    // A kind belongs to one column: the column that had it gives it up.
    if (kind != ImportNone)
        std::replace(kinds_.begin(), kinds_.end(), kind, static_cast<int>(ImportNone));
    kinds_[static_cast<size_t>(column)] = kind;
    model_->Refresh();
    WidenToHeadings(*list_->horizontalHeader());
    Update();
}

void TResultsFileFrame::ChooseKind(int column) {
    if (column < 0 || column >= static_cast<int>(kinds_.size())) return;
    TSelectFixtureColumnForm form(kinds_[static_cast<size_t>(column)], false, this);
    if (form.exec() == QDialog::Accepted) SetKind(column, form.Kind());
}

void TResultsFileFrame::Update() {
    ++generation_;
    teams_ = TeamsOfResults(rows_, kinds_, MaxLegs(SportBaseball));
    datePreview_->setText(DatesPreview(rows_, kinds_, dateFormat_->currentText().trimmed()));
    const QString problem = Problem();
    summary_->setText(
        !problem.isEmpty()
            ? problem
            : Fmt(LangText(7577, "%d teams, %d legs, %d matches. A click on a column's heading "
                                 "says what it holds."),
                  static_cast<int>(teams_.Teams.size()), teams_.Legs,
                  static_cast<int>(rows_.size())));
    emit Changed();
}

QString TResultsFileFrame::Problem() const {
    if (path_.isEmpty()) return LangText(7578, "Choose the file of results.");
    if (!read_.Problem.isEmpty()) return read_.Problem;
    if (const QString columns = CheckImportColumns(rows_, kinds_); !columns.isEmpty())
        return columns;
    return teams_.Problem;
}

TImportOptions TResultsFileFrame::Options() const {
    TImportOptions options;
    options.Kinds = kinds_;
    options.DateFormat = dateFormat_->currentText().trimmed();
    return options;
}

QString TResultsFileFrame::SuggestedName() const {
    return path_.isEmpty() ? QString() : QFileInfo(path_).completeBaseName();
}

} // namespace kv
