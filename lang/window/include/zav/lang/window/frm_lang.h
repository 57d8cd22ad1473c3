#pragma once
// frmLang, the Language window: "by locale" and one option per installed
// language module at the places the window's logic gives; a click stores the
// choice at once, OK stores the chosen code, Cancel closes. The new language
// is used from the next start, as the tip says.
#include <QDialog>
#include <memory>
#include <vector>

#include "zav/app/global.h"
#include "zav/lang/language_window.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace zav::lang::window {

class FrmLang final : public QDialog {
    Q_OBJECT
  public:
    explicit FrmLang(QWidget* parent = nullptr,
                     const QString& moduleDirectory = defaultModuleDirectory(),
                     const QString& codeListPath = app::Global::CodeListPath());
    ~FrmLang() override;

    // Option i's button (0 = by locale), in the logic's order.
    const std::vector<QRadioButton*>& options() const { return options_; }
    QPushButton* bttnOK() const { return bttnOK_; }
    QPushButton* bttnCancel() const { return bttnCancel_; }
    QLabel* lblTip() const { return lblTip_; }

  private:
    QWidget* buildOptions();
    void ok();

    std::unique_ptr<LanguageWindow> logic_;
    std::vector<QRadioButton*> options_;
    QLabel* lblTip_;
    QPushButton* bttnOK_;
    QPushButton* bttnCancel_;
};

}  // namespace zav::lang::window
