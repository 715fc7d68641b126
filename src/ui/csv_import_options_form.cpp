#include "ui/csv_import_options_form.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "base/textformat.h"
#include "export/csv_export.h"
#include "ui/csv_records_model.h"
#include "ui/dialog_buttons.h"
#include "ui/widget_names.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace kv {

namespace {

constexpr int kOther = 4;
constexpr int kPreviewRows = 5;

} // namespace

TCSVImportOptionsForm::TCSVImportOptionsForm(const QString& text, QWidget* parent)
    : QDialog(parent), text_(text) {
    setObjectName(QStringLiteral("TCSVImportOptionsForm"));
    setWindowTitle(LangText(11400, "CSV / Text Import Options"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(LangText(11401, "&Delimiter:"), this);
    separator_ = Named(new QComboBox(this), "DelimiterCB");
    separator_->addItems(CsvSeparatorLabels());
    label->setBuddy(separator_);
    other_ = Named(new QLineEdit(this), "DelimiterEdit");
    other_->setMaxLength(1);
    other_->setMaximumWidth(40);
    firstRows_ =
        Named(new QCheckBox(LangText(11402, "&Preview First 5 Rows Only"), this), "FirstRowsChB");
    firstRows_->setChecked(true);
    row->addWidget(label);
    row->addWidget(separator_);
    row->addWidget(other_);
    row->addStretch(1);
    row->addWidget(firstRows_);
    layout->addLayout(row);
    model_ = new TCsvRecordsModel(this);
    preview_ = Named(new QTableView(this), "PreviewGrid");
    preview_->setModel(model_);
    preview_->horizontalHeader()->setDefaultSectionSize(110);
    preview_->verticalHeader()->setDefaultSectionSize(22);
    preview_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    layout->addWidget(preview_, 1);
    counts_ = Named(new QLabel(this), "CountsLabel");
    layout->addWidget(counts_);
    layout->addWidget(MakeDialogButtons(*this, false).Box);

    const int stored = PrefInteger("", "ImportTextDelimiter");
    separator_->setCurrentIndex(stored >= 0 && stored <= kOther ? stored : 0);
    other_->setText(PrefString("", "ImportTextDelimiterOther").left(1));
    connect(separator_, &QComboBox::currentIndexChanged, this, &TCSVImportOptionsForm::Rebuild);
    connect(other_, &QLineEdit::textChanged, this, &TCSVImportOptionsForm::Rebuild);
    connect(firstRows_, &QCheckBox::toggled, this, &TCSVImportOptionsForm::Rebuild);
    Rebuild();
    resize(640, 400);
}

QChar TCSVImportOptionsForm::Separator() const {
    return CsvSeparatorFor(separator_->currentIndex(), other_->text());
}

TCsvRecords TCSVImportOptionsForm::Records() const {
    return ReadCsvRecords(text_, Separator());
}

void TCSVImportOptionsForm::Rebuild() {
    other_->setVisible(separator_->currentIndex() == kOther);
    TCsvRecords records = Records();
    const int columns = WidestRecord(records);
    model_->SetRecords(std::move(records), firstRows_->isChecked() ? kPreviewRows : -1);
    counts_->setText(Fmt(LangText(11406, "Columns: %d;\tRows: %d"), columns, CsvLineCount(text_)));
}

void TCSVImportOptionsForm::accept() {
    RegWriteInteger(QString(), QStringLiteral("ImportTextDelimiter"), separator_->currentIndex());
    RegWriteString(QString(), QStringLiteral("ImportTextDelimiterOther"), other_->text());
    QDialog::accept();
}

} // namespace kv
