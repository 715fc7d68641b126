// Pictures and workbooks as files: headers and contents that other programs read.
#include "support/builders.h"
#include "support/testenv.h"

#include "base/formats.h"
#include "export/fixture_rows.h"
#include "export/picture_export.h"
#include "export/table_grid.h"
#include "export/xlsx_export.h"
#include "model/sport.h"
#include "render/table_painter.h"
#include "standings/column_catalog.h"
#include "standings/tournament_setup.h"

#include <QBuffer>

#include <cmath>

#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtEndian>

using namespace kv;

namespace {

class FileFormats : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournament> Make() {
        auto t = kvtest::MakeTournament(
            SportSoccer, 2,
            {{QStringLiteral("G"), {QStringLiteral("Ajax"), QStringLiteral("Bern")}}});
        t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
        ResetColumns(*t);
        kvtest::AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("2:1"),
                          1);
        RecomputeAll(*t);
        return t;
    }
    static quint16 U16(const QByteArray& b, int at) {
        return qFromLittleEndian<quint16>(b.constData() + at);
    }
    static quint32 U32(const QByteArray& b, int at) {
        return qFromLittleEndian<quint32>(b.constData() + at);
    }
};

} // namespace

TEST_F(FileFormats, BitmapsAtEveryDepth) {
    QImage image(13, 5, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    for (const int bits : {1, 4, 8, 15, 16, 24, 32}) {
        const QByteArray bmp = BmpBytes(image, bits);
        ASSERT_TRUE(bmp.startsWith("BM")) << bits;
        EXPECT_EQ(U32(bmp, 2), static_cast<quint32>(bmp.size())) << bits;
        EXPECT_EQ(U32(bmp, 18), 13u);
        EXPECT_EQ(U32(bmp, 22), 5u);
        EXPECT_EQ(U16(bmp, 28), bits == 15 ? 16 : bits) << bits;
        const int rowBytes = ((13 * (bits == 15 ? 16 : bits) + 31) / 32) * 4;
        EXPECT_EQ(bmp.size() - static_cast<int>(U32(bmp, 10)), rowBytes * 5) << bits;
        // Qt reads them back with the red corner (top left) intact where the depth allows it.
        QImage back;
        ASSERT_TRUE(back.loadFromData(bmp, "BMP")) << bits;
        EXPECT_EQ(back.size(), image.size());
        if (bits >= 8) {
            EXPECT_EQ(qRed(back.pixel(0, 0)), bits == 15 || bits == 16 ? 248 : 255) << bits;
        }
        EXPECT_EQ(qBlue(back.pixel(12, 4)), bits == 15 || bits == 16 ? 248 : 255) << bits;
    }
}

TEST_F(FileFormats, GifIsTransparentWhereTheBackgroundWas) {
    QImage image(10, 4, QImage::Format_RGB32);
    image.fill(Qt::white);
    image.setPixel(2, 2, qRgb(0, 0, 0));
    QString error;
    const QByteArray gif = GifBytes(image, qRgb(255, 255, 255), error);
    // Transparency is a GIF89a extension: the header must say 89a for readers to honour it.
    ASSERT_TRUE(gif.startsWith("GIF89a")) << error.toStdString() << gif.left(6).toStdString();
    QImage back;
    ASSERT_TRUE(back.loadFromData(gif, "GIF"));
    EXPECT_EQ(qAlpha(back.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(back.pixel(2, 2)), 255);
}

TEST_F(FileFormats, TablePicturesInEveryFormat) {
    auto t = Make();
    const TGroup& g = *t->GroupAt(0);
    const QImage reference = RenderGroupTable(*t, g);
    const struct {
        TPictureFormat Format;
        const char* Magic;
    } formats[] = {{TPictureFormat::Png, "\x89PNG"}, {TPictureFormat::Jpeg, "\xFF\xD8\xFF"},
                   {TPictureFormat::Bmp, "BM"},      {TPictureFormat::Gif, "GIF8"},
                   {TPictureFormat::Svg, "<?xml"},   {TPictureFormat::Pdf, "%PDF"}};
    for (const auto& f : formats) {
        const QString path = HomePath(QStringLiteral("table") + PictureExtension(f.Format));
        ASSERT_TRUE(SaveTablePicture(*t, g, path, f.Format, 24)) << path.toStdString();
        const QByteArray bytes = ReadFile(path);
        EXPECT_TRUE(bytes.startsWith(f.Magic)) << path.toStdString();
        if (f.Format != TPictureFormat::Pdf && f.Format != TPictureFormat::Svg) {
            QImage back;
            ASSERT_TRUE(back.loadFromData(bytes)) << path.toStdString();
            EXPECT_EQ(back.size(), reference.size()) << path.toStdString();
        }
    }
    const QByteArray svg = ReadFile(HomePath(QStringLiteral("table.svg")));
    EXPECT_TRUE(svg.contains(QStringLiteral("width=\"%1").arg(reference.width()).toUtf8()));
    TPictureFormat format;
    EXPECT_TRUE(PictureFormatFromPath(QStringLiteral("x.JPEG"), format));
    EXPECT_EQ(format, TPictureFormat::Jpeg);
    EXPECT_FALSE(PictureFormatFromPath(QStringLiteral("x.tiff"), format));
}

TEST_F(FileFormats, PictureFolderIsRemembered) {
    EXPECT_EQ(SuggestedPicturePath(QStringLiteral("A/B"), TPictureFormat::Png),
              QStringLiteral("A_B.png"));
    RememberPictureFolder(HomePath(QStringLiteral("pics/t.png")));
    EXPECT_EQ(SuggestedPicturePath(QStringLiteral("North"), TPictureFormat::Gif),
              HomePath(QStringLiteral("pics/North.gif")));
}

TEST_F(FileFormats, WorkbookHoldsTheFixtureGrid) {
    auto t = Make();
    TMatch* m = t->MatchAt(0);
    m->Number = 7;
    m->Matchday = 3;
    m->Attendance = 41250;
    m->HasDate = true;
    m->Date = DateToDays(QDate(2026, 5, 17));
    t->FixtureColumns = {FixNumber,  FixLeg,   FixMatchday, FixDate,         FixHome,
                         FixVisitor, FixScore, FixGoalsFor, FixGoalsAgainst, FixAttendance};
    const QString path = HomePath(QStringLiteral("fixtures.xlsx"));
    WriteFile(path, "an older file");
    int lastProgress = -1;
    ASSERT_TRUE(ExportGridToXlsx(path, FixtureGrid(*t), [&](int p) { lastProgress = p; }));
    EXPECT_GE(lastProgress, 0);
    const QByteArray bytes = ReadFile(path);
    ASSERT_TRUE(bytes.startsWith("PK")); // a zip container
    const auto part = [&](const char* name) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QLatin1String(name)});
        unzip.waitForFinished();
        return unzip.readAllStandardOutput();
    };
    const QByteArray strings = part("xl/sharedStrings.xml");
    ASSERT_FALSE(strings.isEmpty()) << "unzip is needed (scripts/install-deps installs it)";
    EXPECT_TRUE(strings.contains("Home Team"));
    EXPECT_TRUE(strings.contains("Ajax"));
    EXPECT_TRUE(strings.contains("\xC2\xA0"
                                 "2:1")); // the score stays text
    // Row 2: number, leg, matchday, the date's day count, goals and attendance are numbers
    // (no t="s"); the date cell carries a style of its own (its date format).
    const QByteArray sheet = part("xl/worksheets/sheet1.xml");
    const auto cell = [&](const char* ref) {
        const qsizetype at = sheet.indexOf(QByteArray("<c r=\"") + ref + '"');
        return at < 0 ? QByteArray() : sheet.mid(at, sheet.indexOf("</c>", at) - at);
    };
    EXPECT_EQ(cell("A2"), QByteArray("<c r=\"A2\"><v>7</v>"));
    EXPECT_EQ(cell("B2"), QByteArray("<c r=\"B2\"><v>1</v>"));
    EXPECT_EQ(cell("C2"), QByteArray("<c r=\"C2\"><v>3</v>"));
    EXPECT_TRUE(cell("D2").contains(" s=\"")) << cell("D2").constData();
    EXPECT_TRUE(cell("D2").endsWith("<v>46159</v>")) << cell("D2").constData();
    EXPECT_TRUE(cell("E2").contains("t=\"s\""));
    EXPECT_EQ(cell("H2"), QByteArray("<c r=\"H2\"><v>2</v>"));
    EXPECT_EQ(cell("I2"), QByteArray("<c r=\"I2\"><v>1</v>"));
    EXPECT_EQ(cell("J2"), QByteArray("<c r=\"J2\"><v>41250</v>"));
    EXPECT_TRUE(part("xl/styles.xml").contains("formatCode=\"")); // the date format
    EXPECT_FALSE(ExportGridToXlsx(HomePath(QStringLiteral("missing/x.xlsx")), FixtureGrid(*t)));
}

