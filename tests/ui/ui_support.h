#pragma once

// What the window tests share: answers for the file dialogs and input boxes, the recorded
// message boxes, and the program folder filled with the sample tournaments.
#include "support/testenv.h"

#include "base/messages.h"
#include "ui/widgets/dialog_seam.h"

#include <QObject>
#include <QStringList>

#include <deque>
#include <memory>
#include <optional>

class QProcess;

namespace kv {
class TMainForm;
class TTournamentForm;
} // namespace kv

namespace kvtest {

// Fails the test, saying why `parent` holds no widget of class `type` named `name` (`count`
// widgets carry the name), and stops the test program.
[[noreturn]] void NoSuchChild(const QObject& parent, const char* name, qsizetype count,
                              const char* type);

// The one widget of `parent`, at any depth, whose object name is `name`, as a W. A name no
// widget or two widgets carry, or a widget of another class, fails the test and stops it.
template <typename W> W& Child(const QObject& parent, const char* name) {
    const QList<QObject*> found = parent.findChildren<QObject*>(QLatin1String(name));
    W* widget = found.size() == 1 ? qobject_cast<W*>(found.front()) : nullptr;
    if (!widget) NoSuchChild(parent, name, found.size(), W::staticMetaObject.className());
    return *widget;
}

class TScriptedDialogs : public kv::TDialogSeam {
public:
    struct TOpen {
        QStringList Files;
        QString Filter;
    };
    std::deque<TOpen> Opens;
    std::deque<QString> Saves;
    std::deque<QString> SaveFilters; // the filter each save chooses; none: the one preselected
    std::deque<std::optional<QString>> Inputs;    // nullopt: cancelled
    std::deque<std::optional<kv::TColor>> Colors; // nullopt: cancelled
    std::deque<std::optional<kv::TFontData>> Fonts;
    std::deque<std::optional<QString>> Printers; // a PDF file to print into; nullopt: cancelled
    QStringList Asked;                           // the prompts and titles shown, in order

    QStringList OpenFiles(QWidget*, const QString& title, const QString&, const QString&,
                          QString& chosen) override {
        Asked << title;
        if (Opens.empty()) return {};
        TOpen o = Opens.front();
        Opens.pop_front();
        chosen = o.Filter;
        return o.Files;
    }
    QString SaveFile(QWidget*, const QString& title, const QString&, const QString&) override {
        Asked << title;
        if (Saves.empty()) return {};
        const QString s = Saves.front();
        Saves.pop_front();
        return s;
    }
    QString SaveFileAs(QWidget* parent, const QString& title, const QString& suggested,
                       const QString& filters, QString& chosen) override {
        if (!SaveFilters.empty()) {
            chosen = SaveFilters.front();
            SaveFilters.pop_front();
        }
        return SaveFile(parent, title, suggested, filters);
    }
    bool InputText(QWidget*, const QString& title, const QString& prompt, QString& text) override {
        Asked << title + QLatin1Char('|') + prompt;
        if (Inputs.empty()) return false;
        const std::optional<QString> answer = Inputs.front();
        Inputs.pop_front();
        if (!answer) return false;
        text = *answer;
        return true;
    }
    bool ChooseColor(QWidget*, const QString& title, kv::TColor& color) override {
        return Answer(title, Colors, color);
    }
    bool ChooseFont(QWidget*, const QString& title, kv::TFontData& font) override {
        return Answer(title, Fonts, font);
    }
    bool ChoosePrinter(QWidget*, QPrinter& printer) override;
    std::deque<QString> Folders; // empty: cancelled
    QString ChooseFolder(QWidget*, const QString& title, const QString&) override {
        Asked << title;
        if (Folders.empty()) return {};
        const QString f = Folders.front();
        Folders.pop_front();
        return f;
    }

private:
    template <typename T>
    bool Answer(const QString& title, std::deque<std::optional<T>>& answers, T& value) {
        Asked << title;
        if (answers.empty()) return false;
        const std::optional<T> answer = answers.front();
        answers.pop_front();
        if (!answer) return false;
        value = *answer;
        return true;
    }
};

// Runs this test program again on one disabled test (`test` as gtest names it) in this test's
// program and settings folders, and returns what it printed up to "READY" (without it when
// it never got there).
QByteArray StartChildTest(QProcess& child, const char* test);
// In that child: takes over its parent's folders; false when the test was not started so.
bool TakeParentFolders();

// Saves the tournament of `from` as `to` under another name: a file the list can take in
// beside the one it copies (tournament names stay unique in the list).
bool SaveRenamedCopy(const QString& from, const QString& to, const QString& name);

// Answers the next name box (the dialog that saves a style, scheme or set under a name) with
// each name in turn, pressing Save after each; the last one is taken or refused. `stayedOpen`
// tells whether the box was still open after the last name; an open box is then cancelled.
// `caption` receives the box's title.
void AnswerNameBox(const QStringList& names, bool* stayedOpen = nullptr,
                   QString* caption = nullptr);

// Copies the samples into SAVES/ of the program folder and lists them in a folder "Samples".
// Returns the sample file names in list order.
QStringList InstallSamples();

// The window tests' fixture: a fresh program folder with the samples, recorded messages.
class TUiTest : public TTempHome {
protected:
    void SetUp() override;
    void TearDown() override;
    kv::TRecordingMessages Messages;
    TScriptedDialogs Dialogs;
};

// A window test with the main window shown (1200 x 800) on the samples; closing it at the end
// answers No to every question about saving.
class TMainWindowTest : public TUiTest {
protected:
    void SetUp() override;
    void TearDown() override;
    // Opens a sample by its file name ("soccer.kvd"); null when it is not in the list.
    kv::TTournamentForm* Open(const char* file);
    std::unique_ptr<kv::TMainForm> main_;
};

} // namespace kvtest
