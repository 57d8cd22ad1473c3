#include "zav/desktop/help_window.h"

#include <QKeySequence>
#include <QShortcut>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

#include "zav/app/global.h"
#include "zav/base/messages.h"
#include "zav/base/product.h"
#include "zav/desktop/manual_pages.h"
#include "zav/lang/text_ids.h"
#include "zav/window/captions.h"

namespace zav::desktop {
namespace {

void showHelpMissing() {
    base::showMessage(app::Global::LangText(lang::text::kCannotFindHelp),
                      base::MessageIcon::Warning);
}

}  // namespace

ManualBrowser::ManualBrowser(QWidget* parent) : QTextBrowser(parent) {
    setOpenExternalLinks(false);
    setAccessibleName(zav::window::withoutAccessKey(app::Global::LangText(lang::text::kContent)));
}

QVariant ManualBrowser::loadResource(int type, const QUrl& name) {
    const bool page = type == QTextDocument::HtmlResource;
    if (!page && type != QTextDocument::StyleSheetResource) {
        return QTextBrowser::loadResource(type, name);
    }
    // Pages and their style sheet come from the manual's own folder only,
    // and only when whole; a page without its style sheet still shows.
    const auto text = name.isLocalFile() ? readManualPage(name.toLocalFile()) : std::nullopt;
    if (!text) {
        if (page) emit pageUnreadable();
        return {};
    }
    return *text;
}

HelpWindow* HelpWindow::open(QWidget* parent) {
    if (!readManualPage(manualIndexPath())) {
        showHelpMissing();
        return nullptr;
    }
    auto* window = new HelpWindow(parent);
    window->browser_->setSource(QUrl::fromLocalFile(manualIndexPath()));
    window->show();
    return window;
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), browser_(new ManualBrowser) {
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(760, 600);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::showTitle);
    // Esc and Ctrl+W close it, as they close other viewers; so does the
    // desktop's own Close keys where they differ (two shortcuts on the same
    // keys would take each other's).
    QList<QKeySequence> closeKeys{QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)};
    for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Close)) {
        if (!closeKeys.contains(keys)) closeKeys << keys;
    }
    for (const QKeySequence& keys : closeKeys) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    }
    // A broken page stays a message, never an empty window or a crash; the
    // page shown before stays.
    connect(browser_, &ManualBrowser::pageUnreadable, this, &showHelpMissing, Qt::QueuedConnection);
}

void HelpWindow::showTitle() {
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() ? base::productName()
                                  : base::productName() + QStringLiteral(" - ") + page);
}

}  // namespace zav::desktop