// Pictures of 256 colours and fewer keep the table's own colours: text is drawn plain, so the
// palette holds them exactly, and only the background itself is transparent in a GIF.
TEST_F(FileFormats, FewColourPicturesKeepTheTableColours) {
    auto t = Make();
    TGroup& g = *t->GroupAt(0);
    g.Style.HasHeaderBGColor = true; // #C0DCC0
    g.Style.HasBGColor = true;
    g.Style.BGColor = RgbColor(0xF0, 0xFF, 0xF0);
    const QImage plain = [&] {
        QImage image;
        RenderGroupTable(*t, g, image, clWhite, false);
        return image;
    }();
    const QPoint header(3, 3);
    const QPoint body(3, plain.height() - 4);
    ASSERT_EQ(plain.pixel(header) & 0xFFFFFF, 0xC0DCC0u);
    ASSERT_EQ(plain.pixel(body) & 0xFFFFFF, 0xF0FFF0u);

    const QString gifPath = HomePath(QStringLiteral("colours.gif"));
    ASSERT_TRUE(SaveTablePicture(*t, g, gifPath, TPictureFormat::Gif));
    QImage gif;
    ASSERT_TRUE(gif.loadFromData(ReadFile(gifPath), "GIF"));
    ASSERT_EQ(gif.size(), plain.size());
    EXPECT_EQ(gif.pixel(header), 0xFFC0DCC0u);
    EXPECT_EQ(gif.pixel(body), 0xFFF0FFF0u); // opaque: not taken for the white background
    for (int y = 0; y < gif.height(); ++y)
        for (int x = 0; x < gif.width(); ++x)
            ASSERT_EQ(gif.pixel(x, y), plain.pixel(x, y) | 0xFF000000u) << x << "," << y;

    const QString bmpPath = HomePath(QStringLiteral("colours.bmp"));
    ASSERT_TRUE(SaveTablePicture(*t, g, bmpPath, TPictureFormat::Bmp, 8));
    QImage bmp;
    ASSERT_TRUE(bmp.loadFromData(ReadFile(bmpPath), "BMP"));
    EXPECT_EQ(bmp.pixel(header) & 0xFFFFFF, 0xC0DCC0u);
    EXPECT_EQ(bmp.pixel(body) & 0xFFFFFF, 0xF0FFF0u);

    // Without a table colour the body is the background, and that alone is transparent.
    g.Style.HasBGColor = false;
    ASSERT_TRUE(SaveTablePicture(*t, g, gifPath, TPictureFormat::Gif));
    ASSERT_TRUE(gif.loadFromData(ReadFile(gifPath), "GIF"));
    EXPECT_EQ(qAlpha(gif.pixel(body)), 0);
    EXPECT_EQ(qAlpha(gif.pixel(header)), 255);
}

