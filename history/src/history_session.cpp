#include "zav/history/history_session.h"

#include <QCoreApplication>

#include "zav/app/session_lifetime.h"
#include "zav/app/tick_clock.h"

namespace zav::history {

HistoryListModel::HistoryListModel(QObject* parent) : QAbstractTableModel(parent) {}

void HistoryListModel::reset(History* history, const RunFilter& filter) {
    beginResetModel();
    history_ = history;
    filter_ = filter;
    filter_.limit = kPage;
    filter_.before.reset();
    runs_.clear();
    more_ = history_ != nullptr;
    endResetModel();
    if (more_) fetchMore({});
}

const RunSummary* HistoryListModel::run(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= runs_.size()) return nullptr;
    return &runs_[static_cast<std::size_t>(row)];
}

int HistoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(runs_.size());
}

int HistoryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant HistoryListModel::data(const QModelIndex& index, int role) const {
    const RunSummary* line = run(index.row());
    if (!line || role != Qt::DisplayRole) return {};
    switch (index.column()) {
        case Time:
            return line->time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case ToolColumn:
            return line->tool == Tool::Initialise
                       ? QCoreApplication::translate("zav", "Initialisation")
                       : QCoreApplication::translate("zav", "Diagnostic");
        case Type:
            return line->unitType;
        case Serial:
            return line->serial;
        case Firmware:
            return line->firmware;
        case Verdict:
            return line->verdict;
        case Simulated:
            return line->simulated ? QCoreApplication::translate("zav", "simulated") : QString();
        default:
            return {};
    }
}

QVariant HistoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case Time:
            return QCoreApplication::translate("zav", "Time");
        case ToolColumn:
            return QCoreApplication::translate("zav", "Tool");
        case Type:
            return QCoreApplication::translate("zav", "Type");
        case Serial:
            return QCoreApplication::translate("zav", "Serial number");
        case Firmware:
            return QCoreApplication::translate("zav", "Firmware");
        case Verdict:
            return QCoreApplication::translate("zav", "Verdict");
        case Simulated:
            return QCoreApplication::translate("zav", "Simulated");
        default:
            return {};
    }
}

bool HistoryListModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && more_;
}

void HistoryListModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || !more_ || !history_) return;
    QString error;
    const auto page = history_->List(filter_, &error);
    if (!page || page->empty()) {
        more_ = false;
        return;
    }
    more_ = page->size() == static_cast<std::size_t>(kPage);
    filter_.before = RunFilter::Cursor{page->back().time, page->back().id};
    const int first = static_cast<int>(runs_.size());
    beginInsertRows({}, first, first + static_cast<int>(page->size()) - 1);
    runs_.insert(runs_.end(), page->begin(), page->end());
    endInsertRows();
}

class HistorySessionCore : public QObject {
  public:
    explicit HistorySessionCore(app::SessionView& view)
        : clock_(app::kProgramTick), lifetime_(clock_, view, [this] { unload(); }) {}

    app::SessionLifetime& lifetime() { return lifetime_; }

    void start() {
        if (lifetime_.closing()) return;
        QString error;
        if (!ChosenLocation(&location_, &error)) lifetime_.view().setStatusText(error);
        history_ = History::Open(location_, &error);
        lifetime_.view().setStatusText(
            history_
                ? location_.shown
                : QCoreApplication::translate("zav", "The service history %1 cannot be read: %2")
                      .arg(location_.shown, error));
        model_.reset(history_.get(), filter_);
    }
    void setFilter(const RunFilter& filter) {
        filter_ = filter;
        model_.reset(history_.get(), filter_);
    }
    std::optional<HistoryRun> load(std::int64_t id) {
        if (!history_) return std::nullopt;
        QString error;
        auto run = history_->Load(id, &error);
        if (!run)
            lifetime_.view().setStatusText(
                QCoreApplication::translate("zav", "The run cannot be read: %1").arg(error));
        return run;
    }

    HistoryListModel model_;
    std::unique_ptr<History> history_;
    Location location_;
    RunFilter filter_;

  private:
    void unload() {
        model_.reset(nullptr, filter_);
        history_.reset();
    }

    app::TickClock clock_;
    app::SessionLifetime lifetime_;
};

HistorySession::HistorySession(app::SessionView& view, QObject* parent)
    : HistorySession(std::make_shared<HistorySessionCore>(view), parent) {}

HistorySession::HistorySession(std::shared_ptr<HistorySessionCore> core, QObject* parent)
    : app::ToolSession(core, parent), core_(std::move(core)) {}

void HistorySession::start() {
    core_->start();
}

void HistorySession::setFilter(const RunFilter& filter) {
    core_->setFilter(filter);
}

HistoryListModel& HistorySession::model() {
    return core_->model_;
}

std::optional<HistoryRun> HistorySession::load(std::int64_t id) {
    return core_->load(id);
}

std::vector<QString> HistorySession::sensorNames(const QString& serial) {
    QString error;
    return core_->history_ ? core_->history_->SensorNames(serial, &error) : std::vector<QString>{};
}

std::vector<TrendPoint> HistorySession::trend(const QString& serial, const QString& sensor) {
    QString error;
    return core_->history_ ? core_->history_->SensorTrend(serial, sensor, &error)
                           : std::vector<TrendPoint>{};
}

QString HistorySession::where() const {
    return core_->location_.shown;
}

}  // namespace zav::history
