#include "ui/output/export_csv_options_form.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "export/csv_export.h"
#include "ui/widgets/widget_names.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

namespace {

constexpr int kOther = 4;

} // namespace

TExportCSVOptionsForm::TExportCSVOptionsForm(const TTournament* t, const std::vector<int>& chosen,
                                             QWidget* parent)
    : TTablesChoiceDialog(parent) {
    setObjectName(QStringLiteral("TExportCSVOptionsForm"));
    setWindowTitle(LangText(11900, "CSV / Text Export Options"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    separator_ = Named(new QComboBox(this), "DelimiterCB");
    separator_->addItems(CsvSeparatorLabels());
    other_ = Named(new QLineEdit(this), "DelimiterEdit");
    other_->setMaxLength(1);
    other_->setMaximumWidth(40);
    auto* separatorRow = new QHBoxLayout;
    separatorRow->addWidget(separator_, 1);
    separatorRow->addWidget(other_);
    quotes_ = Named(new QComboBox(this), "QuotesCB");
    quotes_->addItems(CsvQuoteLabels());
    auto* separatorLabel = new QLabel(LangText(11901, "&Delimiter:"), this);
    separatorLabel->setBuddy(separator_);
    form->addRow(separatorLabel, separatorRow);
    form->addRow(LangText(11902, "&Quotes:"), quotes_);
    layout->addLayout(form);
    // The stored separator: one of the list's, or the user's own character.
    const QString stored = PrefString("CSVExport", "Separator");
    const QChar c = stored.isEmpty() ? QLatin1Char(';') : stored.at(0);
    const QString usual = QStringLiteral(",;\t ");
    const qsizetype at = usual.indexOf(c);
    separator_->setCurrentIndex(at >= 0 ? static_cast<int>(at) : kOther);
    if (at < 0) other_->setText(QString(c));
    quotes_->setCurrentIndex(
        std::clamp(PrefInteger("CSVExport", "Quotes"), 0, quotes_->count() - 1));
    const auto showOther = [this] { other_->setVisible(separator_->currentIndex() == kOther); };
    connect(separator_, &QComboBox::currentIndexChanged, this, showOther);
    showOther();
    AddChooser(*layout, t, chosen);
    resize(t ? 560 : 380, t ? 380 : 100);
}

QChar TExportCSVOptionsForm::Separator() const {
    return CsvSeparatorFor(separator_->currentIndex(), other_->text());
}

QString TExportCSVOptionsForm::Quote() const {
    return CsvQuoteFor(quotes_->currentIndex());
}

void TExportCSVOptionsForm::accept() {
    if (NothingChosen()) return;
    // Every press keeps the options, a missing character of its own as ",".
    RegWriteString(QStringLiteral("CSVExport"), QStringLiteral("Separator"), QString(Separator()));
    RegWriteInteger(QStringLiteral("CSVExport"), QStringLiteral("Quotes"), quotes_->currentIndex());
    if (other_->isVisibleTo(this) && other_->text().isEmpty()) {
        ShowAppMessage(LangText(11906, "Text Delimiter is not specified"),
                       TMessageKind::Information);
        other_->setFocus();
        return;
    }
    QDialog::accept();
}

} // namespace kv
