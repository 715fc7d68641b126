#include "export/picture_export.h"

#include "base/preferences.h"
#include "base/settings.h"
#include "render/paint_tools.h"
#include "render/table_layout.h"
#include "render/table_painter.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <gif_lib.h>

#include <QHash>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace kv {

namespace {

void Put16(QByteArray& b, quint32 v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>((v >> 8) & 0xFF);
}

void Put32(QByteArray& b, quint32 v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// The 16 colours of the classic VGA palette, used for 4-bit bitmaps.
QList<QRgb> SixteenColors() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

int GifWrite(GifFileType* gif, const GifByteType* data, int length) {
    auto* out = static_cast<QByteArray*>(gif->UserData);
    out->append(reinterpret_cast<const char*>(data), length);
    return length;
}

} // namespace

QImage WithOwnPalette(const QImage& source, int maxColors) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[px[x] | 0xFF000000u];
    }
    std::vector<std::pair<qint64, QRgb>> byCount;
    byCount.reserve(static_cast<size_t>(counts.size()));
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.emplace_back(it.value(), it.key());
    // Most frequent first; equal counts by colour, so the same picture gives the same file.
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    if (static_cast<int>(byCount.size()) > maxColors)
        byCount.resize(static_cast<size_t>(maxColors));
    QList<QRgb> table;
    QHash<QRgb, uchar> index;
    for (const auto& [count, color] : byCount) {
        index.insert(color, static_cast<uchar>(table.size()));
        table << color;
    }
    const auto nearest = [&](QRgb c) {
        int best = 0;
        qint64 bestDistance = std::numeric_limits<qint64>::max();
        for (int i = 0; i < table.size(); ++i) {
            const QRgb p = table.at(i);
            const qint64 dr = qRed(c) - qRed(p), dg = qGreen(c) - qGreen(p),
                         db = qBlue(c) - qBlue(p);
            const qint64 d = dr * dr + dg * dg + db * db;
            if (d < bestDistance) {
                bestDistance = d;
                best = i;
            }
        }
        return static_cast<uchar>(best);
    };
    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table.isEmpty() ? QList<QRgb>{qRgb(255, 255, 255)} : table);
    indexed.setDotsPerMeterX(rgb.dotsPerMeterX());
    indexed.setDotsPerMeterY(rgb.dotsPerMeterY());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = px[x] | 0xFF000000u;
            auto it = index.constFind(c);
            if (it == index.constEnd())
                it = index.insert(c, nearest(c)); // remembered for the next pixel of that colour
            out[x] = it.value();
        }
    }
    return indexed;
}

QString PictureExtension(TPictureFormat format) {
    switch (format) {
    case TPictureFormat::Png:
        return QStringLiteral(".png");
    case TPictureFormat::Jpeg:
        return QStringLiteral(".jpg");
    case TPictureFormat::Bmp:
        return QStringLiteral(".bmp");
    case TPictureFormat::Gif:
        return QStringLiteral(".gif");
    case TPictureFormat::Svg:
        return QStringLiteral(".svg");
    case TPictureFormat::Pdf:
        return QStringLiteral(".pdf");
    }
    return QString();
}

bool PictureFormatFromPath(const QString& path, TPictureFormat& format) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (ext == QLatin1String("png"))
        format = TPictureFormat::Png;
    else if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg"))
        format = TPictureFormat::Jpeg;
    else if (ext == QLatin1String("bmp"))
        format = TPictureFormat::Bmp;
    else if (ext == QLatin1String("gif"))
        format = TPictureFormat::Gif;
    else if (ext == QLatin1String("svg"))
        format = TPictureFormat::Svg;
    else if (ext == QLatin1String("pdf"))
        format = TPictureFormat::Pdf;
    else
        return false;
    return true;
}

