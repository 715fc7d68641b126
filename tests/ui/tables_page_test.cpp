// The tables page as a user meets it: pictures placed by the alignment, hints and cursors over
// every region, sorting by a heading click, retitling a group table, saving and closing, and
// every edit undone to the byte.
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "model/sport.h"
#include "render/table_hit.h"
#include "render/table_placement.h"
#include "standings/column_catalog.h"
#include "storage/tournament_file.h"
#include "support/builders.h"
#include "ui/fixtures/score_form.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

using namespace kv;

namespace {

class TablesPage : public kvtest::TMainWindowTest {
protected:
};

// Equal files, or the first line where they part.
void ExpectSameFile(const QByteArray& actual, const QByteArray& expected) {
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
        ASSERT_EQ(a[i], e[i]) << "line " << i + 1;
    EXPECT_EQ(actual, expected);
}

int ColumnIndex(const TTournament& t, int id) {
    for (size_t i = 0; i < t.Columns.size(); ++i)
        if (t.Columns[i].Id == id) return static_cast<int>(i);
    return -1;
}

} // namespace

TEST(TablePlacement, AlignmentsAndScrollRanges) {
    const std::vector<QSize> sizes{{300, 100}, {200, 50}};
    // A wide area: no scrolling, the widest table centred.
    TTablePlacement p = PlaceTables(sizes, {800, 600}, AlignLeft);
    EXPECT_EQ(p.HorizontalRange, 0);
    EXPECT_EQ(p.VerticalRange, 0);
    EXPECT_EQ(p.Origins[0], QPoint(250, 20));
    EXPECT_EQ(p.Origins[1], QPoint(250, 140));
    p = PlaceTables(sizes, {800, 600}, AlignCenter);
    EXPECT_EQ(p.Origins[1].x(), 300);
    p = PlaceTables(sizes, {800, 600}, AlignRight);
    EXPECT_EQ(p.Origins[1].x(), 350); // ends where the widest ends
    // A narrow, low area: both ranges, the tables from the gap.
    p = PlaceTables(sizes, {320, 150}, AlignCenter, {10, 30});
    EXPECT_EQ(p.HorizontalRange, 340);
    EXPECT_EQ(p.VerticalRange, 190);
    EXPECT_EQ(p.Origins[0], QPoint(20 - 10, 20 - 30));
    EXPECT_EQ(p.Origins[1], QPoint(70 - 10, 140 - 30));
}

TEST_F(TablesPage, HintsAndCursorsOverEveryRegion) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    ASSERT_EQ(page.TableCount(), 2); // one per group
    const TTournament& t = form->Document().Tournament();
    const TTableLayout& l = page.LayoutAt(0);
    const TGroup& g = *page.TableAt(0);
    EXPECT_EQ(page.HintAt(page.ToViewport(0, TitleCentre(l))), g.Name);
    EXPECT_EQ(page.CursorNumberAt(page.ToViewport(0, TeamNameCentre(l, 0))), 5);
    EXPECT_TRUE(
        page.HintAt(page.ToViewport(0, TeamNameCentre(l, 0))).startsWith(g.Teams().front()->Name));
    EXPECT_EQ(page.CursorNumberAt(page.ToViewport(0, ResultCellCentre(l, 0, 0, 1))),
              5); // the diagonal
    EXPECT_EQ(page.CursorNumberAt(page.ToViewport(0, ResultCellCentre(l, 0, 1, 1))), 6);
    EXPECT_FALSE(page.HintAt(page.ToViewport(0, ResultCellCentre(l, 0, 1, 1))).isEmpty());
    const int pts = ColumnIndex(t, kColumnPoints);
    ASSERT_GE(pts, 0);
    const QPoint heading = page.ToViewport(0, ColumnHeadingCentre(t, l, ScopeOverall, pts));
    EXPECT_EQ(page.CursorNumberAt(heading), 7);
    EXPECT_EQ(page.HintAt(heading),
              QStringLiteral("Points Obtained|Points Obtained - click to sort"));
    EXPECT_EQ(page.HintAt(page.ToViewport(0, QPoint(3, l.HeaderHeight + 3))),
              QString());                            // the place column
    EXPECT_EQ(page.HintAt(QPoint(2, 2)), QString()); // beside the pictures

    // The joint table of a group tournament: teams of different groups never meet.
    form->Command(TCommandId::JointTable)->trigger();
    ASSERT_EQ(page.TableCount(), 1);
    const TGroup& joint = *page.TableAt(0);
    const TTableLayout& jl = page.LayoutAt(0);
    int other = -1;
    for (int c = 0; c < joint.TeamCount(); ++c)
        if (t.GroupOfTeam(joint.Teams()[static_cast<size_t>(c)]->Id) !=
            t.GroupOfTeam(joint.Teams().front()->Id))
            other = c;
    ASSERT_GE(other, 0);
    const QPoint refused = page.ToViewport(0, ResultCellCentre(jl, 0, other, 1));
    EXPECT_EQ(page.HintAt(refused), QStringLiteral("Cannot edit this cell"));
    EXPECT_EQ(page.CursorNumberAt(refused), 0);
    const TTableHit hit = HitTestTable(t, joint, jl, ResultCellCentre(jl, 0, other, 1));
    EXPECT_EQ(ResultCellPermission(t, *hit.RowTeam, *hit.ColumnTeam, 1).Message,
              QStringLiteral("Cannot enter score into this cell. Teams from different groups "
                             "cannot play against each other."));
}

