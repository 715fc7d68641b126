// The stadium and referee dialogs: adding, replacing and deleting with their checks, sorting,
// list files with their three outcomes, and one undoable step on OK.
#include "edit/editor.h"
#include "ui/ui_support.h"

#include "base/settings.h"
#include "edit/tournament_document.h"
#include "storage/tournament_file.h"
#include "ui/setup/people_form.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace kv;

namespace {

class PeopleForm : public kvtest::TUiTest {
protected:
    void SetUp() override {
        TUiTest::SetUp();
        main_ = std::make_unique<TMainForm>(Dialogs);
        main_->show();
        form_ = main_->OpenTournament(
            main_->List()
                .FindByPath(TTournamentList::SavesPath(QStringLiteral("soccer.kvd")))
                ->Data);
        ASSERT_NE(form_, nullptr);
    }
    void TearDown() override {
        Messages.QueueAnswer(TMessageButton::No);
        main_.reset();
        TUiTest::TearDown();
    }
    static void Type(TPeopleForm& f, const char* name, const char* country, const char* city,
                     const char* number) {
        f.findChild<QLineEdit*>(QStringLiteral("NameEdit"))->setText(QLatin1String(name));
        f.findChild<QComboBox*>(QStringLiteral("CountryCB"))
            ->setCurrentText(QLatin1String(country));
        f.findChild<QLineEdit*>(QStringLiteral("CityEdit"))->setText(QLatin1String(city));
        f.findChild<QLineEdit*>(QStringLiteral("NumberEdit"))->setText(QLatin1String(number));
    }
    std::unique_ptr<TMainForm> main_;
    TTournamentForm* form_ = nullptr;
};

} // namespace

TEST_F(PeopleForm, StadiumsAddedCheckedDeletedAndUndone) {
    TTournamentDocument& doc = form_->Document();
    TPeopleForm dialog(TPeopleKind::Stadiums, doc, Dialogs, form_);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Stadiums - Riverside Spring League"));
    Type(dialog, "Park Lane", "England", "Leeds", "12000");
    dialog.Add();
    Type(dialog, "Park Lane", "England", "York", "");
    dialog.Add();
    EXPECT_EQ(dialog.Editor().Entries().size(), 2u) << "the same name in another city";
    Type(dialog, "Park Lane", "England", "Leeds", "500");
    dialog.Add();
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("This stadium already exists"));
    // Letters cannot be typed into the capacity; pasted ones are refused.
    QLineEdit* capacity = dialog.findChild<QLineEdit*>(QStringLiteral("NumberEdit"));
    capacity->clear();
    QTest::keyClicks(capacity, QStringLiteral("9x9"));
    EXPECT_EQ(capacity->text(), QStringLiteral("99"));
    Type(dialog, "Mill Road", "", "", "12x");
    dialog.Add();
    EXPECT_EQ(Messages.Texts().back(),
              QStringLiteral("Field 'Capacity' requires a positive integer number"));
    EXPECT_EQ(Messages.Entries().back().Kind, TMessageKind::Error);
    EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("CountLabel"))->text(),
              QStringLiteral("Stadiums Count: 2"));
    EXPECT_TRUE(doc.Tournament().Stadiums.empty()) << "nothing before OK";
    dialog.accept();
    ASSERT_EQ(doc.Tournament().Stadiums.size(), 2u);
    EXPECT_EQ(doc.Tournament().Stadiums.front().Capacity, 12000);
    EXPECT_EQ(main_->Command(TCommandId::Undo)->text(), QStringLiteral("&Undo Edit Stadiums"));

    // A stadium a match was played at stays.
    const int used = doc.Tournament().Stadiums.front().Id;
    const int match = doc.Tournament().JointTable().Matches().front()->Id;
    TEditor(doc).Edit(QStringLiteral("Venue"), ChangeFixtures,
                      [used, match](TTournament& t) { t.MatchById(match)->StadiumId = used; });
    TPeopleForm again(TPeopleKind::Stadiums, doc, Dialogs, form_);
    again.Select(0);
    again.Delete();
    EXPECT_EQ(Messages.Texts().back(),
              QStringLiteral(
                  "This stadium cannot be deleted because one or more matches were played there"));
    EXPECT_EQ(again.Editor().Entries().size(), 2u);
    // Delete All, then Cancel: the tournament keeps its list.
    Messages.QueueAnswer(TMessageButton::Yes);
    again.DeleteAll();
    EXPECT_TRUE(again.Editor().Entries().empty());
    again.reject();
    EXPECT_EQ(doc.Tournament().Stadiums.size(), 2u);
    main_->Command(TCommandId::Undo)->trigger();
    main_->Command(TCommandId::Undo)->trigger();
    EXPECT_TRUE(doc.Tournament().Stadiums.empty());
}

