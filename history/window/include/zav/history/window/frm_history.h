#pragma once
// The History window: a thin widget over a HistorySession. Filters above
// the list of runs, a run opened read-only in the diagnostics results view
// (made by the factory the desktop program hands in), and the trend of one
// sensor across the selected unit's runs.
#include <QWidget>
#include <functional>
#include <memory>

#include "zav/diag/run_record.h"
#include "zav/history/history_session.h"
#include "zav/window/status_line_view.h"
#include "zav/window/tool_window_frame.h"

class QComboBox;
class QDateEdit;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace zav::history::window {

class TrendChart;

// Makes the read-only view of a recorded diagnostic run.
using RunViewFactory = std::function<QWidget*(const diag::RunRecord& run, QWidget* parent)>;

class FrmHistory : public QWidget {
    Q_OBJECT
  public:
    FrmHistory(zav::window::ToolWindowFrame& frame, RunViewFactory makeRunView);
    ~FrmHistory() override;

    HistorySession& session() { return *session_; }
    std::unique_ptr<app::ToolSession> takeSession();
    // Opens the run on `row` of the list; false when it cannot be read.
    bool openRun(int row);

  private:
    void buildControls();
    void applyFilter();
    void showTrend();
    void selectedRunChanged();

    zav::window::ToolWindowFrame& frame_;
    RunViewFactory makeRunView_;
    QStackedWidget* pages_;
    QLineEdit* serial_;
    QLineEdit* type_;
    QComboBox* verdict_;
    QCheckBox* fromOn_;
    QDateEdit* from_;
    QCheckBox* toOn_;
    QDateEdit* to_;
    QTableView* table_;
    QComboBox* sensor_;
    QLabel* trendCaption_;
    TrendChart* chart_;
    QPushButton* open_;
    QWidget* runPage_;
    QWidget* runView_ = nullptr;
    QLabel* status_;
    QString trendSerial_;
    zav::window::StatusLineView view_;
    std::unique_ptr<HistorySession> owned_;
    HistorySession* session_;
};

// The History window as an MDI child of the main window.
zav::window::ToolWindowFrame* openHistoryWindow(zav::window::MainWindowControls& mainWindow,
                                                RunViewFactory makeRunView);

}  // namespace zav::history::window