TEST_F(TablesPage, HeadingClicksSortAndToggleTheDirection) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    const TTournament& t = form->Document().Tournament();
    const int gd = ColumnIndex(t, 16);
    ASSERT_GE(gd, 0) << "the soccer sample shows goals for and against";
    const auto click = [&] {
        page.ClickAt(page.ToViewport(0, ColumnHeadingCentre(form->Document().Tournament(),
                                                            page.LayoutAt(0), ScopeOverall, gd)));
    };
    click();
    EXPECT_EQ(form->Document().Tournament().SortState.Column, 16);
    EXPECT_TRUE(form->Document().Tournament().SortState.Descending);
    EXPECT_EQ(main_->Command(TCommandId::Undo)->text(),
              QStringLiteral("&Undo Sort by Goals For and Against"));
    click();
    EXPECT_FALSE(form->Document().Tournament().SortState.Descending);
    // The first row is the team with the worst difference now.
    const TGroup& g = *page.TableAt(0);
    const double first =
        ColumnValue(form->Document().Tournament(), *g.Teams().front(), 16, ScopeOverall);
    const double last =
        ColumnValue(form->Document().Tournament(), *g.Teams().back(), 16, ScopeOverall);
    EXPECT_LE(first, last);
    EXPECT_TRUE(form->Document().IsModified());
    // The place heading ("No") returns to the tournament's order, as one step; once there it
    // neither offers nor does anything.
    const QPoint place = page.ToViewport(0, PlaceHeadingCentre(page.LayoutAt(0)));
    EXPECT_EQ(page.CursorNumberAt(place), 7);
    EXPECT_EQ(
        page.HintAt(place),
        QStringLiteral("Back to the tournament's order|Back to the tournament's order - click"));
    page.ClickAt(place);
    EXPECT_EQ(form->Document().Tournament().SortState, TSortState{});
    EXPECT_EQ(main_->Command(TCommandId::Undo)->text(), QStringLiteral("&Undo Tournament's Order"));
    EXPECT_EQ(page.CursorNumberAt(place), 0);
    EXPECT_TRUE(page.HintAt(place).isEmpty());
    page.ClickAt(place);
    EXPECT_EQ(main_->Command(TCommandId::Undo)->text(), QStringLiteral("&Undo Tournament's Order"));
    form->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(form->Document().Tournament().SortState.Column, 16);
    form->Command(TCommandId::Undo)->trigger();
    form->Command(TCommandId::Undo)->trigger();
    EXPECT_EQ(form->Document().Tournament().SortState.Column, -1);
    EXPECT_FALSE(form->Document().IsModified());
}

