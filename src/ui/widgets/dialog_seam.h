#pragma once

#include "base/fontdata.h"

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;

// File dialogs and input boxes as an interface, so that tests can answer them: the windows ask
// through it, the program installs the widget version.
namespace kv {

class TDialogSeam {
public:
    virtual ~TDialogSeam() = default;
    // Several files to open; `filter` holds the filter list ("A (*.a);;B (*.b)") and receives the
    // one chosen. Empty when cancelled.
    virtual QStringList OpenFiles(QWidget* parent, const QString& title, const QString& folder,
                                  const QString& filters, QString& chosenFilter) = 0;
    // A file to save; empty when cancelled.
    virtual QString SaveFile(QWidget* parent, const QString& title, const QString& suggested,
                             const QString& filters) = 0;
    // The same, where the filter chosen matters (the colour depth of a bitmap): `chosenFilter`
    // comes in as the one to preselect and goes out as the one chosen.
    virtual QString SaveFileAs(QWidget* parent, const QString& title, const QString& suggested,
                               const QString& filters, QString& chosenFilter) {
        (void)chosenFilter;
        return SaveFile(parent, title, suggested, filters);
    }
    // A line of text; false when cancelled.
    virtual bool InputText(QWidget* parent, const QString& title, const QString& prompt,
                           QString& text) = 0;
    // A colour, starting from `color`; false when cancelled.
    virtual bool ChooseColor(QWidget* parent, const QString& title, TColor& color) = 0;
    // A whole font (name, size, colour and styles), starting from `font`; false when cancelled.
    virtual bool ChooseFont(QWidget* parent, const QString& title, TFontData& font) = 0;
    // The print dialog: the printer, its paper and its orientation; false when cancelled.
    virtual bool ChoosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // A folder, starting from `folder`; empty when cancelled.
    virtual QString ChooseFolder(QWidget* parent, const QString& title, const QString& folder) = 0;
};

class TWidgetDialogs : public TDialogSeam {
public:
    QStringList OpenFiles(QWidget* parent, const QString& title, const QString& folder,
                          const QString& filters, QString& chosenFilter) override;
    QString SaveFile(QWidget* parent, const QString& title, const QString& suggested,
                     const QString& filters) override;
    QString SaveFileAs(QWidget* parent, const QString& title, const QString& suggested,
                       const QString& filters, QString& chosenFilter) override;
    bool InputText(QWidget* parent, const QString& title, const QString& prompt,
                   QString& text) override;
    bool ChooseColor(QWidget* parent, const QString& title, TColor& color) override;
    bool ChooseFont(QWidget* parent, const QString& title, TFontData& font) override;
    bool ChoosePrinter(QWidget* parent, QPrinter& printer) override;
    QString ChooseFolder(QWidget* parent, const QString& title, const QString& folder) override;
};

} // namespace kv
