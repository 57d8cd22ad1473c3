#include "fake_tool_window.h"

#include <QEventLoop>
#include <QTimer>
#include <QVBoxLayout>

namespace zav::test {

void FakeSession::waitForUnit() {
    log_ << QStringLiteral("wait begins");
    waiting_ = true;
    QEventLoop loop;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        if (closeRequested_) loop.quit();
    });
    tick.start(5);
    loop.exec();
    waiting_ = false;
    log_ << QStringLiteral("wait ends");
    unload();
}

void FakeSession::requestClose() {
    log_ << QStringLiteral("close requested");
    closeRequested_ = true;
    if (!waiting_) unload();
}

void FakeSession::unload() {
    if (closed_) return;
    closed_ = true;
    log_ << QStringLiteral("0x82 sent");
    emit closed();
}

zav::window::ToolWindowFrame* openFakeToolWindow(zav::window::MainWindowControls& main,
                                                 QStringList& log) {
    auto* frame = new zav::window::ToolWindowFrame(main);
    auto owned = std::make_unique<FakeSession>(log);
    FakeSession* session = owned.get();
    frame->attachSession(std::move(owned), {[session] { session->requestClose(); },
                                            [session] { return session->isClosed(); }});
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
