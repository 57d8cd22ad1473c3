#pragma once
// zavdiag's front end: what a window would show in message boxes and on its
// status line is printed on standard error as it happens, so standard output
// keeps the results alone.
#include <QString>
#include <QStringList>

#include "zav/app/session_view.h"
#include "zav/base/messages.h"

namespace zav::cli {

class PrintingFrontEnd final : public base::MessageSink, public app::SessionView {
  public:
    // Becomes the program's message sink while it lives.
    PrintingFrontEnd();
    ~PrintingFrontEnd() override;
    PrintingFrontEnd(const PrintingFrontEnd&) = delete;
    PrintingFrontEnd& operator=(const PrintingFrontEnd&) = delete;

    // Prints "<Icon>: <text>" (and the title when it is not the product's).
    void showMessage(const QString& title, const QString& text, base::MessageIcon icon) override;
    // Prints a status text when it differs from the last one shown; an
    // emptied status line prints nothing.
    void setStatusText(const QString& text) override;
    void setMousePointer(app::MousePointer pointer) override;
    // Whether status texts are printed from now on (they are at first).
    void showStatusLines(bool shown) { statusShown_ = shown; }

    // The message texts shown so far, in order.
    const QStringList& messages() const { return messages_; }

  private:
    QString lastStatus_;
    bool statusShown_ = true;
    QStringList messages_;
};

// Writes `text` and a line feed to standard output, in the user's locale.
void PrintLine(const QString& text = QString());
// The same on standard error.
void PrintError(const QString& text);

}  // namespace zav::cli
