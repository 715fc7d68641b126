#pragma once

#include <QDialog>

class QPlainTextEdit;

// "Import Teams": one team name per line, typed or loaded from a text file.
namespace kv {

class TDialogSeam;

class TImportTeamsTxtForm : public QDialog {
    Q_OBJECT
public:
    TImportTeamsTxtForm(TDialogSeam& dialogs, QWidget* parent = nullptr);

    // The lines, each trimmed.
    QStringList Lines() const;
    // Loads a text file into the box, every line trimmed.
    void Open();

private:
    TDialogSeam& dialogs_;
    QPlainTextEdit* text_ = nullptr;
};

} // namespace kv
