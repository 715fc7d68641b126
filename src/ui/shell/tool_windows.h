#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMainWindow;

// The main window's two tool windows and their four commands (Ctrl+1 to Ctrl+4): each shows
// its window on its tab, or hides the window when that tab is already on show. They act on the
// active tournament window and are enabled by its page.
namespace kv {

class TCommandSet;
class TFilterToolWindow;
class TTableToolWindow;
class TTournamentForm;

class TToolWindows : public QObject {
    Q_OBJECT
public:
    // The four commands that show them are the main window's.
    TToolWindows(QMainWindow& main, const TCommandSet& commands);

    TTableToolWindow& Table() { return *table_; }
    TFilterToolWindow& Filter() { return *filter_; }
    // The four commands, in menu order.
    QList<QAction*> Commands() const;

    // The active tournament window (null: none).
    void Bind(TTournamentForm* form);
    // After a page change or a language change.
    void Update();
    void ApplyLanguage();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Toggle(int command);
    void UpdateChecks();

    TTableToolWindow* table_ = nullptr;
    TFilterToolWindow* filter_ = nullptr;
    QPointer<TTournamentForm> form_;
    QMetaObject::Connection commands_;
    QList<QAction*> actions_;
};

} // namespace kv
