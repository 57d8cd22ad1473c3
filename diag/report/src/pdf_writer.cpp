#include "pdf_writer.h"

#include <array>
#include <cstdint>
#include <utility>

#include "helvetica_widths.h"

namespace zav::diag::report::pdf {
namespace {

// Helvetica's ascender and descender, and its usual line spacing, over the
// font size.
constexpr double kAscent = 0.718;
constexpr double kDescent = 0.207;
constexpr double kLineSpacing = 1.15;
// The control points of a quarter circle drawn as one Bézier curve.
constexpr double kKappa = 0.5522847498;

constexpr const char* kFaceNames[] = {"Helvetica", "Helvetica-Bold", "Helvetica-Oblique"};
constexpr int kFirstCode = 32;
constexpr double kA4Width = 595.276;  // points
constexpr double kA4Height = 841.89;
constexpr int kLastCode = 255;

// WinAnsiEncoding's codes 128 to 159 and the characters they stand for
// (the rest above 127 are Latin-1's own).
constexpr std::array<std::pair<char16_t, std::uint8_t>, 27> kWinAnsiExtras{{
    {u'\u20AC', 0x80}, {u'\u201A', 0x82}, {u'\u0192', 0x83}, {u'\u201E', 0x84}, {u'\u2026', 0x85},
    {u'\u2020', 0x86}, {u'\u2021', 0x87}, {u'\u02C6', 0x88}, {u'\u2030', 0x89}, {u'\u0160', 0x8A},
    {u'\u2039', 0x8B}, {u'\u0152', 0x8C}, {u'\u017D', 0x8E}, {u'\u2018', 0x91}, {u'\u2019', 0x92},
    {u'\u201C', 0x93}, {u'\u201D', 0x94}, {u'\u2022', 0x95}, {u'\u2013', 0x96}, {u'\u2014', 0x97},
    {u'\u02DC', 0x98}, {u'\u2122', 0x99}, {u'\u0161', 0x9A}, {u'\u203A', 0x9B}, {u'\u0153', 0x9C},
    {u'\u017E', 0x9E}, {u'\u0178', 0x9F},
}};

// The WinAnsiEncoding code of `c`; "?" for a character it lacks.
std::uint8_t Code(QChar c) {
    const char16_t u = c.unicode();
    if ((u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u <= 0xFF)) return static_cast<std::uint8_t>(u);
    for (const auto& [character, code] : kWinAnsiExtras) {
        if (character == u) return code;
    }
    return '?';
}

// `text` in WinAnsiEncoding. A pair of surrogates is one character the
// encoding lacks.
QByteArray Encoded(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            ++i;
            bytes.append('?');
        } else {
            bytes.append(static_cast<char>(Code(text.at(i))));
        }
    }
    return bytes;
}

const std::array<std::uint16_t, 224>& Widths(Face face) {
    return face == Face::Bold ? kHelveticaBoldWidths : kHelveticaWidths;
}

// A string operand: the bytes, with the delimiters and the backslash
// escaped and everything outside printable ASCII as an octal escape.
QByteArray LiteralString(const QByteArray& bytes) {
    QByteArray out = "(";
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b == '(' || b == ')' || b == '\\') {
            out += '\\';
            out += byte;
        } else if (b < 0x20 || b > 0x7E) {
            out += '\\';
            out += static_cast<char>('0' + (b >> 6));
            out += static_cast<char>('0' + ((b >> 3) & 7));
            out += static_cast<char>('0' + (b & 7));
        } else {
            out += byte;
        }
    }
    return out + ')';
}

// A text string of the document's information: UTF-16 with its byte order
// mark, in hexadecimal.
QByteArray TextString(const QString& text) {
    QByteArray out = "<FEFF";
    for (QChar c : text) out += QByteArray::number(c.unicode() | 0x10000, 16).mid(1).toUpper();
    return out + '>';
}

QByteArray Number(double value) {
    QByteArray text = QByteArray::number(value, 'f', 3);
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
    return text == "-0" ? QByteArray("0") : text;
}

QByteArray Colour(RgbColour colour, const char* op) {
    return Number(colour.red / 255.0) + ' ' + Number(colour.green / 255.0) + ' ' +
           Number(colour.blue / 255.0) + ' ' + op + '\n';
}

QByteArray WidthsArray(Face face) {
    QByteArray out = "[";
    for (std::uint16_t width : Widths(face)) out += QByteArray::number(width) + ' ';
    out.chop(1);
    return out + ']';
}

// A stream of `data`, compressed (zlib, which FlateDecode reads; qCompress
// puts the length before it).
QByteArray Stream(const QByteArray& data) {
    const QByteArray packed = qCompress(data).mid(4);
    return "<< /Length " + QByteArray::number(packed.size()) +
           " /Filter /FlateDecode >>\nstream\n" + packed + "\nendstream";
}

}  // namespace

double TextWidth(const Font& font, const QString& text) {
    const auto& widths = Widths(font.face);
    double total = 0;
    for (char byte : Encoded(text)) {
        const int code = static_cast<unsigned char>(byte);
        if (code >= kFirstCode) total += widths[static_cast<std::size_t>(code - kFirstCode)];
    }
    return total * font.size / 1000;
}

double Ascent(const Font& font) {
    return kAscent * font.size;
}
double Descent(const Font& font) {
    return kDescent * font.size;
}
double LineHeight(const Font& font) {
    return kLineSpacing * font.size;
}

Writer::Writer(const QString& title, const QString& creator) : title_(title), creator_(creator) {}

void Writer::NewPage(double width, double height) {
    pages_.push_back({width, height, {}});
}

QByteArray& Writer::Content() {
    if (pages_.empty()) NewPage(kA4Width, kA4Height);  // should nobody have started a page
    return pages_.back().content;
}

