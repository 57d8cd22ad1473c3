// The report as A4 pages of PDF: the header with the verdict, the mechanics
// and the two charts on portrait pages, the wide sensor table on a
// landscape page. Everything flows down the page and a block that does not
// fit goes on to the next one.
#include <algorithm>

#include "pdf_writer.h"
#include "report_content.h"
#include "report_formats.h"
#include "report_style.h"

namespace zav::diag::report {
namespace {

using pdf::Face;
using pdf::Font;
using pdf::Paint;

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kA4Short = 210 * kPointsPerMm;
constexpr double kA4Long = 297 * kPointsPerMm;
constexpr double kMarginMm = 14;
constexpr double kFooterMm = 7;
constexpr double kChartRowMm = 4.9;
constexpr double kTableRowFactor = 1.75;  // row height over line height
constexpr double kTableMinPoints = 4.5;
constexpr double kTablePoints = 8;
constexpr RgbColour kShade{0xEE, 0xEE, 0xEE};

constexpr double Mm(double mm) {
    return mm * kPointsPerMm;
}

Font Regular(double points) {
    return {Face::Regular, points};
}
Font Bold(double points) {
    return {Face::Bold, points};
}

enum class Align { Left, Right, Centre };

class PdfReport {
  public:
    explicit PdfReport(const ReportContent& content)
        : writer_(content.title + QStringLiteral(" \u2013 ") + content.subtitle, content.title),
          content_(content) {}

    QByteArray Write() {
        StartPage(false);
        Header();
        Mechanics();
        DrawChart(content_.paperLess);
        DrawChart(content_.greenPaper);
        SensorTable();
        Footer();
        return writer_.Finish();
    }

  private:
    double Bottom() const { return height_ - Mm(kFooterMm); }

    void StartPage(bool landscape) {
        writer_.NewPage(landscape ? kA4Long : kA4Short, landscape ? kA4Short : kA4Long);
        width_ = (landscape ? kA4Long : kA4Short) - 2 * Mm(kMarginMm);
        height_ = (landscape ? kA4Short : kA4Long) - 2 * Mm(kMarginMm);
        y_ = 0;
        ++pageNumber_;
    }
    void NewPage(bool landscape = false) {
        Footer();
        StartPage(landscape);
    }
    // Goes on to the next page unless `height` fits on this one.
    void Ensure(double height) {
        if (y_ + height > Bottom() && y_ > 0) NewPage();
    }

    // `text` in the box, across as `align` says and centred down it; the
    // box is within the margins.
    void Text(const QRectF& box, const QString& text, const Font& font, RgbColour colour,
              Align align = Align::Left) {
        const double width = pdf::TextWidth(font, text);
        double x = box.left();
        if (align == Align::Right) x = box.right() - width;
        if (align == Align::Centre) x = box.center().x() - width / 2;
        const double baseline = box.center().y() + (pdf::Ascent(font) - pdf::Descent(font)) / 2;
        writer_.Text(Margin(QPointF(x, baseline)), text, font, colour);
    }
    static QPointF Margin(QPointF point) { return point + QPointF(Mm(kMarginMm), Mm(kMarginMm)); }
    QRectF Margin(const QRectF& rect) const {
        return rect.translated(Mm(kMarginMm), Mm(kMarginMm));
    }
    void Line(QPointF from, QPointF to, RgbColour colour, double width) {
        writer_.Line(Margin(from), Margin(to), colour, width);
    }
    void Rectangle(const QRectF& rect, const Paint& paint) {
        writer_.Rectangle(Margin(rect), paint);
    }

