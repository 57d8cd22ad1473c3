#pragma once
// Reading a report PDF back as a customer's viewer would: its text through
// pdftotext, the position of each word, and a page rendered by pdftoppm.
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

namespace zav::diag::test {

// What a command-line tool printed and its exit code (-1 when it could not
// be started, was killed or timed out).
struct ToolOutput {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};
ToolOutput RunTool(const QString& program, const QStringList& arguments);

// The text of the PDF laid out as on the page (pdftotext -layout), or empty
// when pdftotext fails.
QString PdfText(const QString& pdfPath);

struct PdfWord {
    int page;    // from 1
    QRectF box;  // in points from the page's top left
    QString text;
};
// Every word with its box, in reading order (pdftotext -bbox).
std::vector<PdfWord> PdfWords(const QString& pdfPath);

// The first line of the document that begins with `phrase`'s words (split
// at blanks): its page (0 when there is none), the phrase's box and the left
// edge of the word after it on the line.
struct PdfLine {
    int page = 0;
    QRectF phrase;
    double nextWordLeft = 0;
};
PdfLine FindLine(const std::vector<PdfWord>& words, const QString& phrase);

// Page `page` rendered at `dpi` (pdftoppm), or a null image.
QImage PdfPage(const QString& pdfPath, int page, int dpi);

}  // namespace zav::diag::test
