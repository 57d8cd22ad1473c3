#pragma once
// What the targets over the program core share: a QCoreApplication for the
// sessions' event loops, and a message sink and session view that swallow
// everything, so a run prints nothing but the fuzzer's own lines.
#include <QCoreApplication>

#include "zav/app/session_view.h"
#include "zav/base/messages.h"

namespace zav::fuzz {

class SilentFrontEnd : public base::MessageSink, public app::SessionView {
  public:
    void showMessage(const QString&, const QString&, base::MessageIcon) override {}
    void setStatusText(const QString&) override {}
    void setMousePointer(app::MousePointer) override {}
};

// Creates the application object once and installs the silent sink.
inline SilentFrontEnd& StartQtCore() {
    static int argc = 1;
    static char name[] = "zav_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static SilentFrontEnd frontEnd;
    base::setMessageSink(&frontEnd);
    return frontEnd;
}

}  // namespace zav::fuzz
