#pragma once

#include "base/codepages.h"
#include "base/fontdata.h"
#include "base/textreader.h"

#include <QString>

#include <climits>

// Sequential reading of the program's positional text formats. A read that fails ends the
// whole parse: the reader raises TFormatError, which the format's entry point catches and
// turns into its own message; it never leaves this layer.
namespace kv {

struct TFormatError {
    int Line;
};

class TFormatReader {
public:
    explicit TFormatReader(QByteArray data) : r_(std::move(data)) {}

    // No line of these formats is longer than this, but for the lines of a free text (a
    // comment may be pasted at any length); a longer one means a damaged file.
    static constexpr qsizetype kMaxLineBytes = qsizetype(1) << 20;

    QString Line() { return Decoded(LineBytes()); }
    // `count` lines joined by CR LF (a multi-line text), of any length.
    QString Lines(int count) {
        QString text;
        for (int i = 0; i < count; ++i) {
            if (i) text += QStringLiteral("\r\n");
            text += Decoded(AnyLineBytes());
        }
        return text;
    }
    // A text line cut to `capacity` characters.
    QString Line(int capacity) { return Line().left(capacity); }
    QByteArrayView LineBytes() {
        const QByteArrayView v = AnyLineBytes();
        if (v.size() > kMaxLineBytes) Fail();
        return v;
    }
    int Int() {
        int v = 0;
        if (!r_.ReadInt(v)) Fail();
        return v;
    }
    // A value read as a real and converted to an integer (it must fit).
    int RealAsInt() {
        const double d = Real();
        if (!(d >= INT_MIN && d <= INT_MAX)) Fail();
        return static_cast<int>(d);
    }
    double Real() {
        double v = 0;
        if (!r_.ReadReal(v)) Fail();
        return v;
    }
    bool Bool() {
        bool v = false;
        if (!r_.ReadBool(v)) Fail();
        return v;
    }
    // A count: not negative.
    int Count() {
        const int n = Int();
        if (n < 0) Fail();
        return n;
    }
    void EndLine() { r_.SkipLine(); }
    bool NumbersOnLine(double* values, int count) { return r_.ReadNumbersOnLine(values, count); }
    // A number read as a real that must be a whole number in the range of an int.
    int IntOf(double v) const {
        if (!(v >= INT_MIN && v <= INT_MAX) || v != static_cast<double>(static_cast<qint64>(v)))
            Fail();
        return static_cast<int>(v);
    }
    bool MoreOnLine() { return r_.MoreOnLine(); }
    bool AtEnd() const { return r_.AtEnd(); }
    [[noreturn]] void Fail() const { throw TFormatError{r_.LineNumber()}; }
    int LineNumber() const { return r_.LineNumber(); }

    // A full font record: the name line, then charset, size, colour and the four styles.
    TFontData FullFont() {
        TFontData f;
        f.Name = Line();
        f.Charset = Int();
        f.Size = Int();
        f.Color = Int();
        f.Bold = Bool();
        f.Italic = Bool();
        f.Underline = Bool();
        f.StrikeOut = Bool();
        EndLine();
        return f;
    }

    // A short font record: upper case, colour and the four styles, applied onto `font`.
    bool ShortFont(TFontData& font) {
        const bool upperCase = Bool();
        font.Color = Int();
        font.Bold = Bool();
        font.Italic = Bool();
        font.Underline = Bool();
        font.StrikeOut = Bool();
        EndLine();
        return upperCase;
    }

private:
    static QString Decoded(QByteArrayView bytes) {
        return bytes.isEmpty() ? QString() : DecodeText(bytes);
    }
    QByteArrayView AnyLineBytes() {
        QByteArrayView v;
        if (!r_.ReadLineBytes(v)) Fail();
        return v;
    }
    TTextReader r_;
};

} // namespace kv
