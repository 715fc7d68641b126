// Every window, dialog and page on the tour, in English and in German: no two controls of one
// page share an access key, and no text is cut off.
#include "ui/screenshots.h"
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/programfolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWizard>
#include <QDialog>

#include <map>

using namespace kv;

namespace {

// The access key a text gives ("&Save": S), or 0.
QChar AccessKey(const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    if (key.isEmpty()) return {};
    const QString shown = key.toString(QKeySequence::PortableText);
    return shown.isEmpty() ? QChar() : shown.back().toUpper();
}

QString Plain(QString text) {
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(QChar(1), QLatin1Char('&'));
}

// The controls of a window that the user sees now, each with its access key.
QStringList AccessKeyClashes(QWidget& window, const QString& where) {
    std::map<QChar, QStringList> keys;
    const auto note = [&](const QString& text, const QString& what) {
        const QChar key = AccessKey(text);
        if (!key.isNull()) keys[key] << what + QStringLiteral(" \"") + text + QLatin1Char('"');
    };
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (b->isVisibleTo(&window)) note(b->text(), QStringLiteral("button"));
    for (QLabel* l : window.findChildren<QLabel*>())
        if (l->isVisibleTo(&window) && l->buddy()) note(l->text(), QStringLiteral("label"));
    for (QGroupBox* g : window.findChildren<QGroupBox*>())
        if (g->isVisibleTo(&window) && g->isCheckable()) note(g->title(), QStringLiteral("box"));
    for (QTabBar* bar : window.findChildren<QTabBar*>())
        if (bar->isVisibleTo(&window))
            for (int i = 0; i < bar->count(); ++i)
                if (bar->isTabVisible(i)) note(bar->tabText(i), QStringLiteral("tab"));
    if (auto* main = qobject_cast<QMainWindow*>(&window))
        for (QAction* a : main->menuBar()->actions())
            if (a->isVisible()) note(a->text(), QStringLiteral("menu"));
    QStringList clashes;
    for (const auto& [key, owners] : keys)
        if (owners.size() > 1)
            clashes << where + QStringLiteral(": Alt+") + key + QStringLiteral(" ") + owners.join(QStringLiteral(", "));
    return clashes;
}

// The items of each menu the window has, menu by menu.
QStringList MenuClashes(QWidget& window, const QString& where) {
    QStringList clashes;
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        emit menu->aboutToShow(); // menus filled as they open
        std::map<QChar, QStringList> keys;
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible()) continue;
            const QChar key = AccessKey(a->text());
            if (!key.isNull()) keys[key] << a->text();
        }
        for (const auto& [key, owners] : keys)
            if (owners.size() > 1)
                clashes << where + QStringLiteral(" menu ") + Plain(menu->title()) + QStringLiteral(": Alt+") + key +
                               QStringLiteral(" ") + owners.join(QStringLiteral(", "));
    }
    return clashes;
}

// Runs `check` on every page of the window: each tab of each tab widget in turn.
QStringList EveryPage(QWidget& window, const QString& name,
                      const std::function<QStringList(QWidget&, const QString&)>& check) {
    QStringList found = check(window, name);
    for (QTabWidget* tabs : window.findChildren<QTabWidget*>()) {
        if (!tabs->isVisibleTo(&window)) continue;
        const int was = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == was || !tabs->isTabVisible(i)) continue;
            tabs->setCurrentIndex(i);
            found << check(window, name + QStringLiteral(" / ") + Plain(tabs->tabText(i)));
        }
        tabs->setCurrentIndex(was);
    }
    return found;
}

class WindowTour : public kvtest::TUiTest {
protected:
    // The tour in the language of `file` ("" English), each window handed to `check`.
    QStringList Tour(const QString& file, const std::function<QStringList(QWidget&, const QString&)>& check) {
        if (!file.isEmpty()) {
            QDir().mkpath(LanguageFolder());
            QFile::copy(QStringLiteral(KV_SOURCE_DIR "/Language/") + file, LanguageFolder() + file);
        }
        SetCurrentLanguage(file);
        QStringList found;
        SetShotVisitors([&](QWidget& w, const QString& name) { found << EveryPage(w, name, check); });
        TourEveryWindow(Dialogs, kvtest::InstallSamples());
        SetShotVisitors({});
        SetCurrentLanguage(QString());
        found.removeDuplicates();
        return found;
    }
};

} // namespace

TEST_F(WindowTour, NoTwoControlsShareAnAccessKey) {
    const auto check = [](QWidget& w, const QString& name) {
        return AccessKeyClashes(w, name) + MenuClashes(w, name);
    };
    for (const QString& language : {QString(), QStringLiteral("deutsch.lng")}) {
        const QStringList clashes = Tour(language, check);
        EXPECT_TRUE(clashes.isEmpty()) << (language.isEmpty() ? "English" : qPrintable(language)) << ":\n"
                                       << clashes.join(QLatin1Char('\n')).toStdString();
    }
}

// Every dialog on the tour has its Help button (the about box aside, which is help itself).
TEST_F(WindowTour, EveryDialogHasHelp) {
    const QStringList missing = Tour(QString(), [](QWidget& w, const QString& name) {
        QStringList out;
        auto* dialog = qobject_cast<QDialog*>(&w);
        if (!dialog || name == QLatin1String("TAboutBox")) return out;
        bool help = false;
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
            help = help || (b->objectName() == QLatin1String("HelpBtn") && b->isVisibleTo(&w)) ||
                   (qobject_cast<QWizard*>(&w) && b == qobject_cast<QWizard*>(&w)->button(QWizard::HelpButton));
        if (!help) out << name;
        return out;
    });
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char('\n')).toStdString();
}