QByteArray BmpBytes(const QImage& source, int bits, const QList<QRgb>& paper) {
    if (bits != 1 && bits != 4 && bits != 8 && bits != 15 && bits != 16 && bits != 24 && bits != 32)
        bits = 24;
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    QImage indexed;
    QList<QRgb> palette;
    if (bits == 1) {
        // Black on white: the background alone stays white, so coloured scores stay readable.
        indexed = QImage(rgb.size(), QImage::Format_Indexed8);
        palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
        indexed.setColorTable(palette);
        QList<QRgb> white;
        for (const QRgb c : paper)
            white << (c | 0xFF000000u);
        for (int y = 0; y < rgb.height(); ++y) {
            const auto* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
            uchar* out = indexed.scanLine(y);
            for (int x = 0; x < rgb.width(); ++x)
                out[x] = white.contains(px[x] | 0xFF000000u) ? 1 : 0;
        }
    } else if (bits == 4) {
        indexed =
            rgb.convertToFormat(QImage::Format_Indexed8, SixteenColors(), Qt::ThresholdDither);
        palette = indexed.colorTable();
    } else if (bits == 8) {
        indexed = WithOwnPalette(rgb, 256);
        palette = indexed.colorTable();
    }
    const int w = rgb.width();
    const int h = rgb.height();
    const int fileBits = bits == 15 ? 16 : bits;
    const int rowBytes = ((w * fileBits + 31) / 32) * 4;
    const bool bitfields = bits == 16;
    const int paletteEntries = bits <= 8 ? (1 << bits) : 0;
    const int headerSize = 14 + 40 + (bitfields ? 12 : 0) + paletteEntries * 4;
    QByteArray b;
    b.reserve(headerSize + rowBytes * h);
    b += "BM";
    Put32(b, static_cast<quint32>(headerSize + rowBytes * h));
    Put32(b, 0);
    Put32(b, static_cast<quint32>(headerSize));
    Put32(b, 40);
    Put32(b, static_cast<quint32>(w));
    Put32(b, static_cast<quint32>(h));
    Put16(b, 1);
    Put16(b, static_cast<quint32>(fileBits));
    Put32(b, bitfields ? 3 : 0);
    Put32(b, static_cast<quint32>(rowBytes * h));
    const auto ppm = static_cast<quint32>(std::lround(ScreenPixelsPerInch() / 0.0254));
    Put32(b, ppm);
    Put32(b, ppm);
    Put32(b, static_cast<quint32>(paletteEntries));
    Put32(b, 0);
    if (bitfields) {
        Put32(b, 0xF800);
        Put32(b, 0x07E0);
        Put32(b, 0x001F);
    }
    for (int i = 0; i < paletteEntries; ++i) {
        const QRgb c = i < palette.size() ? palette.at(i) : 0;
        b += static_cast<char>(qBlue(c));
        b += static_cast<char>(qGreen(c));
        b += static_cast<char>(qRed(c));
        b += '\0';
    }
    QByteArray row(rowBytes, '\0');
    for (int y = h - 1; y >= 0; --y) {
        row.fill('\0');
        auto* out = reinterpret_cast<unsigned char*>(row.data());
        const auto* px = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const uchar* ix = bits <= 8 ? indexed.constScanLine(y) : nullptr;
        for (int x = 0; x < w; ++x) {
            const QRgb c = px[x];
            switch (bits) {
            case 1:
                if (ix[x]) out[x / 8] |= static_cast<unsigned char>(0x80 >> (x % 8));
                break;
            case 4:
                out[x / 2] |=
                    static_cast<unsigned char>(x % 2 ? ix[x] & 0x0F : (ix[x] & 0x0F) << 4);
                break;
            case 8:
                out[x] = ix[x];
                break;
            case 15: {
                const auto v = static_cast<quint16>(((qRed(c) >> 3) << 10) |
                                                    ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
                out[2 * x] = static_cast<unsigned char>(v & 0xFF);
                out[2 * x + 1] = static_cast<unsigned char>(v >> 8);
                break;
            }
            case 16: {
                const auto v = static_cast<quint16>(((qRed(c) >> 3) << 11) |
                                                    ((qGreen(c) >> 2) << 5) | (qBlue(c) >> 3));
                out[2 * x] = static_cast<unsigned char>(v & 0xFF);
                out[2 * x + 1] = static_cast<unsigned char>(v >> 8);
                break;
            }
            case 24:
                out[3 * x] = static_cast<unsigned char>(qBlue(c));
                out[3 * x + 1] = static_cast<unsigned char>(qGreen(c));
                out[3 * x + 2] = static_cast<unsigned char>(qRed(c));
                break;
            default:
                out[4 * x] = static_cast<unsigned char>(qBlue(c));
                out[4 * x + 1] = static_cast<unsigned char>(qGreen(c));
                out[4 * x + 2] = static_cast<unsigned char>(qRed(c));
                out[4 * x + 3] = 0;
                break;
            }
        }
        b += row;
    }
    return b;
}

QByteArray GifBytes(const QImage& source, QRgb transparent, QString& error) {
    const QImage indexed =
        source.format() == QImage::Format_Indexed8 ? source : WithOwnPalette(source, 256);
    const QList<QRgb> table = indexed.colorTable();
    QByteArray out;
    int code = 0;
    GifFileType* gif = EGifOpen(&out, GifWrite, &code);
    if (!gif) {
        error = QString::fromUtf8(GifErrorString(code));
        return {};
    }
    int mapSize = 2;
    while (mapSize < table.size())
        mapSize *= 2;
    ColorMapObject* map = GifMakeMapObject(mapSize, nullptr);
    int transparentIndex = NO_TRANSPARENT_COLOR;
    for (int i = 0; i < mapSize; ++i) {
        const QRgb c = i < table.size() ? table.at(i) : 0;
        map->Colors[i].Red = static_cast<GifByteType>(qRed(c));
        map->Colors[i].Green = static_cast<GifByteType>(qGreen(c));
        map->Colors[i].Blue = static_cast<GifByteType>(qBlue(c));
        if (i < table.size() && (c & 0xFFFFFF) == (transparent & 0xFFFFFF) &&
            transparentIndex == NO_TRANSPARENT_COLOR)
            transparentIndex = i;
    }
    // The graphics control block (transparency) is a GIF89a extension: the header says so.
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, indexed.width(), indexed.height(), 8, 0, map) == GIF_OK;
    GraphicsControlBlock gcb{};
    gcb.DisposalMode = DISPOSAL_UNSPECIFIED;
    gcb.TransparentColor = transparentIndex;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&gcb, extension);
    ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), extension) ==
                   GIF_OK;
    ok = ok &&
         EGifPutImageDesc(gif, 0, 0, indexed.width(), indexed.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<size_t>(indexed.width()));
    for (int y = 0; ok && y < indexed.height(); ++y) {
        std::memcpy(line.data(), indexed.constScanLine(y), line.size());
        ok = EGifPutLine(gif, line.data(), indexed.width()) == GIF_OK;
    }
    if (!ok) error = QString::fromUtf8(GifErrorString(gif->Error));
    GifFreeMapObject(map);
    EGifCloseFile(gif, &code);
    return ok ? out : QByteArray();
}

