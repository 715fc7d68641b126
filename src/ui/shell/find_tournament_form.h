#pragma once

#include "storage/tournament_list.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;

// "&Find Tournament": the text, the options, the direction, the scope and the origin of a
// search of the tournament list. The texts searched for stay in the list for this run.
namespace kv {

class TFindTournamentForm : public QDialog {
    Q_OBJECT
public:
    explicit TFindTournamentForm(QWidget* parent = nullptr);
    TFindOptions Options() const;
    void SetText(const QString& text);
    // The texts searched for this run, and the choices, carried into a new form (after a
    // change of language the form is made again in the new one).
    QStringList History() const;
    void Restore(const TFindOptions& options, const QStringList& history);
    // The language the form was made in.
    const QString& Language() const { return language_; }
    // OK: a blank text is refused with a message and the dialog stays open.
    void accept() override;

private:
    QComboBox* text_;
    QCheckBox* caseSensitive_;
    QCheckBox* exact_;
    QRadioButton* forward_;
    QRadioButton* backward_;
    QRadioButton* global_;
    QRadioButton* selectedFolder_;
    QRadioButton* fromSelected_;
    QRadioButton* entireScope_;
    QString language_;
};

} // namespace kv
