#include "ui/select_fixture_column_form.h"

#include "base/language.h"
#include "export/csv_import.h"
#include "ui/dialog_buttons.h"
#include "ui/widget_names.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

namespace kv {

TSelectFixtureColumnForm::TSelectFixtureColumnForm(int kind, bool conferences, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TSelectFixtureColumnForm"));
    setWindowTitle(LangText(11569, "Select Column Contents"));
    auto* layout = new QVBoxLayout(this);
    list_ = Named(new QListWidget(this), "KindList");
    auto* none = new QListWidgetItem(LangText(11568, "[None]"), list_);
    none->setData(Qt::UserRole, static_cast<int>(ImportNone));
    for (int k = ImportNumber; k <= kLastImportKind; ++k) {
        auto* item = new QListWidgetItem(ImportKindCaption(k, conferences), list_);
        item->setData(Qt::UserRole, k);
    }
    layout->addWidget(list_, 1);
    layout->addWidget(MakeDialogButtons(*this, false).Box);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    SetKind(kind);
    resize(260, 420);
}

void TSelectFixtureColumnForm::SetKind(int kind) {
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->data(Qt::UserRole).toInt() == kind) list_->setCurrentRow(i);
}

int TSelectFixtureColumnForm::Kind() const {
    const QListWidgetItem* item = list_->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : static_cast<int>(ImportNone);
}

} // namespace kv
