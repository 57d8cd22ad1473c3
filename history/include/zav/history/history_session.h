#pragma once
// The History window without the window: the list of runs (a model that
// reads the history a page at a time as the view scrolls), its filters,
// one run read back whole, and one sensor's readings across a serial
// number's runs. Runs on the user-interface thread.
#include <QAbstractTableModel>
#include <memory>
#include <optional>
#include <vector>

#include "zav/app/session_view.h"
#include "zav/app/tool_session.h"
#include "zav/history/history.h"

namespace zav::history {

// The runs a filter picks, newest first, fetched a page at a time.
class HistoryListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Time, ToolColumn, Type, Serial, Firmware, Verdict, Simulated, ColumnCount };
    static constexpr int kPage = 200;

    explicit HistoryListModel(QObject* parent = nullptr);

    // Lists `filter`'s runs of `history` (nullptr: none) from the newest.
    void reset(History* history, const RunFilter& filter);
    // The run on `row`, or nullptr.
    const RunSummary* run(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    History* history_ = nullptr;
    RunFilter filter_;
    std::vector<RunSummary> runs_;
    bool more_ = false;
};

class HistorySessionCore;

class HistorySession : public app::ToolSession {
    Q_OBJECT
  public:
    explicit HistorySession(app::SessionView& view, QObject* parent = nullptr);

    // Opens the history the program uses and lists its newest runs; a
    // history that cannot be opened is said on the status line.
    void start() override;
    // Lists the runs `filter` picks (its limit is the model's page).
    void setFilter(const RunFilter& filter);
    HistoryListModel& model();
    // Run `id` whole, or nothing (and why on the status line).
    std::optional<HistoryRun> load(std::int64_t id);
    std::vector<QString> sensorNames(const QString& serial);
    std::vector<TrendPoint> trend(const QString& serial, const QString& sensor);
    // Where the history is, as messages show it.
    QString where() const;

  private:
    HistorySession(std::shared_ptr<HistorySessionCore> core, QObject* parent);
    std::shared_ptr<HistorySessionCore> core_;
};

}  // namespace zav::history
