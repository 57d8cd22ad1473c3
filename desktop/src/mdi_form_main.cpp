#include "zav/desktop/mdi_form_main.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "zav/about/window/frm_about.h"
#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/app/port_access_text.h"
#include "zav/desktop/frm_options.h"
#include "zav/desktop/help_window.h"
#include "zav/lang/text_ids.h"
#include "zav/lang/window/frm_lang.h"
#include "zav/version.h"
#include "zav/window/captions.h"
#include "zav/window/icons.h"
#include "zav/window/tool_window_frame.h"
#include "zav/window/tool_window_parts.h"

namespace zav::desktop {
namespace {

using app::Global::LangText;

// Menu captions by language text number.
// Caption parts and the toolbar's tool tips.

int toolIndex(ToolKind kind) {
    return static_cast<int>(kind);
}

}  // namespace

MDIFormMain::MDIFormMain(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea) {
    setObjectName(QStringLiteral("MDIFormMain"));
    setWindowIcon(window::programIcon());
    mdiArea_->setObjectName(QStringLiteral("MDIArea"));
    setCentralWidget(mdiArea_);
    buildMenus();
    buildToolbar();
    runNotice_ = new QLabel;
    runNotice_->setObjectName(QStringLiteral("lblRunNotice"));
    window::MakeStatusLine(*runNotice_);
    statusBar()->addWidget(runNotice_, 1);
    resize(800, 600);
}

MDIFormMain::~MDIFormMain() = default;

QAction* MDIFormMain::addAction(QMenu* menu, const char* name) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    return action;
}

void MDIFormMain::buildMenus() {
    mnuFile_ = menuBar()->addMenu(QString());
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuFileExit_ = addAction(mnuFile_, "mnuFileExit");
    connect(mnuFileExit_, &QAction::triggered, this, &QWidget::close);

    mnuOptions_ = menuBar()->addMenu(QString());
    mnuOptions_->setObjectName(QStringLiteral("mnuOptions"));
    mnuSerialPort_ = addAction(mnuOptions_, "mnuSerialPort");
    connect(mnuSerialPort_, &QAction::triggered, this, &MDIFormMain::openSerialPort);
    mnuLang_ = addAction(mnuOptions_, "mnuLang");
    connect(mnuLang_, &QAction::triggered, this, &MDIFormMain::openLanguage);

    mnuUtilities_ = menuBar()->addMenu(QString());
    mnuUtilities_->setObjectName(QStringLiteral("mnuUtilities"));
    mnuDiagnostics_ = addAction(mnuUtilities_, "mnuDiagnostics");
    mnuDiagnostics_->setIcon(window::diagnosticsIcon());
    connect(mnuDiagnostics_, &QAction::triggered, this,
            [this] { openToolWindow(ToolKind::Diagnostics); });
    mnuControls_ = addAction(mnuUtilities_, "mnuControls");
    mnuControls_->setIcon(window::controlsIcon());
    connect(mnuControls_, &QAction::triggered, this,
            [this] { openToolWindow(ToolKind::Controls); });
    mnuInitialise_ = addAction(mnuUtilities_, "mnuInitialise");
    connect(mnuInitialise_, &QAction::triggered, this,
            [this] { openToolWindow(ToolKind::Initialise); });
    mnuProgram_ = addAction(mnuUtilities_, "mnuProgram");
    connect(mnuProgram_, &QAction::triggered, this,
            [this] { openToolWindow(ToolKind::Programming); });
    mnuHistory_ = addAction(mnuUtilities_, "mnuHistory");
    connect(mnuHistory_, &QAction::triggered, this, [this] { openToolWindow(ToolKind::History); });
    // Until its window exists, a tool entry offers nothing.
    for (QAction* tool : {mnuDiagnostics_, mnuControls_, mnuInitialise_, mnuProgram_, mnuHistory_})
        tool->setEnabled(false);

    mnuHelp_ = menuBar()->addMenu(QString());
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    mnuContent_ = addAction(mnuHelp_, "mnuContent");
    connect(mnuContent_, &QAction::triggered, this, &MDIFormMain::openHelp);
    mnuAbout_ = addAction(mnuHelp_, "mnuAbout");
    connect(mnuAbout_, &QAction::triggered, this, &MDIFormMain::openAbout);
}

void MDIFormMain::buildToolbar() {
    Toolbar1_ = addToolBar(QString());
    Toolbar1_->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1_->setMovable(false);
    Toolbar1_->setIconSize(QSize(32, 32));
    // The buttons are the menu entries' own actions: one command each.
    Toolbar1_->addAction(mnuDiagnostics_);
    Toolbar1_->addAction(mnuControls_);
    Toolbar1_->addAction(mnuProgram_);
    Toolbar1_->setEnabled(false);
    // The overflow buttons Qt adds to the toolbar (a checkable one) and the
    // menu bar get names too.
    if (auto* more = Toolbar1_->findChild<QWidget*>(QStringLiteral("qt_toolbar_ext_button"))) {
        more->setAccessibleName(QCoreApplication::translate("zav", "More tools"));
    }
    if (auto* more = menuBar()->findChild<QWidget*>(QStringLiteral("qt_menubar_ext_button"))) {
        more->setAccessibleName(QCoreApplication::translate("zav", "More menus"));
    }
}

