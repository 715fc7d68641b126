// The exports as a user starts them: the HTML settings and the delimited-text options with the
// table chooser and their refusals, the settings kept for the next time, the fixture list as a
// grid and as a spreadsheet, and a table saved as a picture of each kind.
#include "ui/ui_support.h"

#include "base/preferences.h"
#include "base/settings.h"
#include "edit/tournament_document.h"
#include "export/picture_export.h"
#include "model/group.h"
#include "ui/output/export_csv_options_form.h"
#include "ui/output/export_flows.h"
#include "ui/output/export_xlsx_options_form.h"
#include "ui/output/html_settings_form.h"
#include "ui/output/select_tables_frame.h"
#include "ui/shell/main_form.h"
#include "ui/tables/tables_page.h"
#include "ui/tournament/tournament_form.h"
#include "ui/widgets/dual_list.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace kv;
using kvtest::Child;

namespace {

class ExportForms : public kvtest::TMainWindowTest {
protected:
    // Runs `answer` on the next modal dialog of type T.
    template <typename T> static void Answer(std::function<void(T&)> answer) {
        QTimer::singleShot(0, [answer] {
            auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
    }
    static QString Read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
};

} // namespace

TEST_F(ExportForms, HtmlNeedsATableAndKeepsItsSettings) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    const TTournament& t = form->Document().Tournament();
    {
        THTMLSettingsForm dialog(&t, {}, nullptr);
        EXPECT_FALSE(Child<QPushButton>(dialog, "OKBtn").isEnabled()); // nothing chosen yet
        dialog.Tables()->Lists().AddAll();
        EXPECT_TRUE(Child<QPushButton>(dialog, "OKBtn").isEnabled());
        dialog.Tables()->Lists().RemoveAll();
        EXPECT_FALSE(Child<QPushButton>(dialog, "OKBtn").isEnabled());
    }
    // From the picture menu: the clicked table alone is chosen; OK keeps the settings.
    const QString out = HomePath(QStringLiteral("tables"));
    Dialogs.Saves.push_back(out);
    std::vector<int> chosen;
    Answer<THTMLSettingsForm>([&chosen](THTMLSettingsForm& d) {
        chosen = d.Chosen();
        Child<QComboBox>(d, "EncodingCB").setEditText(QStringLiteral("Cyrillic (Windows-1251)"));
        Child<QLineEdit>(d, "TableAttrEdit").setText(QStringLiteral("border=\"2\""));
        d.accept();
    });
    form->TablesPage().ExportTable(0, true);
    ASSERT_EQ(chosen.size(), 1u);
    const QString html = Read(out + QStringLiteral(".htm")); // the extension is added
    EXPECT_TRUE(html.contains(QStringLiteral("charset=windows-1251")));
    EXPECT_TRUE(html.contains(QStringLiteral("border=\"2\"")));
    EXPECT_EQ(PrefString("HTML", "Encoding"), QStringLiteral("Cyrillic (Windows-1251)"));
    // Cancel in the save dialog writes nothing; the settings stay as the OK left them.
    QFile::remove(out + QStringLiteral(".htm"));
    Answer<THTMLSettingsForm>([](THTMLSettingsForm& d) {
        EXPECT_EQ(Child<QLineEdit>(d, "TableAttrEdit").text(), QStringLiteral("border=\"2\""));
        d.accept();
    });
    form->Command(TCommandId::ExportTableToHTML)->trigger();
    EXPECT_FALSE(QFileInfo::exists(out + QStringLiteral(".htm")));
}

// A table moved into "Tables to Export" can be moved up and down at once, without choosing it
// again first.
TEST_F(ExportForms, AMovedTableCanBeReorderedAtOnce) {
    TTournamentForm* form = Open("basketball.kvd");
    ASSERT_NE(form, nullptr);
    THTMLSettingsForm dialog(&form->Document().Tournament(), {}, nullptr);
    TDualList& lists = dialog.Tables()->Lists();
    auto* up = lists.findChild<QAbstractButton*>(QStringLiteral("UpBtn"));
    auto* down = lists.findChild<QAbstractButton*>(QStringLiteral("DownBtn"));
    ASSERT_GT(lists.AvailableList()->count(), 2);
    lists.AvailableList()->setCurrentRow(0);
    lists.Add();
    lists.AvailableList()->setCurrentRow(0);
    lists.Add();
    EXPECT_TRUE(up->isEnabled()) << "the table just added is the second of two";
    EXPECT_FALSE(down->isEnabled());
    const std::vector<int> before = lists.Chosen();
    up->click();
    EXPECT_EQ(lists.Chosen(), (std::vector<int>{before[1], before[0]}));
    EXPECT_TRUE(down->isEnabled());
}

TEST_F(ExportForms, CsvAsksForItsOwnSeparatorAndKeepsIt) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    const QString out = HomePath(QStringLiteral("table.csv"));
    Dialogs.Saves.push_back(out);
    bool stayed = false;
    Answer<TExportCSVOptionsForm>([&stayed](TExportCSVOptionsForm& d) {
        EXPECT_TRUE(
            Child<QPushButton>(d, "OKBtn").isEnabled()); // every table is chosen from the menu
        Child<QComboBox>(d, "DelimiterCB").setCurrentIndex(4); // "Other..."
        d.accept();
        stayed = d.isVisible();
        Child<QLineEdit>(d, "DelimiterEdit").setText(QStringLiteral("|"));
        Child<QComboBox>(d, "QuotesCB").setCurrentIndex(0);
        d.accept();
    });
    form->Command(TCommandId::ExportTableToText)->trigger();
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(Messages.Texts().contains(QStringLiteral("Text Delimiter is not specified")));
    const QString csv = Read(out);
    ASSERT_FALSE(csv.isEmpty());
    EXPECT_TRUE(csv.contains(QStringLiteral("|")));
    EXPECT_FALSE(csv.contains(QLatin1Char('"')));
    // A character of the user's own is offered again next time.
    TExportCSVOptionsForm again(nullptr, {}, nullptr);
    EXPECT_EQ(again.Separator(), QLatin1Char('|'));
    EXPECT_EQ(Child<QLineEdit>(again, "DelimiterEdit").text(), QStringLiteral("|"));
    EXPECT_EQ(again.Tables(), nullptr);
}

