#pragma once
// The help window: the manual's pages in a QTextBrowser, links followed
// inside it. A page that cannot be read is text 31 in a warning box.
#include <QTextBrowser>
#include <QWidget>

namespace zav::desktop {

class ManualBrowser final : public QTextBrowser {
    Q_OBJECT
  public:
    explicit ManualBrowser(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;

  signals:
    void pageUnreadable();
};

class HelpWindow final : public QWidget {
    Q_OBJECT
  public:
    // Opens the manual at its index in a top-level window of its own; shows
    // text 31 and returns null when the index cannot be read.
    static HelpWindow* open(QWidget* parent);

    ManualBrowser* browser() const { return browser_; }

  private:
    explicit HelpWindow(QWidget* parent);
    void showTitle();

    ManualBrowser* browser_;
};

}  // namespace zav::desktop
