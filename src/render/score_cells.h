#pragma once

#include "model/match.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QStaticText>

#include <memory>
#include <vector>

// Writes the scores of a results grid. A grid shows few distinct scores: each text is laid
// out once, and on a bitmap each (text, colour, background, home mark) is drawn once into a
// stamp of the cell's inside that is then copied into every cell showing it.
namespace kv {

class TScoreCells {
public:
    struct TGeometry {
        int CellWidth = 30;
        int SubRowHeight = 14;
        int MarkSize = 0; // the home mark's diameter; 0: none
        QColor MarkColor;
    };

    // `inks` are the colours of the eight outcomes, `fills` the row backgrounds in use.
    TScoreCells(QPainter& painter, const QFont& font, const QFontMetrics& metrics,
                const TGeometry& geometry, std::vector<QColor> inks, std::vector<QColor> fills,
                bool stamps);

    struct TCellText;
    // What a cell shows: the score's text as seen from one side and its colour.
    struct TLook {
        TCellText* Text = nullptr;
        int Ink = 0;
    };
    TLook LookOf(const TMatch& m, bool homeSide, const TScoreTexts& texts);

    // Writes a look into the cell whose top left corner is (left, top), on the background
    // fills[fill].
    void Draw(int left, int top, const TLook& look, int fill, bool homeMark);
    void Draw(int left, int top, const TMatch& m, bool homeSide, const TScoreTexts& texts, int fill,
              bool homeMark) {
        Draw(left, top, LookOf(m, homeSide, texts), fill, homeMark);
    }

    // Stamps are copied into the pixel rows top..bottom - 1 only.
    void SetRowClip(int top, int bottom) {
        clipTop_ = top;
        clipBottom_ = bottom;
    }

    struct TStamp {
        int Key;
        QImage Image;
    };
    struct TCellText {
        QString Text;
        QStaticText Laid;
        int Offset = 0; // horizontal offset in the cell
        std::vector<TStamp> Stamps;
    };

private:
    TCellText& TextOf(const TMatch& m, bool homeSide, const TScoreTexts& texts);
    const QImage& StampOf(TCellText& text, int ink, int fill, bool mark);
    void DrawMark(QPainter& p, int right, int top) const;
    void Blit(const QImage& stamp, int x, int y);

    QPainter& p_;
    QFont font_;
    QFontMetrics metrics_;
    TGeometry g_;
    std::vector<QColor> inks_;
    std::vector<QColor> fills_;
    QImage* target_ = nullptr; // the bitmap stamps are copied into, when stamping
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    int textTop_ = 0;
    int clipTop_ = 0;
    int clipBottom_ = 1 << 30;
    QHash<quint64, TCellText*> byScore_;
    QHash<QString, TCellText*> byText_;
    std::vector<std::unique_ptr<TCellText>> texts_;
};

} // namespace kv
