#pragma once
// User messages: message boxes titled with the product name. The front end
// in use (a window, the command line, a test) supplies the sink; the core
// never includes a widget header and never blocks in a modal dialog itself.
#include <QString>

namespace zav::base {

enum class MessageIcon { None, Information, Warning, Critical };

class MessageSink {
  public:
    virtual ~MessageSink() = default;
    virtual void showMessage(const QString& title, const QString& text, MessageIcon icon) = 0;
};

// The program-wide sink. Until a front end sets one, messages go to standard
// error as "<title>: <text>". Passing nullptr restores that default.
void setMessageSink(MessageSink* sink);
MessageSink& messageSink();

// A message box titled with the product name.
void showMessage(const QString& text, MessageIcon icon = MessageIcon::Warning);

}  // namespace zav::base
