#pragma once
// What the program would have shown in message boxes, recorded instead.
#include <QString>
#include <QStringList>
#include <vector>

#include "zav/base/messages.h"

namespace zav::test {

struct ShownMessage {
    QString title;
    QString text;
    base::MessageIcon icon;
};

// Records every message while it lives; it is the program's message sink
// meanwhile (the one before it comes back afterwards: the default).
class MessageRecorder : public base::MessageSink {
  public:
    MessageRecorder();
    ~MessageRecorder() override;
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    void showMessage(const QString& title, const QString& text, base::MessageIcon icon) override;

    // Each message as "<Icon>: <text>", with " [<title>]" when the title is
    // not the product name.
    QStringList lines() const;
    static QString line(const ShownMessage& message);

    std::vector<ShownMessage> messages;

  protected:
    // Called after each message is recorded.
    virtual void recorded(const ShownMessage&) {}
};

}  // namespace zav::test
