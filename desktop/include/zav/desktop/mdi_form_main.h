#pragma once
// MDIFormMain: the program's main window. A multiple-document frame with the
// menus File, Options, Utilities and Help, the toolbar Toolbar1 with the
// Diagnostics and Controls buttons (the same QActions as their menu
// entries), and a status bar that says when the unit is simulated. Tool
// windows open inside it, one at a time, through the factories the program
// registers; the dialogs (port options, language, About) open modally
// without blocking the caller.
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "zav/lang/startup_language.h"
#include "zav/window/main_window_controls.h"
#include "zav/window/tool_window_frame.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

namespace zav::desktop {

enum class ToolKind { Diagnostics, Controls, Initialise, Programming, History };

// Builds a tool window (its frame, its content and its session) for the
// main window; null when it cannot open.
using ToolWindowFactory =
    std::function<window::ToolWindowFrame*(window::MainWindowControls& mainWindow)>;

class MDIFormMain : public QMainWindow, public window::MainWindowControls {
    Q_OBJECT
  public:
    explicit MDIFormMain(QWidget* parent = nullptr);
    ~MDIFormMain() override;

    // The start-up, in order: the stored port becomes the current port, the
    // language is chosen and loaded, then the caption, the menu captions,
    // mnuInitialise and the toolbar. False when no language module could be
    // loaded (the message has been shown): the program must end.
    bool startUp(const lang::LanguageEnvironment& environment);

    // A tool entry opens its window once a factory is set; until then the
    // entry is disabled.
    void setToolWindowFactory(ToolKind kind, ToolWindowFactory factory);

    // Shows `text` in the status bar for the whole run (the simulated unit).
    void showRunNotice(const QString& text);

    // The settings as start-up read them, and the language it loaded.
    const QString& countryCode() const { return CountryCode; }
    int countryCodeOption() const { return CountryCodeOption; }
    const QString& languageCode() const { return languageCode_; }
    // The user's language identifier as start-up read it ("C0A").
    const QString& userLanguageId() const { return userLanguageId_; }

    // The tool window that is open, or null.
    window::ToolWindowFrame* toolWindow() const { return toolWindow_; }
    // Closes the open tool window, if any, and returns once it is gone and
    // its session has unloaded the unit; the event loop runs meanwhile.
    void closeToolWindowAndWait();

    void setMainMenusEnabled(bool enabled) override;
    void setToolbarEnabled(bool enabled) override;

  signals:
    // The main window has closed: the program ends now.
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    void buildToolbar();
    void setCaptions();
    QAction* addAction(QMenu* menu, const char* name);
    void openToolWindow(ToolKind kind);
    void toolWindowFinished();
    void openSerialPort();
    void openLanguage();
    void openHelp();
    void openAbout();
    void openDialog(QWidget* dialog);

    QMdiArea* mdiArea_;
    QMenu* mnuFile_;
    QMenu* mnuOptions_;
    QMenu* mnuUtilities_;
    QMenu* mnuHelp_;
    QAction* mnuFileExit_;
    QAction* mnuSerialPort_;
    QAction* mnuLang_;
    QAction* mnuDiagnostics_;
    QAction* mnuControls_;
    QAction* mnuInitialise_;
    QAction* mnuProgram_;  // Program Download...
    QAction* mnuHistory_;
    QAction* mnuContent_;
    QAction* mnuAbout_;
    QToolBar* Toolbar1_;
    QLabel* runNotice_;
    QPointer<QWidget> helpWindow_;

    ToolWindowFactory factories_[5];
    QPointer<window::ToolWindowFrame> toolWindow_;
    bool exitPending_ = false;

    // Start-up's members, named as the program's settings.
    QString CountryCode;
    int CountryCodeOption = 0;
    QString userLanguageId_;
    QString languageCode_;
};

}  // namespace zav::desktop
