#include "zav/controls/window/frm_rx_init_status.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/history/recording.h"
#include "zav/lang/text_ids.h"
#include "zav/window/icons.h"
#include "zav/window/results_list.h"
#include "zav/window/tool_window_parts.h"

namespace zav::controls::window {
namespace {

using zav::window::NewButton;

// The list's columns: literal titles, not translated.
struct Column {
    const char* title;
    int widthTwips;
};
constexpr Column kColumns[] = {
    {"Sensor", 1500}, {"Calibration Status", 2100}, {"Gain 1", 800}, {"Gain 2", 800}};
constexpr int kStatusColumn = 1;

}  // namespace

FrmRXInitStatus::FrmRXInitStatus(zav::window::ToolWindowFrame& frame,
                                 std::chrono::milliseconds tickLength)
    : QWidget(&frame), frame_(frame), view_(nullptr) {
    setObjectName(QStringLiteral("frmRXInitStatus"));
    lv1_ = zav::window::NewList("lv1", this);
    std::vector<zav::window::ListColumn> columns;
    for (const Column& column : kColumns) {
        columns.push_back({QLatin1String(column.title), column.widthTwips});
    }
    const int listWidth = zav::window::SetListColumns(*lv1_, columns);
    lv1_->setMinimumSize(listWidth, 18 * fontMetrics().lineSpacing());
    bttnInitStart_ = NewButton("bttnInitStart", lang::text::kStart, this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bttnInitStart_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lv1_, 1);
    layout->addLayout(buttons);

    owned_ = std::make_unique<InitialiseSession>(app::CurrentPort(), tickLength, view_);
    session_ = owned_.get();
    connect(session_, &InitialiseSession::changed, this, &FrmRXInitStatus::showState);
    InitialiseSession* session = session_;
    connect(bttnInitStart_, &QPushButton::clicked, this, [this, session] {
        frame_.runSessionCall([session] {
            session->start();
            history::RecordRunInBackground(history::FromInitialisation(*session));
        });
    });
    frame_.setWindowIcon(zav::window::programIcon());  // the main window's
    showState();
}

FrmRXInitStatus::~FrmRXInitStatus() = default;

std::unique_ptr<app::ToolSession> FrmRXInitStatus::takeSession() {
    return std::move(owned_);
}

// One repaint per change of the session: the rows are rewritten in place,
// so the list keeps its scroll position during a run.
void FrmRXInitStatus::showState() {
    frame_.setTitle(session_->caption());
    bttnInitStart_->setEnabled(session_->startEnabled());
    const std::vector<SensorStatusRow>& rows = session_->rows();
    const int count = static_cast<int>(rows.size());
    lv1_->setUpdatesEnabled(false);
    while (lv1_->topLevelItemCount() > count) delete lv1_->takeTopLevelItem(count);
    while (lv1_->topLevelItemCount() < count) new QTreeWidgetItem(lv1_);
    for (int i = 0; i < count; ++i) {
        const SensorStatusRow& row = rows[static_cast<std::size_t>(i)];
        QTreeWidgetItem* item = lv1_->topLevelItem(i);
        item->setText(0, row.sensor);
        item->setText(kStatusColumn, row.status);
        item->setText(2, row.gain1);
        item->setText(3, row.gain2);
        zav::window::SetCellSwatch(*item, kStatusColumn,
                                   row.colour
                                       ? std::optional<QColor>(QColor(
                                             row.colour->red, row.colour->green, row.colour->blue))
                                       : std::nullopt);
    }
    // Whole names and statuses, the window growing with the columns, and as
    // many rows in sight as the main window has room for.
    const int grown = zav::window::FitColumnToContents(*lv1_, 0) +
                      zav::window::FitColumnToContents(*lv1_, kStatusColumn);
    if (grown > 0) lv1_->setMinimumWidth(lv1_->minimumWidth() + grown);
    const bool taller = showRows(count);
    if ((grown > 0 || taller) && frame_.widget() == this) frame_.adjustSize();
    lv1_->setUpdatesEnabled(true);
    // A sensor whose calibration failed is in sight without scrolling by hand.
    const auto failed = std::find_if(rows.begin(), rows.end(),
                                     [](const SensorStatusRow& row) { return row.failed; });
    if (failed != rows.end()) {
        lv1_->scrollToItem(lv1_->topLevelItem(static_cast<int>(failed - rows.begin())));
    }
}

// Makes the list tall enough for `count` rows, within the room the main
// window's area leaves below the window's place. True when it grew.
bool FrmRXInitStatus::showRows(int count) {
    if (count == 0) return false;
    const int rowHeight = lv1_->sizeHintForRow(0);
    if (rowHeight <= 0) return false;
    int wanted = lv1_->header()->sizeHint().height() + count * rowHeight + 2 * lv1_->frameWidth();
    if (const QWidget* area = frame_.parentWidget()) {
        // The frame's title, the Start button and the margins around them.
        const int around = frame_.height() - lv1_->height();
        wanted = std::min(wanted, area->height() - frame_.y() - around);
    }
    if (wanted <= lv1_->minimumHeight()) return false;
    lv1_->setMinimumHeight(wanted);
    return true;
}

zav::window::ToolWindowFrame* openInitialiseWindow(zav::window::MainWindowControls& mainWindow,
                                                   std::chrono::milliseconds tickLength) {
    return zav::window::openToolWindow<FrmRXInitStatus>(mainWindow, tickLength);
}

}  // namespace zav::controls::window