bool MDIFormMain::startUp(const lang::LanguageEnvironment& environment) {
    app::LoadCurrentPort();
    const lang::StartupLanguage language = lang::startLanguage(environment);
    if (!language.loaded) return false;
    CountryCode = language.settings.countryCode;
    CountryCodeOption = language.settings.countryCodeOption;
    userLanguageId_ = language.userLanguageId;
    languageCode_ = language.languageCode;
    setCaptions();
    // A tool that cannot use the port says where to choose another one, in
    // the menus' own words.
    app::setPortAdvice(QCoreApplication::translate("zav", "Choose the validator's port in %1 > %2.")
                           .arg(zav::window::withoutAccessKey(LangText(lang::text::kOptions)),
                                zav::window::withoutAccessKey(LangText(lang::text::kSerialPort))));
    mnuInitialise_->setVisible(true);
    setToolbarEnabled(true);
    return true;
}

void MDIFormMain::setCaptions() {
    setWindowTitle(LangText(lang::text::kCompany) + QStringLiteral(" - ") +
                   LangText(lang::text::kDiagnosticsTool) +
                   QStringLiteral(" - %1.%2.%3 ")
                       .arg(version::kMajor)
                       .arg(version::kMinor)
                       .arg(version::kRevision) +
                   QString::fromUtf8(version::kFileDescription));
    // Stored captions are shown as they are; a "&" in one marks its access key.
    mnuFile_->setTitle(LangText(lang::text::kFile));
    mnuFileExit_->setText(LangText(lang::text::kExit));
    mnuOptions_->setTitle(LangText(lang::text::kOptions));
    mnuSerialPort_->setText(LangText(lang::text::kSerialPort));
    mnuLang_->setText(LangText(lang::text::kLanguage));
    mnuUtilities_->setTitle(LangText(lang::text::kUtilities));
    mnuDiagnostics_->setText(LangText(lang::text::kDiagnostics));
    mnuDiagnostics_->setToolTip(LangText(lang::text::kOpenDiagnostics));
    mnuControls_->setText(LangText(lang::text::kControls));
    mnuControls_->setToolTip(LangText(lang::text::kOpenControls));
    mnuInitialise_->setText(LangText(lang::text::kInitialise));
    mnuProgram_->setText(QCoreApplication::translate("zav", "Program Download..."));
    mnuProgram_->setToolTip(QCoreApplication::translate("zav", "Send a program image to the unit"));
    mnuHistory_->setText(QCoreApplication::translate("zav", "&History"));
    mnuHelp_->setTitle(LangText(lang::text::kHelp));
    mnuContent_->setText(LangText(lang::text::kContent));
    mnuAbout_->setText(LangText(lang::text::kAbout));
}

void MDIFormMain::setToolWindowFactory(ToolKind kind, ToolWindowFactory factory) {
    QAction* const entries[] = {mnuDiagnostics_, mnuControls_, mnuInitialise_, mnuProgram_,
                                mnuHistory_};
    entries[toolIndex(kind)]->setEnabled(static_cast<bool>(factory));
    factories_[toolIndex(kind)] = std::move(factory);
}

void MDIFormMain::showRunNotice(const QString& text) {
    runNotice_->setText(text);
}

void MDIFormMain::setMainMenusEnabled(bool enabled) {
    for (QMenu* menu : {mnuFile_, mnuOptions_, mnuUtilities_, mnuHelp_}) {
        menu->menuAction()->setEnabled(enabled);
    }
}

void MDIFormMain::setToolbarEnabled(bool enabled) {
    Toolbar1_->setEnabled(enabled);
}

void MDIFormMain::openToolWindow(ToolKind kind) {
    const ToolWindowFactory& factory = factories_[toolIndex(kind)];
    if (toolWindow_ || !factory) return;
    setToolbarEnabled(false);
    window::ToolWindowFrame* frame = factory(*this);
    if (!frame) {
        setMainMenusEnabled(true);
        setToolbarEnabled(true);
        return;
    }
    toolWindow_ = frame;
    connect(frame, &window::ToolWindowFrame::finished, this, &MDIFormMain::toolWindowFinished);
    mdiArea_->addSubWindow(frame);
    frame->show();
}

void MDIFormMain::closeToolWindowAndWait() {
    const QPointer<window::ToolWindowFrame> frame = toolWindow_;
    if (!frame) return;
    bool finished = false;
    QEventLoop loop;
    connect(frame.data(), &window::ToolWindowFrame::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    frame->close();
    if (!finished) loop.exec();
    // The frame and its session delete themselves later; no later event
    // loop may come at the program's end, so that happens now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MDIFormMain::toolWindowFinished() {
    toolWindow_ = nullptr;
    // The main window's own close runs after the tool window's has unwound.
    if (exitPending_) QTimer::singleShot(0, this, &QWidget::close);
}

void MDIFormMain::closeEvent(QCloseEvent* event) {
    if (toolWindow_) {
        // The tool window unloads first (0x82, channels closed); the
        // program ends when it has.
        exitPending_ = true;
        event->ignore();
        hide();
        toolWindow_->close();
        return;
    }
    if (helpWindow_) helpWindow_->close();
    event->accept();
    emit programEnded();
}

void MDIFormMain::openDialog(QWidget* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
}

void MDIFormMain::openSerialPort() {
    openDialog(new FrmOptions(this));
}

void MDIFormMain::openLanguage() {
    openDialog(new lang::window::FrmLang(this));
}

void MDIFormMain::openAbout() {
    openDialog(new about::window::FrmAbout(this));
}

void MDIFormMain::openHelp() {
    if (helpWindow_) {
        helpWindow_->raise();
        helpWindow_->activateWindow();
        return;
    }
    helpWindow_ = HelpWindow::open(this);
}

}  // namespace zav::desktop
