#pragma once
// While it lives, a message repeated word for word reaches the program's
// message sink only the first time.
#include <QStringList>

#include "zav/base/messages.h"

namespace zav::lang::window {

class MessageOnce final : public base::MessageSink {
  public:
    MessageOnce();
    ~MessageOnce() override;  // the sink before it is back
    MessageOnce(const MessageOnce&) = delete;
    MessageOnce& operator=(const MessageOnce&) = delete;

    void showMessage(const QString& title, const QString& text, base::MessageIcon icon) override;

  private:
    base::MessageSink& next_;
    QStringList shown_;
};

}  // namespace zav::lang::window
