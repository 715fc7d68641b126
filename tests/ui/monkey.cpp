#include "ui/monkey.h"

#include "edit/tournament_document.h"
#include "export/standings_json.h"
#include "standings/outlook.h"
#include "standings/tournament_check.h"
#include "standings/tournament_setup.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"
#include "ui/fixtures/fixtures_page.h"
#include "ui/shell/main_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"
#include "ui/ui_support.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <QWizard>

#include <cstdio>

namespace kvtest {

namespace {

// Commands that end the program or take files away from under the checks.
const QStringList kSkipped = {
    QStringLiteral("ExitAction"),        QStringLiteral("DeleteAction"),
    QStringLiteral("RemoveAction"),      QStringLiteral("CloseAction"),
    QStringLiteral("PreferencesAction"), QStringLiteral("AboutAction"),
    QStringLiteral("HelpTopicsAction"),  QStringLiteral("NewFolderAction")};

// The places still possible come from a thread of their own when they come: worked out here
// and now, so that two snapshots of one state agree.
QByteArray Snapshot(const kv::TTournament& t) {
    kv::UpdateOutlook(t);
    return QJsonDocument(kv::TournamentJson(t)).toJson(QJsonDocument::Compact);
}

} // namespace

QStringList TMonkey::HostileTexts() {
    return {QString(5000, QLatin1Char('W')),
            QStringLiteral("<script>alert(1)</script>"),
            QStringLiteral("%s%d%n%1%%"),
            QStringLiteral("\u202Eتيم\u200F"),
            QStringLiteral("line\nbreak\ttab\r"),
            QString(QChar(0)) + QStringLiteral("nul"),
            QStringLiteral("-2147483649"),
            QStringLiteral("99999999999999999999"),
            QStringLiteral("1e308"),
            QStringLiteral("3:2 OT (1:1, 0:0, 1:0, 1:1, 0:0)"),
            QStringLiteral("2-1"),
            QStringLiteral("31.02.2026"),
            QStringLiteral("25:61"),
            QStringLiteral("\"'&;|`$(rm -rf /)"),
            QString()};
}

TMonkey::TMonkey(kv::TMainForm& main, quint32 seed) : main_(main), rng_(seed) {}

QString TMonkey::RandomText() {
    const QStringList texts = HostileTexts();
    return texts.at(Pick(static_cast<int>(texts.size())));
}

void TMonkey::FillAndClose(QWidget& dialog) {
    // A one-line field takes what can be typed or pasted into it: line breaks become spaces.
    for (QLineEdit* e : dialog.findChildren<QLineEdit*>())
        if (e->isVisible() && e->isEnabled() && !e->isReadOnly() && Chance(50))
            e->setText(RandomText()
                           .replace(QLatin1Char('\r'), QLatin1Char(' '))
                           .replace(QLatin1Char('\n'), QLatin1Char(' ')));
    for (QPlainTextEdit* e : dialog.findChildren<QPlainTextEdit*>())
        if (e->isVisible() && e->isEnabled() && Chance(30)) e->setPlainText(RandomText());
    for (QCheckBox* b : dialog.findChildren<QCheckBox*>())
        if (b->isVisible() && b->isEnabled() && Chance(20)) b->toggle();
    for (QComboBox* c : dialog.findChildren<QComboBox*>())
        if (c->isVisible() && c->isEnabled() && c->count() > 0 && Chance(20))
            c->setCurrentIndex(Pick(c->count()));
    for (QSpinBox* s : dialog.findChildren<QSpinBox*>())
        if (s->isVisible() && s->isEnabled() && Chance(20))
            s->setValue(s->minimum() + Pick(s->maximum() - s->minimum() + 1));
    auto* d = qobject_cast<QDialog*>(&dialog);
    if (!d) {
        dialog.close();
        return;
    }
    // A wizard or a refused OK is cancelled the next time round.
    if (!qobject_cast<QWizard*>(d) && Chance(50))
        d->accept();
    else
        d->reject();
}

void TMonkey::HandleModals() {
    if (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
        return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    const int times = ++seen_[modal];
    if (times > 2) {
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
        else
            modal->close();
        return;
    }
    FillAndClose(*modal);
}

QString TMonkey::Check(const char* after) {
    for (kv::TTournamentForm* form : main_.TournamentForms()) {
        const QStringList problems = kv::TournamentProblems(form->Document().Tournament());
        if (!problems.isEmpty())
            return QStringLiteral("after %1: %2")
                .arg(QLatin1String(after), problems.join(QStringLiteral("; ")));
    }
    return {};
}

// The saved file reads back to the tournament the window holds.
QString TMonkey::CheckSaved(kv::TTournamentForm& form) {
    const kv::TTournament& held = form.Document().Tournament();
    if (held.IsModified) return {}; // the save was refused or failed: nothing to compare
    kv::TTournament read(kv::TTournamentDefaults::FromSettings());
    if (const kv::TIoResult r = kv::LoadTournament(read, held.FileName); !r)
        return QStringLiteral("saved file does not load: ") + r.Message;
    // What the window keeps beside the file.
    read.SortState = held.SortState;
    read.MatchFilter = held.MatchFilter;
    read.SelectedGroups = held.SelectedGroups;
    kv::RecomputeAll(read);
    const QByteArray a = Snapshot(read);
    const QByteArray b = Snapshot(held);
    if (a != b) {
        qsizetype at = 0;
        while (at < a.size() && at < b.size() && a.at(at) == b.at(at))
            ++at;
        return QStringLiteral(
                   "the saved file of '%1' reads back differently: ...%2... against ...%3...")
            .arg(held.Name, QString::fromUtf8(a.mid(std::max<qsizetype>(0, at - 80), 160)),
                 QString::fromUtf8(b.mid(std::max<qsizetype>(0, at - 80), 160)));
    }
    return {};
}

QString TMonkey::UndoEverything() {
    for (kv::TTournamentForm* form : main_.TournamentForms()) {
        if (!openedAs_.contains(form)) continue;
        form->Document().UndoStack().setIndex(0);
        if (Snapshot(form->Document().Tournament()) != openedAs_.value(form))
            return QStringLiteral("undoing everything does not give back '%1'")
                .arg(form->Document().Tournament().Name);
    }
    return {};
}

void TMonkey::Act(TMonkeyResult& r) {
    QList<kv::TTournamentForm*> forms = main_.TournamentForms();
    // The given tournament is followed when a new name renames its file.
    if (onlyForm_ && forms.contains(onlyForm_.data()))
        only_ = QFileInfo(onlyForm_->Document().FileName()).fileName();
    // Open a tournament of the list now and then, or when none is open.
    if (forms.isEmpty() || Chance(3)) {
        QList<const kv::TListNode*> entries;
        std::function<void(const kv::TListNode*)> walk = [&](const kv::TListNode* n) {
            if (n->IsTournament() &&
                (only_.isEmpty() || n->Data.FilePath.endsWith(QLatin1Char('/') + only_)))
                entries << n;
            for (const auto& c : n->Children)
                walk(c.get());
        };
        walk(main_.List().Root());
        if (entries.isEmpty() && !only_.isEmpty()) {
            // The chosen tournament was deleted or renamed: the others are used from now on.
            r.Log << QStringLiteral("%1 is gone; every tournament from now on").arg(only_);
            only_.clear();
            return;
        }
        if (entries.isEmpty()) { // nothing the monkey does removes entries
            r.Log << QStringLiteral("open");
            r.Failure = QStringLiteral("the list holds no tournament any more");
            return;
        }
        const kv::TListNode* entry = entries.at(Pick(static_cast<int>(entries.size())));
        r.Log << QStringLiteral("open %1").arg(entry->Data.Name);
        kv::TTournamentForm* form = main_.OpenTournament(entry->Data);
        if (form && !openedAs_.contains(form))
            openedAs_.insert(form, Snapshot(form->Document().Tournament()));
        if (form && !only_.isEmpty()) onlyForm_ = form;
        return;
    }
    kv::TTournamentForm* form = forms.at(Pick(static_cast<int>(forms.size())));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        Child<QMdiArea>(main_, "ClientArea").setActiveSubWindow(sub);
    switch (Pick(10)) {
    case 0:
    case 1:
    case 2: { // a command of the window or of the main window
        QList<QAction*> actions;
        for (QAction* a : form->Commands())
            actions << a;
        for (QAction* a : main_.findChildren<QAction*>())
            if (!a->objectName().isEmpty()) actions << a;
        QList<QAction*> usable;
        for (QAction* a : actions)
            if (a->isEnabled() && !kSkipped.contains(a->objectName())) usable << a;
        if (usable.isEmpty()) return;
        QAction* a = usable.at(Pick(static_cast<int>(usable.size())));
        r.Log << QStringLiteral("command %1").arg(a->objectName());
        a->trigger();
        break;
    }
    case 3:
    case 4: { // a click on the table pictures
        form->Command(kv::TCommandId::ShowTables)->trigger();
        QWidget* view = form->TablesPage().viewport();
        const QPoint at(Pick(std::max(1, view->width())), Pick(std::max(1, view->height())));
        r.Log << QStringLiteral("click tables at %1,%2").arg(at.x()).arg(at.y());
        QTest::mouseClick(view, Chance(80) ? Qt::LeftButton : Qt::RightButton, {}, at);
        break;
    }
    case 5: { // fixture edits on the selected rows
        form->Command(kv::TCommandId::ShowFixtures)->trigger();
        kv::TFixturesPage& fixtures = form->FixturesPage();
        if (fixtures.RowCount() == 0) return;
        fixtures.selectRow(Pick(fixtures.RowCount()));
        static const kv::TCommandId edits[] = {
            kv::TCommandId::EditScore,   kv::TCommandId::EditMatchday,
            kv::TCommandId::EditDate,    kv::TCommandId::EditTime,
            kv::TCommandId::EditStadium, kv::TCommandId::DeleteFixtures,
            kv::TCommandId::EditFixture, kv::TCommandId::CopyFixtures};
        QAction* edit = form->Command(edits[Pick(8)]);
        r.Log << QStringLiteral("fixtures %1").arg(edit->objectName());
        edit->trigger();
        break;
    }
    case 6:
    case 7: { // undo or redo
        QUndoStack& stack = form->Document().UndoStack();
        const bool undo = Chance(60);
        r.Log << (undo ? QStringLiteral("undo") : QStringLiteral("redo"));
        undo ? stack.undo() : stack.redo();
        break;
    }
    case 8: { // save, and read the file back
        r.Log << QStringLiteral("save %1").arg(form->Document().Tournament().Name);
        form->Save();
        if (const QString failure = CheckSaved(*form); !failure.isEmpty()) r.Failure = failure;
        break;
    }
    case 9: { // close (not saving) and open again
        if (!Chance(30)) return;
        const QString name = form->Document().Tournament().Name;
        r.Log << QStringLiteral("close %1").arg(name);
        openedAs_.remove(form);
        form->ForceClose();
        // The program's event loop deletes a closed window at once; the test has none running.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        break;
    }
    }
}

TMonkeyResult TMonkey::Run(int actions, int seconds) {
    TMonkeyResult r;
    openedAs_.clear();
    QTimer closer;
    closer.setInterval(0);
    QObject::connect(&closer, &QTimer::timeout, [this] { HandleModals(); });
    closer.start();
    QElapsedTimer clock;
    clock.start();
    const bool trace = qEnvironmentVariableIsSet("KV_MONKEY_TRACE");
    while (r.Failure.isEmpty() &&
           (seconds > 0 ? clock.elapsed() < seconds * 1000LL : r.Actions < actions)) {
        const qsizetype logged = r.Log.size();
        Act(r);
        if (r.Log.size() > logged) { // what found nothing to act on is not counted
            if (trace) std::fprintf(stderr, "monkey %d: %s\n", r.Actions, qPrintable(r.Log.last()));
            ++r.Actions;
        }
        QApplication::processEvents();
        if (r.Failure.isEmpty()) r.Failure = Check(qPrintable(r.Log.value(r.Log.size() - 1)));
    }
    closer.stop();
    if (r.Failure.isEmpty()) r.Failure = UndoEverything();
    openedAs_.clear();
    return r;
}

} // namespace kvtest
