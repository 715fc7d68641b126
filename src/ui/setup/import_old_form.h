#pragma once

#include "storage/legacy_import.h"
#include "storage/tournament_list.h"

#include <QDialog>

class QLabel;

// "Import Tournament": a tournament of the earlier program's files gets its name, file name
// and (for the older kind) its sport; OK checks them as the wizard's name page does, imports,
// and saves the new tournament.
namespace kv {

class TMainTableFrame;

class TImportTableV2Form : public QDialog {
    Q_OBJECT
public:
    TImportTableV2Form(const TTournamentList& list, const QString& source, const TLegacyInfo& info,
                       QWidget* parent = nullptr);

    TMainTableFrame& MainFrame() const { return *frame_; }
    // After OK: the list entry of the tournament saved.
    const TNodeData& Created() const { return created_; }
    void accept() override;

private:
    const TTournamentList& list_;
    QString source_;
    TLegacyInfo info_;
    TMainTableFrame* frame_ = nullptr;
    TNodeData created_;
};

} // namespace kv
