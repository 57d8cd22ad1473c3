#pragma once
// frmOptions, the port options: the serial ports the system knows, the
// current port pre-selected; OK makes the chosen port the current port and
// stores it, Cancel changes nothing.
#include <QDialog>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "zav/platform/ports.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace zav::desktop {

// The registered ports (value name, value data), as the system lists them.
using PortSource = std::function<std::vector<platform::PortEntry>()>;

class FrmOptions final : public QDialog {
    Q_OBJECT
  public:
    // `ports` lists the registered ports; by default the system's.
    explicit FrmOptions(QWidget* parent = nullptr, const PortSource& ports = {});

    QComboBox* cmbCom() const { return cmbCom_; }
    QPushButton* bttnOK() const { return bttnOK_; }
    QPushButton* bttnCancel() const { return bttnCancel_; }
    // The selected port's device file, adaptor and whether it can be opened.
    QLabel* lblPortDescription() const { return lblDescription_; }

  private:
    void describeSelection();
    void ok();

    std::map<int, std::string> valueNames_;  // by port number

    QComboBox* cmbCom_;
    QLabel* lblOptions_;
    QLabel* lblDescription_;
    QPushButton* bttnOK_;
    QPushButton* bttnCancel_;
};

}  // namespace zav::desktop
