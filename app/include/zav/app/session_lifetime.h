#pragma once
// How every tool session ends. A window asks its session to close (close
// box, OK, the program ending; Ctrl-C in zavdiag) at any moment, also from
// inside one of the session's waits, and drops the session once it has
// said closed(). While the session is busy (a run, a preparation, a
// command, a link call) the close only halts the session's clock, so the
// wait in progress ends at its next check and the session sends nothing
// more; the unload then runs once the busy part has unwound. Otherwise it
// runs at once. Either way it runs exactly once, and closed() follows it.
//
// A session keeps its state in a core that the busy part holds on to, so
// even a session deleted during one of its waits is safe: deletion is
// abandon() (the view is let go, then the close is asked for) and the core
// goes away after its unload.
#include <QObject>
#include <functional>

#include "zav/app/session_view.h"
#include "zav/app/tick_clock.h"

namespace zav::app {

class SessionLifetime : public QObject {
    Q_OBJECT
  public:
    // `clock` is the clock of the session's waits; `view` gets its status
    // line and pointer until abandon(); `unload` is the session's leave
    // (0x82 on the raw channel, channels closed).
    SessionLifetime(TickClock& clock, SessionView& view, std::function<void()> unload);

    // Marks a stretch in which the session may wait. Stretches nest; a close
    // asked for meanwhile is carried out when the outermost one ends.
    class Busy {
      public:
        explicit Busy(SessionLifetime& lifetime);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

      private:
        SessionLifetime& lifetime_;
    };

    // Asks the session to end (see above). Safe at any time; once only.
    void requestClose();
    // The session's owner is going away: nothing is shown any more, and the
    // close is asked for.
    void abandon();

    bool closing() const { return closing_; }  // a close was asked for
    bool isClosed() const { return closed_; }  // the unload has run
    bool busy() const { return busyDepth_ > 0; }
    // The session's view as long as its owner is there, then nothing: hand
    // this, not the view itself, to whatever shows for the session.
    SessionView& view() { return view_; }

  signals:
    // After the unload. The window drops the session now (deleteLater).
    void closed();

  private:
    void finishClose();

    class ForwardingView final : public SessionView {
      public:
        explicit ForwardingView(SessionView& target) : target_(&target) {}
        void setStatusText(const QString& text) override;
        void setMousePointer(MousePointer pointer) override;
        SessionView* target_;  // nullptr once abandoned
    };

    TickClock& clock_;
    ForwardingView view_;
    std::function<void()> unload_;
    int busyDepth_ = 0;
    bool closing_ = false;
    bool closed_ = false;
};

}  // namespace zav::app
