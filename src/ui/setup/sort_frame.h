#pragma once

#include "model/tournament.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The tie-break criteria after the main one: chosen from those the sport offers, in the order
// that decides, with named schemes per sport; division leaders ranked up; head-to-head among
// the teams still level.
namespace kv {

class TSortFrame : public QWidget {
    Q_OBJECT
public:
    explicit TSortFrame(QWidget* parent = nullptr);

    struct TState {
        int Sport = 1;
        bool Overtime = false;
        int MainColumn = 40;
        bool Conferences = false;
        std::vector<TSortColumn> Criteria; // after the main one
        bool LeadersUp = false;
        bool StillLevel = false;
    };
    void Load(const TState& state);
    // The sport changed: the offered criteria follow, the chosen ones the sport keeps stay.
    void SetSport(int sport, bool overtime);
    // The title names the main criterion.
    void SetMainColumn(int column);
    std::vector<TSortColumn> Active() const;
    bool LeadersUp() const;
    bool StillLevel() const;

    // Whether the sport offers any criterion at all.
    bool HasOffered() const;

    void MoveSelectedRight();
    void MoveAllRight();
    void MoveSelectedLeft();
    void MoveAllLeft();
    void ChooseScheme(const QString& name);
    void SaveScheme();
    void DeleteScheme();

signals:
    void Changed();

private:
    void Fill(const std::vector<TSortColumn>& chosen);
    void FillSchemes();
    void Move(QListWidget& from, QListWidget& to, bool all);
    void UpdateButtons();
    QListWidgetItem* ItemFor(const TSortColumn& c) const;

    TState state_;
    QLabel* title_ = nullptr;
    QListWidget* available_ = nullptr;
    QListWidget* active_ = nullptr;
    QPushButton* right_ = nullptr;
    QPushButton* allRight_ = nullptr;
    QPushButton* left_ = nullptr;
    QPushButton* allLeft_ = nullptr;
    QComboBox* schemes_ = nullptr;
    QPushButton* saveScheme_ = nullptr;
    QPushButton* deleteScheme_ = nullptr;
    QCheckBox* leadersUp_ = nullptr;
    QCheckBox* stillLevel_ = nullptr;
    // While the frame fills or moves rows itself: the views still follow the lists, but the
    // rows inserted are no change of the user's (or one announced once, after the move).
    bool arranging_ = false;
};

} // namespace kv
