#include "ui/tables/tables_page.h"

#include "edit/edits.h"
#include "export/csv_export.h"

#include "base/language.h"
#include "base/messages.h"
#include "base/preferences.h"
#include "base/textformat.h"
#include "edit/tournament_document.h"
#include "export/picture_export.h"
#include "export/table_grid.h"
#include "render/table_painter.h"
#include "render/table_placement.h"
#include "standings/column_catalog.h"
#include "standings/ranking.h"
#include "standings/tournament_setup.h"
#include "ui/fixtures/score_form.h"
#include "ui/output/export_flows.h"
#include "ui/tables/tie_order_form.h"
#include "ui/widgets/dialog_seam.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <QStatusTipEvent>
#include <QToolTip>

#include <algorithm>

namespace kv {

TTablesPage::TTablesPage(TTournamentDocument& doc, TDialogSeam& dialogs, QWidget* parent)
    : QAbstractScrollArea(parent), doc_(doc), dialogs_(dialogs) {
    setObjectName(QStringLiteral("TablesPage"));
    viewport()->setObjectName(QStringLiteral("TablesViewport"));
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Window);
    setFocusPolicy(Qt::StrongFocus);
    setFrameShape(QFrame::NoFrame);
    Rebuild();
}

const TGroup* TTablesPage::Table(int index) const {
    const std::vector<const TGroup*> shown = doc_.Tournament().ShownTables();
    const int g = pictures_[static_cast<size_t>(index)].GroupIndex;
    return g >= 0 && g < static_cast<int>(shown.size()) ? shown[static_cast<size_t>(g)] : nullptr;
}

const TGroup* TTablesPage::TableAt(int index) const {
    return Table(index);
}

void TTablesPage::Refresh(const TChange& change) {
    if (change.Replaced || change.Has(ChangeLayout | ChangeStructure))
        Rebuild();
    else if (change.Has(ChangeTables) && !change.Teams.empty())
        RedrawTeams(change.Teams);
    else if (change.Has(ChangeTables | ChangeOrder | ChangeName))
        Redraw();
}

void TTablesPage::RedrawTeams(const std::vector<int>& teams) {
    const TTournament& t = doc_.Tournament();
    QRegion stale;
    bool moved = false;
    lastRedrawn_ = 0;
    for (size_t i = 0; i < pictures_.size(); ++i) {
        const TGroup* g = Table(static_cast<int>(i));
        if (!g || std::none_of(g->Teams().begin(), g->Teams().end(), [&teams](const TTeam* team) {
                return std::find(teams.begin(), teams.end(), team->Id) != teams.end();
            }))
            continue; // a table without either team looks as it did
        ++lastRedrawn_;
        PrepareTable(t, *g);
        const TTableLayout before = pictures_[i].Layout;
        pictures_[i].Layout = ComputeLayout(t, *g);
        const TTableLayout& after = pictures_[i].Layout;
        moved = moved || after.PictureWidth != before.PictureWidth ||
                after.TableHeight != before.TableHeight;
        stale += QRect(ToViewport(static_cast<int>(i), QPoint()),
                       QSize(after.PictureWidth, after.TableHeight));
    }
    if (moved) {
        // A table grew or shrank (a wider score): the others may move, so all of it is drawn.
        Place();
        viewport()->update();
    } else {
        viewport()->update(stale);
    }
}

void TTablesPage::Rebuild() {
    pictures_.clear();
    const std::vector<const TGroup*> shown = doc_.Tournament().ShownTables();
    for (size_t i = 0; i < shown.size(); ++i) {
        TPicture picture;
        picture.GroupIndex = static_cast<int>(i);
        pictures_.push_back(std::move(picture));
    }
    Redraw();
}

void TTablesPage::Redraw() {
    const TTournament& t = doc_.Tournament();
    lastRedrawn_ = TableCount();
    for (size_t i = 0; i < pictures_.size(); ++i) {
        if (const TGroup* g = Table(static_cast<int>(i))) {
            PrepareTable(t, *g);
            pictures_[i].Layout = ComputeLayout(t, *g);
        }
    }
    Place();
    viewport()->update();
    // Only a screen reader reads the tables as text: written while one listens.
    if (QAccessible::isActive()) setAccessibleDescription(AccessibleText());
}

