// The report as A4 pages drawn with Qt's PDF writer: the header with the
// verdict, the mechanics and the two charts on portrait pages, the wide
// sensor table on a landscape page. Everything flows down the page and a
// block that does not fit goes on to the next one.
#include <QBuffer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>

#include "report_content.h"
#include "report_formats.h"
#include "report_style.h"

namespace zav::diag::report {
namespace {

constexpr int kDotsPerInch = 300;
constexpr double kMarginMm = 14;
constexpr double kFooterMm = 7;
constexpr double kChartRowMm = 4.9;
constexpr double kTableRowFactor = 1.75;  // row height over font height
constexpr double kTableMinPoints = 4.5;
constexpr double kTablePoints = 8;
constexpr char kFontFamily[] = "DejaVu Sans";

QColor Colour(RgbColour colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

class PdfReport {
  public:
    PdfReport(QIODevice* out, const ReportContent& content) : writer_(out), content_(content) {
        writer_.setResolution(kDotsPerInch);
        writer_.setPageSize(QPageSize(QPageSize::A4));
        writer_.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                               QPageLayout::Millimeter);
        writer_.setTitle(content.title + QStringLiteral(" \u2013 ") + content.subtitle);
        writer_.setCreator(content.title);
    }

    void Write() {
        painter_.begin(&writer_);
        StartPage();
        Header();
        Mechanics();
        DrawChart(content_.paperLess);
        DrawChart(content_.greenPaper);
        SensorTable();
        Footer();
        painter_.end();
    }

  private:
    double Mm(double mm) const { return mm * kDotsPerInch / 25.4; }
    QFont Font(double points, bool bold = false, bool italic = false) const {
        QFont font(QString::fromLatin1(kFontFamily));
        font.setPointSizeF(points);
        font.setBold(bold);
        font.setItalic(italic);
        // Without shaping there are no ligatures, so "fl" stays two letters
        // for a viewer's search and for copied text.
        font.setStyleStrategy(QFont::PreferNoShaping);
        return font;
    }
    double TextWidth(const QFont& font, const QString& text) const {
        return QFontMetricsF(font, &writer_).horizontalAdvance(text);
    }
    double Bottom() const { return page_.height() - Mm(kFooterMm); }

    void StartPage() {
        page_ = writer_.pageLayout().paintRectPixels(kDotsPerInch);
        page_.moveTo(0, 0);
        y_ = 0;
        ++pageNumber_;
    }
    void NewPage() {
        Footer();
        writer_.newPage();
        StartPage();
    }
    // Goes on to the next page unless `height` fits on this one.
    void Ensure(double height) {
        if (y_ + height > Bottom() && y_ > 0) NewPage();
    }

    void Footer() {
        painter_.setFont(Font(7));
        painter_.setPen(Colour(kFaint));
        const QRectF line(0, page_.height() - Mm(kFooterMm - 2), page_.width(), Mm(4));
        painter_.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, content_.footer);
        painter_.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(pageNumber_));
    }

    // A line of text at the current position; returns its height.
    double TextLine(const QString& text, const QFont& font, QColor colour = Qt::black) {
        painter_.setFont(font);
        painter_.setPen(colour);
        const QRectF box(0, y_, page_.width(), QFontMetricsF(font, &writer_).height());
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
        y_ += box.height();
        return box.height();
    }

    void Caption(const QString& text) {
        y_ += Mm(4);
        TextLine(text, Font(11.5, true));
        y_ += Mm(1);
    }

