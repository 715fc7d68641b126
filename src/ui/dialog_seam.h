#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// File dialogs and input boxes as an interface, so that tests can answer them: the windows ask
// through it, the program installs the widget version.
namespace kv {

class TDialogSeam {
public:
    virtual ~TDialogSeam() = default;
    // Several files to open; `filter` holds the filter list ("A (*.a);;B (*.b)") and receives the
    // one chosen. Empty when cancelled.
    virtual QStringList OpenFiles(QWidget* parent, const QString& title, const QString& folder, const QString& filters,
                                  QString& chosenFilter) = 0;
    // A file to save; empty when cancelled.
    virtual QString SaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filters) = 0;
    // A line of text; false when cancelled.
    virtual bool InputText(QWidget* parent, const QString& title, const QString& prompt, QString& text) = 0;
};

class TWidgetDialogs : public TDialogSeam {
public:
    QStringList OpenFiles(QWidget* parent, const QString& title, const QString& folder, const QString& filters,
                          QString& chosenFilter) override;
    QString SaveFile(QWidget* parent, const QString& title, const QString& suggested, const QString& filters) override;
    bool InputText(QWidget* parent, const QString& title, const QString& prompt, QString& text) override;
};

} // namespace kv
