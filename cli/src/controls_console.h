#pragma once
// The engineer's console over a prepared controls session: one command a
// line from standard input (typed or scripted), refusals as clear lines, the
// live reading as a bar and a number while a sensor is polled.
#include <QEventLoop>
#include <QFile>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <memory>

#include "zav/controls/controls_session.h"

namespace zav::cli {

class ControlsConsole {
  public:
    explicit ControlsConsole(controls::ControlsSession& session);
    ControlsConsole(const ControlsConsole&) = delete;
    ControlsConsole& operator=(const ControlsConsole&) = delete;

    // Takes commands until "quit" or the end of the input; the session is
    // closed then.
    void run();

    // Closes the session and ends run(), also from within a command's wait.
    void stop();

    // Carries out one command line, printing its outcome.
    void execute(const QString& line);

    // The commands, for the engineer.
    static QStringList help();

  private:
    void readLine();
    void press(controls::Control control, const QString& what);
    void poll(const QString& sensor);
    void wait(const QString& seconds);
    void showReading();

    controls::ControlsSession& session_;
    QFile input_;
    std::unique_ptr<QSocketNotifier> notifier_;
    QEventLoop loop_;
    QEventLoop* pause_ = nullptr;  // the running "wait", if any
    QString shownReading_;
};

}  // namespace zav::cli