    void Header() {
        TextLine(content_.title, Font(15, true));
        TextLine(content_.subtitle, Font(10), Colour(kFaint));
        y_ += Mm(3);

        const QFont labelFont = Font(9.5);
        const QFont valueFont = Font(9.5, true);
        double labelWidth = 0;
        for (const LabelledValue& item : content_.identity) {
            labelWidth = std::max(labelWidth, TextWidth(labelFont, item.label));
        }
        labelWidth += Mm(4);
        const double lineHeight = Mm(5);
        for (const LabelledValue& item : content_.identity) {
            painter_.setPen(Colour(kFaint));
            painter_.setFont(labelFont);
            painter_.drawText(QRectF(0, y_, labelWidth, lineHeight), Qt::AlignVCenter, item.label);
            painter_.setPen(Qt::black);
            painter_.setFont(valueFont);
            painter_.drawText(QRectF(labelWidth, y_, page_.width() - labelWidth, lineHeight),
                              Qt::AlignVCenter, item.value);
            y_ += lineHeight;
        }
        y_ += Mm(4);
        Verdict();
        if (!content_.runNote.isEmpty()) RunNote();
    }

    // The verdict across the page in its colour, framed, and large enough to
    // read across a counter; a long translation gets a smaller font.
    void Verdict() {
        const QColor colour = Colour(content_.passed ? PassColour() : FailColour());
        const QRectF box(0, y_, page_.width(), Mm(20));
        const double border = Mm(1.2);
        painter_.setPen(QPen(colour, border));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawRect(box.adjusted(border / 2, border / 2, -border / 2, -border / 2));
        double points = 30;
        QFont font = Font(points, true);
        while (points > 10 && TextWidth(font, content_.verdict) > box.width() - Mm(10)) {
            points -= 1;
            font = Font(points, true);
        }
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(box, Qt::AlignCenter, content_.verdict);
        y_ += box.height();
    }

    // Why the run stopped, in bold, and what the report then shows, beside
    // a bar that marks the note.
    void RunNote() {
        y_ += Mm(3);
        const double top = y_;
        Paragraph(content_.runNote, Font(10, true));
        Paragraph(content_.runNoteDetail, Font(9));
        painter_.fillRect(QRectF(0, top, Mm(1.2), y_ - top), Qt::black);
    }

    void Paragraph(const QString& text, const QFont& font) {
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        const QRectF room(Mm(4), y_, page_.width() - Mm(4), page_.height());
        const QRectF used = painter_.boundingRect(room, Qt::TextWordWrap, text);
        painter_.drawText(room, Qt::TextWordWrap, text);
        y_ += used.height();
    }

    void Mechanics() {
        const double rowHeight = Mm(5);
        Ensure(Mm(10) + rowHeight * static_cast<double>(content_.mechanics.size() + 1));
        Caption(content_.mechanicsCaption);
        const QFont font = Font(9);
        const QFont bold = Font(9, true);
        double nameWidth = TextWidth(bold, content_.motorCaption);
        for (const StatusLine& line : content_.mechanics) {
            nameWidth = std::max(nameWidth, TextWidth(font, line.name));
        }
        nameWidth += Mm(8);
        const double statusWidth = Mm(45);
        const auto row = [&](const QString& name, const QString& status, const QFont& nameFont,
                             const QFont& statusFont, QColor statusColour) {
            painter_.setFont(nameFont);
            painter_.setPen(Qt::black);
            painter_.drawText(QRectF(0, y_, nameWidth, rowHeight), Qt::AlignVCenter, name);
            painter_.setFont(statusFont);
            painter_.setPen(statusColour);
            painter_.drawText(QRectF(nameWidth, y_, statusWidth, rowHeight), Qt::AlignVCenter,
                              status);
            y_ += rowHeight;
            Rule(nameWidth + statusWidth);
        };
        row(content_.motorCaption, content_.statusCaption, bold, bold, Qt::black);
        for (const StatusLine& line : content_.mechanics) {
            row(line.name, StatusText(line.status), font, bold, StatusPen(line.status));
        }
    }

    QColor StatusPen(RowStatus status) const {
        const auto colour = StatusColour(status);
        return colour ? Colour(*colour) : Colour(kFaint);
    }

    void Rule(double width) {
        painter_.setPen(QPen(Colour(kBand), Mm(0.2)));
        painter_.drawLine(QPointF(0, y_), QPointF(width, y_));
    }