TEST_F(PeopleForm, ListFilesAndTheirThreeOutcomes) {
    TTournamentDocument& doc = form_->Document();
    const QString file = HomePath(QStringLiteral("lists/refs.rfr"));
    {
        TPeopleForm dialog(TPeopleKind::Referees, doc, Dialogs, form_);
        Type(dialog, "Ann Lee", "Norway", "Oslo", "1980");
        dialog.Add();
        Type(dialog, "Bo Dahl", "", "", "1975");
        dialog.Add();
        // A new birth year replaces the old one.
        dialog.Select(0);
        Type(dialog, "Ann Lee", "Norway", "Oslo", "1981");
        dialog.Replace();
        EXPECT_EQ(dialog.Editor().Entries()[0].Number, 1981);
        Dialogs.Saves.push_back(HomePath(QStringLiteral("lists/refs")));
        QDir().mkpath(HomePath(QStringLiteral("lists")));
        dialog.SaveToFile();
        EXPECT_TRUE(ReadFile(file).startsWith(
            "Kelvorandine / Referee List 2.0\r\nAnn Lee\r\nNorway\r\nOslo\r\n1981\r\n"));
        EXPECT_EQ(PrefString("", "RefereesPath"), HomePath(QStringLiteral("lists/")));
    }
    // Into an empty list: everything, and no message.
    TPeopleForm empty(TPeopleKind::Referees, doc, Dialogs, form_);
    Messages.Clear();
    Dialogs.Opens.push_back({{file}, QString()});
    empty.LoadFromFile();
    EXPECT_EQ(empty.Editor().Entries().size(), 2u);
    EXPECT_TRUE(Messages.Entries().empty());
    // Again: nothing new.
    Dialogs.Opens.push_back({{file}, QString()});
    empty.LoadFromFile();
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("All referees from this file already exist"));
    // A file of another kind.
    WriteFile(HomePath(QStringLiteral("lists/other.rfr")), "Something else\r\n");
    Dialogs.Opens.push_back({{HomePath(QStringLiteral("lists/other.rfr"))}, QString()});
    empty.LoadFromFile();
    EXPECT_TRUE(Messages.Texts().back().startsWith(
        QStringLiteral("This file was not created by Kelvorandine 2.2")))
        << Messages.Texts().back().toStdString();
    EXPECT_EQ(Messages.Entries().back().Kind, TMessageKind::Error);
}

TEST_F(PeopleForm, RefereesSortedPartlyLoadedAndKeptWhileTheyServe) {
    TTournamentDocument& doc = form_->Document();
    TPeopleForm dialog(TPeopleKind::Referees, doc, Dialogs, form_);
    Type(dialog, "Cy Moss", "Wales", "Cardiff", "1990");
    dialog.Add();
    Type(dialog, "Ann Lee", "Norway", "Oslo", "1981");
    dialog.Add();
    Type(dialog, "Bo Dahl", "Sweden", "Lund", "1975");
    dialog.Add();
    const auto names = [&dialog] {
        QStringList n;
        for (const TPersonEntry& e : dialog.Editor().Entries())
            n << e.Name;
        return n;
    };
    // A heading click sorts by that column, a second one turns the order round; the chosen
    // referee stays chosen.
    auto* header = dialog.findChild<QTreeView*>(QStringLiteral("PeopleLV"))->header();
    dialog.Select(0);
    const QString chosen = dialog.Editor().Entries()[0].Name;
    emit header->sectionClicked(3);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Bo Dahl"), QStringLiteral("Ann Lee"),
                                    QStringLiteral("Cy Moss")}));
    emit header->sectionClicked(3);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Cy Moss"), QStringLiteral("Ann Lee"),
                                    QStringLiteral("Bo Dahl")}));
    EXPECT_EQ(dialog.Editor().Entries()[static_cast<size_t>(dialog.Selected())].Name, chosen);
    emit header->sectionClicked(0);
    EXPECT_EQ(names(), (QStringList{QStringLiteral("Ann Lee"), QStringLiteral("Bo Dahl"),
                                    QStringLiteral("Cy Moss")}));

    // A file holding one new referee and one known: "1 of 2".
    const QString file = HomePath(QStringLiteral("two.rfr"));
    WriteFile(file, "Kelvorandine / Referee List 2.0\r\nAnn Lee\r\nNorway\r\nOslo\r\n1981\r\n"
                    "Di Roe\r\n\r\n\r\n1988\r\n");
    Dialogs.Opens.push_back({{file}, QString()});
    dialog.LoadFromFile();
    EXPECT_EQ(Messages.Texts().back(), QStringLiteral("Referees loaded: 1 of 2."));
    EXPECT_EQ(Messages.Entries().back().Kind, TMessageKind::Information);
    EXPECT_EQ(dialog.Editor().Entries().size(), 4u);
    dialog.accept();
    ASSERT_EQ(doc.Tournament().Referees.size(), 4u);

    // A referee who served a match cannot be deleted.
    const int served = doc.Tournament().Referees.front().Id;
    const QString name = doc.Tournament().Referees.front().Name;
    const int match = doc.Tournament().JointTable().Matches().front()->Id;
    TEditor(doc).Edit(QStringLiteral("Referee"), ChangeFixtures, [served, match](TTournament& t) {
        t.MatchById(match)->RefereeIds = {served};
    });
    TPeopleForm again(TPeopleKind::Referees, doc, Dialogs, form_);
    int row = -1;
    for (size_t i = 0; i < again.Editor().Entries().size(); ++i)
        if (again.Editor().Entries()[i].Name == name) row = static_cast<int>(i);
    ASSERT_GE(row, 0);
    again.Select(row);
    again.Delete();
    EXPECT_EQ(Messages.Texts().back(),
              QStringLiteral(
                  "This referee cannot be deleted because the referee served one or more matches"));
    EXPECT_EQ(again.Editor().Entries().size(), 4u);
}