TIoResult SaveTablePicture(const TTournament& t, const TGroup& g, const QString& path,
                           TPictureFormat format, int bmpBits, TColor background) {
    QString error;
    const QByteArray bytes = TablePictureBytes(t, g, format, error, bmpBits, background);
    if (bytes.isEmpty()) return TIoResult::Failure(error);
    return WriteFileAtomic(path, bytes);
}

QByteArray SvgPictureBytes(QSize size, const QString& title,
                           const std::function<void(QPainter&)>& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(static_cast<int>(std::lround(ScreenPixelsPerInch())));
    svg.setTitle(title);
    QPainter painter(&svg);
    draw(painter);
    painter.end();
    // Control characters in a name (a file from elsewhere may hold them) are not allowed in
    // XML, and the generator writes them as they are: they go, so that the picture opens.
    bytes.removeIf([](char c) {
        return static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r';
    });
    return bytes;
}

QByteArray PdfPictureBytes(QSize size, const QString& title,
                           const std::function<void(QPainter&)>& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    const int dpi = static_cast<int>(std::lround(ScreenPixelsPerInch()));
    pdf.setResolution(dpi);
    // A page of whole points that holds the whole picture: rounded down, it would cut off
    // part of the bottom border.
    const QSize points(static_cast<int>(std::ceil(size.width() * 72.0 / dpi)),
                       static_cast<int>(std::ceil(size.height() * 72.0 / dpi)));
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(title);
    pdf.setCreator(kProductName);
    QPainter painter(&pdf);
    draw(painter);
    painter.end();
    return bytes;
}

