#include "zav/diag/window/frm_diag.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/base/messages.h"
#include "zav/diag/results_csv.h"
#include "zav/diag/service_report.h"
#include "zav/history/recording.h"
#include "zav/lang/text_ids.h"
#include "zav/window/icons.h"
#include "zav/window/results_list.h"
#include "zav/window/save_file_dialog.h"
#include "zav/window/tool_window_parts.h"

namespace zav::diag::window {
namespace {

using app::Global::LangText;
using zav::window::NewButton;
using zav::window::Pixels;

// Room for a status text that wraps, and for the verdict's line break.
constexpr int kStatusLines = 3;

// Rebuilds a list view as ShowResults describes it: its columns, then one
// row per item with its status in the status colour.
void ShowList(QTreeWidget* list, const std::vector<ResultListColumn>& columns,
              const std::vector<ResultListRow>& rows) {
    list->clear();
    std::vector<zav::window::ListColumn> shown;
    for (const ResultListColumn& column : columns) {
        shown.push_back({column.caption, column.widthTwips});
    }
    zav::window::SetListColumns(*list, shown);
    for (const ResultListRow& row : rows) {
        auto* item = new QTreeWidgetItem(list, {row.text, StatusText(row.status)});
        item->setData(0, Qt::UserRole, row.key);
        if (const std::optional<RgbColour> colour = StatusColour(row.status)) {
            item->setForeground(1, QColor(colour->red, colour->green, colour->blue));
        }
    }
}

// The identity label of the window, four lines in plain text.
QLabel* NewIdentityLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblRXType"));
    label->setTextFormat(Qt::PlainText);
    label->setMinimumHeight(4 * label->fontMetrics().lineSpacing());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void ShowIdentity(QLabel* label, const ResultsView& results) {
    QString identity = results.identityText;
    identity.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    label->setText(identity);
}

}  // namespace

FrmDiag::FrmDiag(zav::window::ToolWindowFrame& frame, std::chrono::milliseconds tickLength)
    : QWidget(&frame), frame_(frame), lblDownload_(new QLabel(this)), view_(lblDownload_) {
    setObjectName(QStringLiteral("frmDiag"));
    buildControls();
    owned_ = std::make_unique<DiagnosticSession>(app::CurrentPort(), tickLength, view_);
    session_ = owned_.get();
    DiagnosticSession* session = session_;
    connect(session, &DiagnosticSession::buttonsChanged, this, &FrmDiag::showButtons);
    connect(session, &DiagnosticSession::resultsChanged, this, &FrmDiag::showResults);
    connect(session, &DiagnosticSession::progressChanged, this, &FrmDiag::showProgress);

    connect(bttnDIAG_, &QPushButton::clicked, this, [this, session] {
        frame_.runSessionCall([session] {
            session->start();
            history::RecordRunInBackground(history::FromDiagnostic(session->lastRun()));
        });
    });
    connect(bttnOK_, &QPushButton::clicked, this, [this, session] {
        frame_.runSessionCall([session] { session->press(DiagnosticButton::Ok); });
    });
    connect(bttnCancel_, &QPushButton::clicked, this, [this, session] {
        frame_.runSessionCall([session] { session->press(DiagnosticButton::Cancel); });
    });
    connect(bttnSaveCSV_, &QPushButton::clicked, this, &FrmDiag::askSaveFile);
    connect(bttnReport_, &QPushButton::clicked, this, &FrmDiag::askReportFile);

    frame_.setTitle(LangText(lang::text::kDiagnostics));
    frame_.setWindowIcon(zav::window::diagnosticsIcon());
    showButtons();
    showResults();
    showProgress();
}

FrmDiag::~FrmDiag() = default;

std::unique_ptr<app::ToolSession> FrmDiag::takeSession() {
    return std::move(owned_);
}

void FrmDiag::buildControls() {
    lblRXType_ = NewIdentityLabel(this);

    lblDownload_->setObjectName(QStringLiteral("lblDownload"));
    zav::window::MakeStatusLine(*lblDownload_);
    lblDownload_->setWordWrap(true);
    lblDownload_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblDownload_->setMinimumHeight(kStatusLines * fontMetrics().lineSpacing());
    lblPaperCountdown_ = new QLabel(this);
    lblPaperCountdown_->setObjectName(QStringLiteral("lblPaperCountdown"));
    lblPaperCountdown_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblPaperCountdown_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000 s")));
    downloadProgress_ = new QProgressBar(this);
    downloadProgress_->setObjectName(QStringLiteral("downloadProgress"));
    downloadProgress_->setFormat(QStringLiteral("%v / %m"));
    downloadProgress_->setAccessibleName(
        QCoreApplication::translate("zav", "RAM utility download"));
    // Its room stays when it hides, so the status line above keeps its lines.
    QSizePolicy keepRoom = downloadProgress_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    downloadProgress_->setSizePolicy(keepRoom);

    lvSensor_ = zav::window::NewList("lvSensor", this);
    lvMotor_ = zav::window::NewList("lvMotor", this);

    bttnDIAG_ = NewButton("bttnDIAG", lang::text::kStartDiagnostic, this);
    bttnSaveCSV_ = NewButton("bttnSaveCSV", lang::text::kSave, this);
    bttnReport_ = new QPushButton(QCoreApplication::translate("zav", "Report…"), this);
    bttnReport_->setObjectName(QStringLiteral("bttnReport"));
    bttnReport_->setAccessibleName(bttnReport_->text());
    bttnOK_ = NewButton("bttnOK", lang::text::kOk, this);
    bttnCancel_ = NewButton("bttnCancel", lang::text::kCancel, this);

    // Two lists of two 2000-twip columns side by side, the identity above.
    auto* lists = new QHBoxLayout;
    lists->addWidget(lvSensor_);
    lists->addWidget(lvMotor_);
    // Two 2000-twip columns, the list's frame and its scroll bar.
    const int listWidth = 2 * Pixels(2000) +
                          2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                          style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    lvSensor_->setMinimumSize(listWidth, 20 * fontMetrics().lineSpacing());
    lvMotor_->setMinimumWidth(listWidth);

    auto* status = new QHBoxLayout;
    status->addWidget(lblDownload_, 1);
    status->addWidget(lblPaperCountdown_);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bttnDIAG_);
    buttons->addWidget(bttnSaveCSV_);
    buttons->addWidget(bttnReport_);
    buttons->addStretch(1);
    buttons->addWidget(bttnOK_);
    buttons->addWidget(bttnCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblRXType_);
    layout->addLayout(lists, 1);
    layout->addLayout(status);
    layout->addWidget(downloadProgress_);
    layout->addLayout(buttons);

