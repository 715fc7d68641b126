#pragma once

#include "base/fileio.h"
#include "model/tournament.h"

#include <QImage>
#include <QString>

#include <functional>

class QPainter;

// Table pictures as files: PNG, JPEG (quality 90), BMP at 1, 4, 8, 15, 16, 24 or 32 bits per
// pixel, transparent GIF, and SVG and PDF drawn anew at the table's natural size.
namespace kv {

enum class TPictureFormat { Png, Jpeg, Bmp, Gif, Svg, Pdf };

QString PictureExtension(TPictureFormat format);
// The format a file name's extension names; false when none.
bool PictureFormatFromPath(const QString& path, TPictureFormat& format);

// A bitmap file of the image at the given colour depth. A monochrome bitmap keeps the paper
// white (the background and the fills listed) and turns every other colour black, so coloured
// scores stay readable; 256 colours are the picture's own.
QByteArray BmpBytes(const QImage& image, int bitsPerPixel,
                    const QList<QRgb>& paper = {qRgb(255, 255, 255)});
// A GIF with up to 256 colours, the picture's own; pixels of `transparent` become transparent.
QByteArray GifBytes(const QImage& image, QRgb transparent, QString& error);
// The image with a palette of its own colours: exact when it has at most `maxColors`, else
// the most frequent ones, every other pixel taking the nearest of them.
QImage WithOwnPalette(const QImage& image, int maxColors = 256);

// Pictures drawn anew at `size` pixels: SVG, and PDF on a page of that size.
QByteArray SvgPictureBytes(QSize size, const QString& title,
                           const std::function<void(QPainter&)>& draw);
QByteArray PdfPictureBytes(QSize size, const QString& title,
                           const std::function<void(QPainter&)>& draw);
// PNG, or JPEG at quality 90; empty with `error` on failure.
QByteArray EncodedImageBytes(const QImage& image, TPictureFormat format, QString& error);

// The (prepared) table as the bytes of a picture file; empty with `error` on failure.
QByteArray TablePictureBytes(const TTournament& t, const TGroup& g, TPictureFormat format,
                             QString& error, int bmpBits = 8, TColor background = clWhite);
// Draws the (prepared) table and writes it. `bmpBits` is used for BMP files only.
TIoResult SaveTablePicture(const TTournament& t, const TGroup& g, const QString& path,
                           TPictureFormat format, int bmpBits = 8, TColor background = clWhite);

// The picture folder of the last save (the `ImageExportPath` preference) and the path the save
// dialog proposes for a table.
QString SuggestedPicturePath(const QString& tableName, TPictureFormat format);
void RememberPictureFolder(const QString& savedPath);

} // namespace kv
