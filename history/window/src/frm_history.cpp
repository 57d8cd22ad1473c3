#include "zav/history/window/frm_history.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "zav/history/window/trend_chart.h"
#include "zav/window/tool_window_parts.h"

namespace zav::history::window {
namespace {

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(text);
    return button;
}

QDateEdit* DateEdit(const char* name, QWidget* parent) {
    auto* edit = new QDateEdit(QDate::currentDate(), parent);
    edit->setObjectName(QLatin1String(name));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setEnabled(false);
    return edit;
}

}  // namespace

FrmHistory::FrmHistory(zav::window::ToolWindowFrame& frame, RunViewFactory makeRunView)
    : QWidget(&frame),
      frame_(frame),
      makeRunView_(std::move(makeRunView)),
      status_(new QLabel(this)),
      view_(status_) {
    setObjectName(QStringLiteral("frmHistory"));
    owned_ = std::make_unique<HistorySession>(view_);
    session_ = owned_.get();
    buildControls();
    frame_.setTitle(QCoreApplication::translate("zav", "History"));
    session_->start();
    table_->setModel(&session_->model());
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &FrmHistory::selectedRunChanged);
    // A new list selects its newest run once its first page is in.
    connect(&session_->model(), &QAbstractItemModel::modelReset, this,
            &FrmHistory::selectedRunChanged);
    connect(&session_->model(), &QAbstractItemModel::rowsInserted, this,
            &FrmHistory::selectedRunChanged);
    selectedRunChanged();
}

FrmHistory::~FrmHistory() = default;

std::unique_ptr<app::ToolSession> FrmHistory::takeSession() {
    return std::move(owned_);
}

