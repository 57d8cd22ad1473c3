#include "zav/controls/window/frm_rx_init_status.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/window/icons.h"
#include "zav/window/tool_window_parts.h"

namespace zav::controls::window {
namespace {

using zav::window::NewButton;
using zav::window::Pixels;
using zav::window::PlaceToolWindow;

constexpr int kTextStart = 21;

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
    lv1_ = new QTreeWidget(this);
    lv1_->setObjectName(QStringLiteral("lv1"));
    lv1_->setRootIsDecorated(false);
    lv1_->setSelectionMode(QAbstractItemView::NoSelection);
    lv1_->header()->setStretchLastSection(false);
    QStringList titles;
    int listWidth = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                    style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2;
    for (const Column& column : kColumns) titles << QLatin1String(column.title);
    lv1_->setHeaderLabels(titles);
    lv1_->setAccessibleName(titles.first());
    for (int i = 0; i < static_cast<int>(std::size(kColumns)); ++i) {
        const int width = Pixels(kColumns[i].widthTwips);
        lv1_->setColumnWidth(i, width);
        listWidth += width;
    }
    lv1_->setMinimumSize(listWidth, 18 * fontMetrics().lineSpacing());
    bttnInitStart_ = NewButton("bttnInitStart", kTextStart, this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bttnInitStart_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lv1_, 1);
    layout->addLayout(buttons);

    session_ = new InitialiseSession(app::CurrentPort(), tickLength, view_);
    connect(session_, &InitialiseSession::changed, this, &FrmRXInitStatus::showState);
    InitialiseSession* session = session_;
    connect(bttnInitStart_, &QPushButton::clicked, this,
            [this, session] { frame_.runSessionCall([session] { session->start(); }); });
    showState();
}

void FrmRXInitStatus::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) return;
    placed_ = true;
    PlaceToolWindow(frame_);
}

// One repaint per change of the session: the rows are rewritten in place,
// so the list keeps its scroll position during a run.
void FrmRXInitStatus::showState() {
    frame_.setWindowTitle(session_->caption());
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
        if (row.colour) {
            item->setForeground(kStatusColumn,
                                QColor(row.colour->red, row.colour->green, row.colour->blue));
        } else {
            item->setData(kStatusColumn, Qt::ForegroundRole, QVariant());
        }
    }
    lv1_->setUpdatesEnabled(true);
}

zav::window::ToolWindowFrame* openInitialiseWindow(zav::window::MainWindowControls& mainWindow,
                                                   std::chrono::milliseconds tickLength) {
    auto* frame = new zav::window::ToolWindowFrame(mainWindow);
    auto* content = new FrmRXInitStatus(*frame, tickLength);
    InitialiseSession* session = &content->session();
    frame->attachSession(
        std::unique_ptr<InitialiseSession>(session),
        {[session] { session->requestClose(); }, [session] { return session->isClosed(); }});
    frame->setWidget(content);
    frame->setWindowIcon(zav::window::programIcon());  // the main window's
    return frame;
}

}  // namespace zav::controls::window
