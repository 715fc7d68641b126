#pragma once

#include <QDialog>

class QListWidget;

// "Select Column Contents": what a column of an import holds, or nothing.
namespace kv {

class TSelectFixtureColumnForm : public QDialog {
    Q_OBJECT
public:
    TSelectFixtureColumnForm(int kind, bool conferences, QWidget* parent = nullptr);

    // The kind chosen; none when "[None]" or nothing is selected.
    int Kind() const;
    void SetKind(int kind);
    QListWidget& List() const { return *list_; }

private:
    QListWidget* list_ = nullptr;
};

} // namespace kv