double Writer::Y(double y) const {
    return pages_.back().height - y;
}

void Writer::Text(QPointF at, const QString& text, const Font& font, RgbColour colour) {
    if (text.isEmpty()) return;
    QByteArray& out = Content();
    out += Colour(colour, "rg");
    out += "BT /F" + QByteArray::number(static_cast<int>(font.face) + 1) + ' ' + Number(font.size) +
           " Tf " + Number(at.x()) + ' ' + Number(Y(at.y())) + " Td " +
           LiteralString(Encoded(text)) + " Tj ET\n";
}

void Writer::Line(QPointF from, QPointF to, RgbColour colour, double lineWidth) {
    QByteArray& out = Content();
    out += Colour(colour, "RG");
    out += Number(lineWidth) + " w " + Number(from.x()) + ' ' + Number(Y(from.y())) + " m " +
           Number(to.x()) + ' ' + Number(Y(to.y())) + " l S\n";
}

void Writer::SetColours(const Paint& paint) {
    QByteArray& out = Content();
    if (paint.stroke) out += Colour(*paint.stroke, "RG") + Number(paint.lineWidth) + " w\n";
    if (paint.fill) out += Colour(*paint.fill, "rg");
}

void Writer::PaintPath(const Paint& paint) {
    const char* op = paint.fill && paint.stroke ? "B\n"
                     : paint.fill               ? "f\n"
                     : paint.stroke             ? "S\n"
                                                : "n\n";
    Content() += op;
}

void Writer::Rectangle(const QRectF& rect, const Paint& paint) {
    const QRectF r = rect.normalized();
    SetColours(paint);
    Content() += Number(r.left()) + ' ' + Number(Y(r.bottom())) + ' ' + Number(r.width()) + ' ' +
                 Number(r.height()) + " re ";
    PaintPath(paint);
}

void Writer::Polygon(const std::vector<QPointF>& corners, const Paint& paint) {
    if (corners.empty()) return;
    SetColours(paint);
    QByteArray& out = Content();
    out += Number(corners.front().x()) + ' ' + Number(Y(corners.front().y())) + " m ";
    for (std::size_t i = 1; i < corners.size(); ++i) {
        out += Number(corners[i].x()) + ' ' + Number(Y(corners[i].y())) + " l ";
    }
    out += "h ";
    PaintPath(paint);
}

void Writer::Ellipse(QPointF centre, double rx, double ry, const Paint& paint) {
    SetColours(paint);
    const double x = centre.x();
    const double y = Y(centre.y());
    const double kx = rx * kKappa;
    const double ky = ry * kKappa;
    const auto point = [](double px, double py) { return Number(px) + ' ' + Number(py) + ' '; };
    QByteArray& out = Content();
    out += point(x + rx, y) + "m ";
    out += point(x + rx, y + ky) + point(x + kx, y + ry) + point(x, y + ry) + "c ";
    out += point(x - kx, y + ry) + point(x - rx, y + ky) + point(x - rx, y) + "c ";
    out += point(x - rx, y - ky) + point(x - kx, y - ry) + point(x, y - ry) + "c ";
    out += point(x + kx, y - ry) + point(x + rx, y - ky) + point(x + rx, y) + "c h ";
    PaintPath(paint);
}

QByteArray Writer::Finish() const {
    // Objects: 1 catalog, 2 page tree, 3 information, 4-6 fonts, then a page
    // and its content stream for each page.
    constexpr int kFirstFont = 4;
    constexpr int kFirstPage = kFirstFont + 3;
    std::vector<QByteArray> objects;
    QByteArray kids;
    const std::vector<Page> pages =
        pages_.empty() ? std::vector<Page>{{kA4Width, kA4Height, {}}} : pages_;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        kids += QByteArray::number(kFirstPage + 2 * static_cast<int>(i)) + " 0 R ";
    }
    kids.chop(1);
    objects.push_back("<< /Type /Catalog /Pages 2 0 R >>");
    objects.push_back("<< /Type /Pages /Kids [" + kids + "] /Count " +
                      QByteArray::number(pages.size()) + " >>");
    objects.push_back("<< /Title " + TextString(title_) + " /Creator " + TextString(creator_) +
                      " /Producer " + TextString(creator_) + " >>");
    for (Face face : {Face::Regular, Face::Bold, Face::Oblique}) {
        objects.push_back(QByteArray("<< /Type /Font /Subtype /Type1 /BaseFont /") +
                          kFaceNames[static_cast<int>(face)] +
                          " /Encoding /WinAnsiEncoding /FirstChar " +
                          QByteArray::number(kFirstCode) + " /LastChar " +
                          QByteArray::number(kLastCode) + " /Widths " + WidthsArray(face) + " >>");
    }
    QByteArray fonts;
    for (int f = 0; f < 3; ++f) {
        fonts +=
            "/F" + QByteArray::number(f + 1) + ' ' + QByteArray::number(kFirstFont + f) + " 0 R ";
    }
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const int content = kFirstPage + 2 * static_cast<int>(i) + 1;
        objects.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Number(pages[i].width) +
                          ' ' + Number(pages[i].height) + "] /Resources << /Font << " + fonts +
                          ">> >> /Contents " + QByteArray::number(content) + " 0 R >>");
        objects.push_back(Stream(pages[i].content));
    }

    // A binary comment after the header tells tools the file is binary.
    QByteArray pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<qsizetype> offsets;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += QByteArray::number(static_cast<int>(i) + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const qsizetype xref = pdf.size();
    pdf += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (qsizetype offset : offsets) {
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    }
    pdf += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) +
           " /Root 1 0 R /Info 3 0 R >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
    return pdf;
}

}  // namespace zav::diag::report::pdf
