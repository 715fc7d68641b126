// The German language file translates every text the program uses, and choosing it
// translates the windows.
#include "ui/ui_support.h"

#include "base/language.h"
#include "base/preferences.h"
#include "edit/tournament_document.h"
#include "model/sport.h"
#include "model/tournament.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "ui/help/help_form.h"
#include "ui/output/print_preview_form.h"
#include "ui/shell/find_tournament_form.h"
#include "ui/shell/list_model.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/shell/preferences_form.h"
#include "ui/tables/table_columns_form.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/widget_messages.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QDockWidget>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrinter>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QTabBar>
#include <QTimer>
#include <QTreeView>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

using namespace kv;

namespace {

const QString kGerman = QStringLiteral("deutsch.lng");

QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A run of adjacent string literals ("a" "b"), as the compiler joins them, unescaped.
QString JoinedLiteral(const QString& run) {
    static const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    QString text;
    for (auto m = literal.globalMatch(run); m.hasNext();) {
        const QString part = m.next().captured(1);
        for (qsizetype i = 0; i < part.size(); ++i) {
            if (part[i] != QLatin1Char('\\') || i + 1 == part.size()) {
                text += part[i];
                continue;
            }
            const QChar c = part[++i];
            text += c == QLatin1Char('n')   ? QChar(u'\n')
                    : c == QLatin1Char('r') ? QChar(u'\r')
                    : c == QLatin1Char('t') ? QChar(u'\t')
                                            : c;
        }
    }
    return text;
}

// The identifiers the sources name, each with the built-in texts written beside it: in a
// lookup, or in a table of commands or fields ({"Name", id, "Text"} and {id, "Text"}). A
// lookup whose text is not a literal names its identifier alone. Read from the sources, so
// that every text counts whatever the windows a test happened to open.
QHash<int, QSet<QString>> SourceTexts() {
    const QString literals = QStringLiteral(R"re(((?:"(?:[^"\\\n]|\\.)*"\s*)+))re");
    static const QRegularExpression patterns[] = {
        QRegularExpression(QStringLiteral(R"(LangText\(\s*(\d+)\s*,\s*(?:QStringLiteral\()?)") +
                           literals),
        QRegularExpression(QStringLiteral(R"("[^"\n]*"\s*,\s*(\d+)\s*,\s*)") + literals),
        QRegularExpression(QStringLiteral(R"(\{\s*(\d+)\s*,\s*)") + literals)};
    static const QRegularExpression bare(QStringLiteral(R"(LangText\(\s*(\d+)\s*,)"));
    // Tables of identifiers: "const int ids[4] = {10001, 10002, ...}".
    static const QRegularExpression list(
        QStringLiteral(R"([iI]ds\w*\[\d*\]\s*=\s*\{\s*(\d{3,5}(?:\s*,\s*\d{3,5})+)\s*\})"));
    QHash<int, QSet<QString>> texts;
    QDirIterator it(QStringLiteral(KV_SOURCE_DIR "/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = QString::fromUtf8(Read(it.next()));
        for (const QRegularExpression& re : patterns) {
            for (auto m = re.globalMatch(source); m.hasNext();) {
                const QRegularExpressionMatch found = m.next();
                const int id = found.captured(1).toInt();
                if (id > 2) // {0, 1, "LegEdit"}: field positions, not texts
                    texts[id].insert(JoinedLiteral(found.captured(2)));
            }
        }
        for (auto m = bare.globalMatch(source); m.hasNext();)
            texts[m.next().captured(1).toInt()];
        for (auto m = list.globalMatch(source); m.hasNext();)
            for (const QString& n : m.next().captured(1).split(QLatin1Char(',')))
                texts[n.trimmed().toInt()];
    }
    return texts;
}

class LanguageFile : public kvtest::TMainWindowTest {
protected:
    void SetUp() override {
        TMainWindowTest::SetUp();
        QDir().mkpath(HomePath(QStringLiteral("Language")));
        QFile::copy(QStringLiteral(KV_SOURCE_DIR "/Language/") + kGerman,
                    HomePath(QStringLiteral("Language/")) + kGerman);
        ClearLanguageCache();
    }
    void TearDown() override {
        SetCurrentLanguage(QString());
        TMainWindowTest::TearDown();
    }
    // Builds what makes texts at run time: every window of the samples with its pages, the
    // print setup, and the column and sport words of every sport.
    void Exercise() {
        for (const char* file :
             {"soccer.kvd", "hockey.kvd", "basketball.kvd", "volleyball.kvd", "chess.kvd"}) {
            TTournamentForm* form = Open(file);
            ASSERT_NE(form, nullptr) << file;
            for (const TCommandId page :
                 {TCommandId::ShowFixtures, TCommandId::StatsPage, TCommandId::ShowTables})
                form->Command(page)->trigger();
            QPrinter printer;
            TPrintPreviewForm preview(form->Document().Tournament(), printer, Dialogs, form);
        }
        for (int sport = 0; sport < kSportCount; ++sport) {
            SportName(sport);
            OvertimeWord(sport);
            OvertimeAbbrev(sport);
            ShootoutWord(sport);
            ShootoutAbbrev(sport);
            for (int column = 0; column < kColumnCount; ++column)
                for (const bool conferences : {false, true})
                    for (const bool groups : {false, true}) {
                        ColumnFullName(column, sport, conferences, groups);
                        ColumnCaption(column, sport, conferences, groups);
                    }
        }
    }
};

} // namespace

TEST_F(LanguageFile, EveryIdentifierHasOneText) {
    const QHash<int, QSet<QString>> texts = SourceTexts();
    ASSERT_GT(texts.size(), 1000);
    QStringList twice;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        if (it.value().size() > 1) {
            QStringList both(it.value().begin(), it.value().end());
            both.sort();
            twice << QStringLiteral("%1: \"%2\"")
                         .arg(it.key())
                         .arg(both.join(QStringLiteral("\" / \"")));
        }
    twice.sort();
    EXPECT_TRUE(twice.isEmpty()) << twice.join(QLatin1Char('\n')).toStdString();
    // And as the program asks for them.
    Exercise();
    EXPECT_EQ(ClashingTextIds(), QList<int>());
}

// The program's own words keep the spelling users know them by ("dimentions", "halfs",
// "Occurrencies"); every other text is spelt right.
TEST_F(LanguageFile, NoNewTextRepeatsAKnownMisspelling) {
    const QSet<int> kept = {2207, 5851, 7002};
    const QStringList wrong = {
        QStringLiteral("dimention"), QStringLiteral("halfs"),     QStringLiteral("occurrenc"),
        QStringLiteral("occurenc"),  QStringLiteral("seperat"),   QStringLiteral("recieve"),
        QStringLiteral("untill"),    QStringLiteral("succesful"), QStringLiteral("choosen"),
        QStringLiteral("adress"),    QStringLiteral("existant"),  QStringLiteral("neccess")};
    const QHash<int, QSet<QString>> texts = SourceTexts();
    QStringList found;
    for (auto it = texts.begin(); it != texts.end(); ++it)
        for (const QString& text : it.value())
            for (const QString& w : wrong)
                if (text.contains(w, Qt::CaseInsensitive) && !kept.contains(it.key()))
                    found << QStringLiteral("%1: %2").arg(it.key()).arg(text);
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
    for (const int id : kept)
        EXPECT_TRUE(texts.contains(id)) << id;
}

TEST_F(LanguageFile, GermanTranslatesEveryText) {
    Exercise();
    QSet<int> ids;
    for (const int id : SourceTexts().keys())
        ids.insert(id);
    const QHash<int, QString> registered = RegisteredTexts();
    for (auto it = registered.begin(); it != registered.end(); ++it)
        ids.insert(it.key());
    ASSERT_GT(ids.size(), 1000);
    const TLanguageContents german =
        ParseLanguageBytes(Read(QStringLiteral(KV_SOURCE_DIR "/Language/") + kGerman));
    EXPECT_EQ(german.Info.value(QStringLiteral("LOCALEID")), QStringLiteral("1031"));
    EXPECT_EQ(german.Info.value(QStringLiteral("LANGUAGE")), QStringLiteral("Deutsch"));
    QStringList missing;
    for (const int id : ids)
        if (!german.Strings.contains(QString::number(id)))
            missing << QStringLiteral("%1 \"%2\"").arg(id).arg(registered.value(id));
    missing.sort();
    EXPECT_TRUE(missing.isEmpty()) << missing.size() << " missing:\n"
                                   << missing.join(QLatin1Char('\n')).toStdString();
    // A translation keeps the placeholders of the built-in text, in their order.
    const QRegularExpression placeholder(QStringLiteral("%[sd]"));
    for (auto it = registered.begin(); it != registered.end(); ++it) {
        const QString translated = german.Strings.value(QString::number(it.key()));
        if (translated.isEmpty()) continue;
        QStringList a, b;
        for (auto m = placeholder.globalMatch(it.value()); m.hasNext();)
            a << m.next().captured();
        for (auto m = placeholder.globalMatch(translated); m.hasNext();)
            b << m.next().captured();
        EXPECT_EQ(a, b) << it.key() << ": " << translated.toStdString();
    }
}

TEST_F(LanguageFile, ChoosingGermanTranslatesTheWindows) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    SetCurrentLanguage(kGerman);
    // A dialog made now speaks German.
    TTableColumnsForm columns(form->Document(), form);
    EXPECT_EQ(columns.windowTitle(), QStringLiteral("Tabellenspalten"));
    // The table picture's headings.
    const TTournament& t = form->Document().Tournament();
    EXPECT_EQ(ColumnCaption(0, t), QStringLiteral("Sp"));
    EXPECT_EQ(ColumnCaption(40, t), QStringLiteral("Pkt"));
    EXPECT_EQ(SportName(t.Sport), QStringLiteral("Fußball"));
    // The window's commands follow at its next activation.
    form->ApplyLanguage();
    EXPECT_EQ(form->Command(TCommandId::Save)->text(), QStringLiteral("&Speichern"));
    // Back to English.
    SetCurrentLanguage(QString());
    form->ApplyLanguage();
    EXPECT_EQ(form->Command(TCommandId::Save)->text(), QStringLiteral("&Save"));
}

namespace {

// The texts a window shows: captions, labels, buttons, boxes, tabs, headings, list and tree
// entries, menus and their commands.
QStringList ShownTexts(QWidget& window) {
    QStringList texts{window.windowTitle()};
    const auto shown = [&window](QWidget* w) { return w->isVisibleTo(&window); };
    for (QLabel* l : window.findChildren<QLabel*>())
        if (shown(l)) texts << l->text();
    for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
        if (shown(b)) texts << b->text();
    for (QGroupBox* g : window.findChildren<QGroupBox*>())
        if (shown(g)) texts << g->title();
    for (QTabBar* bar : window.findChildren<QTabBar*>())
        if (shown(bar))
            for (int i = 0; i < bar->count(); ++i)
                texts << bar->tabText(i);
    for (QDockWidget* d : window.findChildren<QDockWidget*>())
        if (shown(d)) texts << d->windowTitle();
    for (QHeaderView* h : window.findChildren<QHeaderView*>())
        if (shown(h) && h->model())
            for (int i = 0; i < h->count(); ++i)
                texts << h->model()->headerData(i, h->orientation()).toString();
    for (QTreeWidget* tree : window.findChildren<QTreeWidget*>())
        if (shown(tree))
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                texts << (*it)->text(0);
    for (QComboBox* c : window.findChildren<QComboBox*>())
        if (shown(c))
            for (int i = 0; i < c->count(); ++i)
                texts << c->itemText(i);
    // The menus, as they read when they open; the commands the menus and keys carry.
    for (QMenu* menu : window.findChildren<QMenu*>()) {
        emit menu->aboutToShow();
        texts << menu->title();
        for (QAction* a : menu->actions())
            texts << a->text();
    }
    for (QAction* a : window.actions())
        texts << a->text() << a->iconText();
    return texts;
}

} // namespace

// A switch to German reaches every window that is open at once: the main window with its
// menus, toolbars and list (which keeps what is open and chosen), each tournament window and
// its pages, the tool windows, the manual and the preferences dialog it was made in. No text an
// identifier gives stays English. The toolkit's own buttons speak German too.
TEST_F(LanguageFile, ASwitchReachesEveryOpenWindowAtOnce) {
    for (const char* file :
         {"soccer.kvd", "hockey.kvd", "basketball.kvd", "volleyball.kvd", "chess.kvd"}) {
        TTournamentForm* form = Open(file);
        ASSERT_NE(form, nullptr) << file;
        for (const TCommandId page :
             {TCommandId::ShowFixtures, TCommandId::StatsPage, TCommandId::ShowTables})
            form->Command(page)->trigger();
    }
    main_->Command(TCommandId::SortTool)->trigger();
    main_->Command(TCommandId::MainFilterTool)->trigger();
    // The manual is a window of its own that outlives the main window: it is closed when the
    // test ends, so that it stays out of the tests after this one.
    const auto closeManual = qScopeGuard([] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<THelpForm*>(w)) w->close();
    });
    main_->Command(TCommandId::HelpTopics)->trigger();
    const TListNode* chosen =
        main_->List().FindByPath(TTournamentList::SavesPath(QStringLiteral("chess.kvd")));
    main_->ListPanel().Select(chosen);
    TPreferencesForm& prefs = main_->PreferencesForm();
    prefs.Reload();
    prefs.show();
    auto* languages = prefs.findChild<QListWidget*>(QStringLiteral("LanguagesLB"));
    ASSERT_EQ(languages->count(), 2);
    languages->setCurrentRow(1);
    ASSERT_TRUE(prefs.ApplyChanges());
    ASSERT_EQ(CurrentLanguage(), kGerman);