    // The words of `text` in lines no wider than `width` (a word wider
    // than that has a line of its own).
    static QStringList Wrapped(const QString& text, const Font& font, double width) {
        QStringList lines;
        QString line;
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + u' ' + word;
            if (!line.isEmpty() && pdf::TextWidth(font, longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
        }
        if (!line.isEmpty()) lines << line;
        return lines;
    }

    // `text` cut to `width` with an ellipsis when it is wider.
    static QString Elided(const QString& text, const Font& font, double width) {
        if (pdf::TextWidth(font, text) <= width) return text;
        const QString ellipsis = QStringLiteral("\u2026");
        QString cut = text;
        while (!cut.isEmpty() && pdf::TextWidth(font, cut + ellipsis) > width) cut.chop(1);
        return cut + ellipsis;
    }

    void Footer() {
        const Font font = Regular(7);
        const QRectF line(0, height_ - Mm(kFooterMm - 2), width_, Mm(4));
        Text(line, content_.footer, font, kFaint);
        Text(line, QString::number(pageNumber_), font, kFaint, Align::Right);
    }

    // A line of text at the current position.
    void TextLine(const QString& text, const Font& font, RgbColour colour = kInk) {
        const QRectF box(0, y_, width_, pdf::LineHeight(font));
        Text(box, text, font, colour);
        y_ += box.height();
    }

    void Caption(const QString& text) {
        y_ += Mm(4);
        TextLine(text, Bold(11.5));
        y_ += Mm(1);
    }

    void Header() {
        TextLine(content_.title, Bold(15));
        TextLine(content_.subtitle, Regular(10), kFaint);
        y_ += Mm(3);

        const Font labelFont = Regular(9.5);
        const Font valueFont = Bold(9.5);
        double labelWidth = 0;
        for (const LabelledValue& item : content_.identity) {
            labelWidth = std::max(labelWidth, pdf::TextWidth(labelFont, item.label));
        }
        labelWidth += Mm(4);
        const double lineHeight = Mm(5);
        for (const LabelledValue& item : content_.identity) {
            Text(QRectF(0, y_, labelWidth, lineHeight), item.label, labelFont, kFaint);
            Text(QRectF(labelWidth, y_, width_ - labelWidth, lineHeight), item.value, valueFont,
                 kInk);
            y_ += lineHeight;
        }
        y_ += Mm(4);
        Verdict();
        if (!content_.runNote.isEmpty()) RunNote();
    }

    // The verdict across the page in its colour, framed, and large enough to
    // read across a counter; a long translation gets a smaller font.
    void Verdict() {
        const RgbColour colour = content_.passed ? PassColour() : FailColour();
        const QRectF box(0, y_, width_, Mm(20));
        const double border = Mm(1.2);
        Rectangle(box.adjusted(border / 2, border / 2, -border / 2, -border / 2),
                  {colour, std::nullopt, border});
        Font font = Bold(30);
        while (font.size > 10 && pdf::TextWidth(font, content_.verdict) > box.width() - Mm(10)) {
            font.size -= 1;
        }
        Text(box, content_.verdict, font, colour, Align::Centre);
        y_ += box.height();
    }

    // Why the run stopped, in bold, and what the report then shows, beside
    // a bar that marks the note.
    void RunNote() {
        y_ += Mm(3);
        const double top = y_;
        Paragraph(content_.runNote, Bold(10));
        Paragraph(content_.runNoteDetail, Regular(9));
        Rectangle(QRectF(0, top, Mm(1.2), y_ - top), {std::nullopt, kInk});
    }

    void Paragraph(const QString& text, const Font& font) {
        const double lineHeight = pdf::LineHeight(font);
        for (const QString& line : Wrapped(text, font, width_ - Mm(4))) {
            Text(QRectF(Mm(4), y_, width_ - Mm(4), lineHeight), line, font, kInk);
            y_ += lineHeight;
        }
    }

    static RgbColour StatusInk(RowStatus status) {
        const auto colour = StatusColour(status);
        return colour ? *colour : kFaint;
    }

    void Rule(double width) { Line(QPointF(0, y_), QPointF(width, y_), kBand, Mm(0.2)); }

    void Mechanics() {
        const double rowHeight = Mm(5);
        Ensure(Mm(10) + rowHeight * static_cast<double>(content_.mechanics.size() + 1));
        Caption(content_.mechanicsCaption);
        const Font font = Regular(9);
        const Font bold = Bold(9);
        double nameWidth = pdf::TextWidth(bold, content_.motorCaption);
        for (const StatusLine& line : content_.mechanics) {
            nameWidth = std::max(nameWidth, pdf::TextWidth(font, line.name));
        }
        nameWidth += Mm(8);
        const double statusWidth = Mm(45);
        const auto row = [&](const QString& name, const QString& status, const Font& nameFont,
                             RgbColour statusColour) {
            Text(QRectF(0, y_, nameWidth, rowHeight), name, nameFont, kInk);
            Text(QRectF(nameWidth, y_, statusWidth, rowHeight), status, bold, statusColour);
            y_ += rowHeight;
            Rule(nameWidth + statusWidth);
        };
        row(content_.motorCaption, content_.statusCaption, bold, kInk);
        for (const StatusLine& line : content_.mechanics) {
            row(line.name, StatusText(line.status), font, StatusInk(line.status));
        }
    }

    // The columns of a chart: name, bar, limits, reading, status.
    struct ChartColumns {
        double name, bar, limits, reading, status;
        double BarLeft() const { return name; }
        double LimitsLeft() const { return name + bar; }
        double ReadingLeft() const { return LimitsLeft() + limits; }
        double StatusLeft() const { return ReadingLeft() + reading; }
    };

    ChartColumns MeasureChart(const Chart& chart, const Font& font, const Font& bold) const {
        const double gap = Mm(3);
        double name = pdf::TextWidth(bold, content_.sensorCaption);
        for (const ChartRow& row : chart.rows) {
            name = std::max(name, pdf::TextWidth(font, row.name));
        }
        name = std::min(name + gap, width_ * 0.3);
        const double limits = std::max(pdf::TextWidth(bold, content_.limitsCaption),
                                       pdf::TextWidth(font, QStringLiteral("255\u2013255"))) +
                              gap;
        const double reading = std::max(pdf::TextWidth(bold, content_.readingCaption),
                                        pdf::TextWidth(font, QStringLiteral("255"))) +
                               gap;
        double status = pdf::TextWidth(bold, content_.statusCaption);
        for (RowStatus word : {RowStatus::Ok, RowStatus::Fail}) {
            status = std::max(status, pdf::TextWidth(bold, StatusText(word)));
        }
        status += gap;
        const double bar = width_ - name - limits - reading - status;
        return {name, bar, limits, reading, status};
    }

    static double BarX(const ChartColumns& columns, double reading) {
        const double pad = Mm(2);
        return columns.BarLeft() + pad + reading / kScaleMax * (columns.bar - 2 * pad - Mm(2));
    }

    void ChartHead(const Chart& chart, const ChartColumns& columns, const Font& bold,
                   bool continued) {
        Caption(continued ? chart.caption + QStringLiteral(" (continued)") : chart.caption);
        const double height = Mm(kChartRowMm);
        Text(QRectF(0, y_, columns.name, height), content_.sensorCaption, bold, kInk);
        Text(QRectF(columns.LimitsLeft(), y_, columns.limits - Mm(3), height),
             content_.limitsCaption, bold, kInk, Align::Right);
        Text(QRectF(columns.ReadingLeft(), y_, columns.reading - Mm(3), height),
             content_.readingCaption, bold, kInk, Align::Right);
        Text(QRectF(columns.StatusLeft(), y_, columns.status, height), content_.statusCaption, bold,
             kInk);
        for (int mark : kScaleMarks) {
            const double x = BarX(columns, mark);
            Text(QRectF(x - Mm(5), y_, Mm(10), height), QString::number(mark), Regular(7), kFaint,
                 Align::Centre);
        }
        y_ += height;
        Rule(width_);
    }

    // A pass is round, a fail a diamond, so a black-and-white print still
    // tells them apart.
    void Marker(Mark mark, QPointF centre) {
        const double size = Mm(mark == Mark::Pass ? 1.6 : 1.9);
        const Paint paint{kInk, MarkColour(mark), Mm(0.25)};
        if (mark == Mark::Pass) {
            writer_.Ellipse(Margin(centre), size * 0.8, size * 0.8, paint);
        } else {
            writer_.Polygon({Margin(centre + QPointF(0, -size)), Margin(centre + QPointF(size, 0)),
                             Margin(centre + QPointF(0, size)), Margin(centre + QPointF(-size, 0))},
                            paint);
        }
    }

    void ChartLine(const ChartRow& row, const ChartColumns& columns, const Font& font,
                   const Font& bold) {
        const double height = Mm(kChartRowMm);
        const double middle = y_ + height / 2;
        Text(QRectF(0, y_, columns.name, height), Elided(row.name, font, columns.name - Mm(2)),
             font, kInk);
        if (row.mark == Mark::NotTested) {
            Text(QRectF(columns.BarLeft() + Mm(2), y_, columns.bar, height), content_.notTested,
                 {Face::Oblique, font.size}, kFaint);
        } else {
            // The scale, the limits (a band, or a line for a threshold) and
            // the reading.
            Line(QPointF(BarX(columns, 0), middle), QPointF(BarX(columns, kScaleMax), middle),
                 kGrid, Mm(0.2));
            for (int mark : kScaleMarks) {
                const double x = BarX(columns, mark);
                Line(QPointF(x, middle - Mm(0.7)), QPointF(x, middle + Mm(0.7)), kGrid, Mm(0.2));
            }
            if (row.min == row.max) {
                const double x = BarX(columns, row.min);
                Line(QPointF(x, y_ + Mm(0.4)), QPointF(x, y_ + height - Mm(0.4)), kInk, Mm(0.5));
            } else {
                Rectangle(QRectF(QPointF(BarX(columns, row.min), middle - Mm(1.1)),
                                 QPointF(BarX(columns, row.max), middle + Mm(1.1))),
                          {kInk, kBand, Mm(0.2)});
            }
            Marker(row.mark, QPointF(BarX(columns, row.read), middle));

            Text(QRectF(columns.LimitsLeft(), y_, columns.limits - Mm(3), height), LimitsText(row),
                 font, kInk, Align::Right);
            Text(QRectF(columns.ReadingLeft(), y_, columns.reading - Mm(3), height),
                 QString::number(row.read), bold, kInk, Align::Right);
            const RowStatus status = MarkStatus(row.mark);
            Text(QRectF(columns.StatusLeft(), y_, columns.status, height), StatusText(status), bold,
                 StatusInk(status));
        }
        y_ += height;
        Rule(width_);
    }

    void Legend(const ChartColumns& columns) {
        const double height = Mm(kChartRowMm);
        const Font font = Regular(7.5);
        double x = columns.BarLeft() + Mm(2);
        const double middle = y_ + height / 2;
        const auto item = [&](Mark mark, const QString& text) {
            Marker(mark, QPointF(x + Mm(1.6), middle));
            x += Mm(4.5);
            Text(QRectF(x, y_, Mm(40), height), text, font, kFaint);
            x += pdf::TextWidth(font, text) + Mm(6);
        };
        item(Mark::Pass, StatusText(RowStatus::Ok));
        item(Mark::Fail, StatusText(RowStatus::Fail));
        Rectangle(QRectF(x, middle - Mm(1.1), Mm(6), Mm(2.2)), {kInk, kBand, Mm(0.2)});
        x += Mm(8);
        Text(QRectF(x, y_, Mm(60), height), content_.limitsCaption, font, kFaint);
        y_ += height;
    }

    void DrawChart(const Chart& chart) {
        const Font font = Regular(8);
        const Font bold = Bold(8);
        const ChartColumns columns = MeasureChart(chart, font, bold);
        const double rowHeight = Mm(kChartRowMm);
        // The caption, the head and a few rows stay together.
        Ensure(Mm(10) + rowHeight * 4);
        ChartHead(chart, columns, bold, false);
        for (const ChartRow& row : chart.rows) {
            if (y_ + rowHeight > Bottom()) {
                NewPage();
                ChartHead(chart, columns, bold, true);
            }
            ChartLine(row, columns, font, bold);
        }
        Ensure(rowHeight);
        Legend(columns);
    }

    // The table of the results file on a landscape page: the font shrinks
    // until every column fits across.
    void SensorTable() {
        if (content_.tableColumns.isEmpty()) return;
        NewPage(true);
        Caption(content_.tableCaption);

        // The gaps between columns do not shrink with the font, so a step
        // may fall short and another follows.
        double points = kTablePoints;
        std::vector<double> widths = TableWidths(points);
        for (double total = Sum(widths); total > width_ && points > kTableMinPoints;
             total = Sum(widths)) {
            points = std::max(kTableMinPoints, points * width_ / total - 0.1);
            widths = TableWidths(points);
        }
        const Font font = Regular(points);
        const Font bold = Bold(points);
        const double rowHeight = pdf::LineHeight(font) * kTableRowFactor;
        TableHead(widths, bold, rowHeight);
        for (std::size_t i = 0; i < content_.tableRows.size(); ++i) {
            if (y_ + rowHeight > Bottom()) {
                NewPage(true);
                TableHead(widths, bold, rowHeight);
            }
            TableLine(i, widths, font, bold, rowHeight);
        }
    }

    // Each column as wide as its widest cell or the widest word of its
    // caption (captions wrap onto two lines), plus a gap.
    std::vector<double> TableWidths(double points) const {
        const Font bold = Bold(points);
        const double gap = Mm(2.6);
        std::vector<double> widths;
        for (qsizetype c = 0; c < content_.tableColumns.size(); ++c) {
            double width = 0;
            for (const QString& word : content_.tableColumns[c].split(u' ')) {
                width = std::max(width, pdf::TextWidth(bold, word));
            }
            for (const QStringList& row : content_.tableRows) {
                if (c < row.size()) width = std::max(width, pdf::TextWidth(bold, row[c]));
            }
            widths.push_back(width + gap);
        }
        return widths;
    }

    // The captions, wrapped and set on the bottom of a two-line head.
    void TableHead(const std::vector<double>& widths, const Font& bold, double rowHeight) {
        const double lineHeight = pdf::LineHeight(bold);
        double x = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const bool textColumn = c == 0 || c + 1 == widths.size();
            const double inner = widths[c] - Mm(1.6);
            const QStringList lines =
                Wrapped(content_.tableColumns[static_cast<qsizetype>(c)], bold, inner);
            double top = y_ + rowHeight * 2 - lineHeight * static_cast<double>(lines.size());
            for (const QString& line : lines) {
                Text(QRectF(x + Mm(0.8), top, inner, lineHeight), line, bold, kInk,
                     textColumn ? Align::Left : Align::Right);
                top += lineHeight;
            }
            x += widths[c];
        }
        y_ += rowHeight * 2;
        Line(QPointF(0, y_), QPointF(x, y_), kInk, Mm(0.3));
    }

