// Every window, dialog and page on the tour, in English and in German: no two controls of one
// page share an access key, and no text is cut off.
#include "ui/screenshots.h"
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/programfolder.h"
#include "ui/statistics/chart_widget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QWizard>

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
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QChar(1), QLatin1Char('&'));
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
            clashes << where + QStringLiteral(": Alt+") + key + QStringLiteral(" ") +
                           owners.join(QStringLiteral(", "));
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
                clashes << where + QStringLiteral(" menu ") + Plain(menu->title()) +
                               QStringLiteral(": Alt+") + key + QStringLiteral(" ") +
                               owners.join(QStringLiteral(", "));
    }
    return clashes;
}

// A text a control shows in less room than it needs: its ends are cut off.
QStringList ClippedTexts(QWidget& window, const QString& where) {
    QStringList clipped;
    const auto note = [&](const QString& what, const QString& text, int need, int room) {
        if (need > room)
            clipped << QStringLiteral("%1: %2 \"%3\" needs %4 has %5")
                           .arg(where, what, text)
                           .arg(need)
                           .arg(room);
    };
    for (QLabel* l : window.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&window) || l->text().isEmpty() || !l->pixmap().isNull() ||
            l->textFormat() == Qt::RichText)
            continue;
        const QRect room = l->contentsRect();
        if (l->wordWrap()) {
            note(QStringLiteral("label"), Plain(l->text()), l->heightForWidth(l->width()),
                 l->height());
        } else {
            int widest = 0;
            for (const QString& line : Plain(l->text()).split(QLatin1Char('\n')))
                widest = std::max(widest, l->fontMetrics().horizontalAdvance(line));
            note(QStringLiteral("label"), Plain(l->text()), widest,
                 room.width() - 2 * l->margin() - l->indent() * (l->indent() > 0));
        }
    }
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(&window) || b->text().isEmpty() || qobject_cast<QToolButton*>(b))
            continue;
        // Check boxes and radio buttons need their whole size; a push button narrower than it
        // asks for (its size hint has a minimum width of the style's own) cuts its text when
        // the text comes to its edges.
        const int text = b->fontMetrics().horizontalAdvance(Plain(b->text())) +
                         (b->icon().isNull() ? 0 : b->iconSize().width() + 4);
        const int need = qobject_cast<QPushButton*>(b) && text + 8 <= b->width()
                             ? std::min(b->sizeHint().width(), b->width())
                             : b->sizeHint().width();
        note(QStringLiteral("button"), Plain(b->text()), need, b->width());
    }
    for (QGroupBox* g : window.findChildren<QGroupBox*>()) {
        if (!g->isVisibleTo(&window) || g->title().isEmpty()) continue;
        note(QStringLiteral("box"), Plain(g->title()),
             g->fontMetrics().horizontalAdvance(Plain(g->title())) + 16, g->width());
    }
    for (TChartWidget* chart : window.findChildren<TChartWidget*>()) {
        if (!chart->isVisibleTo(&window)) continue;
        const QRectF bounds = chart->Layout().Bounds;
        for (const TChartText& t : chart->Layout().TitleLines)
            if (t.Box.left() < bounds.left() || t.Box.right() > bounds.right())
                clipped << QStringLiteral("%1: chart title \"%2\" is %3 wide in %4")
                               .arg(where, t.Text)
                               .arg(t.Box.width())
                               .arg(bounds.width());
    }
    for (QHeaderView* h : window.findChildren<QHeaderView*>()) {
        if (!h->isVisibleTo(&window) || !h->model() || h->orientation() != Qt::Horizontal) continue;
        for (int i = 0; i < h->count(); ++i) {
            if (h->isSectionHidden(i) || h->sectionSize(i) == 0) continue;
            const QString text = h->model()->headerData(i, Qt::Horizontal).toString();
            if (text.isEmpty()) continue;
            // The text, the margins the style gives a section and, where it shows, the sort arrow.
            QStyleOptionHeader option;
            option.initFrom(h);
            option.text = text;
            option.section = i;
            option.sortIndicator = h->isSortIndicatorShown() && h->sortIndicatorSection() == i
                                       ? QStyleOptionHeader::SortDown
                                       : QStyleOptionHeader::None;
            const int need =
                h->style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), h).width();
            note(QStringLiteral("heading"), text, need, h->sectionSize(i));
        }
    }
    return clipped;
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
    QStringList Tour(const QString& file,
                     const std::function<QStringList(QWidget&, const QString&)>& check) {
        if (!file.isEmpty()) {
            QDir().mkpath(LanguageFolder());
            QFile::copy(QStringLiteral(KV_SOURCE_DIR "/Language/") + file, LanguageFolder() + file);
        }
        SetCurrentLanguage(file);
        QStringList found;
        SetShotVisitors(
            [&](QWidget& w, const QString& name) { found << EveryPage(w, name, check); });
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
        EXPECT_TRUE(clashes.isEmpty())
            << (language.isEmpty() ? "English" : qPrintable(language)) << ":\n"
            << clashes.join(QLatin1Char('\n')).toStdString();
    }
}

// Every dialog on the tour has its Help button (the about box aside, which is help itself, and
// message boxes, which only ask or tell).
TEST_F(WindowTour, EveryDialogHasHelp) {
    const QStringList missing = Tour(QString(), [](QWidget& w, const QString& name) {
        QStringList out;
        auto* dialog = qobject_cast<QDialog*>(&w);
        if (!dialog || name == QLatin1String("TAboutBox") || qobject_cast<QMessageBox*>(&w))
            return out;
        bool help = false;
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
            help = help || (b->objectName() == QLatin1String("HelpBtn") && b->isVisibleTo(&w)) ||
                   (qobject_cast<QWizard*>(&w) &&
                    b == qobject_cast<QWizard*>(&w)->button(QWizard::HelpButton));
        if (!help) out << name;
        return out;
    });
    EXPECT_TRUE(missing.isEmpty()) << missing.join(QLatin1Char('\n')).toStdString();
}

// No control shows its text cut off, in English or in German.
TEST_F(WindowTour, NoTextIsCutOff) {
    for (const QString& language : {QString(), QStringLiteral("deutsch.lng")}) {
        const QStringList clipped = Tour(language, ClippedTexts);
        EXPECT_TRUE(clipped.isEmpty())
            << (language.isEmpty() ? "English" : qPrintable(language)) << ":\n"
            << clipped.join(QLatin1Char('\n')).toStdString();
    }
}

// Tests reach a dialog's widgets by their object names: no two widgets of a dialog share one.
TEST_F(WindowTour, NoTwoWidgetsOfADialogShareAName) {
    const QStringList shared = Tour(QString(), [](QWidget& w, const QString& name) {
        QStringList out;
        if (!qobject_cast<QDialog*>(&w)) return out;
        std::map<QString, int> count;
        for (QWidget* child : w.findChildren<QWidget*>())
            if (!child->objectName().isEmpty() &&
                !child->objectName().startsWith(QLatin1String("qt_")))
                ++count[child->objectName()];
        for (const auto& [widget, times] : count)
            if (times > 1) out << QStringLiteral("%1: %2 (%3 times)").arg(name, widget).arg(times);
        return out;
    });
    EXPECT_TRUE(shared.isEmpty()) << shared.join(QLatin1Char('\n')).toStdString();
}
