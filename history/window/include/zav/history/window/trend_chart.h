#pragma once
// One sensor's readings across a unit's runs, oldest on the left: each
// test's reading against its lower and upper limit, a failed reading
// marked in red, as the service report draws its charts.
#include <QWidget>
#include <vector>

#include "zav/history/history.h"

namespace zav::history::window {

class TrendChart : public QWidget {
    Q_OBJECT
  public:
    explicit TrendChart(QWidget* parent = nullptr);
    void setPoints(std::vector<TrendPoint> points);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<TrendPoint> points_;
};

}  // namespace zav::history::window
