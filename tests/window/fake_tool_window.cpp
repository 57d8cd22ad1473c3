#include "fake_tool_window.h"

#include <QVBoxLayout>
#include <chrono>

#include "zav/app/event_wait.h"
#include "zav/app/session_view.h"

namespace zav::test {

// The session's state, on the program's own lifetime machinery: a close
// asked for during the wait ends it at its next check, and the unload runs
// once it has unwound.
class FakeSessionCore final : public app::SessionView {
  public:
    explicit FakeSessionCore(QStringList& log)
        : log_(log),
          clock_(std::chrono::milliseconds(5)),
          lifetime_(clock_, *this, [this] { log_ << QStringLiteral("0x82 sent"); }) {
        QObject::connect(&clock_, &app::TickClock::changed, [this] {
            if (lifetime_.closing() && !closeLogged_) {
                closeLogged_ = true;
                log_ << QStringLiteral("close requested");
            }
        });
    }

    void waitForUnit() {
        const app::SessionLifetime::Busy busy(lifetime_);
        log_ << QStringLiteral("wait begins");
        app::EventWait(clock_).until([this] { return lifetime_.closing(); });
        log_ << QStringLiteral("wait ends");
    }

    app::SessionLifetime& lifetime() { return lifetime_; }
    void setStatusText(const QString&) override {}
    void setMousePointer(app::MousePointer) override {}

  private:
    QStringList& log_;
    app::TickClock clock_;
    app::SessionLifetime lifetime_;
    bool closeLogged_ = false;
};

FakeSession::FakeSession(QStringList& log)
    : FakeSession(std::make_shared<FakeSessionCore>(log), log) {}

FakeSession::FakeSession(std::shared_ptr<FakeSessionCore> core, QStringList& log)
    : ToolSession(core, nullptr), core_(std::move(core)), log_(log) {}

FakeSession::~FakeSession() {
    log_ << QStringLiteral("session deleted");
}

void FakeSession::waitForUnit() {
    const auto core = core_;
    core->waitForUnit();
}

zav::window::ToolWindowFrame* openFakeToolWindow(zav::window::MainWindowControls& main,
                                                 QStringList& log) {
    auto* frame = new zav::window::ToolWindowFrame(main);
    auto owned = std::make_unique<FakeSession>(log);
    FakeSession* session = owned.get();
    frame->attachSession(std::move(owned));
    auto* content = new QWidget;
    auto* ok = new QPushButton(QStringLiteral("OK"), content);
    ok->setObjectName(QStringLiteral("bttnOK"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), content);
    cancel->setObjectName(QStringLiteral("bttnCancel"));
    auto* wait = new QPushButton(QStringLiteral("Wait"), content);
    wait->setObjectName(QStringLiteral("bttnWait"));
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(ok);
    layout->addWidget(cancel);
    layout->addWidget(wait);
    frame->setWidget(content);
    QObject::connect(ok, &QPushButton::clicked, frame,
                     [frame, session] { frame->runSessionCall([session] { session->ok(); }); });
    QObject::connect(cancel, &QPushButton::clicked, frame, &QWidget::close);
    QObject::connect(wait, &QPushButton::clicked, frame, [frame, session] {
        frame->runSessionCall([session] { session->waitForUnit(); });
    });
    return frame;
}

}  // namespace zav::test
