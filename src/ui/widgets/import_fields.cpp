#include "ui/widgets/import_fields.h"

#include "base/language.h"
#include "ui/widgets/widget_names.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

namespace kv {

QComboBox* NewDateFormatBox(QWidget* parent) {
    auto* box = Named(new QComboBox(parent), "DateFormatCB");
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItem(QString());
    box->addItems({QStringLiteral("dd/MM/yyyy"), QStringLiteral("MM/dd/yyyy"),
                   QStringLiteral("yyyy-MM-dd"), QStringLiteral("dd.MM.yyyy"),
                   QStringLiteral("d MMM yyyy"), QStringLiteral("ddd MMM d yyyy")});
    box->lineEdit()->setPlaceholderText(LangText(11518, "recognised by itself"));
    box->setMinimumWidth(170);
    return box;
}

void WidenToHeadings(QHeaderView& header) {
    for (int c = 0; c < header.count(); ++c)
        if (header.sectionSizeHint(c) > header.sectionSize(c))
            header.resizeSection(c, header.sectionSizeHint(c));
}

} // namespace kv
