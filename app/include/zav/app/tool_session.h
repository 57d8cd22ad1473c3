#pragma once
// The shape of every tool's session (diagnostics, controls, initialise):
// constructed with (port, tick, view, parent); start() runs the tool's own
// job and returns when it has ended; its window's other buttons go to
// press(); requestClose() ends it at any moment (see session_lifetime.h),
// after which isClosed() is true and closed() has been emitted. The window
// and zavdiag are two views of the same session.
#include <QObject>
#include <chrono>
#include <memory>
#include <type_traits>

#include "zav/app/session_lifetime.h"

namespace zav::app {

// The tick of every wait of the program's sessions; tests pass shorter ones.
inline constexpr std::chrono::milliseconds kProgramTick{100};

class ToolSession : public QObject {
    Q_OBJECT
  public:
    // Asks for the close; safe also during one of the session's waits,
    // which then ends at its next check and unloads without this object or
    // its view.
    ~ToolSession() override;
    ToolSession(const ToolSession&) = delete;
    ToolSession& operator=(const ToolSession&) = delete;

    // The tool's own job: a whole diagnostic, the controls' preparation, an
    // initialisation. Returns when it has ended; does nothing when it cannot
    // run now (its button disabled, the session closed).
    virtual void start() = 0;

    // The window goes away however it was closed: the session's wait in
    // progress ends at its next check, the unload (0x82, channels closed)
    // runs once, and closed() follows. Safe at any time; once only.
    void requestClose();
    bool isClosed() const;

  signals:
    // After the unload; the window drops the session now (deleteLater).
    void closed();

  protected:
    // `core` holds the session's state and its lifetime (core->lifetime());
    // a call that may wait holds a copy of it, so the core outlives a
    // session deleted during the wait.
    template <typename Core>
    ToolSession(const std::shared_ptr<Core>& core, QObject* parent)
        : ToolSession(std::shared_ptr<SessionLifetime>(core, &core->lifetime()),
                      relaySource(core.get()), parent) {}

  private:
    ToolSession(std::shared_ptr<SessionLifetime> lifetime, const QObject* core, QObject* parent);
    // The core's signals the derived session passes on; they are cut before
    // the unload in ~ToolSession, when the derived part is gone already.
    template <typename Core>
    static const QObject* relaySource(const Core* core) {
        if constexpr (std::is_base_of_v<QObject, Core>) return core;
        return nullptr;
    }

    std::shared_ptr<SessionLifetime> lifetime_;
    const QObject* core_;
};

}  // namespace zav::app
