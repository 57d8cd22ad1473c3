#include "zav/cli/printing_front_end.h"

#include <cstdio>

#include "zav/app/product.h"

namespace zav::cli {
namespace {

void Print(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
    std::fflush(stream);
}

const char* IconName(app::MessageIcon icon) {
    switch (icon) {
        case app::MessageIcon::Information:
            return "Information";
        case app::MessageIcon::Warning:
            return "Warning";
        case app::MessageIcon::Critical:
            return "Error";
        case app::MessageIcon::None:
            break;
    }
    return "Message";
}

}  // namespace

PrintingFrontEnd::PrintingFrontEnd() {
    app::setMessageSink(this);
}

PrintingFrontEnd::~PrintingFrontEnd() {
    app::setMessageSink(nullptr);
}

void PrintingFrontEnd::showMessage(const QString& title, const QString& text,
                                   app::MessageIcon icon) {
    messages_.append(text);
    QString line = QString::fromLatin1(IconName(icon)) + QStringLiteral(": ") + text;
    if (title != app::productName()) line += QStringLiteral(" (%1)").arg(title);
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
