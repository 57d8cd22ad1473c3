#include "zav/diag/window/frm_diag.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "zav/app/global.h"
#include "zav/base/messages.h"
#include "zav/diag/diagnostic_texts.h"
#include "zav/diag/service_report.h"
#include "zav/window/icons.h"
#include "zav/window/save_file_dialog.h"
#include "zav/window/tool_window_parts.h"

namespace zav::diag::window {
namespace {

using app::Global::LangText;
using zav::window::NewButton;
using zav::window::Pixels;
using zav::window::PlaceToolWindow;

// Room for a status text that wraps, and for the verdict's line break.
constexpr int kStatusLines = 3;

QTreeWidget* NewList(const char* name, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->header()->setStretchLastSection(false);
    return list;
}

// Rebuilds a list view as ShowResults describes it: its columns, then one
// row per item with its status in the status colour.
void ShowList(QTreeWidget* list, const std::vector<ResultListColumn>& columns,
              const std::vector<ResultListRow>& rows) {
    list->clear();
    QStringList captions;
    for (const ResultListColumn& column : columns) captions << column.caption;
    list->setColumnCount(static_cast<int>(columns.size()));
    list->setHeaderLabels(captions);
    for (int i = 0; i < static_cast<int>(columns.size()); ++i) {
        list->setColumnWidth(i, Pixels(columns[static_cast<std::size_t>(i)].widthTwips));
    }
    if (!captions.isEmpty()) list->setAccessibleName(captions.first());
    for (const ResultListRow& row : rows) {
        auto* item = new QTreeWidgetItem(list, {row.text, StatusText(row.status)});
        item->setData(0, Qt::UserRole, row.key);
        if (const std::optional<RgbColour> colour = StatusColour(row.status)) {
            item->setForeground(1, QColor(colour->red, colour->green, colour->blue));
        }
    }
}

}  // namespace

FrmDiag::FrmDiag(zav::window::ToolWindowFrame& frame, std::chrono::milliseconds tickLength)
    : QWidget(&frame), frame_(frame), lblDownload_(new QLabel(this)), view_(lblDownload_) {
    setObjectName(QStringLiteral("frmDiag"));
    buildControls();
    session_ = new DiagnosticSession(view_, tickLength);
    connect(session_, &DiagnosticSession::buttonsChanged, this, &FrmDiag::showButtons);
    connect(session_, &DiagnosticSession::resultsChanged, this, &FrmDiag::showResults);
    connect(session_, &DiagnosticSession::progressChanged, this, &FrmDiag::showProgress);

    DiagnosticSession* session = session_;
    connect(bttnDIAG_, &QPushButton::clicked, this, [this, session] {
        runStart_ = QDateTime::currentDateTime();
        frame_.runSessionCall([session] { session->StartDiagnostic(); });
    });
    connect(bttnOK_, &QPushButton::clicked, this,
            [this, session] { frame_.runSessionCall([session] { session->Ok(); }); });
    connect(bttnCancel_, &QPushButton::clicked, this,
            [this, session] { frame_.runSessionCall([session] { session->Cancel(); }); });
    connect(bttnSaveCSV_, &QPushButton::clicked, this, &FrmDiag::askSaveFile);
    connect(bttnReport_, &QPushButton::clicked, this, &FrmDiag::askReportFile);

    showButtons();
    showResults();
    showProgress();
}

void FrmDiag::buildControls() {
    lblRXType_ = new QLabel(this);
    lblRXType_->setObjectName(QStringLiteral("lblRXType"));
    lblRXType_->setTextFormat(Qt::PlainText);
    lblRXType_->setMinimumHeight(4 * fontMetrics().lineSpacing());
    lblRXType_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblDownload_->setObjectName(QStringLiteral("lblDownload"));
    lblDownload_->setTextFormat(Qt::PlainText);
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

    lvSensor_ = NewList("lvSensor", this);
    lvMotor_ = NewList("lvMotor", this);

    bttnDIAG_ = NewButton("bttnDIAG", text::kStartDiagnostic, this);
    bttnSaveCSV_ = NewButton("bttnSaveCSV", text::kSaveCsv, this);
    bttnReport_ = new QPushButton(QString::fromUtf8("Report\u2026"), this);
    bttnReport_->setObjectName(QStringLiteral("bttnReport"));
    bttnReport_->setAccessibleName(bttnReport_->text());
    bttnOK_ = NewButton("bttnOK", text::kOk, this);
    bttnCancel_ = NewButton("bttnCancel", text::kCancel, this);

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
}

// The main window's area places a new child where it likes; the window
// goes where it belongs once it shows.
void FrmDiag::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    PlaceToolWindow(frame_);
}

