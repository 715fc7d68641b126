#pragma once

#include "base/messages.h"

#include <memory>

class QMessageBox;
class QWidget;

// The program's message boxes as real windows, captioned with the application title.
namespace kv {

// The box a message is shown in, not shown yet.
std::unique_ptr<QMessageBox> MakeMessageBox(TMessageKind kind, const QString& text,
                                            QWidget* parent);

class TWidgetMessages : public TMessageHandler {
public:
    TMessageButton Show(TMessageKind kind, const QString& text) override;
};

} // namespace kv