    // The list keeps its state, and its commands with it.
    EXPECT_EQ(main_->ListPanel().Selected(), chosen);
    EXPECT_TRUE(
        main_->ListPanel().Tree()->isExpanded(main_->ListPanel().Model().IndexOf(chosen->Parent)));
    EXPECT_TRUE(main_->Command(TCommandId::NewTournament)->isEnabled());
    EXPECT_TRUE(main_->Command(TCommandId::Rename)->isEnabled());

    // English texts that German words differently.
    const TLanguageContents german =
        ParseLanguageBytes(Read(QStringLiteral(KV_SOURCE_DIR "/Language/") + kGerman));
    QHash<QString, int> english;
    const QHash<int, QString> registered = RegisteredTexts();
    for (auto it = registered.begin(); it != registered.end(); ++it) {
        const QString translated = german.Strings.value(QString::number(it.key()));
        if (!translated.isEmpty() && translated != it.value() && it.value().size() > 2)
            english.insert(it.value(), it.key());
    }
    QList<QWidget*> windows{main_.get(), &prefs};
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<THelpForm*>(w) && w->isVisible()) windows << w;
    ASSERT_EQ(windows.size(), 3) << "the manual is open";
    QStringList left;
    for (QWidget* w : windows)
        for (const QString& text : ShownTexts(*w))
            if (english.contains(text))
                left << QStringLiteral("%1: \"%2\" (%3)")
                            .arg(QLatin1String(w->metaObject()->className()), text)
                            .arg(english.value(text));
    left.removeDuplicates();
    EXPECT_TRUE(left.isEmpty()) << left.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(main_->menuBar()->actions().value(5)->text(),
              german.Strings.value(QStringLiteral("8")));

    // The toolkit's buttons of a question box.
    QStringList buttons;
    QTimer::singleShot(0, [&buttons] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* b : box->buttons())
            buttons << b->text();
        box->reject();
    });
    TWidgetMessages().Show(TMessageKind::QuestionYesNoCancel, QStringLiteral("?"));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein"),
                                    QStringLiteral("Abbrechen")}));
    prefs.hide();
    // The find window, made in German, with a text searched for.
    TFindTournamentForm* find = main_->ListPanel().FindForm();
    EXPECT_EQ(find->windowTitle(), german.Strings.value(QStringLiteral("7800")));
    find->SetText(QStringLiteral("Chess"));
    find->findChild<QCheckBox*>(QStringLiteral("CaseSensitiveChB"))->setChecked(true);
    // And back: English everywhere. (The dialog was built anew in German: its list is another.)
    prefs.findChild<QListWidget*>(QStringLiteral("LanguagesLB"))->setCurrentRow(0);
    ASSERT_TRUE(prefs.ApplyChanges());
    EXPECT_EQ(main_->Command(TCommandId::Save)->text(), QStringLiteral("&Save"));
    EXPECT_EQ(prefs.windowTitle(), QStringLiteral("Program Preferences"));
    find = main_->ListPanel().FindForm();
    EXPECT_EQ(find->windowTitle(), QStringLiteral("Find Tournament"));
    EXPECT_EQ(find->Options().Text, QStringLiteral("Chess"));
    EXPECT_TRUE(find->Options().CaseSensitive);
    // What puts a team above the next names its criterion in English again, though the
    // tournament was read while German was chosen.
    for (TTournamentForm* form : main_->TournamentForms()) {
        const TTournament& t = form->Document().Tournament();
        const TStandingsOrder order =
            RankStandings(t, t.JointTable(), t.JointTable().Teams(), ScopeOverall);
        for (const TPlaceReason& reason : order.Reasons)
            for (const QString& word : {QStringLiteral("Punkte"), QStringLiteral("Prozent")})
                EXPECT_FALSE(PlaceReasonText(t, reason).contains(word)) << t.Name.toStdString();
    }
}
