#pragma once

#include "edit/name_checks.h"

#include <QWidget>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QSpinBox;

// The tournament's name, file name, sport and legs: one legs field in the group system, three
// in the conferences system. The wizard's name page and the format dialog's main page.
namespace kv {

class TMainTableFrame : public QWidget {
    Q_OBJECT
public:
    explicit TMainTableFrame(QWidget* parent = nullptr);

    void SetConferences(bool on);
    bool Conferences() const { return conferences_; }
    // The name and file name rows are left out where only the rules are edited.
    void SetNameShown(bool shown);
    void SetSportLocked(bool locked);
    // The legs rows are left out where the legs come from elsewhere (an imported file).
    void SetLegsShown(bool shown);
    void Load(const TNamePage& page);
    TNamePage Page() const;
    void SetSport(int sport);
    int Sport() const;
    // Puts the focus on the field a check refused.
    void FocusField(int field);

    QLineEdit& NameEdit() const { return *name_; }
    QLineEdit& FileEdit() const { return *file_; }
    QComboBox& SportBox() const { return *sport_; }
    // 0: inside a group or division, 1: inside a conference, 2: between conferences.
    QSpinBox& Legs(int which) const { return *legs_[which]; }

signals:
    void SportChanged(int sport);

private:
    void OnSport();

    bool conferences_ = false;
    QString ownPath_;
    QFormLayout* form_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* file_ = nullptr;
    QComboBox* sport_ = nullptr;
    QSpinBox* legs_[3] = {};
    QLabel* legsLabel_ = nullptr;
};

} // namespace kv
