#pragma once
// What a service report says, decided once for both formats: texts in the
// program's language, the verdict, and each chart row's limits, reading and
// state. The PDF and HTML writers only lay this out.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "zav/diag/results_model.h"
#include "zav/diag/service_report.h"

namespace zav::diag::report {

// The scale of every chart: a reading is one byte.
constexpr int kScaleMax = 255;

// How a chart row shows its reading.
enum class Mark { Pass, Fail, NotTested };

struct ChartRow {
    QString name;
    Mark mark;
    std::uint8_t min;
    std::uint8_t read;
    std::uint8_t max;
};

struct Chart {
    QString caption;
    std::vector<ChartRow> rows;
};

struct LabelledValue {
    QString label;
    QString value;
};

struct StatusLine {
    QString name;
    RowStatus status;
};

struct ReportContent {
    QString language;  // the code of the texts' language ("en", "de", ...)
    QString title;     // product name and version
    QString subtitle;  // what the document is
    QString footer;    // the product and the unit, on every page
    std::vector<LabelledValue> identity;
    QString verdict;
    bool passed;
    QString runNote;        // empty for a complete run; else what stopped it
    QString runNoteDetail;  // what an aborted run's report shows
    QString mechanicsCaption;
    QString motorCaption;
    QString statusCaption;
    std::vector<StatusLine> mechanics;
    QString sensorCaption;
    QString limitsCaption;
    QString readingCaption;
    QString notTested;  // the text of a row a test did not judge
    Chart paperLess;
    Chart greenPaper;
    QString tableCaption;
    QStringList tableColumns;  // empty for a model without the sensor table
    std::vector<QStringList> tableRows;
    std::vector<RowStatus> tableStatus;  // per table row
};

ReportContent MakeReportContent(const RunRecord& input);

// Text from outside made safe for any document: characters that are not
// printable (controls, lone surrogates, non-characters) become U+FFFD.
QString Printable(const QString& text);

}  // namespace zav::diag::report
