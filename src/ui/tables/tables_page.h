#pragma once

#include "export/picture_export.h"
#include "render/table_hit.h"
#include "render/table_layout.h"
#include "ui/tables/table_cursors.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <vector>

class QAction;
class QMenu;

// Page 1 of a tournament window: the standings tables as pictures, stacked in a scrolling
// area and placed by the view's alignment. Pointing at a picture shows hints and cursors;
// clicks sort by a column or retitle a group table.
namespace kv {

class TDialogSeam;
class TScoreForm;
class TTournamentDocument;
struct TChange;

class TTablesPage : public QAbstractScrollArea {
    Q_OBJECT
public:
    TTablesPage(TTournamentDocument& doc, TDialogSeam& dialogs, QWidget* parent = nullptr);

    // Rebuilds what an edit made stale: the pictures' number and sizes, or only their contents.
    void Refresh(const TChange& change);

    // For tests and the window: the tables shown, their layouts and where they stand.
    int TableCount() const { return static_cast<int>(pictures_.size()); }
    // The tables shown, as text a screen reader reads: each table's name, then its rows with
    // the captions first, fields separated by tabs.
    QString AccessibleText() const;
    const TGroup* TableAt(int index) const;
    const TTableLayout& LayoutAt(int index) const {
        return pictures_[static_cast<size_t>(index)].Layout;
    }
    // Viewport coordinates of a point of table `index`'s picture.
    QPoint ToViewport(int index, QPoint inPicture) const;
    // The table under a viewport point (-1 none) and the point within its picture.
    int TableAtPoint(QPoint viewport, QPoint& inPicture) const;
    // What a click at the viewport point does (the same as a left click of the mouse).
    void ClickAt(QPoint viewport);
    QString HintAt(QPoint viewport) const;
    int CursorNumberAt(QPoint viewport) const;
    // How many tables the last refresh laid out and drew again.
    int LastRedrawnTables() const { return lastRedrawn_; }

    // The picture of a table as the screen shows it, drawn anew.
    QImage PictureOf(int index) const;
    void CopyAsBitmap(int index) const;
    void CopyAsMetafile(int index) const;
    void CopyAsText(int index) const;
    // The table `index` exported alone (the chooser can add others) or saved as a picture.
    void ExportTable(int index, bool html);
    void SavePicture(int index, TPictureFormat format);
    // "Order of Level Teams" for the table `index`.
    void EditTieOrder(int index);
    // The score dialog of the page, made on first use and kept.
    TScoreForm& ScoreForm();
    // The window's commands the picture menu offers too (appearance, columns, dimensions).
    void SetPictureCommands(const QList<QAction*>& commands) { pictureCommands_ = commands; }

signals:
    void ContextMenuFor(int tableIndex, QPoint globalPos);
    // "Print" in a table picture's menu: the tables page goes to the printer.
    void PrintRequested();
    // A team's name cell, its results cell against itself or the heading of its results column
    // was clicked.
    void TeamClicked(int teamId);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

private:
    void ClearHint();
    // A table as the page places it. Pictures are not kept: the part of each table that is in
    // view is drawn straight into the page, at the screen's own pixels, so a table of any size
    // costs no memory and stays crisp at any scale.
    struct TPicture {
        int GroupIndex = -1; // the table's position in the tournament's shown tables
        TTableLayout Layout;
    };
    const TGroup* Table(int index) const;
    void Rebuild();
    void Redraw();
    // After one match changed: only the tables holding one of `teams`.
    void RedrawTeams(const std::vector<int>& teams);
    void Place();
    void SortBy(const TTableHit& hit);
    void Retitle(int index);
    void EditCell(const TGroup& g, const TTableHit& hit);
    TScoreForm* scoreForm_ = nullptr;
    QString scoreFormLanguage_;

    TTournamentDocument& doc_;
    TDialogSeam& dialogs_;
    TTableCursors cursors_;
    std::vector<TPicture> pictures_;
    std::vector<QPoint> origins_; // in content coordinates (scroll positions not applied)
    int lastRedrawn_ = 0;
    QList<QAction*> pictureCommands_;
};

} // namespace kv
