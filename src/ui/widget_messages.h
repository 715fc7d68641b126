#pragma once

#include "base/messages.h"

class QWidget;

// The program's message boxes as real windows, captioned with the application title.
namespace kv {

class TWidgetMessages : public TMessageHandler {
public:
    TMessageButton Show(TMessageKind kind, const QString& text) override;
};

} // namespace kv
