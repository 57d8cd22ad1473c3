#pragma once
// Polling the live reading of one sensor through the RAM utility: on every
// tick one request byte goes out and at most one queued byte is taken as the
// reading, so a tick never blocks. No acknowledge is expected.
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <optional>

namespace zav::controls {

// The request byte for the sensor at list position `position` (from 1) of a
// unit type: 0xC0 OR (position - 1) on TM3, TM4, TM5, TM6 and RX8, and on
// RX3 and RX5 except 0xB3 for position 17. Nothing (nullopt) for other unit
// types, for no selection (0) and for positions past 64, whose request would
// name another sensor.
std::optional<std::uint8_t> SensorPollRequest(const QString& unitType, int position);

class SensorPoll : public QObject {
    Q_OBJECT
  public:
    explicit SensorPoll(std::chrono::milliseconds interval, QObject* parent = nullptr);

    // What the next ticks ask for; takes effect from the next tick on.
    void setTarget(const QString& unitType, int position);

    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    bool isActive() const { return timer_.isActive(); }

    // One tick: sends the request byte, if the target has one, and takes one
    // byte when at least one is queued, emitting it as the reading.
    void tick();

  signals:
    void reading(std::uint8_t value);

  private:
    QTimer timer_;
    QString unitType_;
    int position_ = 0;
};

}  // namespace zav::controls
