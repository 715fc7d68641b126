#include "render/score_cells.h"

#include "render/paint_tools.h"

#include <cmath>
#include <cstring>

namespace kv {

TScoreCells::TScoreCells(QPainter& painter, const QFont& font, const QFontMetrics& metrics,
                         const TGeometry& geometry, std::vector<QColor> inks,
                         std::vector<QColor> fills, bool stamps)
    : p_(painter), font_(font), metrics_(metrics), g_(geometry), inks_(std::move(inks)),
      fills_(std::move(fills)) {
    textTop_ = VerticalOffset(g_.SubRowHeight + 1, metrics_.height());
    if (stamps && p_.device() && p_.device()->devType() == QInternal::Image) {
        auto* image = static_cast<QImage*>(p_.device());
        if (image->format() == QImage::Format_RGB32 && p_.transform().isIdentity()) {
            target_ = image;
            bits_ = image->bits();
            stride_ = image->bytesPerLine();
        }
    }
    if (!target_) p_.setFont(font_); // the prepared texts are drawn in the painter's font
}

TScoreCells::TCellText& TScoreCells::TextOf(const TMatch& m, bool homeSide,
                                            const TScoreTexts& texts) {
    const double h = m.HomeScore;
    const double v = m.VisitorScore;
    const bool keyed =
        h >= 0 && v >= 0 && h < 65536 && v < 65536 && h == std::trunc(h) && v == std::trunc(v);
    const quint64 key =
        keyed ? (static_cast<quint64>(h) | (static_cast<quint64>(v) << 16) |
                 (static_cast<quint64>(m.DecidedIn & 3) << 32) |
                 (static_cast<quint64>(m.TechnicalLoss & 3) << 34) |
                 (static_cast<quint64>(homeSide) << 36) | (static_cast<quint64>(m.Played) << 37))
              : 0;
    if (keyed)
        if (const auto it = byScore_.constFind(key); it != byScore_.constEnd()) return **it;
    const QString text = m.GetPeriodScoreText(homeSide, true, 0, texts);
    TCellText* entry = byText_.value(text, nullptr);
    if (!entry) {
        auto fresh = std::make_unique<TCellText>();
        fresh->Text = text;
        fresh->Laid = QStaticText(text);
        fresh->Laid.setTextFormat(Qt::PlainText);
        fresh->Laid.prepare(QTransform(), font_);
        fresh->Offset = HorizontalOffset(g_.CellWidth, metrics_.horizontalAdvance(text));
        entry = fresh.get();
        texts_.push_back(std::move(fresh));
        byText_.insert(text, entry);
    }
    if (keyed) byScore_.insert(key, entry);
    return *entry;
}

void TScoreCells::DrawMark(QPainter& p, int right, int top) const {
    p.setPen(Qt::NoPen);
    p.setBrush(g_.MarkColor);
    p.drawEllipse(QRect(right - g_.MarkSize, top + 1, g_.MarkSize, g_.MarkSize));
    p.setBrush(Qt::NoBrush);
}

const QImage& TScoreCells::StampOf(TCellText& text, int ink, int fill, bool mark) {
    const int key = (ink << 1) | (mark ? 1 : 0) | (fill << 4);
    for (const TStamp& s : text.Stamps)
        if (s.Key == key) return s.Image;
    // The inside of the cell: the cell without its left and top lines.
    QImage image(std::max(1, g_.CellWidth - 1), std::max(1, g_.SubRowHeight - 1),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(target_->dotsPerMeterX());
    image.setDotsPerMeterY(target_->dotsPerMeterY());
    image.fill(fills_[static_cast<size_t>(fill)]);
    QPainter sp(&image);
    sp.setRenderHints(p_.renderHints());
    sp.setFont(font_);
    sp.setPen(inks_[static_cast<size_t>(ink)]);
    sp.drawText(text.Offset - 1, textTop_ - 1 + metrics_.ascent(), text.Text);
    if (mark) DrawMark(sp, g_.CellWidth - 1, -1);
    sp.end();
    text.Stamps.push_back({key, image});
    return text.Stamps.back().Image;
}

void TScoreCells::Blit(const QImage& stamp, int x, int y) {
    // Straight copies of whole rows, clipped to the picture.
    const int x0 = std::max(0, x);
    const int x1 = std::min(target_->width(), x + stamp.width());
    if (x1 <= x0) return;
    const auto bytes = static_cast<size_t>(x1 - x0) * 4;
    const int rows = std::min(stamp.height(), std::min(target_->height(), clipBottom_) - y);
    const uchar* from = stamp.constBits() + static_cast<qsizetype>(x0 - x) * 4;
    const qsizetype fromStride = stamp.bytesPerLine();
    for (int row = std::max(0, std::max(0, clipTop_) - y); row < rows; ++row)
        std::memcpy(bits_ + (y + row) * stride_ + static_cast<qsizetype>(x0) * 4,
                    from + row * fromStride, bytes);
}

TScoreCells::TLook TScoreCells::LookOf(const TMatch& m, bool homeSide, const TScoreTexts& texts) {
    return {&TextOf(m, homeSide, texts), m.GetOutcome(homeSide) & 7};
}

void TScoreCells::Draw(int left, int top, const TLook& look, int fill, bool homeMark) {
    const bool mark = homeMark && g_.MarkSize > 0;
    if (target_) {
        Blit(StampOf(*look.Text, look.Ink, fill, mark), left + 1, top + 1);
        return;
    }
    p_.setPen(inks_[static_cast<size_t>(look.Ink)]);
    p_.drawStaticText(left + look.Text->Offset, top + textTop_, look.Text->Laid);
    if (mark) DrawMark(p_, left + g_.CellWidth, top);
}

} // namespace kv