QString TTablesPage::AccessibleText() const {
    const TTournament& t = doc_.Tournament();
    QStringList lines;
    for (int i = 0; i < TableCount(); ++i) {
        if (const TGroup* g = Table(i)) {
            PrepareTable(t, *g);
            lines << g->Name;
            WriteGroupCsv(t, *g, QLatin1Char('\t'), QString(), lines);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

void TTablesPage::focusInEvent(QFocusEvent* event) {
    setAccessibleDescription(AccessibleText());
    QAbstractScrollArea::focusInEvent(event);
}

QImage TTablesPage::PictureOf(int index) const {
    const TGroup* g = index >= 0 && index < TableCount() ? Table(index) : nullptr;
    if (!g) return {};
    PrepareTable(doc_.Tournament(), *g);
    return RenderGroupTable(doc_.Tournament(), *g);
}

void TTablesPage::Place() {
    std::vector<QSize> sizes;
    for (const TPicture& p : pictures_)
        sizes.emplace_back(p.Layout.PictureWidth, p.Layout.TableHeight);
    const TTablePlacement placed =
        PlaceTables(sizes, viewport()->size(), doc_.Tournament().View.Alignment);
    origins_ = placed.Origins;
    const QSize area = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, placed.HorizontalRange - area.width()));
    verticalScrollBar()->setRange(0, std::max(0, placed.VerticalRange - area.height()));
    horizontalScrollBar()->setPageStep(area.width());
    verticalScrollBar()->setPageStep(area.height());
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
}

QPoint TTablesPage::ToViewport(int index, QPoint inPicture) const {
    const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
    return origins_[static_cast<size_t>(index)] - scroll + inPicture;
}

int TTablesPage::TableAtPoint(QPoint viewport, QPoint& inPicture) const {
    for (int i = 0; i < TableCount(); ++i) {
        const QPoint origin = ToViewport(i, QPoint());
        const TTableLayout& l = LayoutAt(i);
        const QRect r(origin, QSize(l.PictureWidth, l.TableHeight));
        if (r.contains(viewport)) {
            inPicture = viewport - origin;
            return i;
        }
    }
    return -1;
}

QString TTablesPage::HintAt(QPoint viewport) const {
    QPoint p;
    const int index = TableAtPoint(viewport, p);
    const TGroup* g = index >= 0 ? Table(index) : nullptr;
    if (!g) return QString();
    return TableHint(doc_.Tournament(), *g,
                     HitTestTable(doc_.Tournament(), *g, LayoutAt(index), p));
}

int TTablesPage::CursorNumberAt(QPoint viewport) const {
    QPoint p;
    const int index = TableAtPoint(viewport, p);
    const TGroup* g = index >= 0 ? Table(index) : nullptr;
    if (!g) return 0;
    return TableCursor(doc_.Tournament(), *g,
                       HitTestTable(doc_.Tournament(), *g, LayoutAt(index), p));
}

void TTablesPage::ClickAt(QPoint viewport) {
    QPoint p;
    const int index = TableAtPoint(viewport, p);
    const TGroup* g = index >= 0 ? Table(index) : nullptr;
    if (!g) return;
    const TTableHit hit = HitTestTable(doc_.Tournament(), *g, LayoutAt(index), p);
    if (hit.Region == TTableRegion::ColumnHeading && hit.ColumnId >= 0) {
        SortBy(hit);
    } else if (hit.Region == TTableRegion::PlaceHeading) {
        // The place heading returns from a heading's sort to the tournament's order.
        if (doc_.Tournament().SortState == TSortState{}) return;
        edit::RestoreTournamentOrder(doc_);
    } else if (hit.Region == TTableRegion::Title && g->Kind != KindJoint) {
        Retitle(index);
    } else if ((hit.Region == TTableRegion::TeamName || hit.Region == TTableRegion::Diagonal) &&
               hit.RowTeam) {
        emit TeamClicked(hit.RowTeam->Id);
    } else if (hit.Region == TTableRegion::ColumnTeam && hit.ColumnTeam) {
        emit TeamClicked(hit.ColumnTeam->Id);
    } else if (hit.Region == TTableRegion::ResultCell && hit.RowTeam && hit.ColumnTeam) {
        const TCellPermission allowed =
            ResultCellAccess(doc_.Tournament(), *g, *hit.RowTeam, *hit.ColumnTeam, hit.Line);
        if (!allowed.Allowed)
            ShowAppMessage(allowed.Message, TMessageKind::Information);
        else
            EditCell(*g, hit);
    }
}

TScoreForm& TTablesPage::ScoreForm() {
    // Made on first use and kept; made anew when the language changed since.
    if (scoreForm_ && scoreFormLanguage_ != CurrentLanguage()) {
        delete scoreForm_;
        scoreForm_ = nullptr;
    }
    if (!scoreForm_) {
        scoreForm_ = new TScoreForm(dialogs_, this);
        scoreFormLanguage_ = CurrentLanguage();
    }
    return *scoreForm_;
}

void TTablesPage::EditCell(const TGroup& g, const TTableHit& hit) {
    const TGridCells cells(g);
    TScoreForm& form = ScoreForm();
    if (const TMatch* m = cells.At(hit.RowTeam->Id, hit.ColumnTeam->Id, hit.Line)) {
        form.OpenMatch(doc_, m->Id, PageScore);
    } else if (g.Style.ShowAwayResults) {
        // A cell per leg: the venue balances the pair's home matches.
        const bool rowHome = ProposedRowAtHome(doc_.Tournament(), g, *hit.RowTeam, *hit.ColumnTeam);
        const int home = rowHome ? hit.RowTeam->Id : hit.ColumnTeam->Id;
        const int visitor = rowHome ? hit.ColumnTeam->Id : hit.RowTeam->Id;
        const int position = g.ProposedGridPosition(home, visitor, hit.Line, -1);
        if (position < 0) {
            ShowAppMessage(LangText(11554, "All possible fixtures for this pair already exist"),
                           TMessageKind::Information);
            return;
        }
        form.OpenNew(doc_, home, visitor, hit.Line, position, PageScore);
    } else {
        const int leg = ResultCellLeg(g, *hit.RowTeam, *hit.ColumnTeam, hit.Line);
        form.OpenNew(doc_, hit.RowTeam->Id, hit.ColumnTeam->Id, leg, hit.Line, PageScore);
    }
    form.exec();
}

void TTablesPage::SortBy(const TTableHit& hit) {
    const TTournament& t = doc_.Tournament();
    const TSortState next = ClickedSort(t.SortState, hit.ColumnId, hit.Scope);
    edit::SetSort(doc_, next, ColumnFullName(hit.ColumnId, t));
}

void TTablesPage::Retitle(int index) {
    const TGroup* g = Table(index);
    if (!g) return;
    QString title = g->Name;
    if (!dialogs_.InputText(this, g->Name, LangText(6504, "Enter New Title:"), title) ||
        title == g->Name)
        return;
    edit::RenameTable(doc_, *g, title);
}

void TTablesPage::CopyAsBitmap(int index) const {
    if (index < 0 || index >= TableCount()) return;
    QApplication::clipboard()->setImage(PictureOf(index).convertToFormat(QImage::Format_RGB888));
}

// The table as text for a fixed-width font, to paste into an e-mail or a chat.
void TTablesPage::CopyAsText(int index) const {
    const TGroup* g = index >= 0 && index < TableCount() ? Table(index) : nullptr;
    if (!g) return;
    PrepareTable(doc_.Tournament(), *g);
    QApplication::clipboard()->setText(TableText(doc_.Tournament(), *g));
}

void TTablesPage::CopyAsMetafile(int index) const {
    const TGroup* g = index >= 0 && index < TableCount() ? Table(index) : nullptr;
    if (!g) return;
    const TTournament& t = doc_.Tournament();
    PrepareTable(t, *g);
    QString error;
    const TColor background =
        RgbColor(static_cast<quint8>(palette().color(QPalette::Window).red()),
                 static_cast<quint8>(palette().color(QPalette::Window).green()),
                 static_cast<quint8>(palette().color(QPalette::Window).blue()));
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("image/svg+xml"),
                  TablePictureBytes(t, *g, TPictureFormat::Svg, error, 24, background));
    // Programs that take no vector pictures get the bitmap beside it.
    mime->setImageData(PictureOf(index).convertToFormat(QImage::Format_RGB888));
    QApplication::clipboard()->setMimeData(mime);
}