    // The keyboard starts at Start Diagnostic and reaches the lists last.
    zav::window::SetTabOrder(
        {bttnDIAG_, bttnSaveCSV_, bttnReport_, bttnOK_, bttnCancel_, lvSensor_, lvMotor_});
    setFocusProxy(bttnDIAG_);
}

void FrmDiag::showButtons() {
    const DiagnosticButtons enabled = session_->buttons();
    bttnDIAG_->setEnabled(enabled.start);
    bttnOK_->setEnabled(enabled.ok);
    bttnCancel_->setEnabled(enabled.cancel);
    bttnSaveCSV_->setEnabled(enabled.saveCsv);
    bttnReport_->setEnabled(enabled.saveCsv);
}

void FrmDiag::showResults() {
    const ResultsView& results = session_->results();
    ShowIdentity(lblRXType_, results);
    ShowList(lvSensor_, results.sensorColumns, results.sensorRows);
    ShowList(lvMotor_, results.motorColumns, results.motorRows);
}

void FrmDiag::showProgress() {
    const RunProgress& progress = session_->progress();
    downloadProgress_->setVisible(progress.blocksTotal > 0);
    if (progress.blocksTotal > 0) {
        downloadProgress_->setRange(0, progress.blocksTotal);
        downloadProgress_->setValue(progress.blocksSent);
    }
    lblPaperCountdown_->setVisible(progress.greenPaperSecondsLeft >= 0);
    lblPaperCountdown_->setText(QStringLiteral("%1 s").arg(progress.greenPaperSecondsLeft));
}