void FrmDiag::showButtons() {
    const DiagnosticButtons enabled = session_->Buttons();
    bttnDIAG_->setEnabled(enabled.start);
    bttnOK_->setEnabled(enabled.ok);
    bttnCancel_->setEnabled(enabled.cancel);
    bttnSaveCSV_->setEnabled(enabled.saveCsv);
    bttnReport_->setEnabled(enabled.saveCsv);
}

void FrmDiag::showResults() {
    const ResultsView& results = session_->Results();
    QString identity = results.identityText;
    identity.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lblRXType_->setText(identity);
    ShowList(lvSensor_, results.sensorColumns, results.sensorRows);
    ShowList(lvMotor_, results.motorColumns, results.motorRows);
}

void FrmDiag::showProgress() {
    const RunProgress& progress = session_->Progress();
    downloadProgress_->setVisible(progress.blocksTotal > 0);
    if (progress.blocksTotal > 0) {
        downloadProgress_->setRange(0, progress.blocksTotal);
        downloadProgress_->setValue(progress.blocksSent);
    }
    lblPaperCountdown_->setVisible(progress.greenPaperSecondsLeft >= 0);
    lblPaperCountdown_->setText(QStringLiteral("%1 s").arg(progress.greenPaperSecondsLeft));
}

void FrmDiag::askSaveFile() {
    if (!session_->Buttons().saveCsv) return;
    DiagnosticSession* session = session_;
    zav::window::askSaveFileName(
        this,
        {QStringLiteral("Save test data"),
         {QStringLiteral("*.csv")},
         session->DefaultCsvFileName(),
         zav::window::folderOf(LastCsvPath())},
        [this, session](const QString& path, const QString&) {
            frame_.runSessionCall([session, path] { session->SaveResultsCsv(path); });
        });
}

// The service report goes where the results go, as PDF or HTML by the
// chosen filter; a report that cannot be written says why.
void FrmDiag::askReportFile() {
    if (!session_->Buttons().saveCsv) return;
    DiagnosticSession* session = session_;
    const QString name = DefaultReportFileName(session->ResultData().unit.UnitType,
                                               QDateTime::currentDateTime(), ReportFormat::Pdf);
    zav::window::askSaveFileName(
        this,
        {QStringLiteral("Save service report"),
         {QStringLiteral("*.pdf"), QStringLiteral("*.html")},
         name,
         zav::window::folderOf(LastCsvPath())},
        [this, session](const QString& path, const QString&) {
            if (!session->Buttons().saveCsv) return;
            QString error;
            if (!WriteServiceReport(ServiceReportOf(*session, runStart_), path, &error)) {
                base::showMessage(error, base::MessageIcon::Warning);
            }
        });
}

zav::window::ToolWindowFrame* openDiagnosticsWindow(zav::window::MainWindowControls& mainWindow,
                                                    std::chrono::milliseconds tickLength) {
    auto* frame = new zav::window::ToolWindowFrame(mainWindow);
    auto* content = new FrmDiag(*frame, tickLength);
    DiagnosticSession* session = &content->session();
    frame->attachSession(
        std::unique_ptr<DiagnosticSession>(session),
        {[session] { session->requestClose(); }, [session] { return session->IsClosed(); }});
    frame->setWidget(content);
    frame->setWindowTitle(LangText(text::kWindowTitle));
    frame->setWindowIcon(zav::window::diagnosticsIcon());
    return frame;
}

}  // namespace zav::diag::window