TEST_F(ExportForms, TheFixtureListGoesOutAsGridAndSpreadsheet) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    form->Command(TCommandId::ShowFixtures)->trigger();
    ASSERT_EQ(form->Page(), 1);
    const QString html = HomePath(QStringLiteral("fixtures.html"));
    Dialogs.Saves.push_back(html);
    Answer<THTMLSettingsForm>([](THTMLSettingsForm& d) {
        EXPECT_EQ(d.Tables(), nullptr); // a grid has no table chooser
        d.accept();
    });
    form->Command(TCommandId::ExportTableToHTML)->trigger();
    const QString page = Read(html);
    EXPECT_TRUE(page.contains(QStringLiteral("<title>") + form->Document().Tournament().Name));
    EXPECT_GT(page.count(QStringLiteral("<tr>")), 10);

    const QString sheet = HomePath(QStringLiteral("fixtures"));
    Dialogs.Saves.push_back(sheet);
    form->Command(TCommandId::ExportFixturesToExcel)->trigger();
    QFile xlsx(sheet + QStringLiteral(".xlsx"));
    ASSERT_TRUE(xlsx.open(QIODevice::ReadOnly));
    EXPECT_TRUE(xlsx.read(2) == "PK"); // a zip container
}

TEST_F(ExportForms, ATableIsSavedAsEveryKindOfPicture) {
    TTournamentForm* form = Open("hockey.kvd");
    ASSERT_NE(form, nullptr);
    TTablesPage& page = form->TablesPage();
    const TPictureFormat formats[] = {TPictureFormat::Png, TPictureFormat::Jpeg,
                                      TPictureFormat::Bmp, TPictureFormat::Gif,
                                      TPictureFormat::Svg, TPictureFormat::Pdf};
    for (TPictureFormat format : formats) {
        const QString path = HomePath(QStringLiteral("pictures/table"));
        QDir().mkpath(HomePath(QStringLiteral("pictures")));
        Dialogs.Saves.push_back(path);
        if (format == TPictureFormat::Bmp)
            Dialogs.SaveFilters.push_back(QStringLiteral("24 bit bitmap (*.bmp)"));
        page.SavePicture(0, format);
        const QString file = path + PictureExtension(format);
        ASSERT_TRUE(QFileInfo::exists(file)) << qPrintable(file);
        EXPECT_GT(QFileInfo(file).size(), 100);
        if (format == TPictureFormat::Bmp) {
            QFile f(file);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            const QByteArray head = f.read(30);
            EXPECT_EQ(static_cast<quint8>(head.at(28)), 24); // bits per pixel
        }
    }
    // The folder is proposed next time.
    EXPECT_EQ(PrefString("", "ImageExportPath"), HomePath(QStringLiteral("pictures")));
    // A cancelled save writes nothing.
    page.SavePicture(0, TPictureFormat::Png);
    EXPECT_EQ(QDir(HomePath(QStringLiteral("pictures"))).entryList(QDir::Files).size(), 6);
}