TEST_F(TablesPage, RetitlingAGroupTable) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    const QString old = page.TableAt(0)->Name;
    Dialogs.Inputs.push_back(QStringLiteral("North"));
    page.ClickAt(page.ToViewport(0, TitleCentre(page.LayoutAt(0))));
    EXPECT_EQ(Dialogs.Asked.back(), old + QStringLiteral("|Enter New Title:"));
    EXPECT_EQ(page.TableAt(0)->Name, QStringLiteral("North"));
    EXPECT_TRUE(form->Document().IsModified());
    // Cancel changes nothing.
    Dialogs.Inputs.push_back(std::nullopt);
    page.ClickAt(page.ToViewport(0, TitleCentre(page.LayoutAt(0))));
    EXPECT_EQ(page.TableAt(0)->Name, QStringLiteral("North"));
    ASSERT_TRUE(form->Save());
    TTournament saved(TTournamentDefaults::FromSettings());
    ASSERT_TRUE(LoadTournament(saved, form->Document().FileName()));
    EXPECT_EQ(saved.GroupAt(0)->Name, QStringLiteral("North"));
    EXPECT_FALSE(form->Command(TCommandId::Save)->isEnabled());
}

TEST_F(TablesPage, ViewSwitchesAndAlignmentReshapeThePictures) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    const int withGrid = page.LayoutAt(0).PictureWidth;
    form->Command(TCommandId::ResultsGrid)->trigger();
    EXPECT_LT(page.LayoutAt(0).PictureWidth, withGrid);
    form->Command(TCommandId::ResultsGrid)->trigger();
    form->Command(TCommandId::HomeStandings)->trigger();
    EXPECT_TRUE(page.LayoutAt(0).TwoHeaderRows);
    form->Command(TCommandId::WidestAlign)->trigger();
    EXPECT_EQ(page.LayoutAt(0).PictureWidth, page.LayoutAt(1).PictureWidth);
    EXPECT_EQ(page.ToViewport(0, {}).x(), page.ToViewport(1, {}).x());
    form->Command(TCommandId::RightAlign)->trigger();
    EXPECT_EQ(page.ToViewport(0, {}).x() + page.LayoutAt(0).PictureWidth,
              page.ToViewport(1, {}).x() + page.LayoutAt(1).PictureWidth);
    // A one-group tournament has nothing to align.
    TTournamentForm* volley = Open("volleyball.kvd");
    ASSERT_NE(volley, nullptr);
    EXPECT_FALSE(volley->Command(TCommandId::LeftAlign)->isEnabled());
    EXPECT_FALSE(main_->Command(TCommandId::LeftAlign)->isEnabled());
    EXPECT_TRUE(main_->Command(TCommandId::ResultsGrid)->isEnabled());
    // Other pages: the view commands rest.
    volley->Command(TCommandId::ShowFixtures)->trigger();
    EXPECT_EQ(volley->Page(), 1);
    EXPECT_FALSE(volley->Command(TCommandId::ResultsGrid)->isEnabled());
}

TEST_F(TablesPage, CopyAsBitmapAndAsVectorPicture) {
    TTournamentForm* form = Open("hockey.kvd");
    ASSERT_NE(form, nullptr);
    form->TablesPage().CopyAsBitmap(0);
    const QImage copied = QApplication::clipboard()->image();
    EXPECT_EQ(copied.width(), form->TablesPage().LayoutAt(0).PictureWidth);
    form->TablesPage().CopyAsMetafile(0);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("<svg"));
    EXPECT_TRUE(data->hasImage());
}

TEST_F(TablesPage, ScrollingByWheelAndKeys) {
    main_->resize(500, 300);
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    QApplication::processEvents();
    QScrollBar* v = page.verticalScrollBar();
    ASSERT_GT(v->maximum(), 0) << "four tables in a low window scroll";
    QTest::keyClick(&page, Qt::Key_End);
    EXPECT_EQ(v->value(), v->maximum());
    QTest::keyClick(&page, Qt::Key_Home);
    EXPECT_EQ(v->value(), 0);
    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(page.viewport(), &wheel);
    EXPECT_EQ(v->value(), std::min(60, v->maximum())); // half the wheel's delta per notch
}

