#include "zav/base/messages.h"

#include <cstdio>

#include "zav/base/product.h"

namespace zav::base {
namespace {

class StandardErrorSink final : public MessageSink {
  public:
    void showMessage(const QString& title, const QString& text, MessageIcon) override {
        std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(),
                     text.toLocal8Bit().constData());
    }
};

StandardErrorSink defaultSink;
MessageSink* currentSink = &defaultSink;

}  // namespace

void setMessageSink(MessageSink* sink) {
    currentSink = sink ? sink : &defaultSink;
}

MessageSink& messageSink() {
    return *currentSink;
}

void showMessage(const QString& text, MessageIcon icon) {
    currentSink->showMessage(productName(), text, icon);
}

}  // namespace zav::base
