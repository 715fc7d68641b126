// Pictures and workbooks as files: headers and contents that other programs read.
#include "support/builders.h"
#include "support/testenv.h"

#include "export/fixture_rows.h"
#include "export/picture_export.h"
#include "export/xlsx_export.h"
#include "model/sport.h"
#include "render/table_painter.h"
#include "standings/tournament_setup.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QtEndian>

using namespace kv;

namespace {

class FileFormats : public kvtest::TTempHome {
protected:
    std::unique_ptr<TTournament> Make() {
        auto t = kvtest::MakeTournament(SportSoccer, 2, {{QStringLiteral("G"), {QStringLiteral("Ajax"), QStringLiteral("Bern")}}});
        t->Dimensions = TTableDimensions::BuiltIn(SportSoccer);
        ResetColumns(*t);
        kvtest::AddResult(*t, QStringLiteral("Ajax"), QStringLiteral("Bern"), QStringLiteral("2:1"), 1);
        RecomputeAll(*t);
        return t;
    }
    static quint16 U16(const QByteArray& b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
    static quint32 U32(const QByteArray& b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
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
    ASSERT_TRUE(gif.startsWith("GIF8")) << error.toStdString();
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
    } formats[] = {{TPictureFormat::Png, "\x89PNG"}, {TPictureFormat::Jpeg, "\xFF\xD8\xFF"}, {TPictureFormat::Bmp, "BM"},
                   {TPictureFormat::Gif, "GIF8"},     {TPictureFormat::Svg, "<?xml"},        {TPictureFormat::Pdf, "%PDF"}};
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
    EXPECT_EQ(SuggestedPicturePath(QStringLiteral("A/B"), TPictureFormat::Png), QStringLiteral("A_B.png"));
    RememberPictureFolder(HomePath(QStringLiteral("pics/t.png")));
    EXPECT_EQ(SuggestedPicturePath(QStringLiteral("North"), TPictureFormat::Gif), HomePath(QStringLiteral("pics/North.gif")));
}

TEST_F(FileFormats, WorkbookHoldsTheFixtureGrid) {
    auto t = Make();
    const QString path = HomePath(QStringLiteral("fixtures.xlsx"));
    WriteFile(path, "an older file");
    int lastProgress = -1;
    ASSERT_TRUE(ExportGridToXlsx(path, FixtureGrid(*t), [&](int p) { lastProgress = p; }));
    EXPECT_GE(lastProgress, 0);
    const QByteArray bytes = ReadFile(path);
    ASSERT_TRUE(bytes.startsWith("PK")); // a zip container
    if (QProcess::execute(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("command -v unzip >/dev/null")}) == 0) {
        QProcess unzip;
        unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), path, QStringLiteral("xl/sharedStrings.xml")});
        unzip.waitForFinished();
        const QByteArray strings = unzip.readAllStandardOutput();
        EXPECT_TRUE(strings.contains("Home Team"));
        EXPECT_TRUE(strings.contains("Ajax"));
        EXPECT_TRUE(strings.contains("\xC2\xA0" "2:1"));
    }
    EXPECT_FALSE(ExportGridToXlsx(HomePath(QStringLiteral("missing/x.xlsx")), FixtureGrid(*t)));
}
