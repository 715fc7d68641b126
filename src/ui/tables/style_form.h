#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;

// Asks for the name to save a style under, offering the names there are. "Save" takes only a
// name a file may have, and asks before an existing one is overwritten.
namespace kv {

class TStyleForm : public QDialog {
    Q_OBJECT
public:
    TStyleForm(const QStringList& names, const QString& current, QWidget* parent = nullptr);

    // Asks for a name among the entries of a style list (its first entry is the empty one):
    // empty when cancelled.
    static QString AskName(const QComboBox& list, QWidget* parent, const QString& caption = {},
                           const QString& label = {});
    // Asks for a name among the given ones, for another kind of named file than a style: the
    // caption and label name it, and the help is that of the window it serves. Empty when
    // cancelled.
    static QString AskName(const QStringList& names, const QString& current, QWidget* parent,
                           const QString& caption, const QString& label);
    // Another caption and label than a style's ("Save Scheme As...", "Scheme").
    void SetTexts(const QString& caption, const QString& label);
    // Asks before the style chosen in the list is deleted.
    static bool ConfirmDelete();

    // The chosen name, trimmed.
    QString Name() const;
    void accept() override;

private:
    QStringList existing_;
    QLabel* label_ = nullptr;
    QComboBox* names_ = nullptr;
    QPushButton* save_ = nullptr;
};

} // namespace kv