TEST_F(FileFormats, MonochromeBitmapBlackensAllButTheBackground) {
    auto t = Make(); // the 2:1 score is drawn in red, the win colour
    const TGroup& g = *t->GroupAt(0);
    QImage plain;
    RenderGroupTable(*t, g, plain, clWhite, false);
    int coloured = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            coloured += (plain.pixel(x, y) & 0xFFFFFF) == 0xFF0000u ? 1 : 0;
    ASSERT_GT(coloured, 0) << "the picture should show a red score";
    const QString path = HomePath(QStringLiteral("mono.bmp"));
    ASSERT_TRUE(SaveTablePicture(*t, g, path, TPictureFormat::Bmp, 1));
    QImage mono;
    ASSERT_TRUE(mono.loadFromData(ReadFile(path), "BMP"));
    ASSERT_EQ(mono.size(), plain.size());
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            const bool background = (plain.pixel(x, y) & 0xFFFFFF) == 0xFFFFFFu;
            ASSERT_EQ(mono.pixel(x, y) & 0xFFFFFF, background ? 0xFFFFFFu : 0u) << x << "," << y;
        }
}

TEST_F(FileFormats, VectorPicturesHoldTheWholeFrame) {
    auto t = Make();
    const TGroup& g = *t->GroupAt(0);
    const QImage reference = RenderGroupTable(*t, g);
    const QString svgPath = HomePath(QStringLiteral("frame.svg"));
    ASSERT_TRUE(SaveTablePicture(*t, g, svgPath, TPictureFormat::Svg));
    QSvgRenderer svg(svgPath);
    ASSERT_TRUE(svg.isValid());
    QImage drawn(reference.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter painter(&drawn);
        svg.render(&painter, QRectF(QPointF(0, 0), reference.size()));
    }
    // The outer frame's top and left lines are whole pixels inside the picture, as on screen.
    const int mid = reference.width() / 3;
    EXPECT_EQ(drawn.pixel(mid, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(drawn.pixel(0, reference.height() / 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(drawn.pixel(mid, reference.height() - 1) & 0xFFFFFF, 0u);
    EXPECT_EQ(drawn.pixel(reference.width() - 1, reference.height() / 2) & 0xFFFFFF, 0u);

    // The PDF page is at least as large as the picture, in whole points.
    const QString pdfPath = HomePath(QStringLiteral("frame.pdf"));
    ASSERT_TRUE(SaveTablePicture(*t, g, pdfPath, TPictureFormat::Pdf));
    const QByteArray pdf = ReadFile(pdfPath);
    const qsizetype at = pdf.indexOf("/MediaBox");
    ASSERT_GE(at, 0);
    const QList<QByteArray> box =
        pdf.mid(pdf.indexOf('[', at) + 1, pdf.indexOf(']', at) - pdf.indexOf('[', at) - 1)
            .simplified()
            .split(' ');
    ASSERT_EQ(box.size(), 4);
    const double dpi = ScreenPixelsPerInch();
    EXPECT_GE(box[2].toDouble(), reference.width() * 72.0 / dpi);
    EXPECT_GE(box[3].toDouble(), reference.height() * 72.0 / dpi);
    EXPECT_LT(box[3].toDouble(), reference.height() * 72.0 / dpi + 1);
}

TEST_F(FileFormats, MonochromeBitmapKeepsTextOnFillsReadable) {
    auto t = Make();
    TGroup& g = *t->GroupAt(0);
    g.Style.HasHeaderBGColor = true;
    g.Style.BoldBorders = true;
    QImage plain;
    RenderGroupTable(*t, g, plain, clWhite, false);
    const QString path = HomePath(QStringLiteral("fills.bmp"));
    ASSERT_TRUE(SaveTablePicture(*t, g, path, TPictureFormat::Bmp, 1));
    QImage mono;
    ASSERT_TRUE(mono.loadFromData(ReadFile(path), "BMP"));
    const QPoint header(4, 4);
    ASSERT_EQ(plain.pixel(header) & 0xFFFFFF, 0xC0DCC0u);
    EXPECT_EQ(mono.pixel(header) & 0xFFFFFF, 0xFFFFFFu) << "the header fill is paper";
    // The bold frame lies whole inside the picture: two black pixels at the top and left.
    const int mid = plain.width() / 3;
    EXPECT_EQ(plain.pixel(mid, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(plain.pixel(mid, 1) & 0xFFFFFF, 0u);
    EXPECT_EQ(plain.pixel(0, plain.height() / 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(plain.pixel(1, plain.height() / 2) & 0xFFFFFF, 0u);
}

// A name with control characters, as a file from elsewhere may hold it, still gives a picture
// that XML readers open.
TEST_F(FileFormats, ControlCharactersInNamesLeaveTheSvgWellFormed) {
    auto t = Make();
    t->JointTable().TeamByName(QStringLiteral("Ajax"))->Name = QStringLiteral("Aj\x01"
                                                                              "a\x0bx\x1f");
    const QString path = HomePath(QStringLiteral("control.svg"));
    ASSERT_TRUE(SaveTablePicture(*t, *t->GroupAt(0), path, TPictureFormat::Svg));
    QXmlStreamReader xml(ReadFile(path));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(ReadFile(path).contains("Ajax"));
}

// The tables in a workbook: one sheet per table named after it, the table's captions, numbers
// as numbers and texts such as "2-1" as text; with home and away sections each caption says
// its section.
TEST_F(FileFormats, WorkbookHoldsEachTableOnASheet) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2,
        {{QStringLiteral("North: A/B"), {QStringLiteral("Ajax"), QStringLiteral("Bern")}},
         {QStringLiteral("South"), {QStringLiteral("Cork"), QStringLiteral("Dover")}}});
    t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
    ResetColumns(*t);
    kvtest::AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("2:1"), 1);
    RecomputeAll(*t);
    const TGridData grid = TableGrid(*t, *t->GroupAt(0));
    ASSERT_GE(grid.ColumnCount(), 4);
    EXPECT_EQ(grid.Captions.mid(0, 2),
              (QStringList{QStringLiteral("No"), QStringLiteral("North: A/B")}));
    EXPECT_EQ(grid.Rows.size(), 2);
    EXPECT_EQ(grid.Cell(0, 1), QStringLiteral("Ajax"));
    EXPECT_DOUBLE_EQ(grid.Value(0, 0), 1);
    EXPECT_TRUE(std::isnan(grid.Value(0, 1)));
    bool points = false;
    for (int c = 2; c < grid.ColumnCount(); ++c) {
        const QString text = grid.Cell(0, c);
        if (text.contains(QLatin1Char('-')) || text.contains(QLatin1Char(':'))) {
            EXPECT_TRUE(std::isnan(grid.Value(0, c))) << qPrintable(grid.Captions[c]);
        }
        if (grid.Captions[c] == ColumnCaption(kColumnPoints, *t)) {
            points = true;
            EXPECT_DOUBLE_EQ(grid.Value(0, c), 3);
        }
    }
    EXPECT_TRUE(points);
    t->View.HStandings = true;
    EXPECT_TRUE(TableGrid(*t, *t->GroupAt(0)).Captions.value(2).contains(QLatin1Char(' ')));
    t->View.HStandings = false;

    // Names a sheet can take: no forbidden characters, at most 31 characters, unique.
    QStringList taken;
    EXPECT_EQ(SheetName(QStringLiteral("North: A/B"), taken), QStringLiteral("North- A-B"));
    EXPECT_EQ(SheetName(QStringLiteral("north- a-b"), taken), QStringLiteral("north- a-b (2)"));
    EXPECT_EQ(SheetName(QString(42, QLatin1Char('x')), taken).size(), 31);
    EXPECT_EQ(SheetName(QStringLiteral("''"), taken), QStringLiteral("Sheet"));
    EXPECT_EQ(SheetName(QStringLiteral("History"), taken), QStringLiteral("History (2)"));

    const QString path = HomePath(QStringLiteral("tables.xlsx"));
    ASSERT_TRUE(ExportTablesToXlsx(path, *t, {t->GroupAt(0)->Id, t->GroupAt(1)->Id}));
    const auto part = [&](const char* name) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QLatin1String(name)});
        unzip.waitForFinished();
        return unzip.readAllStandardOutput();
    };
    const QByteArray book = part("xl/workbook.xml");
    EXPECT_TRUE(book.contains("name=\"North- A-B\"")) << book.constData();
    EXPECT_TRUE(book.contains("name=\"South\""));
    EXPECT_TRUE(part("xl/sharedStrings.xml").contains("Dover"));
    // Row 2 of the first sheet: the place 1 as a number, the team as text.
    const QByteArray sheet = part("xl/worksheets/sheet1.xml");
    EXPECT_TRUE(sheet.contains("<c r=\"A2\"><v>1</v>")) << sheet.left(600).constData();
    EXPECT_TRUE(sheet.contains("<c r=\"B2\" t=\"s\">"));
}

// The table as text lines up in a fixed-width font whatever the script: an East Asian
// character takes two columns, a combining accent none.
TEST_F(FileFormats, TableTextLinesUpWideAndCombiningCharacters) {
    auto t = kvtest::MakeTournament(
        SportSoccer, 2,
        {{QStringLiteral("G"),
          {QStringLiteral("東京 FC"), QStringLiteral("Ajax"), QStringLiteral("Cafe\u0301")}}});
    t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
    ResetColumns(*t);
    RecomputeAll(*t);
    const QStringList lines =
        TableText(*t, *t->GroupAt(0)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    const auto columns = [](const QString& line) {
        qsizetype n = 0;
        for (const char32_t c : line.toUcs4())
            n += QChar::category(c) == QChar::Mark_NonSpacing
                     ? 0
                     : (c >= 0x2E80 && c <= 0xA4CF ? 2 : 1);
        return n;
    };
    for (const QString& line : lines)
        EXPECT_EQ(columns(line), columns(lines[0])) << qPrintable(line);
}
