#include "ui/ui_support.h"

#include "base/programfolder.h"
#include "storage/tournament_file.h"
#include "storage/tournament_list.h"
#include "ui/shell/list_panel.h"
#include "ui/shell/main_form.h"
#include "ui/tables/style_form.h"
#include "ui/tournament/tournament_form.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace kvtest {

void NoSuchChild(const QObject& parent, const char* name, qsizetype count, const char* type) {
    const std::string owner =
        (parent.objectName().isEmpty() ? QLatin1String(parent.metaObject()->className())
                                       : parent.objectName())
            .toStdString();
    if (count == 0)
        ADD_FAILURE() << owner << " has no " << type << " named \"" << name << "\"";
    else if (count == 1)
        ADD_FAILURE() << owner << "'s widget named \"" << name << "\" is no " << type;
    else
        ADD_FAILURE() << owner << " has " << count << " widgets named \"" << name << "\"";
    // There is no widget to hand back: the test cannot go on.
    std::fflush(stdout);
    std::abort();
}

bool TScriptedDialogs::ChoosePrinter(QWidget*, QPrinter& printer) {
    Asked << QStringLiteral("print");
    if (Printers.empty()) return false;
    const std::optional<QString> answer = Printers.front();
    Printers.pop_front();
    if (!answer) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*answer);
    return true;
}

QByteArray StartChildTest(QProcess& child, const char* test) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KV_CHILD_HOME"), qEnvironmentVariable("KELVORANDINE_HOME"));
    env.insert(QStringLiteral("KV_CHILD_CONFIG"), qEnvironmentVariable("XDG_CONFIG_HOME"));
    // Its own temporary folders go with ours.
    const QString temporary =
        qEnvironmentVariable("KELVORANDINE_HOME") + QStringLiteral("/childtmp");
    QDir().mkpath(temporary);
    env.insert(QStringLiteral("TMPDIR"), temporary);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_also_run_disabled_tests"),
                 QStringLiteral("--gtest_filter=") + QLatin1String(test)});
    QByteArray out;
    if (!child.waitForStarted(10000)) return out;
    for (int i = 0; i < 300 && !out.contains("READY"); ++i) {
        child.waitForReadyRead(100);
        out += child.readAllStandardOutput();
    }
    return out;
}

void AnswerNameBox(const QStringList& names, bool* stayedOpen, QString* caption) {
    QTimer::singleShot(0, [names, stayedOpen, caption] {
        auto* form = qobject_cast<kv::TStyleForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        if (caption) *caption = form->windowTitle();
        for (const QString& name : names) {
            Child<QComboBox>(*form, "NameBox").setEditText(name);
            form->accept();
        }
        if (stayedOpen) *stayedOpen = form->isVisible();
        if (form->isVisible()) form->reject();
    });
}

bool TakeParentFolders() {
    const QByteArray home = qgetenv("KV_CHILD_HOME");
    if (home.isEmpty()) return false;
    qputenv("KELVORANDINE_HOME", home);
    qputenv("XDG_CONFIG_HOME", qgetenv("KV_CHILD_CONFIG"));
    return true;
}

bool SaveRenamedCopy(const QString& from, const QString& to, const QString& name) {
    kv::TTournament t(kv::TTournamentDefaults::FromSettings());
    if (!kv::LoadTournament(t, from)) return false;
    t.Name = name;
    return kv::SaveTournament(t, to, false).Ok;
}

QStringList InstallSamples() {
    const QDir samples(QStringLiteral(KV_SAMPLES));
    const QString saves = kv::ProgramFolder() + QStringLiteral("SAVES/");
    QDir().mkpath(saves);
    kv::TTournamentList list;
    kv::TNodeData folder;
    folder.Name = QStringLiteral("Samples");
    kv::TListNode* node = list.AddEntry(list.Root(), folder);
    QStringList names;
    for (const QString& file :
         samples.entryList({QStringLiteral("*.kvd")}, QDir::Files, QDir::Name)) {
        QFile::remove(saves + file);
        QFile::copy(samples.filePath(file), saves + file);
        QFile::setPermissions(saves + file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        kv::TNodeData entry;
        entry.Kind = kv::NodeTournament;
        entry.FilePath = saves + file;
        kv::ReadIdentity(entry.FilePath, entry.Name, entry.Sport);
        list.AddEntry(node, entry);
        names << file;
    }
    list.Save(kv::ProgramFolder() + QStringLiteral("tournlst.dat"));
    return names;
}

void TUiTest::SetUp() {
    TTempHome::SetUp();
    kv::SetMessageHandler(&Messages);
    InstallSamples();
}

void TUiTest::TearDown() {
    kv::SetMessageHandler(nullptr);
    TTempHome::TearDown();
}

void TMainWindowTest::SetUp() {
    TUiTest::SetUp();
    main_ = std::make_unique<kv::TMainForm>(Dialogs);
    main_->resize(1200, 800);
    main_->show();
}

void TMainWindowTest::TearDown() {
    for (int i = 0; i < 3; ++i)
        Messages.QueueAnswer(kv::TMessageButton::No);
    main_.reset();
    TUiTest::TearDown();
}

kv::TTournamentForm* TMainWindowTest::Open(const char* file) {
    const kv::TListNode* e =
        main_->List().FindByPath(kv::TTournamentList::SavesPath(QLatin1String(file)));
    return e ? main_->OpenTournament(e->Data) : nullptr;
}

} // namespace kvtest
