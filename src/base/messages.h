#pragma once

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

// The application's message box as an interface: the window layer installs a widget
// version, the command line and the tests a recording one.
namespace kv {

enum class TMessageKind {
    Error,         // error icon, OK
    QuestionYesNo, // question icon, Yes and No
    QuestionYesNoCancel,
    Information, // information icon, OK
    OkCancel,
};

enum class TMessageButton { Ok, Cancel, Yes, No };

class TMessageHandler {
public:
    virtual ~TMessageHandler() = default;
    virtual TMessageButton Show(TMessageKind kind, const QString& text) = 0;
};

// Installs a handler (not owned); null restores the default, which answers every
// question with its first button and prints errors to standard error.
void SetMessageHandler(TMessageHandler* handler);

// Shows a message captioned with the application title and returns the button chosen.
TMessageButton ShowAppMessage(const QString& text, TMessageKind kind);

// "%s cannot be moved to the trash. Delete it for good?": Yes deletes.
bool AskDeleteForGood(const QString& path);

// Records every message; answers questions from a queue (the first button when empty).
class TRecordingMessages : public TMessageHandler {
public:
    struct TEntry {
        TMessageKind Kind;
        QString Text;
    };

    TMessageButton Show(TMessageKind kind, const QString& text) override;

    void QueueAnswer(TMessageButton b) { answers_.push_back(b); }
    const std::vector<TEntry>& Entries() const { return entries_; }
    QStringList Texts() const;
    void Clear() { entries_.clear(); }

private:
    std::vector<TEntry> entries_;
    std::deque<TMessageButton> answers_;
};

} // namespace kv
