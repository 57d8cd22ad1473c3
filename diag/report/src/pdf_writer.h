#pragma once
// A small PDF 1.4 writer, enough for the service report and nothing more:
// pages of any size, text in the standard fonts Helvetica, Helvetica-Bold
// and Helvetica-Oblique (WinAnsiEncoding: English, German, French, Spanish),
// lines, rectangles, polygons and ellipses, stroked or filled in RGB. It
// needs Qt Core only, so a program without a display writes the report.
//
// Coordinates are points (1/72 inch) from the page's top left, y downwards.
#include <QByteArray>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "zav/diag/results_model.h"

namespace zav::diag::report::pdf {

enum class Face { Regular, Bold, Oblique };

struct Font {
    Face face = Face::Regular;
    double size = 10;  // points
};

// How far the pen moves for `text` in `font`; a character the encoding
// lacks is measured as the "?" that stands for it.
double TextWidth(const Font& font, const QString& text);
// Above the baseline, below it, and from one line to the next.
double Ascent(const Font& font);
double Descent(const Font& font);
double LineHeight(const Font& font);

// How a shape is painted: its outline in `stroke` of `lineWidth` points,
// its inside in `fill`; either may be left out.
struct Paint {
    std::optional<RgbColour> stroke;
    std::optional<RgbColour> fill;
    double lineWidth = 0.5;
};

class Writer {
  public:
    // The document's title and the program that made it, for a viewer's
    // document properties.
    Writer(const QString& title, const QString& creator);

    // Starts a page of `width` x `height` points; drawing goes onto it.
    void NewPage(double width, double height);

    // `text` with its baseline starting at `at`.
    void Text(QPointF at, const QString& text, const Font& font, RgbColour colour);
    void Line(QPointF from, QPointF to, RgbColour colour, double lineWidth);
    void Rectangle(const QRectF& rect, const Paint& paint);
    void Polygon(const std::vector<QPointF>& corners, const Paint& paint);
    void Ellipse(QPointF centre, double rx, double ry, const Paint& paint);

    // The whole document: header, objects, cross-reference table, trailer.
    QByteArray Finish() const;

  private:
    struct Page {
        double width;
        double height;
        QByteArray content;
    };
    QByteArray& Content();
    double Y(double y) const;  // page coordinates to PDF's, y upwards
    void SetColours(const Paint& paint);
    void PaintPath(const Paint& paint);

    QString title_;
    QString creator_;
    std::vector<Page> pages_;
};

}  // namespace zav::diag::report::pdf