TEST_F(ExportForms, TheWebSiteIsPublishedIntoTheChosenFolder) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    form->Command(TCommandId::Publish)->trigger(); // cancelled: nothing happens
    EXPECT_TRUE(Messages.Texts().isEmpty());
    const QString folder = HomePath(QStringLiteral("web"));
    Dialogs.Folders.push_back(folder);
    form->Command(TCommandId::Publish)->trigger();
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/index.html")));
    EXPECT_TRUE(QFileInfo::exists(folder + QStringLiteral("/tournament.json")));
    ASSERT_FALSE(Messages.Texts().isEmpty());
    EXPECT_TRUE(
        Messages.Texts().back().startsWith(QStringLiteral("The web site was written into ")));
    EXPECT_EQ(RegReadString(QStringLiteral("Publish"), QStringLiteral("Folder"), QString()),
              folder);
}

// Export, "Tables into a Spreadsheet": the chosen tables each on a sheet of the workbook named
// in the save dialog (the extension added), the points as numbers.
TEST_F(ExportForms, TablesIntoASpreadsheet) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    const TTournament& t = form->Document().Tournament();
    ASSERT_GE(t.Groups().size(), 2u);
    const QString out = HomePath(QStringLiteral("tables"));
    Dialogs.Saves.push_back(out);
    Answer<TExportXlsxOptionsForm>([](TExportXlsxOptionsForm& d) {
        EXPECT_TRUE(Child<QPushButton>(d, "OKBtn").isEnabled());
        d.accept();
    });
    form->Command(TCommandId::ExportTablesToSpreadsheet)->trigger();
    const QString path = out + QStringLiteral(".xlsx");
    ASSERT_TRUE(QFileInfo::exists(path));
    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-p"), path, QStringLiteral("xl/workbook.xml")});
    unzip.waitForFinished();
    const QByteArray book = unzip.readAllStandardOutput();
    for (const auto& g : t.Groups())
        EXPECT_TRUE(book.contains("name=\"" + g->Name.toUtf8() + '"')) << book.constData();
    EXPECT_TRUE(Messages.Texts().isEmpty()) << qPrintable(Messages.Texts().join('\n'));
    // The main window's Export menu holds the command too.
    EXPECT_NE(main_->Command(TCommandId::ExportTablesToSpreadsheet), nullptr);
}
