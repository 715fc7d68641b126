// Files dropped on the windows: tournaments on the main window are added and opened, files of
// the earlier program dropped on the list go through the import dialog, delimited text dropped
// on a tournament window starts its import; anything else is left alone.
#include "ui/ui_support.h"

#include "edit/tournament_document.h"
#include "storage/tournament_list.h"
#include "ui/fixtures/csv_import_options_form.h"
#include "ui/fixtures/import_csv_form.h"
#include "ui/setup/import_old_form.h"
#include "ui/setup/main_table_frame.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/tournament/tournament_form.h"

#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

using namespace kv;

namespace {

class DropFiles : public kvtest::TMainWindowTest {
protected:
    static void Drop(QWidget* target, const QStringList& paths) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls << QUrl::fromLocalFile(p);
        mime.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }
};

} // namespace

TEST_F(DropFiles, ATournamentDroppedOnTheMainWindowIsAddedAndOpened) {
    const QString outside = HomePath(QStringLiteral("elsewhere/dropped.kvd"));
    QDir().mkpath(HomePath(QStringLiteral("elsewhere")));
    ASSERT_TRUE(kvtest::SaveRenamedCopy(QStringLiteral(KV_SAMPLES "/hockey.kvd"), outside,
                                        QStringLiteral("Dropped League")));
    const QString picture = HomePath(QStringLiteral("elsewhere/logo.png"));
    QFile png(picture);
    ASSERT_TRUE(png.open(QIODevice::WriteOnly));
    png.close();
    const qsizetype open = main_->TournamentForms().size();
    Drop(main_.get(), {picture}); // nothing to do with it
    EXPECT_EQ(main_->TournamentForms().size(), open);
    Drop(main_.get(), {outside, picture});
    EXPECT_NE(main_->List().FindByPath(TTournamentList::SavesPath(QStringLiteral("dropped.kvd"))),
              nullptr);
    EXPECT_EQ(main_->TournamentForms().size(), open + 1);
}

TEST_F(DropFiles, AnOlderFileDroppedOnTheListIsImported) {
    auto* tree = main_->findChild<TListPanel*>()->findChild<QTreeView*>();
    ASSERT_NE(tree, nullptr);
    QTimer::singleShot(0, [] {
        auto* form = qobject_cast<TImportTableV2Form*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        form->MainFrame().NameEdit().setText(QStringLiteral("Dropped Old Cup"));
        form->MainFrame().FileEdit().setText(QStringLiteral("droppedold"));
        form->accept();
    });
    Drop(tree->viewport(), {QStringLiteral(KV_TEST_DATA "/legacy/two-groups.plg")});
    EXPECT_NE(
        main_->List().FindByPath(TTournamentList::SavesPath(QStringLiteral("droppedold.kvd"))),
        nullptr);
    ASSERT_EQ(main_->TournamentForms().size(), 1);
    EXPECT_EQ(main_->TournamentForms().front()->Document().Tournament().Name,
              QStringLiteral("Dropped Old Cup"));
}

TEST_F(DropFiles, TextDroppedOnATournamentWindowIsImportedIntoIt) {
    TTournamentForm* form = Open("soccer.kvd");
    ASSERT_NE(form, nullptr);
    const QString csv = HomePath(QStringLiteral("results.csv"));
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a,b\n");
    f.close();
    bool options = false, import = false;
    QTimer::singleShot(50, [&] {
        auto* o = qobject_cast<TCSVImportOptionsForm*>(QApplication::activeModalWidget());
        ASSERT_NE(o, nullptr);
        options = true;
        QTimer::singleShot(0, [&] {
            auto* i = qobject_cast<TImportCSVForm*>(QApplication::activeModalWidget());
            ASSERT_NE(i, nullptr);
            import = true;
            i->reject();
        });
        o->accept();
    });
    Drop(form, {csv});
    // The import starts once the drop is over.
    for (int i = 0; i < 100 && !import; ++i)
        QTest::qWait(50);
    EXPECT_TRUE(options);
    EXPECT_TRUE(import);
}