void TTablesPage::paintEvent(QPaintEvent* event) {
    QPainter p(viewport());
    const TTournament& t = doc_.Tournament();
    const bool several = TableCount() > 1;
    for (int i = 0; i < TableCount(); ++i) {
        const TTableLayout& l = LayoutAt(i);
        const QPoint origin = ToViewport(i, QPoint());
        const QRect shown =
            QRect(origin, QSize(l.PictureWidth, l.TableHeight)).intersected(event->rect());
        const TGroup* g = Table(i);
        if (shown.isEmpty() || !g) continue;
        // The teams' figures are shared by every table they are in: with several tables shown,
        // each is counted again just before it is drawn.
        if (several) PrepareTable(t, *g);
        p.save();
        p.translate(origin);
        p.setClipRect(shown.translated(-origin));
        p.fillRect(shown.translated(-origin), Qt::white);
        TTablePainter painter(t, *g, p, clWhite);
        painter.DrawRows(shown.top() - origin.y(), shown.bottom() - origin.y() + 1);
        p.restore();
    }
}

void TTablesPage::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Place();
}

void TTablesPage::scrollContentsBy(int, int) {
    viewport()->update();
}

void TTablesPage::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    viewport()->setCursor(cursors_.ForNumber(CursorNumberAt(at)));
    const QString hint = HintAt(at);
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString shortHint = bar >= 0 ? hint.left(bar) : hint;
    // The status bar holds one line: the hint's lines go side by side there.
    QString longHint = bar >= 0 ? hint.mid(bar + 1) : hint;
    longHint.replace(QLatin1Char('\n'), QStringLiteral(" - "));
    if (PrefBool("", "ShowHints") && !shortHint.isEmpty())
        QToolTip::showText(event->globalPosition().toPoint(), shortHint, viewport());
    else
        QToolTip::hideText();
    QStatusTipEvent tip(longHint);
    QApplication::sendEvent(this, &tip);
}

