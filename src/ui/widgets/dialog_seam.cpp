#include "ui/widgets/dialog_seam.h"

#include "render/paint_tools.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace kv {

QStringList TWidgetDialogs::OpenFiles(QWidget* parent, const QString& title, const QString& folder,
                                      const QString& filters, QString& chosenFilter) {
    return QFileDialog::getOpenFileNames(parent, title, folder, filters, &chosenFilter);
}

QString TWidgetDialogs::SaveFile(QWidget* parent, const QString& title, const QString& suggested,
                                 const QString& filters) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filters);
}

QString TWidgetDialogs::SaveFileAs(QWidget* parent, const QString& title, const QString& suggested,
                                   const QString& filters, QString& chosenFilter) {
    return QFileDialog::getSaveFileName(parent, title, suggested, filters, &chosenFilter);
}

bool TWidgetDialogs::InputText(QWidget* parent, const QString& title, const QString& prompt,
                               QString& text) {
    bool ok = false;
    const QString typed =
        QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, text, &ok);
    if (ok) text = typed;
    return ok;
}

bool TWidgetDialogs::ChooseColor(QWidget* parent, const QString& title, TColor& color) {
    const QColor chosen = QColorDialog::getColor(ToQColor(color), parent, title);
    if (!chosen.isValid()) return false;
    color = RgbColor(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

bool TWidgetDialogs::ChooseFont(QWidget* parent, const QString& title, TFontData& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font), parent, title);
    if (!ok) return false;
    font = FontDataOf(chosen, font.Color, font.Charset);
    return true;
}

bool TWidgetDialogs::ChoosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QString TWidgetDialogs::ChooseFolder(QWidget* parent, const QString& title, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent, title, folder);
}

} // namespace kv
