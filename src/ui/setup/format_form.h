#pragma once

#include <QDialog>

class QTabWidget;

// "Format": the sport and legs, the points rules and the ranking criteria of a tournament,
// applied as one undoable step.
namespace kv {

class TMainTableFrame;
class TPtsTableFrame;
class TSortFrame;
class TTournamentDocument;

class TReglamentForm : public QDialog {
    Q_OBJECT
public:
    TReglamentForm(TTournamentDocument& doc, QWidget* parent = nullptr);

    TMainTableFrame& MainFrame() const { return *main_; }
    TPtsTableFrame& PointsFrame() const { return *points_; }
    TSortFrame& SortFrame() const { return *sort_; }
    void accept() override;

private:
    TTournamentDocument& doc_;
    QTabWidget* pages_ = nullptr;
    TMainTableFrame* main_ = nullptr;
    TPtsTableFrame* points_ = nullptr;
    TSortFrame* sort_ = nullptr;
    bool criteriaChanged_ = false;
};

} // namespace kv
