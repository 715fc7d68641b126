#include "base/messages.h"

#include "base/language.h"
#include "base/textformat.h"

#include <cstdio>

namespace kv {

namespace {

TMessageButton FirstButton(TMessageKind kind) {
    switch (kind) {
    case TMessageKind::QuestionYesNo:
    case TMessageKind::QuestionYesNoCancel:
        return TMessageButton::Yes;
    default:
        return TMessageButton::Ok;
    }
}

class TDefaultMessages : public TMessageHandler {
public:
    TMessageButton Show(TMessageKind kind, const QString& text) override {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        return FirstButton(kind);
    }
};

TMessageHandler*& Installed() {
    static TMessageHandler* handler = nullptr;
    return handler;
}

} // namespace

void SetMessageHandler(TMessageHandler* handler) {
    Installed() = handler;
}

TMessageButton ShowAppMessage(const QString& text, TMessageKind kind) {
    static TDefaultMessages fallback;
    TMessageHandler* handler = Installed();
    return (handler ? handler : &fallback)->Show(kind, text);
}

TMessageButton TRecordingMessages::Show(TMessageKind kind, const QString& text) {
    entries_.push_back({kind, text});
    if (answers_.empty()) return FirstButton(kind);
    const TMessageButton b = answers_.front();
    answers_.pop_front();
    return b;
}

QStringList TRecordingMessages::Texts() const {
    QStringList out;
    for (const TEntry& e : entries_)
        out << e.Text;
    return out;
}

bool AskDeleteForGood(const QString& path) {
    return ShowAppMessage(
               Fmt(LangText(618,
                            "%s cannot be moved to the trash: there is none. Delete it for good?"),
                   path),
               TMessageKind::QuestionYesNo) == TMessageButton::Yes;
}

} // namespace kv
