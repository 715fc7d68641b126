#pragma once

#include "storage/help_index.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QToolButton;

// The manual in a window of its own: the contents and a search on the left, the page on the
// right, with back, forward and home.
namespace kv {

class THelpForm : public QWidget {
    Q_OBJECT
public:
    // The manual of the current language in the program's data folder.
    explicit THelpForm(QWidget* parent = nullptr);
    THelpForm(const QString& folder, QWidget* parent);

    // Shows a topic ("IDH_EDIT_MATCH"); false, with the contents shown, when it is unknown.
    bool ShowTopic(const QString& topic);
    void ShowPage(const QString& target);
    void Search(const QString& words);

    const THelpIndex& Index() const { return index_; }
    // The page shown, as "file.html#anchor".
    QString CurrentTarget() const;
    // The window and the manual in the current language, at the page shown.
    void ApplyLanguage();

private:
    void Build();

    THelpIndex index_;
    QTabWidget* side_ = nullptr;
    QListWidget* contents_ = nullptr;
    QListWidget* results_ = nullptr;
    QLineEdit* search_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
};

} // namespace kv