void FrmDiag::askSaveFile() {
    if (!session_->buttons().saveCsv) return;
    DiagnosticSession* session = session_;
    zav::window::askSaveFileName(
        this,
        {QCoreApplication::translate("zav", "Save test data"),
         {QStringLiteral("*.csv")},
         session->defaultCsvFileName(),
         zav::window::proposedFolder(LastCsvPath())},
        [this, session](const QString& path, const QString&) {
            frame_.runSessionCall([session, path] { session->saveResults(path); });
        });
}

// The service report goes where the results go, as PDF or HTML by the
// chosen filter; a report that cannot be written says why.
void FrmDiag::askReportFile() {
    if (!session_->buttons().saveCsv) return;
    DiagnosticSession* session = session_;
    const QString name = DefaultReportFileName(session->resultData().unit.UnitType,
                                               QDateTime::currentDateTime(), ReportFormat::Pdf);
    zav::window::askSaveFileName(this,
                                 {QCoreApplication::translate("zav", "Save service report"),
                                  {QStringLiteral("*.pdf"), QStringLiteral("*.html")},
                                  name,
                                  zav::window::proposedFolder(LastCsvPath())},
                                 [this, session](const QString& path, const QString&) {
                                     if (!session->buttons().saveCsv) return;
                                     QString error;
                                     if (!WriteServiceReport(session->lastRun(), path, &error)) {
                                         base::showMessage(error, base::MessageIcon::Warning);
                                     }
                                 });
}

RecordedRunView::RecordedRunView(RunRecord run, QWidget* parent)
    : QWidget(parent), run_(std::move(run)) {
    setObjectName(QStringLiteral("recordedRun"));
    auto* identity = NewIdentityLabel(this);
    ShowIdentity(identity, run_.shown);
    auto* when = new QLabel(
        QCoreApplication::translate("zav", "%1 on %2")
            .arg(run_.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), run_.hostName),
        this);
    when->setTextFormat(Qt::PlainText);
    QTreeWidget* sensors = zav::window::NewList("lvSensor", this);
    QTreeWidget* motors = zav::window::NewList("lvMotor", this);
    ShowList(sensors, run_.shown.sensorColumns, run_.shown.sensorRows);
    ShowList(motors, run_.shown.motorColumns, run_.shown.motorRows);
    QPushButton* save = NewButton("bttnSaveCSV", lang::text::kSave, this);
    auto* report = new QPushButton(QCoreApplication::translate("zav", "Report…"), this);
    report->setObjectName(QStringLiteral("bttnReport"));
    report->setAccessibleName(report->text());
    connect(save, &QPushButton::clicked, this, &RecordedRunView::askSaveFile);
    connect(report, &QPushButton::clicked, this, &RecordedRunView::askReportFile);

    auto* lists = new QHBoxLayout;
    lists->addWidget(sensors);
    lists->addWidget(motors);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(report);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(when);
    layout->addWidget(identity);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);
}

void RecordedRunView::askSaveFile() {
    zav::window::askSaveFileName(this,
                                 {QStringLiteral("Save test data"),
                                  {QStringLiteral("*.csv")},
                                  DefaultCsvFileName(run_.unit.UnitType, run_.started),
                                  zav::window::proposedFolder(LastCsvPath())},
                                 [this](const QString& path, const QString&) {
                                     SaveResultsCsv(path, run_.results(), run_.shown);
                                 });
}

void RecordedRunView::askReportFile() {
    zav::window::askSaveFileName(
        this,
        {QStringLiteral("Save service report"),
         {QStringLiteral("*.pdf"), QStringLiteral("*.html")},
         DefaultReportFileName(run_.unit.UnitType, run_.started, ReportFormat::Pdf),
         zav::window::proposedFolder(LastCsvPath())},
        [this](const QString& path, const QString&) {
            QString error;
            if (!WriteServiceReport(run_, path, &error))
                base::showMessage(error, base::MessageIcon::Warning);
        });
}

zav::window::ToolWindowFrame* openDiagnosticsWindow(zav::window::MainWindowControls& mainWindow,
                                                    std::chrono::milliseconds tickLength) {
    return zav::window::openToolWindow<FrmDiag>(mainWindow, tickLength);
}

}  // namespace zav::diag::window
