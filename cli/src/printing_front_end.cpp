#include "zav/cli/printing_front_end.h"

#include <cstdio>

#include "zav/base/product.h"

namespace zav::cli {
namespace {

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

const char* IconName(base::MessageIcon icon) {
    switch (icon) {
        case base::MessageIcon::Information:
            return "Information";
        case base::MessageIcon::Warning:
            return "Warning";
        case base::MessageIcon::Critical:
            return "Error";
        case base::MessageIcon::None:
            break;
    }
    return "Message";
}

}  // namespace

PrintingFrontEnd::PrintingFrontEnd() {
    base::setMessageSink(this);
}

PrintingFrontEnd::~PrintingFrontEnd() {
    base::setMessageSink(nullptr);
}

void PrintingFrontEnd::showMessage(const QString& title, const QString& text,
                                   base::MessageIcon icon) {
    messages_.append(text);
    QString line = QString::fromLatin1(IconName(icon)) + QStringLiteral(": ") + text;
    if (title != base::productName()) line += QStringLiteral(" (%1)").arg(title);
    Print(stderr, line);
}

void PrintingFrontEnd::setStatusText(const QString& text) {
    if (!statusShown_ || text == lastStatus_) return;
    lastStatus_ = text;
    if (!text.isEmpty()) Print(stderr, text);
}

void PrintingFrontEnd::setMousePointer(app::MousePointer) {}

void PrintLine(const QString& text) {
    Print(stdout, text);
}

void PrintError(const QString& text) {
    Print(stderr, text);
}

}  // namespace zav::cli