void FrmHistory::buildControls() {
    pages_ = new QStackedWidget(this);
    auto* listPage = new QWidget(pages_);

    serial_ = new QLineEdit(listPage);
    serial_->setObjectName(QStringLiteral("txtSerial"));
    serial_->setAccessibleName(QCoreApplication::translate("zav", "Serial number"));
    type_ = new QLineEdit(listPage);
    type_->setObjectName(QStringLiteral("txtType"));
    type_->setAccessibleName(QCoreApplication::translate("zav", "Type"));
    verdict_ = new QComboBox(listPage);
    verdict_->setObjectName(QStringLiteral("cboVerdict"));
    verdict_->setAccessibleName(QCoreApplication::translate("zav", "Verdict"));
    verdict_->addItem(QCoreApplication::translate("zav", "All"), QString());
    verdict_->addItem(QStringLiteral("PASSED"), QStringLiteral("PASSED"));
    verdict_->addItem(QStringLiteral("FAILED"), QStringLiteral("FAILED"));
    fromOn_ = new QCheckBox(QCoreApplication::translate("zav", "From"), listPage);
    fromOn_->setObjectName(QStringLiteral("chkFrom"));
    from_ = DateEdit("dateFrom", listPage);
    toOn_ = new QCheckBox(QCoreApplication::translate("zav", "To"), listPage);
    toOn_->setObjectName(QStringLiteral("chkTo"));
    to_ = DateEdit("dateTo", listPage);
    from_->setAccessibleName(fromOn_->text());
    to_->setAccessibleName(toOn_->text());

    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QCoreApplication::translate("zav", "Serial number"), listPage));
    filters->addWidget(serial_, 2);
    filters->addWidget(new QLabel(QCoreApplication::translate("zav", "Type"), listPage));
    filters->addWidget(type_, 1);
    filters->addWidget(new QLabel(QCoreApplication::translate("zav", "Verdict"), listPage));
    filters->addWidget(verdict_);
    filters->addWidget(fromOn_);
    filters->addWidget(from_);
    filters->addWidget(toOn_);
    filters->addWidget(to_);

    table_ = new QTableView(listPage);
    table_->setObjectName(QStringLiteral("tblRuns"));
    table_->setAccessibleName(QCoreApplication::translate("zav", "Runs"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    table_->setMinimumSize(640, 220);

    trendCaption_ = new QLabel(listPage);
    sensor_ = new QComboBox(listPage);
    sensor_->setObjectName(QStringLiteral("cboSensor"));
    sensor_->setAccessibleName(QCoreApplication::translate("zav", "Sensor"));
    sensor_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    chart_ = new TrendChart(listPage);
    auto* trendLine = new QHBoxLayout;
    trendLine->addWidget(trendCaption_);
    trendLine->addWidget(sensor_);
    trendLine->addStretch(1);

    open_ = Button(QCoreApplication::translate("zav", "Open run"), "bttnOpen", listPage);
    auto* close = Button(QCoreApplication::translate("zav", "Close"), "bttnClose", listPage);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(open_);
    buttons->addStretch(1);
    buttons->addWidget(close);

    auto* listLayout = new QVBoxLayout(listPage);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addLayout(filters);
    listLayout->addWidget(table_, 3);
    listLayout->addLayout(trendLine);
    listLayout->addWidget(chart_, 2);
    listLayout->addLayout(buttons);
    pages_->addWidget(listPage);

    runPage_ = new QWidget(pages_);
    auto* back =
        Button(QCoreApplication::translate("zav", "Back to the list"), "bttnBack", runPage_);
    auto* runLayout = new QVBoxLayout(runPage_);
    runLayout->setContentsMargins(0, 0, 0, 0);
    auto* backLine = new QHBoxLayout;
    backLine->addWidget(back);
    backLine->addStretch(1);
    runLayout->addLayout(backLine);
    pages_->addWidget(runPage_);

    zav::window::MakeStatusLine(*status_);
    status_->setObjectName(QStringLiteral("lblStatus"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addWidget(status_);

    for (QLineEdit* edit : {serial_, type_})
        connect(edit, &QLineEdit::editingFinished, this, &FrmHistory::applyFilter);
    connect(verdict_, &QComboBox::currentIndexChanged, this, &FrmHistory::applyFilter);
    connect(fromOn_, &QCheckBox::toggled, from_, &QWidget::setEnabled);
    connect(toOn_, &QCheckBox::toggled, to_, &QWidget::setEnabled);
    for (QCheckBox* box : {fromOn_, toOn_})
        connect(box, &QCheckBox::toggled, this, &FrmHistory::applyFilter);
    for (QDateEdit* edit : {from_, to_})
        connect(edit, &QDateEdit::dateChanged, this, &FrmHistory::applyFilter);
    connect(sensor_, &QComboBox::currentIndexChanged, this, &FrmHistory::showTrend);
    connect(open_, &QPushButton::clicked, this, [this] { openRun(table_->currentIndex().row()); });
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { openRun(index.row()); });
    connect(close, &QPushButton::clicked, &frame_, &QWidget::close);
    connect(back, &QPushButton::clicked, this, [this] {
        delete runView_;
        runView_ = nullptr;
        pages_->setCurrentIndex(0);
    });
}

void FrmHistory::applyFilter() {
    RunFilter filter;
    filter.serial = serial_->text().trimmed();
    filter.unitType = type_->text().trimmed();
    filter.verdict = verdict_->currentData().toString();
    if (fromOn_->isChecked()) filter.since = from_->date().startOfDay();
    if (toOn_->isChecked()) filter.until = to_->date().addDays(1).startOfDay();
    session_->setFilter(filter);
}

bool FrmHistory::openRun(int row) {
    const RunSummary* line = session_->model().run(row);
    if (!line || line->tool != Tool::Diagnostic || !makeRunView_) return false;
    const auto run = session_->load(line->id);
    if (!run) return false;
    delete runView_;
    runView_ = makeRunView_(run->record, runPage_);
    runPage_->layout()->addWidget(runView_);
    pages_->setCurrentIndex(1);
    return true;
}

void FrmHistory::selectedRunChanged() {
    const RunSummary* line = session_->model().run(table_->currentIndex().row());
    if (!line && session_->model().rowCount() > 0) {
        table_->selectRow(0);
        return;
    }
    open_->setEnabled(line && line->tool == Tool::Diagnostic);
    const QString serial = line ? line->serial : QString();
    trendCaption_->setText(
        serial.isEmpty() ? QCoreApplication::translate("zav", "Trend: choose a run")
                         : QCoreApplication::translate("zav", "Trend of unit %1:").arg(serial));
    if (serial == trendSerial_) return;
    trendSerial_ = serial;
    const QString chosen = sensor_->currentText();
    const QSignalBlocker quiet(sensor_);
    sensor_->clear();
    if (!serial.isEmpty()) {
        for (const QString& name : session_->sensorNames(serial)) sensor_->addItem(name);
    }
    const int keep = sensor_->findText(chosen);
    sensor_->setCurrentIndex(keep >= 0 ? keep : 0);
    showTrend();
}

void FrmHistory::showTrend() {
    chart_->setPoints(trendSerial_.isEmpty() || sensor_->currentText().isEmpty()
                          ? std::vector<TrendPoint>{}
                          : session_->trend(trendSerial_, sensor_->currentText()));
}

zav::window::ToolWindowFrame* openHistoryWindow(zav::window::MainWindowControls& mainWindow,
                                                RunViewFactory makeRunView) {
    auto* frame = new zav::window::ToolWindowFrame(mainWindow);
    auto* content = new FrmHistory(*frame, std::move(makeRunView));
    frame->attachSession(content->takeSession());
    frame->setWidget(content);
    return frame;
}

}  // namespace zav::history::window
