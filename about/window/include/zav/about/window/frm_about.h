#pragma once
// frmAbout: who made the tool, its name, the products it supports, its
// version and the notice line; OK closes it.
#include <QDialog>

class QLabel;
class QPushButton;

namespace zav::about::window {

class FrmAbout final : public QDialog {
    Q_OBJECT
  public:
    explicit FrmAbout(QWidget* parent = nullptr);

    QPushButton* bttnOK() const { return bttnOK_; }

  private:
    QPushButton* bttnOK_;
};

}  // namespace zav::about::window
