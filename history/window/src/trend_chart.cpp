#include "zav/history/window/trend_chart.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace zav::history::window {
namespace {

const QColor kPath(0x1f, 0x5f, 0xbf);
const QColor kPaper(0x2a, 0x8a, 0x3a);
const QColor kLimit(0x80, 0x80, 0x80);
const QColor kFail(0xd0, 0x10, 0x10);
constexpr int kFullScale = 255;

}  // namespace

TrendChart::TrendChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("trendChart"));
    setAccessibleName(QCoreApplication::translate("zav", "Trend of the sensor's readings"));
    setMinimumHeight(160);
}

void TrendChart::setPoints(std::vector<TrendPoint> points) {
    points_ = std::move(points);
    update();
}

QSize TrendChart::sizeHint() const {
    return {480, 200};
}

void TrendChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = painter.fontMetrics();
    const int line = metrics.height();
    const QRect plot =
        rect().adjusted(metrics.horizontalAdvance(QStringLiteral("0000")), line + 6, -8, -line - 4);
    painter.setPen(palette().text().color());
    // The legend above, the scale at the left.
    int x = plot.left();
    for (const auto& [colour, text] :
         {std::pair{kPath, QCoreApplication::translate("zav", "Path test")},
          std::pair{kPaper, QCoreApplication::translate("zav", "Paper test")},
          std::pair{kLimit, QCoreApplication::translate("zav", "Limits (dashed)")},
          std::pair{kFail, QCoreApplication::translate("zav", "Failed")}}) {
        painter.fillRect(QRect(x, 4 + line / 4, line / 2, line / 2), colour);
        x += line;
        painter.drawText(QPoint(x, 2 + metrics.ascent()), text);
        x += metrics.horizontalAdvance(text) + line;
    }
    painter.drawRect(plot);
    const auto yOf = [&](int value) { return plot.bottom() - value * plot.height() / kFullScale; };
    for (int value : {0, 128, 255}) {
        painter.drawText(QRect(0, yOf(value) - line / 2, plot.left() - 4, line),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(value));
    }
    if (points_.empty()) {
        painter.drawText(plot, Qt::AlignCenter,
                         QCoreApplication::translate("zav", "No readings of this sensor"));
        return;
    }
    const int count = static_cast<int>(points_.size());
    const auto xOf = [&](int i) {
        return count == 1 ? plot.center().x()
                          : plot.left() + 8 + i * (plot.width() - 16) / (count - 1);
    };
    painter.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), line), Qt::AlignLeft,
                     points_.front().time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd")));
    painter.drawText(QRect(plot.left(), plot.bottom() + 2, plot.width(), line), Qt::AlignRight,
                     points_.back().time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd")));

    struct Series {
        QColor colour;
        std::uint8_t diag::ResultRow::*min;
        std::uint8_t diag::ResultRow::*read;
        std::uint8_t diag::ResultRow::*max;
        bool diag::ResultRow::*pass;
    };
    for (const Series& series :
         {Series{kPath, &diag::ResultRow::PathMin, &diag::ResultRow::PathRead,
                 &diag::ResultRow::PathMax, &diag::ResultRow::PathPass},
          Series{kPaper, &diag::ResultRow::PaperMin, &diag::ResultRow::PaperRead,
                 &diag::ResultRow::PaperMax, &diag::ResultRow::PaperPass}}) {
        QPainterPath readings;
        QPainterPath lower;
        QPainterPath upper;
        for (int i = 0; i < count; ++i) {
            const diag::ResultRow& row = points_[static_cast<std::size_t>(i)].row;
            const QPointF at(xOf(i), yOf(row.*series.read));
            const QPointF low(xOf(i), yOf(row.*series.min));
            const QPointF high(xOf(i), yOf(row.*series.max));
            if (i == 0) {
                readings.moveTo(at);
                lower.moveTo(low);
                upper.moveTo(high);
            } else {
                readings.lineTo(at);
                lower.lineTo(low);
                upper.lineTo(high);
            }
        }
        QColor limit = series.colour;
        limit.setAlpha(110);
        painter.setPen(QPen(limit, 1, Qt::DashLine));
        painter.drawPath(lower);
        painter.drawPath(upper);
        painter.setPen(QPen(series.colour, 2));
        painter.drawPath(readings);
        for (int i = 0; i < count; ++i) {
            const diag::ResultRow& row = points_[static_cast<std::size_t>(i)].row;
            const bool passed = row.*series.pass;
            painter.setBrush(passed ? series.colour : kFail);
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(xOf(i), yOf(row.*series.read)), passed ? 3 : 4.5,
                                passed ? 3 : 4.5);
        }
        painter.setBrush(Qt::NoBrush);
    }
}

}  // namespace zav::history::window