QByteArray EncodedImageBytes(const QImage& image, TPictureFormat format, QString& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format == TPictureFormat::Jpeg ? "jpeg" : "png");
    if (format == TPictureFormat::Jpeg) {
        writer.setQuality(90);
        writer.setOptimizedWrite(false);
        writer.setProgressiveScanWrite(false);
    }
    if (!writer.write(format == TPictureFormat::Jpeg ? image.convertToFormat(QImage::Format_RGB888)
                                                     : image)) {
        error = writer.errorString();
        return {};
    }
    return bytes;
}

QByteArray TablePictureBytes(const TTournament& t, const TGroup& g, TPictureFormat format,
                             QString& error, int bmpBits, TColor background) {
    QByteArray bytes;
    const TTableLayout layout = ComputeLayout(t, g);
    const QSize size(std::max(1, layout.PictureWidth), std::max(1, layout.TableHeight));
    switch (format) {
    case TPictureFormat::Svg:
        bytes = SvgPictureBytes(size, g.Name, [&](QPainter& painter) {
            painter.fillRect(QRect(QPoint(0, 0), size), ToQColor(background));
            DrawGroupTable(t, g, painter, background);
        });
        break;
    case TPictureFormat::Pdf:
        bytes = PdfPictureBytes(
            size, g.Name, [&](QPainter& painter) { DrawGroupTable(t, g, painter, background); });
        break;
    default: {
        // Pictures of few colours are drawn with plain text, so the table's colours fit.
        const bool fewColors =
            format == TPictureFormat::Gif || (format == TPictureFormat::Bmp && bmpBits <= 8);
        QImage image;
        RenderGroupTable(t, g, image, background, !fewColors);
        if (format == TPictureFormat::Bmp) {
            // The table's fills are paper too: black text on them stays readable.
            QList<QRgb> paper{ToQColor(background).rgb()};
            if (g.Style.HasBGColor) paper << ToQColor(g.Style.BGColor).rgb();
            if (g.Style.HasHeaderBGColor) paper << ToQColor(g.Style.HeaderBGColor).rgb();
            for (int place = 1; place <= g.TeamCount(); ++place) {
                TColor fill = 0;
                if (RowBackground(g, *g.Teams()[static_cast<size_t>(place - 1)], place, fill))
                    paper << ToQColor(fill).rgb();
            }
            bytes = BmpBytes(image, bmpBits, paper);
        } else if (format == TPictureFormat::Gif) {
            bytes = GifBytes(image, ToQColor(background).rgb(), error);
            if (bytes.isEmpty()) return {};
        } else {
            bytes = EncodedImageBytes(image, format, error);
        }
        break;
    }
    }
    return bytes;
}

QString SuggestedPicturePath(const QString& tableName, TPictureFormat format) {
    QString folder = PrefString("", "ImageExportPath");
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    QString name = tableName;
    for (const QChar c : QStringLiteral("\\/:*?\"<>|"))
        name.replace(c, QLatin1Char('_'));
    return folder + name + PictureExtension(format);
}

void RememberPictureFolder(const QString& savedPath) {
    RegWriteString(QString(), QStringLiteral("ImageExportPath"),
                   QFileInfo(savedPath).absolutePath());
}

} // namespace kv