    // The columns of a chart: name, bar, limits, reading, status.
    struct ChartColumns {
        double name, bar, limits, reading, status;
        double BarLeft() const { return name; }
        double LimitsLeft() const { return name + bar; }
        double ReadingLeft() const { return LimitsLeft() + limits; }
        double StatusLeft() const { return ReadingLeft() + reading; }
    };

    ChartColumns MeasureChart(const Chart& chart, const QFont& font, const QFont& bold) const {
        const double gap = Mm(3);
        double name = TextWidth(bold, content_.sensorCaption);
        for (const ChartRow& row : chart.rows) name = std::max(name, TextWidth(font, row.name));
        name = std::min(name + gap, page_.width() * 0.3);
        const double limits = std::max(TextWidth(bold, content_.limitsCaption),
                                       TextWidth(font, QStringLiteral("255\u2013255"))) +
                              gap;
        const double reading = std::max(TextWidth(bold, content_.readingCaption),
                                        TextWidth(font, QStringLiteral("255"))) +
                               gap;
        double status = TextWidth(bold, content_.statusCaption);
        for (RowStatus word : {RowStatus::Ok, RowStatus::Fail}) {
            status = std::max(status, TextWidth(bold, StatusText(word)));
        }
        status += gap;
        const double bar = page_.width() - name - limits - reading - status;
        return {name, bar, limits, reading, status};
    }

    double BarX(const ChartColumns& columns, double reading) const {
        const double pad = Mm(2);
        return columns.BarLeft() + pad + reading / kScaleMax * (columns.bar - 2 * pad - Mm(2));
    }

