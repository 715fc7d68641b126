#include "ui/output/html_settings_form.h"

#include "base/language.h"
#include "base/preferences.h"
#include "base/settings.h"
#include "export/html_export.h"
#include "ui/widgets/widget_names.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv {

THTMLSettingsForm::THTMLSettingsForm(const TTournament* t, const std::vector<int>& chosen,
                                     QWidget* parent)
    : TTablesChoiceDialog(parent) {
    setObjectName(QStringLiteral("THTMLSettingsForm"));
    setWindowTitle(LangText(11700, "HTML Settings"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    encoding_ = Named(new QComboBox(this), "EncodingCB");
    encoding_->setEditable(true);
    encoding_->setInsertPolicy(QComboBox::NoInsert);
    encoding_->addItems(HtmlEncodingLabels());
    encoding_->setEditText(PrefString("HTML", "Encoding"));
    attributes_ = Named(new QLineEdit(PrefString("HTML", "TableAttr"), this), "TableAttrEdit");
    attributes_->setMinimumWidth(320);
    form->addRow(LangText(11701, "&Encoding:"), encoding_);
    form->addRow(LangText(11702, "&Table Attributes:"), attributes_);
    layout->addLayout(form);
    AddChooser(*layout, t, chosen);
    resize(t ? 560 : 440, t ? 380 : 120);
}

QString THTMLSettingsForm::Charset() const {
    return HtmlCharset(encoding_->currentText().trimmed());
}

QString THTMLSettingsForm::TableAttributes() const {
    return attributes_->text();
}

void THTMLSettingsForm::accept() {
    if (NothingChosen()) return;
    RegWriteString(QStringLiteral("HTML"), QStringLiteral("Encoding"),
                   encoding_->currentText().trimmed());
    RegWriteString(QStringLiteral("HTML"), QStringLiteral("TableAttr"), attributes_->text());
    QDialog::accept();
}

} // namespace kv