void TTablesPage::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) ClickAt(event->position().toPoint());
}

void TTablesPage::wheelEvent(QWheelEvent* event) {
    // Half the wheel's delta per notch.
    verticalScrollBar()->setValue(verticalScrollBar()->value() - event->angleDelta().y() / 2);
    event->accept();
}

void TTablesPage::keyPressEvent(QKeyEvent* event) {
    QScrollBar* v = verticalScrollBar();
    switch (event->key()) {
    case Qt::Key_Home:
        v->setValue(v->minimum());
        break;
    case Qt::Key_End:
        v->setValue(v->maximum());
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool TTablesPage::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) return true; // hints follow the pointer in mouseMoveEvent
    // A hint belongs to the cell under the pointer: gone when the pointer leaves the page (or
    // a dialog opened from it takes the pointer), or the page is hidden.
    if (event->type() == QEvent::Leave || event->type() == QEvent::Hide) ClearHint();
    return QAbstractScrollArea::viewportEvent(event);
}

void TTablesPage::ClearHint() {
    QToolTip::hideText();
    QStatusTipEvent tip{QString()};
    QApplication::sendEvent(this, &tip);
}

void TTablesPage::contextMenuEvent(QContextMenuEvent* event) {
    QPoint inPicture;
    const int index = TableAtPoint(event->pos(), inPicture);
    if (index < 0) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("TablePopupMenu"));
    QAction* bitmap = menu.addAction(LangText(5302, "Copy as &Bitmap"));
    bitmap->setObjectName(QStringLiteral("CopyGroupAsBMPAction"));
    QAction* metafile = menu.addAction(LangText(5303, "Copy as &Metafile"));
    metafile->setObjectName(QStringLiteral("CopyGroupAsMetafileAction"));
    QAction* text = menu.addAction(LangText(5267, "Copy as Te&xt"));
    text->setObjectName(QStringLiteral("CopyGroupAsTextAction"));
    if (!pictureCommands_.isEmpty()) {
        menu.addSeparator();
        menu.addActions(pictureCommands_);
    }
    menu.addSeparator();
    const struct {
        const char* Name;
        int Id;
        const char* Text;
        int Format; // -1 HTML, -2 CSV, else a picture format
    } exports[] = {
        {"ExportGroupToHTMLAction", 5304, "Export to &HTML...", -1},
        {"ExportGroupToTextAction", 5305, "Export to &CSV / Text...", -2},
        {"ExportGroupToPNGAction", 5306, "Save as &PNG...", static_cast<int>(TPictureFormat::Png)},
        {"ExportGroupToJPEGAction", 5307, "Save as &JPEG...",
         static_cast<int>(TPictureFormat::Jpeg)},
        {"ExportGroupToBMPAction", 5308, "Save as B&MP...", static_cast<int>(TPictureFormat::Bmp)},
        {"ExportGroupToGIFAction", 5309, "Save as &GIF...", static_cast<int>(TPictureFormat::Gif)},
        {"ExportGroupToSVGAction", 5325, "Save as &SVG...", static_cast<int>(TPictureFormat::Svg)},
        {"ExportGroupToPDFAction", 5326, "Save as P&DF...", static_cast<int>(TPictureFormat::Pdf)},
    };
    QMenu* exportMenu = menu.addMenu(LangText(5327, "&Export"));
    exportMenu->setObjectName(QStringLiteral("TableExportMenu"));
    for (const auto& e : exports) {
        QAction* a = exportMenu->addAction(LangText(e.Id, e.Text));
        a->setObjectName(QLatin1String(e.Name));
        const int format = e.Format;
        connect(a, &QAction::triggered, this, [this, index, format] {
            if (format < 0)
                ExportTable(index, format == -1);
            else
                SavePicture(index, static_cast<TPictureFormat>(format));
        });
        if (format == -2) exportMenu->addSeparator();
    }
    QAction* print = menu.addAction(LangText(5328, "&Print..."));
    print->setObjectName(QStringLiteral("PrintTablesAction"));
    connect(print, &QAction::triggered, this, &TTablesPage::PrintRequested);
    menu.addSeparator();
    QAction* levels = menu.addAction(LangText(5244, "Order of &Level Teams..."));
    levels->setObjectName(QStringLiteral("TieOrderAction"));
    connect(levels, &QAction::triggered, this, [this, index] { EditTieOrder(index); });
    connect(bitmap, &QAction::triggered, this, [this, index] { CopyAsBitmap(index); });
    connect(metafile, &QAction::triggered, this, [this, index] { CopyAsMetafile(index); });
    connect(text, &QAction::triggered, this, [this, index] { CopyAsText(index); });
    emit ContextMenuFor(index, event->globalPos());
    menu.exec(event->globalPos());
}

void TTablesPage::ExportTable(int index, bool html) {
    const TGroup* g = Table(index);
    if (!g) return;
    const std::vector<int> chosen{g->Kind == KindJoint ? -1 : g->Id};
    if (html)
        ExportTablesToHtml(this, dialogs_, doc_.Tournament(), chosen);
    else
        ExportTablesToCsv(this, dialogs_, doc_.Tournament(), chosen);
}

void TTablesPage::SavePicture(int index, TPictureFormat format) {
    if (const TGroup* g = Table(index))
        SaveTablePictureAs(this, dialogs_, doc_.Tournament(), *g, format);
}

void TTablesPage::EditTieOrder(int index) {
    if (const TGroup* g = Table(index)) TTieOrderForm(doc_, *g, this).exec();
}

} // namespace kv
