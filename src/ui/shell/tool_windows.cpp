#include "ui/shell/tool_windows.h"

#include "ui/commands/command_set.h"

#include "base/language.h"
#include "ui/shell/filter_tool_window.h"
#include "ui/shell/table_tool_window.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTabWidget>

namespace kv {

TToolWindows::TToolWindows(QMainWindow& main, const TCommandSet& commands) : QObject(&main) {
    setObjectName(QStringLiteral("ToolWindows"));
    table_ = new TTableToolWindow(&main);
    filter_ = new TFilterToolWindow(&main);
    main.addDockWidget(Qt::RightDockWidgetArea, table_);
    main.addDockWidget(Qt::RightDockWidgetArea, filter_);
    table_->hide();
    filter_->hide();
    const TCommandId toggles[] = {TCommandId::SortTool, TCommandId::ColumnsTool,
                                  TCommandId::MainFilterTool, TCommandId::FixturesFilterTool};
    for (int i = 0; i < 4; ++i) {
        QAction* a = commands[toggles[i]];
        connect(a, &QAction::triggered, this, [this, i] { Toggle(i); });
        actions_ << a;
    }
    for (QDockWidget* dock :
         {static_cast<QDockWidget*>(table_), static_cast<QDockWidget*>(filter_)}) {
        connect(dock, &QDockWidget::visibilityChanged, this, &TToolWindows::UpdateChecks);
        dock->installEventFilter(this);
    }
    connect(&table_->Tabs(), &QTabWidget::currentChanged, this, &TToolWindows::UpdateChecks);
    connect(&filter_->Tabs(), &QTabWidget::currentChanged, this, &TToolWindows::UpdateChecks);
    Update();
}

QList<QAction*> TToolWindows::Commands() const {
    return actions_;
}

void TToolWindows::Bind(TTournamentForm* form) {
    disconnect(commands_);
    form_ = form;
    if (form)
        commands_ = connect(form, &TTournamentForm::CommandsChanged, this, &TToolWindows::Update);
    table_->Bind(form ? &form->Document() : nullptr);
    filter_->Bind(form ? &form->Document() : nullptr, form ? &form->FixturesPage() : nullptr);
    Update();
}

void TToolWindows::Update() {
    const int page = form_ ? form_->Page() : -1;
    table_->SetUsable(page == 0);
    filter_->SetUsable(page >= 0, page == 1);
    for (QAction* a : actions_)
        a->setEnabled(form_ != nullptr);
    UpdateChecks();
}

void TToolWindows::UpdateChecks() {
    const bool tableShown = !table_->isHidden();
    const bool filterShown = !filter_->isHidden();
    actions_[0]->setChecked(tableShown && table_->Tabs().currentIndex() == 0);
    actions_[1]->setChecked(tableShown && table_->Tabs().currentIndex() == 1);
    actions_[2]->setChecked(filterShown && filter_->Tabs().currentIndex() == 0);
    actions_[3]->setChecked(filterShown && filter_->Tabs().currentIndex() == 1);
}

void TToolWindows::Toggle(int command) {
    QDockWidget* dock =
        command < 2 ? static_cast<QDockWidget*>(table_) : static_cast<QDockWidget*>(filter_);
    QTabWidget& tabs = command < 2 ? table_->Tabs() : filter_->Tabs();
    const int tab = command % 2;
    if (!dock->isHidden() && tabs.currentIndex() == tab) {
        dock->hide();
    } else {
        tabs.setCurrentIndex(tab);
        dock->show();
        dock->raise();
    }
    UpdateChecks();
}

bool TToolWindows::eventFilter(QObject* watched, QEvent* event) {
    // A tool window hidden with the focus inside would pass it along the focus chain, and the
    // tournament window it comes to would become the active one: it goes back to the window
    // the tool window works for.
    if (event->type() == QEvent::Hide) {
        auto* dock = qobject_cast<QWidget*>(watched);
        QWidget* focus = QApplication::focusWidget();
        if (dock && focus && dock->isAncestorOf(focus)) {
            if (form_)
                form_->setFocus(Qt::OtherFocusReason);
            else
                focus->clearFocus();
        }
    }
    return QObject::eventFilter(watched, event);
}

void TToolWindows::ApplyLanguage() {
    table_->Fill();
    filter_->Fill();
}

} // namespace kv
