// The report as one self-contained HTML file: inline styles and SVG charts,
// no scripts, nothing fetched. Written through an XML writer, so the file is
// well-formed and every text from the unit is escaped.
#include <QXmlStreamWriter>

#include "report_content.h"
#include "report_formats.h"
#include "report_style.h"

namespace zav::diag::report {
namespace {

// Layout for screens of every width: the page narrows to a phone's, the
// chart bars shrink with it and the wide table scrolls on its own. HTML
// reads a style element as it stands, so the rules hold no character the
// XML writer would escape (quotes, <, >, &).
constexpr char kStyle[] = R"(
body{font-family:DejaVu Sans,Arial,sans-serif;color:#000;background:#fff;margin:0 auto;max-width:60em;padding:0.6em}
h1{font-size:1.4em;margin:0.2em 0}
h2{font-size:1.15em;margin:1.2em 0 0.3em}
.subtitle{margin:0 0 0.6em;color:#444}
table{border-collapse:collapse}
th,td{padding:0.15em 0.5em;text-align:left;vertical-align:middle}
.identity th{font-weight:normal;color:#444;padding-left:0}
.verdict{display:inline-block;font-size:2.4em;font-weight:bold;border:0.12em solid;padding:0.1em 0.5em;margin:0.4em 0}
.note{border-left:0.3em solid #000;padding-left:0.5em}
.note p{margin:0.2em 0}
.reason{font-weight:bold}
.list td,.list th,.chart td,.chart th,.sensors td,.sensors th{border-bottom:1px solid #ccc}
.chart{width:100%}
.chart td.bar{width:55%;min-width:7em;padding:0}
.chart td.bar svg{display:block;width:100%;height:auto}
.chart .none{color:#666;font-style:italic}
.num{text-align:right;white-space:nowrap}
.ok{color:#00c000;font-weight:bold}
.fail{color:#f00;font-weight:bold}
.wide{overflow-x:auto}
.sensors{font-size:0.8em}
.sensors th{vertical-align:bottom}
.legend{font-size:0.85em;color:#444}
.legend svg{vertical-align:middle}
)";

// The scale of a chart bar in SVG user units: one unit per reading, with
// room beside 0 and 255 for a marker.
constexpr int kBarPad = 5;
constexpr int kBarHeight = 16;
constexpr double kBarMid = kBarHeight / 2.0;

QString Hex(RgbColour colour) {
    return QStringLiteral("#%1%2%3")
        .arg(colour.red, 2, 16, QLatin1Char('0'))
        .arg(colour.green, 2, 16, QLatin1Char('0'))
        .arg(colour.blue, 2, 16, QLatin1Char('0'));
}

QString StatusClass(RowStatus status) {
    if (status == RowStatus::Ok) return QStringLiteral("ok");
    if (status == RowStatus::Fail) return QStringLiteral("fail");
    return QStringLiteral("none");
}

class HtmlReport {
  public:
    explicit HtmlReport(QByteArray* out) : xml_(out) {}

    void Write(const ReportContent& content) {
        xml_.writeDTD(QStringLiteral("<!DOCTYPE html>"));
        xml_.writeStartElement(QStringLiteral("html"));
        if (!content.language.isEmpty()) {
            xml_.writeAttribute(QStringLiteral("lang"), content.language);
        }
        xml_.writeStartElement(QStringLiteral("head"));
        xml_.writeEmptyElement(QStringLiteral("meta"));
        xml_.writeAttribute(QStringLiteral("charset"), QStringLiteral("utf-8"));
        xml_.writeEmptyElement(QStringLiteral("meta"));
        xml_.writeAttribute(QStringLiteral("name"), QStringLiteral("viewport"));
        xml_.writeAttribute(QStringLiteral("content"),
                            QStringLiteral("width=device-width, initial-scale=1"));
        Text(QStringLiteral("title"),
             content.title + QStringLiteral(" \u2013 ") + content.subtitle);
        Text(QStringLiteral("style"), QString::fromLatin1(kStyle));
        xml_.writeEndElement();  // head
        xml_.writeStartElement(QStringLiteral("body"));
        Header(content);
        Mechanics(content);
        ChartSection(content, content.paperLess, QStringLiteral("paperless"));
        ChartSection(content, content.greenPaper, QStringLiteral("greenpaper"));
        SensorTable(content);
        xml_.writeEndElement();  // body
        xml_.writeEndElement();  // html
        xml_.writeEndDocument();
    }

  private:
    // An element with text only; never written as <x/>, which HTML would
    // read as an element left open.
    void Text(const QString& element, const QString& text, const QString& cssClass = {}) {
        xml_.writeStartElement(element);
        if (!cssClass.isEmpty()) xml_.writeAttribute(QStringLiteral("class"), cssClass);
        xml_.writeCharacters(text);
        xml_.writeEndElement();
    }
    void Start(const QString& element, const QString& cssClass = {}) {
        xml_.writeStartElement(element);
        if (!cssClass.isEmpty()) xml_.writeAttribute(QStringLiteral("class"), cssClass);
    }
    void End() { xml_.writeEndElement(); }

    void Header(const ReportContent& content) {
        Start(QStringLiteral("header"));
        Text(QStringLiteral("h1"), content.title);
        Text(QStringLiteral("p"), content.subtitle, QStringLiteral("subtitle"));
        Start(QStringLiteral("table"), QStringLiteral("identity"));
        for (const LabelledValue& item : content.identity) {
            Start(QStringLiteral("tr"));
            Text(QStringLiteral("th"), item.label);
            Text(QStringLiteral("td"), item.value);
            End();
        }
        End();
        Start(QStringLiteral("div"));
        xml_.writeStartElement(QStringLiteral("p"));
        xml_.writeAttribute(QStringLiteral("class"),
                            QStringLiteral("verdict ") + (content.passed ? "ok" : "fail"));
        xml_.writeAttribute(QStringLiteral("id"), QStringLiteral("verdict"));
        xml_.writeCharacters(content.verdict);
        End();
        End();
        if (!content.runNote.isEmpty()) {
            Start(QStringLiteral("div"), QStringLiteral("note"));
            Text(QStringLiteral("p"), content.runNote, QStringLiteral("reason"));
            Text(QStringLiteral("p"), content.runNoteDetail);
            End();
        }
        End();
    }

    void Mechanics(const ReportContent& content) {
        Start(QStringLiteral("section"));
        Text(QStringLiteral("h2"), content.mechanicsCaption);
        Start(QStringLiteral("table"), QStringLiteral("list"));
        HeadRow({content.motorCaption, content.statusCaption});
        Start(QStringLiteral("tbody"));
        for (const StatusLine& line : content.mechanics) {
            Start(QStringLiteral("tr"));
            Text(QStringLiteral("td"), line.name);
            Text(QStringLiteral("td"), StatusText(line.status), StatusClass(line.status));
            End();
        }
        End();
        End();
        End();
    }

    void HeadRow(const QStringList& captions) {
        Start(QStringLiteral("thead"));
        Start(QStringLiteral("tr"));
        for (const QString& caption : captions) Text(QStringLiteral("th"), caption);
        End();
        End();
    }

    void ChartSection(const ReportContent& content, const Chart& chart, const QString& id) {
        xml_.writeStartElement(QStringLiteral("section"));
        xml_.writeAttribute(QStringLiteral("id"), id);
        Text(QStringLiteral("h2"), chart.caption);
        Start(QStringLiteral("table"), QStringLiteral("chart"));
        Start(QStringLiteral("thead"));
        Start(QStringLiteral("tr"));
        Text(QStringLiteral("th"), content.sensorCaption);
        Start(QStringLiteral("th"));
        ScaleSvg();
        End();
        Text(QStringLiteral("th"), content.limitsCaption, QStringLiteral("num"));
        Text(QStringLiteral("th"), content.readingCaption, QStringLiteral("num"));
        Text(QStringLiteral("th"), content.statusCaption);
        End();
        End();
        Start(QStringLiteral("tbody"));
        for (const ChartRow& row : chart.rows) ChartLine(content, row);
        End();
        End();
        Legend(content);
        End();
    }

    void ChartLine(const ReportContent& content, const ChartRow& row) {
        const RowStatus status = MarkStatus(row.mark);
        Start(QStringLiteral("tr"), StatusClass(status) + QStringLiteral("-row"));
        Text(QStringLiteral("th"), row.name);
        if (row.mark == Mark::NotTested) {
            Text(QStringLiteral("td"), content.notTested, QStringLiteral("bar none"));
            Text(QStringLiteral("td"), QString(), QStringLiteral("num"));
            Text(QStringLiteral("td"), QString(), QStringLiteral("num"));
            Text(QStringLiteral("td"), QString());
        } else {
            Start(QStringLiteral("td"), QStringLiteral("bar"));
            BarSvg(row);
            End();
            Text(QStringLiteral("td"), LimitsText(row), QStringLiteral("num"));
            Text(QStringLiteral("td"), QString::number(row.read), QStringLiteral("num"));
            Text(QStringLiteral("td"), StatusText(status), StatusClass(status));
        }
        End();
    }

    void StartSvg(int height) {
        xml_.writeStartElement(QStringLiteral("svg"));
        xml_.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
        xml_.writeAttribute(
            QStringLiteral("viewBox"),
            QStringLiteral("%1 0 %2 %3").arg(-kBarPad).arg(kScaleMax + 2 * kBarPad).arg(height));
        xml_.writeAttribute(QStringLiteral("role"), QStringLiteral("img"));
    }

    void Line(double x1, double y1, double x2, double y2, RgbColour colour, double width) {
        xml_.writeEmptyElement(QStringLiteral("line"));
        xml_.writeAttribute(QStringLiteral("x1"), QString::number(x1));
        xml_.writeAttribute(QStringLiteral("y1"), QString::number(y1));
        xml_.writeAttribute(QStringLiteral("x2"), QString::number(x2));
        xml_.writeAttribute(QStringLiteral("y2"), QString::number(y2));
        xml_.writeAttribute(QStringLiteral("stroke"), Hex(colour));
        xml_.writeAttribute(QStringLiteral("stroke-width"), QString::number(width));
    }

    void ScaleSvg() {
        StartSvg(kBarHeight);
        for (int mark : kScaleMarks) {
            xml_.writeStartElement(QStringLiteral("text"));
            xml_.writeAttribute(QStringLiteral("x"), QString::number(mark));
            xml_.writeAttribute(QStringLiteral("y"), QString::number(kBarHeight - 4));
            xml_.writeAttribute(QStringLiteral("font-size"), QStringLiteral("10"));
            xml_.writeAttribute(QStringLiteral("text-anchor"), QStringLiteral("middle"));
            xml_.writeCharacters(QString::number(mark));
            End();
        }
        End();
    }

    void Marker(Mark mark, double x) {
        const QString fill = Hex(MarkColour(mark));
        if (mark == Mark::Pass) {
            xml_.writeEmptyElement(QStringLiteral("circle"));
            xml_.writeAttribute(QStringLiteral("cx"), QString::number(x));
            xml_.writeAttribute(QStringLiteral("cy"), QString::number(kBarMid));
            xml_.writeAttribute(QStringLiteral("r"), QStringLiteral("4.5"));
        } else {
            xml_.writeEmptyElement(QStringLiteral("polygon"));
            xml_.writeAttribute(QStringLiteral("points"), QStringLiteral("%1,%2 %3,%4 %1,%5 %6,%4")
                                                              .arg(x)
                                                              .arg(kBarMid - 6)
                                                              .arg(x + 6)
                                                              .arg(kBarMid)
                                                              .arg(kBarMid + 6)
                                                              .arg(x - 6));
        }
        xml_.writeAttribute(QStringLiteral("class"), QStringLiteral("marker"));
        xml_.writeAttribute(QStringLiteral("fill"), fill);
        xml_.writeAttribute(QStringLiteral("stroke"), Hex(kInk));
        xml_.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1"));
    }

    void BarSvg(const ChartRow& row) {
        StartSvg(kBarHeight);
        Line(0, kBarMid, kScaleMax, kBarMid, kGrid, 1);
        for (int mark : kScaleMarks) Line(mark, kBarMid - 3, mark, kBarMid + 3, kGrid, 1);
        if (row.min == row.max) {
            Line(row.min, 1, row.min, kBarHeight - 1, kInk, 2);
        } else {
            xml_.writeEmptyElement(QStringLiteral("rect"));
            xml_.writeAttribute(QStringLiteral("class"), QStringLiteral("band"));
            xml_.writeAttribute(QStringLiteral("x"), QString::number(row.min));
            xml_.writeAttribute(QStringLiteral("y"), QString::number(kBarMid - 4));
            xml_.writeAttribute(QStringLiteral("width"), QString::number(row.max - row.min));
            xml_.writeAttribute(QStringLiteral("height"), QStringLiteral("8"));
            xml_.writeAttribute(QStringLiteral("fill"), Hex(kBand));
            xml_.writeAttribute(QStringLiteral("stroke"), Hex(kInk));
            xml_.writeAttribute(QStringLiteral("stroke-width"), QStringLiteral("1"));
        }
        Marker(row.mark, row.read);
        End();
    }

    // The key to the chart's shapes, for prints without colour.
    void Legend(const ReportContent& content) {
        Start(QStringLiteral("p"), QStringLiteral("legend"));
        const auto sample = [this](Mark mark, const QString& text) {
            xml_.writeStartElement(QStringLiteral("svg"));
            xml_.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
            xml_.writeAttribute(QStringLiteral("viewBox"), QStringLiteral("-8 0 16 16"));
            xml_.writeAttribute(QStringLiteral("width"), QStringLiteral("16"));
            xml_.writeAttribute(QStringLiteral("height"), QStringLiteral("16"));
            Marker(mark, 0);
            End();
            xml_.writeCharacters(QStringLiteral(" ") + text + QStringLiteral("   "));
        };
        sample(Mark::Pass, StatusText(RowStatus::Ok));
        sample(Mark::Fail, StatusText(RowStatus::Fail));
        xml_.writeCharacters(QStringLiteral("\u25AD ") + content.limitsCaption);
        End();
    }

    void SensorTable(const ReportContent& content) {
        if (content.tableColumns.isEmpty()) return;
        Start(QStringLiteral("section"));
        Text(QStringLiteral("h2"), content.tableCaption);
        Start(QStringLiteral("div"), QStringLiteral("wide"));
        Start(QStringLiteral("table"), QStringLiteral("sensors"));
        HeadRow(content.tableColumns);
        Start(QStringLiteral("tbody"));
        for (std::size_t i = 0; i < content.tableRows.size(); ++i) {
            const QStringList& fields = content.tableRows[i];
            Start(QStringLiteral("tr"));
            for (qsizetype f = 0; f < fields.size(); ++f) {
                const bool last = f == fields.size() - 1;
                Text(f == 0 ? QStringLiteral("th") : QStringLiteral("td"), fields[f],
                     last ? StatusClass(content.tableStatus[i])
                          : (f == 0 ? QString() : QStringLiteral("num")));
            }
            End();
        }
        End();
        End();
        End();
        End();
    }

    QXmlStreamWriter xml_;
};

}  // namespace

QByteArray HtmlServiceReport(const ReportContent& content) {
    QByteArray html;
    HtmlReport(&html).Write(content);
    return html;
}

}  // namespace zav::diag::report