TEST_F(TablesPage, EveryEditUndoneGivesTheOriginalFile) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const QByteArray original = TournamentBytes(doc.Tournament());
    QRandomGenerator random(20261209);
    const TCommandId commands[] = {
        TCommandId::ResultsGrid,      TCommandId::Standings,  TCommandId::HomeStandings,
        TCommandId::AwayStandings,    TCommandId::JointTable, TCommandId::GroupsTable,
        TCommandId::ConferencesTable, TCommandId::LeftAlign,  TCommandId::CenterAlign,
        TCommandId::RightAlign,       TCommandId::WidestAlign};
    int steps = 0;
    TScoreForm score(Dialogs, form);
    for (int i = 0; i < 160; ++i) {
        const int kind = static_cast<int>(random.bounded(6));
        if (kind >= 4) {
            // A score changed, a match deleted, or one added in a free leg of a division pair.
            const TTournament& t = doc.Tournament();
            const auto& matches = t.JointTable().Matches();
            if (kind == 4 && !matches.empty()) {
                const TMatch* m =
                    matches[static_cast<size_t>(random.bounded(static_cast<int>(matches.size())))];
                score.OpenMatch(doc, m->Id, 0);
                if (random.bounded(5) == 0) {
                    Messages.QueueAnswer(TMessageButton::Yes);
                    score.DeleteMatch();
                } else {
                    score.findChild<QLineEdit*>(QStringLiteral("ScoreEdit"))
                        ->setText(QStringLiteral("%1:%2")
                                      .arg(60 + random.bounded(40))
                                      .arg(100 + random.bounded(5)));
                    score.ApplyChanges();
                }
            } else {
                const TGroup& g = *t.GroupAt(
                    static_cast<int>(random.bounded(static_cast<int>(t.Groups().size()))));
                const int home = g.Teams()[0]->Id;
                const int visitor = g.Teams()[1]->Id;
                for (int leg = 1; leg <= t.GroupLegs; ++leg)
                    if (!g.MatchOfPairInLeg(home, visitor, leg)) {
                        score.OpenNew(doc, home, visitor, leg, 1, 0);
                        score.findChild<QLineEdit*>(QStringLiteral("ScoreEdit"))
                            ->setText(QStringLiteral("90:80"));
                        score.ApplyChanges();
                        break;
                    }
            }
            continue;
        }
        if (kind < 2) {
            QAction* a =
                form->Command(commands[random.bounded(static_cast<int>(std::size(commands)))]);
            a->setEnabled(true); // also the ones a page or a view would rest
            a->trigger();
        } else if (kind == 2) {
            TTablesPage& page = form->TablesPage();
            const TTournament& t = doc.Tournament();
            if (page.TableCount() > 0 && !t.Columns.empty()) {
                const int column =
                    static_cast<int>(random.bounded(static_cast<int>(t.Columns.size())));
                const int scope =
                    t.View.Standings ? ScopeOverall : (t.View.HStandings ? ScopeHome : ScopeAway);
                if (t.View.Standings || t.View.HStandings || t.View.AStandings)
                    page.ClickAt(page.ToViewport(
                        0, ColumnHeadingCentre(t, page.LayoutAt(0), scope, column)));
            }
        } else {
            TTablesPage& page = form->TablesPage();
            if (page.TableCount() > 0) {
                Dialogs.Inputs.push_back(QStringLiteral("Title %1").arg(i));
                page.ClickAt(page.ToViewport(0, TitleCentre(page.LayoutAt(0))));
                Dialogs.Inputs.clear();
            }
        }
        steps = doc.UndoStack().count();
    }
    ASSERT_GT(steps, 20);
    const QByteArray edited = TournamentBytes(doc.Tournament());
    const TSortState sorted = doc.Tournament().SortState;
    while (doc.UndoStack().canUndo())
        doc.UndoStack().undo();
    ExpectSameFile(TournamentBytes(doc.Tournament()), original);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.Tournament().SortState.Column, -1);
    while (doc.UndoStack().canRedo())
        doc.UndoStack().redo();
    ExpectSameFile(TournamentBytes(doc.Tournament()), edited);
    EXPECT_EQ(doc.Tournament().SortState.Column, sorted.Column);
    EXPECT_EQ(doc.Tournament().SortState.Descending, sorted.Descending);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(TablesPage, RefusedCellsSayWhyAndEmptyCellsProposeTheVenue) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    form->Command(TCommandId::JointTable)->trigger();
    TTablesPage& page = form->TablesPage();
    const TTournament& t = form->Document().Tournament();
    const TGroup& joint = *page.TableAt(0);
    int other = -1, mate = -1;
    for (int c = 1; c < joint.TeamCount(); ++c) {
        const bool same = t.GroupOfTeam(joint.Teams()[static_cast<size_t>(c)]->Id) ==
                          t.GroupOfTeam(joint.Teams().front()->Id);
        (same ? mate : other) = c;
    }
    ASSERT_TRUE(other > 0 && mate > 0);
    Messages.Clear();
    page.ClickAt(page.ToViewport(0, ResultCellCentre(page.LayoutAt(0), 0, other, 1)));
    EXPECT_EQ(Messages.Texts(),
              QStringList{QStringLiteral("Cannot enter score into this cell. Teams from different "
                                         "groups cannot play against each other.")});

    // With away results shown, an empty cell proposes the row team at home until it has hosted
    // (legs + 1) / 2 times, then the column team.
    auto tt = kvtest::MakeTournament(
        SportSoccer, 2, {{QStringLiteral("G"), {QStringLiteral("Ajax"), QStringLiteral("Bern")}}});
    TGroup& g = *tt->GroupAt(0);
    g.Style.ShowAwayResults = true;
    const TTeam& ajax = *tt->JointTable().TeamByName(QStringLiteral("Ajax"));
    const TTeam& bern = *tt->JointTable().TeamByName(QStringLiteral("Bern"));
    EXPECT_TRUE(ProposedRowAtHome(*tt, g, ajax, bern));
    ASSERT_TRUE(kvtest::AddResult(*tt, QStringLiteral("Ajax"), QStringLiteral("Bern"),
                                  QStringLiteral("1:0"), 1));
    EXPECT_FALSE(ProposedRowAtHome(*tt, g, ajax, bern));
    EXPECT_TRUE(ProposedRowAtHome(*tt, g, bern, ajax));
    g.Style.ShowAwayResults = false;
    EXPECT_TRUE(ProposedRowAtHome(*tt, g, ajax, bern))
        << "the short view holds the row team's home matches";
}

