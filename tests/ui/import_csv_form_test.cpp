// Fixtures from delimited text through the windows: the separator chosen over the preview, the
// columns chosen by their headings or by a scheme, the refusals before importing, the stadium
// and referee switches, selected rows only, a second run importing nothing, one undoable step,
// and two whole Premier League seasons ending in the published tables.
#include "ui/kvtool_run.h"
#include "ui/ui_support.h"

#include "base/formats.h"

#include "base/preferences.h"
#include "edit/tournament_document.h"
#include "export/csv_reader.h"
#include "model/group.h"
#include "model/match.h"
#include "model/team.h"
#include "standings/team_values.h"
#include "storage/tournament_list.h"
#include "ui/fixtures/csv_import_options_form.h"
#include "ui/fixtures/csv_records_model.h"
#include "ui/fixtures/import_csv_form.h"
#include "ui/fixtures/select_fixture_column_form.h"
#include "ui/setup/team_properties_form.h"
#include "ui/shell/main_form.h"
#include "ui/tables/style_form.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTimer>

#include <functional>

using namespace kv;
using kvtest::Child;

namespace {

class ImportCsvForm : public kvtest::TMainWindowTest {
protected:
    // A tournament made by kvtool and opened in a window.
    TTournamentForm* NewTournament(const QString& name, const QStringList& teams) {
        const QString file = TTournamentList::SavesPath(name.toLower().remove(QLatin1Char(' ')) +
                                                        QStringLiteral(".kvd"));
        const kvtest::TToolRun r = kvtest::Kvtool(
            {QStringLiteral("new"), file, QStringLiteral("--name"), name, QStringLiteral("--sport"),
             QStringLiteral("soccer"), QStringLiteral("--legs"), QStringLiteral("2"),
             QStringLiteral("--group"), QStringLiteral("League=") + teams.join(QLatin1Char(';')),
             QStringLiteral("--criteria"), QStringLiteral("19,17")});
        EXPECT_EQ(r.Status, 0);
        return main_->OpenTournament(TNodeData{NodeTournament, 1, name, file});
    }
    QString WriteCsv(const char* name, const QByteArray& text) {
        const QString path = HomePath(QLatin1String(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return path;
    }
    // Opens the import from the window's command: the options dialog answered by `options`, the
    // import dialog by `import`.
    void RunImport(TTournamentForm& form, const QString& file,
                   std::function<void(TCSVImportOptionsForm&)> options,
                   std::function<void(TImportCSVForm&)> import) {
        Dialogs.Opens.push_back({{file}, QString()});
        QTimer::singleShot(0, [options, import] {
            auto* o = qobject_cast<TCSVImportOptionsForm*>(QApplication::activeModalWidget());
            ASSERT_NE(o, nullptr);
            options(*o);
            QTimer::singleShot(0, [import] {
                auto* i = qobject_cast<TImportCSVForm*>(QApplication::activeModalWidget());
                ASSERT_NE(i, nullptr);
                import(*i);
                i->reject();
            });
            o->accept();
        });
        form.Command(TCommandId::ImportCSV)->trigger();
    }
};

} // namespace

TEST_F(ImportCsvForm, TheSeparatorIsChosenOverThePreviewAndKept) {
    const QString text = QStringLiteral("a|b|c\n1|2\n3|4|5|6\n\n7\n8\n9\n");
    {
        TCSVImportOptionsForm options(text);
        EXPECT_EQ(options.Separator(), QLatin1Char(','));
        EXPECT_EQ(options.Preview().Columns(), 1);
        Child<QComboBox>(options, "DelimiterCB").setCurrentIndex(4); // "Other..."
        Child<QLineEdit>(options, "DelimiterEdit").setText(QStringLiteral("|"));
        EXPECT_EQ(options.Preview().Columns(), 4);
        EXPECT_EQ(options.Preview().rowCount(), 5); // the first five only
        EXPECT_EQ(Child<QLabel>(options, "CountsLabel").text(),
                  QStringLiteral("Columns: 4;\tRows: 7"));
        Child<QCheckBox>(options, "FirstRowsChB").setChecked(false);
        EXPECT_EQ(options.Preview().rowCount(), 7);
        options.accept();
    }
    TCSVImportOptionsForm again(text);
    EXPECT_EQ(again.Separator(), QLatin1Char('|'));
    EXPECT_EQ(again.Records().size(), 7);
}

TEST_F(ImportCsvForm, ColumnsAreCheckedAndRowsImportOnce) {
    TTournamentForm* form =
        NewTournament(QStringLiteral("Small Cup"),
                      {QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("Cork")});
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const QString file = WriteCsv("small.csv", "Bern;Ajax;1:3;Main Park;Ann Ref\n"
                                               "Ajax;Bern;2:2;;Ann Ref\n"
                                               "Ajax;Bern;0:1;;\n"
                                               "Ajax;Nobody;1:0;;\n"
                                               "Cork;Ajax;x;;\n");
    std::vector<std::string> refusals;
    TImportCounts first, second;
    RunImport(
        *form, file,
        [](TCSVImportOptionsForm& o) { Child<QComboBox>(o, "DelimiterCB").setCurrentIndex(1); },
        [&](TImportCSVForm& d) {
            ASSERT_EQ(d.Kinds().size(), 5u);
            EXPECT_FALSE(Child<QCheckBox>(d, "AddStadiumsChB").isEnabled());
            EXPECT_TRUE(Child<QCheckBox>(d, "AssignHoldersStadiumsCB").isEnabled());
            // The columns are checked in order before anything is imported.
            d.Import();
            refusals.push_back(Messages.Texts().back().toStdString());
            d.SetKind(1, ImportHome); // the visitor stands left of the home team
            d.Import();
            refusals.push_back(Messages.Texts().back().toStdString());
            d.SetKind(0, ImportVisitor);
            d.Import();
            refusals.push_back(Messages.Texts().back().toStdString());
            // A click on a heading asks what the column holds.
            QTimer::singleShot(0, [] {
                auto* c =
                    qobject_cast<TSelectFixtureColumnForm*>(QApplication::activeModalWidget());
                ASSERT_NE(c, nullptr);
                c->SetKind(ImportScore);
                c->accept();
            });
            d.ChooseKind(2);
            EXPECT_EQ(d.Kinds()[2], ImportScore);
            d.SetKind(4, ImportReferee);
            d.SetKind(3, ImportStadium);
            EXPECT_TRUE(Child<QCheckBox>(d, "AddStadiumsChB").isEnabled());
            EXPECT_FALSE(Child<QCheckBox>(d, "AssignHoldersStadiumsCB").isEnabled());
            // Only the first row, chosen in the list before the last column was named.
            Child<QCheckBox>(d, "ImportSelectedChB").setChecked(true);
            d.SelectRows({0});
            d.SetKind(3, ImportStadium);
            Child<QCheckBox>(d, "AddStadiumsChB").setChecked(true);
            ASSERT_TRUE(d.Import());
            EXPECT_EQ(d.Counts().Added, 1);
            EXPECT_EQ(d.Rows()[1].Message, QStringLiteral("Row has not been selected for import"));
            Child<QCheckBox>(d, "ImportSelectedChB").setChecked(false);
            ASSERT_TRUE(d.Import());
            first = d.Counts();
            EXPECT_EQ(d.Rows()[2].Message,
                      QStringLiteral("All possible fixtures for this pair already exist"));
            EXPECT_EQ(d.Rows()[3].Message, QStringLiteral("Unknown team: Nobody"));
            EXPECT_EQ(d.Rows()[4].Message, QStringLiteral("'x' is not a valid score"));
            EXPECT_EQ(Child<QLabel>(d, "FailedLabel").text(), QStringLiteral("Fixtures Failed: 3"));
            ASSERT_TRUE(d.Import()); // nothing is left to import
            second = d.Counts();
        });
    ASSERT_EQ(refusals.size(), 3u);
    EXPECT_EQ(refusals[0], "Home team column is not specified");
    EXPECT_EQ(refusals[1], "Visitor team column is not specified");
    EXPECT_EQ(refusals[2], "Specify at least one more column (i.e. matchday, date, score, etc)");
    // The counters tell of each run alone.
    EXPECT_EQ(first.Added, 1);
    EXPECT_EQ(first.Failed, 3);
    EXPECT_EQ(second.Added, 0);
    EXPECT_EQ(second.Failed, 3);
    const TTournament& t = doc.Tournament();
    ASSERT_EQ(t.MatchCount(), 2);
    // Visitor left of home: "1:3" gives Ajax at home 3, Bern away 1.
    const TMatch* m = t.MatchAt(0);
    EXPECT_EQ(t.TeamById(m->HomeTeamId)->Name, QStringLiteral("Ajax"));
    EXPECT_EQ(m->HomeScore, 3);
    EXPECT_EQ(m->VisitorScore, 1);
    ASSERT_EQ(t.Stadiums.size(), 1u);
    EXPECT_EQ(t.Stadiums.front().Name, QStringLiteral("Main Park"));
    EXPECT_TRUE(t.Referees.empty()); // "Add New Referees" was off
    // Each import was one step.
    doc.UndoStack().undo();
    EXPECT_EQ(doc.Tournament().MatchCount(), 1);
}

// Dates in any of the usual written forms, or in a format given, seen before importing; a
// warning when every date could be read either way; teams the tournament lacks added to a
// group chosen, and taken out again when their row fails.
TEST_F(ImportCsvForm, DatesPreviewedAndNewTeamsAdded) {
    TTournamentForm* form =
        NewTournament(QStringLiteral("Date Cup"), {QStringLiteral("Ajax"), QStringLiteral("Bern")});
    ASSERT_NE(form, nullptr);
    TTournamentDocument& doc = form->Document();
    const QString file = WriteCsv("dates.csv", "Date,Home,Score,Away\n"
                                               "Sat Aug 13 2011,Ajax,1-0,Bern\n"
                                               "13/04/2012,Cork,2-2,Ajax\n"
                                               "05/06/2012,Bern,0-0,Derby\n"
                                               "07/08/2012,Cork,x,Bern\n");
    RunImport(
        *form, file,
        [](TCSVImportOptionsForm& o) { Child<QComboBox>(o, "DelimiterCB").setCurrentIndex(0); },
        [&](TImportCSVForm& d) {
            QLabel& preview = Child<QLabel>(d, "DatePreviewLabel");
            QComboBox& format = Child<QComboBox>(d, "DateFormatCB");
            d.SetKind(0, ImportDate);
            d.SetKind(1, ImportHome);
            d.SetKind(2, ImportScore);
            d.SetKind(3, ImportVisitor);
            const QString english = QLocale().toString(QDate(2011, 8, 13), QLocale::LongFormat);
            EXPECT_TRUE(
                preview.text().contains(QStringLiteral("Sat Aug 13 2011 \u2192 ") + english))
                << preview.text().toStdString();
            EXPECT_FALSE(preview.text().contains(QStringLiteral("day first or month first")));
            format.setEditText(QStringLiteral("MM/dd/yyyy"));
            EXPECT_TRUE(preview.text().contains(QStringLiteral("not a date")));
            EXPECT_TRUE(preview.text().contains(
                QStringLiteral("05/06/2012 \u2192 ") +
                QLocale().toString(QDate(2012, 5, 6), QLocale::LongFormat)));
            format.setEditText(QString()); // recognised: day first
            // Teams the tournament lacks join the chosen group; the failed row's new team goes.
            EXPECT_FALSE(Child<QComboBox>(d, "TeamGroupCB").isEnabled());
            Child<QCheckBox>(d, "AddTeamsChB").setChecked(true);
            EXPECT_TRUE(Child<QComboBox>(d, "TeamGroupCB").isEnabled());
            ASSERT_TRUE(d.Import());
            EXPECT_EQ(d.Counts().Added, 3);
            EXPECT_EQ(d.Counts().Failed, 2); // the heading row and the bad score
            EXPECT_EQ(d.Counts().TeamsAdded, 2);
        });
    const TTournament& t = doc.Tournament();
    EXPECT_EQ(t.TeamCount(), 4);
    EXPECT_NE(t.JointTable().TeamByName(QStringLiteral("Cork")), nullptr);
    EXPECT_NE(t.JointTable().TeamByName(QStringLiteral("Derby")), nullptr);
    ASSERT_EQ(t.MatchCount(), 3);
    EXPECT_EQ(DaysToDate(t.MatchAt(0)->Date), QDate(2011, 8, 13));
    EXPECT_EQ(DaysToDate(t.MatchAt(1)->Date), QDate(2012, 4, 13));
    // Undone, the teams go with the matches.
    doc.UndoStack().undo();
    EXPECT_EQ(doc.Tournament().TeamCount(), 2);
}

TEST_F(ImportCsvForm, AmbiguousDatesAreSaid) {
    TTournamentForm* form =
        NewTournament(QStringLiteral("Date Cup"), {QStringLiteral("Ajax"), QStringLiteral("Bern")});
    ASSERT_NE(form, nullptr);
    const QString file =
        WriteCsv("ambiguous.csv", "03/04/2012,Ajax,1-0,Bern\n05/06/2012,Bern,0-0,Ajax\n");
    RunImport(
        *form, file,
        [](TCSVImportOptionsForm& o) { Child<QComboBox>(o, "DelimiterCB").setCurrentIndex(0); },
        [&](TImportCSVForm& d) {
            QLabel& preview = Child<QLabel>(d, "DatePreviewLabel");
            d.SetKind(0, ImportDate);
            EXPECT_TRUE(preview.text().startsWith(
                QStringLiteral("Every date could be day first or month first")))
                << preview.text().toStdString();
            Child<QComboBox>(d, "DateFormatCB").setEditText(QStringLiteral("dd/MM/yyyy"));
            EXPECT_FALSE(preview.text().startsWith(QStringLiteral("Every date")));
        });
}

TEST_F(ImportCsvForm, SchemesKeepTheColumns) {
    TTournamentForm* form = NewTournament(QStringLiteral("Scheme Cup"),
                                          {QStringLiteral("Ajax"), QStringLiteral("Bern")});
    ASSERT_NE(form, nullptr);
    const QString file = WriteCsv("scheme.csv", "1,Ajax,2-0,Bern\n");
    RunImport(
        *form, file,
        [](TCSVImportOptionsForm& o) { Child<QComboBox>(o, "DelimiterCB").setCurrentIndex(0); },
        [this](TImportCSVForm& d) {
            QComboBox& schemes = Child<QComboBox>(d, "StyleCB");
            d.SetKind(1, ImportHome);
            d.SetKind(2, ImportScore);
            d.SetKind(3, ImportVisitor);
            QTimer::singleShot(0, [] {
                auto* s = qobject_cast<TStyleForm*>(QApplication::activeModalWidget());
                ASSERT_NE(s, nullptr);
                EXPECT_EQ(s->windowTitle(), QStringLiteral("Save Scheme As..."));
                Child<QComboBox>(*s, "NameBox").setEditText(QStringLiteral("Results"));
                s->accept();
            });
            d.SaveScheme();
            EXPECT_EQ(schemes.currentText(), QStringLiteral("Results"));
            d.SetKind(1, ImportNone);
            EXPECT_EQ(schemes.currentIndex(), 0); // a kind set by hand unselects the scheme
            d.ChooseScheme(QStringLiteral("Results"));
            EXPECT_EQ(d.Kinds()[1], ImportHome);
            EXPECT_EQ(d.Kinds()[0], ImportNone);
            schemes.setCurrentIndex(schemes.findText(QStringLiteral("Results")));
            Messages.QueueAnswer(TMessageButton::Yes);
            d.DeleteScheme();
            EXPECT_EQ(schemes.findText(QStringLiteral("Results")), -1);
        });
}

// Both seasons typed nowhere: imported through the dialog, the deduction given in the team
// properties dialog, the table as published.
TEST_F(ImportCsvForm, PremierLeagueSeasonsEndInThePublishedTables) {
    for (const QString& season : {QStringLiteral("2009-10"), QStringLiteral("2011-12")}) {
        const TCsvRecords published =
            ReadCsvRecords(ReadFile(kvtest::SharedDataPath(
                               QStringLiteral("premier-league-%1-final-table.csv").arg(season))),
                           QLatin1Char(','));
        ASSERT_EQ(published.size(), 21);
        QStringList teams;
        for (qsizetype i = 1; i < published.size(); ++i)
            teams << published[i][1];
        TTournamentForm* form = NewTournament(QStringLiteral("Premier League ") + season, teams);
        ASSERT_NE(form, nullptr);
        TTournamentDocument& doc = form->Document();
        TImportCounts counts;
        RunImport(
            *form,
            kvtest::SharedDataPath(QStringLiteral("premier-league-%1-results.csv").arg(season)),
            [](TCSVImportOptionsForm& o) { Child<QComboBox>(o, "DelimiterCB").setCurrentIndex(0); },
            [&counts](TImportCSVForm& d) {
                d.SetKind(2, ImportHome);
                d.SetKind(3, ImportScore);
                d.SetKind(4, ImportVisitor);
                d.Import();
                counts = d.Counts();
            });
        EXPECT_EQ(counts.Added, 380);
        EXPECT_EQ(counts.Failed, 1); // the heading row
        if (season == QStringLiteral("2009-10")) {
            TTeamPropertiesForm team(doc, Dialogs);
            team.ShowTeam(
                doc.Tournament().JointTable().TeamByName(QStringLiteral("Portsmouth FC"))->Id);
            Child<QDoubleSpinBox>(team, "AddedPointsEdit").setValue(-9);
            team.accept();
        }
        const TGroup& table = *doc.Tournament().GroupAt(0);
        ASSERT_EQ(table.TeamCount(), 20);
        for (int i = 0; i < 20; ++i) {
            const QStringList& row = published[i + 1]; // Pos,Team,Pld,W,D,L,GF,GA,GD,Pts
            const TTeam& team = *table.TeamAt(i);
            EXPECT_EQ(team.Name, row[1]) << "place " << i + 1 << " of " << season.toStdString();
            EXPECT_EQ(MatchesPlayed(team, 1), row[2].toInt());
            EXPECT_EQ(GoalsFor(team, 1), row[6].toDouble());
            EXPECT_EQ(GoalsAgainst(team, 1), row[7].toDouble());
            EXPECT_EQ(Points(doc.Tournament(), team, 1), row[9].toDouble())
                << team.Name.toStdString();
        }
    }
}