    static double Sum(const std::vector<double>& widths) {
        double total = 0;
        for (double width : widths) total += width;
        return total;
    }

    void TableLine(std::size_t index, const std::vector<double>& widths, const Font& font,
                   const Font& bold, double rowHeight) {
        // Every other row shaded, so a line can be followed across the page.
        if (index % 2 == 1)
            Rectangle(QRectF(0, y_, Sum(widths), rowHeight), {std::nullopt, kShade});
        const QStringList& fields = content_.tableRows[index];
        double x = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const auto column = static_cast<qsizetype>(c);
            const bool first = c == 0;
            const bool last = c + 1 == widths.size();
            const QString text = column < fields.size() ? fields[column] : QString();
            Text(QRectF(x + Mm(0.8), y_, widths[c] - Mm(1.6), rowHeight), text,
                 first || last ? bold : font, last ? StatusInk(content_.tableStatus[index]) : kInk,
                 first || last ? Align::Left : Align::Right);
            x += widths[c];
        }
        y_ += rowHeight;
    }

    pdf::Writer writer_;
    const ReportContent& content_;
    double width_ = 0;  // the page within its margins
    double height_ = 0;
    double y_ = 0;
    int pageNumber_ = 0;
};

}  // namespace

QByteArray PdfServiceReport(const ReportContent& content) {
    return PdfReport(content).Write();
}

}  // namespace zav::diag::report
