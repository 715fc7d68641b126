#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// "Tournament Properties": the name, the file name (the file moves with it), the notes, and the
// dates the tournament was created and last saved.
namespace kv {

class TTournamentDocument;
class TTournamentList;

class TTournamentPropertiesForm : public QDialog {
    Q_OBJECT
public:
    TTournamentPropertiesForm(TTournamentDocument& doc, const TTournamentList& list,
                              QWidget* parent = nullptr);

    // False (the dialog stays) when a check refused.
    bool Apply();
    void accept() override;

signals:
    // The file moved from `from`; the list entry follows.
    void FileMoved(const QString& from, const QString& to);

private:
    TTournamentDocument& doc_;
    const TTournamentList& list_;
    QLineEdit* name_ = nullptr;
    QLineEdit* file_ = nullptr;
    QPlainTextEdit* notes_ = nullptr;
    QPushButton* apply_ = nullptr;
};

} // namespace kv
