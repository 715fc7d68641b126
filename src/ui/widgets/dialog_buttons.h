#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;
class QWidget;

namespace kv {

// The row of OK, Cancel and (when asked) Apply that closes most dialogs, with their texts and
// object names. OK accepts the dialog and Cancel rejects it; Apply is left to the dialog.
struct TDialogButtons {
    QDialogButtonBox* Box = nullptr;
    QPushButton* Ok = nullptr;
    QPushButton* Apply = nullptr; // null unless asked for
};
TDialogButtons MakeDialogButtons(QDialog& dialog, bool withApply, bool okIsDefault = true);

// "&Help": the manual at the topic of `window`; on its own, or in a row of buttons.
QPushButton* MakeHelpButton(QWidget& window);
QPushButton* AddHelpButton(QDialogButtonBox& box, QWidget& window);

} // namespace kv