// A table picture's menu: copying, the table's columns, dimensions and looks, adding fixtures,
// exporting and printing, in that order.
TEST_F(TablesPage, ThePictureMenuHoldsEveryCommandOfTheTable) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    QStringList names;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) names << (a->menu() ? a->menu()->objectName() : a->objectName());
        menu->close();
    });
    const QPoint at = page.ToViewport(0, TeamNameCentre(page.LayoutAt(0), 0));
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, page.viewport()->mapToGlobal(at));
    QApplication::sendEvent(page.viewport(), &event);
    EXPECT_EQ(
        names,
        (QStringList{
            QStringLiteral("CopyGroupAsBMPAction"), QStringLiteral("CopyGroupAsMetafileAction"),
            QStringLiteral("CopyGroupAsTextAction"), QStringLiteral("TableColumnsAction"),
            QStringLiteral("TableDimensionsAction"), QStringLiteral("TableAppearanceAction"),
            QStringLiteral("AddFixturesAction"), QStringLiteral("TableExportMenu"),
            QStringLiteral("PrintTablesAction"), QStringLiteral("TieOrderAction")}));
    // Print goes to the printer's dialog.
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* a : menu->actions())
            if (a->objectName() == QLatin1String("PrintTablesAction")) {
                menu->close();
                a->trigger();
            }
    });
    QApplication::sendEvent(page.viewport(), &event);
    EXPECT_TRUE(Dialogs.Asked.contains(QStringLiteral("print")));
}

// "Copy as Text": the table for a fixed-width font, each column lined up, the places and
// values right-aligned under their captions, the names left-aligned.
TEST_F(TablesPage, CopyAsTextLinesUpTheColumns) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    QApplication::clipboard()->clear();
    page.CopyAsText(0);
    const QString text = QApplication::clipboard()->text();
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const TGroup& g = *page.TableAt(0);
    ASSERT_EQ(lines.size(), g.TeamCount() + 1) << qPrintable(text);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("No  ") + g.Name)) << qPrintable(lines[0]);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral(" 1  ") + g.Teams().front()->Name))
        << qPrintable(lines[1]);
    // The last column is a number: every line ends at the same place.
    for (const QString& line : lines)
        EXPECT_EQ(line.size(), lines[0].size()) << qPrintable(line);
    const QString points = ColumnCaption(kColumnPoints, form->Document().Tournament());
    const qsizetype end = lines[0].indexOf(points) + points.size();
    for (int i = 1; i < lines.size(); ++i)
        EXPECT_NE(lines[i].at(end - 1), QLatin1Char(' ')) << qPrintable(lines[i]);
}