    void ChartHead(const Chart& chart, const ChartColumns& columns, const QFont& bold,
                   bool continued) {
        Caption(continued ? chart.caption + QStringLiteral(" (continued)") : chart.caption);
        const double height = Mm(kChartRowMm);
        painter_.setFont(bold);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, y_, columns.name, height), Qt::AlignVCenter,
                          content_.sensorCaption);
        painter_.drawText(QRectF(columns.LimitsLeft(), y_, columns.limits - Mm(3), height),
                          Qt::AlignVCenter | Qt::AlignRight, content_.limitsCaption);
        painter_.drawText(QRectF(columns.ReadingLeft(), y_, columns.reading - Mm(3), height),
                          Qt::AlignVCenter | Qt::AlignRight, content_.readingCaption);
        painter_.drawText(QRectF(columns.StatusLeft(), y_, columns.status, height),
                          Qt::AlignVCenter, content_.statusCaption);
        painter_.setFont(Font(7));
        painter_.setPen(Colour(kFaint));
        for (int mark : kScaleMarks) {
            const double x = BarX(columns, mark);
            painter_.drawText(QRectF(x - Mm(5), y_, Mm(10), height), Qt::AlignCenter,
                              QString::number(mark));
        }
        y_ += height;
        Rule(page_.width());
    }

    void Marker(Mark mark, QPointF centre) {
        const double size = Mm(mark == Mark::Pass ? 1.6 : 1.9);
        painter_.setPen(QPen(Qt::black, Mm(0.25)));
        painter_.setBrush(Colour(MarkColour(mark)));
        if (mark == Mark::Pass) {
            painter_.drawEllipse(centre, size * 0.8, size * 0.8);
        } else {
            const QPointF diamond[] = {centre + QPointF(0, -size), centre + QPointF(size, 0),
                                       centre + QPointF(0, size), centre + QPointF(-size, 0)};
            painter_.drawPolygon(diamond, 4);
        }
        painter_.setBrush(Qt::NoBrush);
    }

    void ChartLine(const ChartRow& row, const ChartColumns& columns, const QFont& font,
                   const QFont& bold) {
        const double height = Mm(kChartRowMm);
        const double middle = y_ + height / 2;
        const QFontMetricsF metrics(font, &writer_);
        painter_.setFont(font);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, y_, columns.name, height), Qt::AlignVCenter,
                          metrics.elidedText(row.name, Qt::ElideRight, columns.name - Mm(2)));
        if (row.mark == Mark::NotTested) {
            painter_.setFont(Font(font.pointSizeF(), false, true));
            painter_.setPen(Colour(kFaint));
            painter_.drawText(QRectF(columns.BarLeft() + Mm(2), y_, columns.bar, height),
                              Qt::AlignVCenter, content_.notTested);
        } else {
            // The scale, the limits (a band, or a line for a threshold) and
            // the reading.
            painter_.setPen(QPen(Colour(kGrid), Mm(0.2)));
            painter_.drawLine(QPointF(BarX(columns, 0), middle),
                              QPointF(BarX(columns, kScaleMax), middle));
            for (int mark : kScaleMarks) {
                const double x = BarX(columns, mark);
                painter_.drawLine(QPointF(x, middle - Mm(0.7)), QPointF(x, middle + Mm(0.7)));
            }
            painter_.setPen(QPen(Qt::black, Mm(0.2)));
            if (row.min == row.max) {
                painter_.setPen(QPen(Qt::black, Mm(0.5)));
                const double x = BarX(columns, row.min);
                painter_.drawLine(QPointF(x, y_ + Mm(0.4)), QPointF(x, y_ + height - Mm(0.4)));
            } else {
                painter_.setBrush(Colour(kBand));
                painter_.drawRect(QRectF(QPointF(BarX(columns, row.min), middle - Mm(1.1)),
                                         QPointF(BarX(columns, row.max), middle + Mm(1.1))));
                painter_.setBrush(Qt::NoBrush);
            }
            Marker(row.mark, QPointF(BarX(columns, row.read), middle));

            painter_.setFont(font);
            painter_.setPen(Qt::black);
            painter_.drawText(QRectF(columns.LimitsLeft(), y_, columns.limits - Mm(3), height),
                              Qt::AlignVCenter | Qt::AlignRight, LimitsText(row));
            painter_.setFont(bold);
            painter_.drawText(QRectF(columns.ReadingLeft(), y_, columns.reading - Mm(3), height),
                              Qt::AlignVCenter | Qt::AlignRight, QString::number(row.read));
            const RowStatus status = MarkStatus(row.mark);
            painter_.setPen(StatusPen(status));
            painter_.drawText(QRectF(columns.StatusLeft(), y_, columns.status, height),
                              Qt::AlignVCenter, StatusText(status));
        }
        y_ += height;
        Rule(page_.width());
    }

    void Legend(const ChartColumns& columns) {
        const double height = Mm(kChartRowMm);
        const QFont font = Font(7.5);
        painter_.setFont(font);
        double x = columns.BarLeft() + Mm(2);
        const double middle = y_ + height / 2;
        const auto item = [&](Mark mark, const QString& text) {
            Marker(mark, QPointF(x + Mm(1.6), middle));
            x += Mm(4.5);
            painter_.setPen(Colour(kFaint));
            painter_.drawText(QRectF(x, y_, Mm(40), height), Qt::AlignVCenter, text);
            x += TextWidth(font, text) + Mm(6);
        };
        item(Mark::Pass, StatusText(RowStatus::Ok));
        item(Mark::Fail, StatusText(RowStatus::Fail));
        painter_.setPen(QPen(Qt::black, Mm(0.2)));
        painter_.setBrush(Colour(kBand));
        painter_.drawRect(QRectF(x, middle - Mm(1.1), Mm(6), Mm(2.2)));
        painter_.setBrush(Qt::NoBrush);
        x += Mm(8);
        painter_.setPen(Colour(kFaint));
        painter_.drawText(QRectF(x, y_, Mm(60), height), Qt::AlignVCenter, content_.limitsCaption);
        y_ += height;
    }

    void DrawChart(const Chart& chart) {
        const QFont font = Font(8);
        const QFont bold = Font(8, true);
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
        Footer();
        writer_.setPageOrientation(QPageLayout::Landscape);
        writer_.newPage();
        StartPage();
        Caption(content_.tableCaption);

        // The gaps between columns do not shrink with the font, so a step
        // may fall short and another follows.
        double points = kTablePoints;
        std::vector<double> widths = TableWidths(points);
        for (double total = Sum(widths); total > page_.width() && points > kTableMinPoints;
             total = Sum(widths)) {
            points = std::max(kTableMinPoints, points * page_.width() / total - 0.1);
            widths = TableWidths(points);
        }
        const QFont font = Font(points);
        const QFont bold = Font(points, true);
        const double rowHeight = QFontMetricsF(font, &writer_).height() * kTableRowFactor;
        TableHead(widths, bold, rowHeight);
        for (std::size_t i = 0; i < content_.tableRows.size(); ++i) {
            if (y_ + rowHeight > Bottom()) {
                NewPage();
                TableHead(widths, bold, rowHeight);
            }
            TableLine(i, widths, font, bold, rowHeight);
        }
    }

    // Each column as wide as its widest cell or the widest word of its
    // caption (captions wrap onto two lines), plus a gap.
    std::vector<double> TableWidths(double points) const {
        const QFont font = Font(points);
        const QFont bold = Font(points, true);
        const double gap = Mm(2.6);
        std::vector<double> widths;
        for (qsizetype c = 0; c < content_.tableColumns.size(); ++c) {
            double width = 0;
            for (const QString& word : content_.tableColumns[c].split(u' ')) {
                width = std::max(width, TextWidth(bold, word));
            }
            for (const QStringList& row : content_.tableRows) {
                if (c < row.size()) width = std::max(width, TextWidth(bold, row[c]));
            }
            widths.push_back(width + gap);
        }
        return widths;
    }

    void TableHead(const std::vector<double>& widths, const QFont& bold, double rowHeight) {
        painter_.setFont(bold);
        painter_.setPen(Qt::black);
        double x = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const bool textColumn = c == 0 || c + 1 == widths.size();
            painter_.drawText(
                QRectF(x + Mm(0.8), y_, widths[c] - Mm(1.6), rowHeight * 2),
                Qt::AlignBottom | Qt::TextWordWrap | (textColumn ? Qt::AlignLeft : Qt::AlignRight),
                content_.tableColumns[static_cast<qsizetype>(c)]);
            x += widths[c];
        }
        y_ += rowHeight * 2;
        painter_.setPen(QPen(Qt::black, Mm(0.3)));
        painter_.drawLine(QPointF(0, y_), QPointF(x, y_));
    }

    static double Sum(const std::vector<double>& widths) {
        double total = 0;
        for (double width : widths) total += width;
        return total;
    }

    void TableLine(std::size_t index, const std::vector<double>& widths, const QFont& font,
                   const QFont& bold, double rowHeight) {
        const double total = Sum(widths);
        // Every other row shaded, so a line can be followed across the page.
        if (index % 2 == 1)
            painter_.fillRect(QRectF(0, y_, total, rowHeight), QColor(0xEE, 0xEE, 0xEE));
        const QStringList& fields = content_.tableRows[index];
        double x = 0;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const auto column = static_cast<qsizetype>(c);
            const bool first = c == 0;
            const bool last = c + 1 == widths.size();
            painter_.setFont(first || last ? bold : font);
            painter_.setPen(last ? StatusPen(content_.tableStatus[index]) : QColor(Qt::black));
            const QString text = column < fields.size() ? fields[column] : QString();
            painter_.drawText(QRectF(x + Mm(0.8), y_, widths[c] - Mm(1.6), rowHeight),
                              Qt::AlignVCenter | (first || last ? Qt::AlignLeft : Qt::AlignRight),
                              text);
            x += widths[c];
        }
        y_ += rowHeight;
    }

    // Font metrics are taken on the writer, which Qt wants non-const.
    mutable QPdfWriter writer_;
    const ReportContent& content_;
    QPainter painter_;
    QRectF page_;
    double y_ = 0;
    int pageNumber_ = 0;
};

}  // namespace

QByteArray PdfServiceReport(const ReportContent& content) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return {};
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        PdfReport(&buffer, content).Write();
    }
    return pdf;
}

}  // namespace zav::diag::report
