#pragma once
// Shared pieces of the program core's tests: the Qt application object, the
// English texts, and a front end that records what a session shows.
#include <QString>
#include <QStringList>
#include <ostream>

#include "zav/app/session_view.h"
#include "zav/test/message_recorder.h"

// Readable test failures for texts and lists of texts.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* out) {
    *out << "{\n";
    for (const QString& text : list) *out << "  \"" << text.toStdString() << "\"\n";
    *out << "}";
}

namespace zav::app::test {

// The build's program directory (ZAV_DIST_DIR), with the libraries, the
// language modules and the RAM utility images.
QString distDirectory();

// Creates the process's QCoreApplication once.
void ensureApplication();

// Loads the English language module, so texts come out as the user reads them.
void installEnglishTexts();

// All three above, and the build's program directory as the program's own,
// so the real libraries are bound: the set-up of tests that drive them.
void useBuiltProgram();

// Points the program directory at a temporary one holding a RAM-utility file
// of every model that is not a stand-in, as an installation with the maker's
// files has, for tests whose stand-in link library never reads the file.
// Returns that directory.
QString useMakersRamUtilityFiles();

// Records every message box, status line and pointer change, in order, as
// "message " and the message's line (MessageRecorder::line), "status:
// <text>" and "pointer: Arrow|Hourglass". The message sink while it lives.
class RecordingFrontEnd final : public zav::test::MessageRecorder, public SessionView {
  public:
    void setStatusText(const QString& text) override;
    void setMousePointer(MousePointer pointer) override;

    QStringList events;
    QStringList messages() const;  // the message events only

  private:
    void recorded(const zav::test::ShownMessage& message) override;
};

}  // namespace zav::app::test
