#include "ui/dialog_seam.h"

#include <QFileDialog>
#include <QInputDialog>

namespace kv {

QStringList TWidgetDialogs::OpenFiles(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filters, QString& chosenFilter) {
    return QFileDialog::getOpenFileNames(parent, title, folder, filters, &chosenFilter);
}

QString TWidgetDialogs::SaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filters) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filters);
}

bool TWidgetDialogs::InputText(QWidget* parent, const QString& title, const QString& prompt, QString& text) {
    bool ok = false;
    const QString typed = QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, text, &ok);
    if (ok)
        text = typed;
    return ok;
}

} // namespace kv
