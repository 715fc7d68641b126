#pragma once

#include <QDialog>

class QListWidget;

// "Order of Level Teams": the order a table gives teams that every ranking criterion leaves
// level (a drawing of lots, fair-play points). It decides only among teams still level.
namespace kv {

class TGroup;
class TTournamentDocument;

class TTieOrderForm : public QDialog {
    Q_OBJECT
public:
    TTieOrderForm(TTournamentDocument& doc, const TGroup& table, QWidget* parent = nullptr);

    QListWidget& Teams() { return *teams_; }
    void MoveUp();
    void MoveDown();
    // Nothing recorded: the teams level on every criterion go by name again.
    void Clear();
    void accept() override;

private:
    void Move(int by);

    TTournamentDocument& doc_;
    int kind_;
    int id_;
    bool cleared_ = false;
    QListWidget* teams_ = nullptr;
};

} // namespace kv
