#include "zav/test/message_recorder.h"

#include "zav/base/product.h"

namespace zav::test {

MessageRecorder::MessageRecorder() {
    base::setMessageSink(this);
}

MessageRecorder::~MessageRecorder() {
    base::setMessageSink(nullptr);
}

void MessageRecorder::showMessage(const QString& title, const QString& text,
                                  base::MessageIcon icon) {
    messages.push_back({title, text, icon});
    recorded(messages.back());
}

QString MessageRecorder::line(const ShownMessage& message) {
    static const char* const kIcons[] = {"None", "Information", "Warning", "Critical"};
    QString line =
        QLatin1String(kIcons[static_cast<int>(message.icon)]) + QStringLiteral(": ") + message.text;
    if (message.title != base::productName()) line += QStringLiteral(" [%1]").arg(message.title);
    return line;
}

QStringList MessageRecorder::lines() const {
    QStringList lines;
    for (const ShownMessage& message : messages) lines << line(message);
    return lines;
}

}  // namespace zav::test
