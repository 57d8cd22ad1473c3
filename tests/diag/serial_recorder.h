#pragma once
// Records what a session does with the raw serial channel, in order, while
// the real serial library still does the work: "open", "send XX" for each
// byte sent, "close". Installed while it lives; one at a time.
#include <QStringList>

#include "zav/app/serial_api.h"

namespace zav::test {

class SerialRecorder {
  public:
    SerialRecorder();
    ~SerialRecorder();
    SerialRecorder(const SerialRecorder&) = delete;
    SerialRecorder& operator=(const SerialRecorder&) = delete;

    const QStringList& calls() const;
    // How often `byte` was sent.
    int sent(std::uint8_t byte) const;
    // Calls after the last "send 82" ("close" is the one expected).
    QStringList callsAfterLeave() const;
    void clear();

  private:
    app::SerialApi api_;
};

}  // namespace zav::test
