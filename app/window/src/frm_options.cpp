#include "zav/app/window/frm_options.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "zav/app/current_port.h"
#include "zav/app/port_list.h"
#include "zav/lang/language_text.h"
#include "zav/lang/window/captions.h"

namespace zav::app::window {
namespace {

using lang::fetchText;

constexpr int kCaptionText = 8;
constexpr int kPromptText = 60;
constexpr int kOkText = 1;
constexpr int kCancelText = 2;

}  // namespace

FrmOptions::FrmOptions(QWidget* parent, const PortSource& ports)
    : QDialog(parent),
      cmbCom_(new QComboBox),
      lblOptions_(new QLabel(fetchText(kPromptText))),
      bttnOK_(new QPushButton(fetchText(kOkText))),
      bttnCancel_(new QPushButton(fetchText(kCancelText))) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(lang::window::withoutAccessKey(fetchText(kCaptionText)));
    cmbCom_->setObjectName(QStringLiteral("cmbCom"));
    cmbCom_->setAccessibleName(lang::window::withoutAccessKey(fetchText(kCaptionText)));
    lblOptions_->setObjectName(QStringLiteral("lblOptions"));
    lblOptions_->setBuddy(cmbCom_);
    bttnOK_->setObjectName(QStringLiteral("bttnOK"));
    bttnCancel_->setObjectName(QStringLiteral("bttnCancel"));
    bttnOK_->setDefault(true);

    // The list is rebuilt each time the window opens.
    PortList list;
    FillPortList(list, CurrentPort(), ports ? ports() : platform::discover_ports());
    cmbCom_->addItems(list.entries);
    cmbCom_->setCurrentIndex(list.selected);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bttnOK_);
    buttons->addWidget(bttnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblOptions_);
    layout->addWidget(cmbCom_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    connect(bttnOK_, &QPushButton::clicked, this, &FrmOptions::ok);
    connect(bttnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmOptions::ok() {
    StoreCurrentPort(static_cast<std::int16_t>(PortNumberFromText(cmbCom_->currentText())));
    accept();
}

}  // namespace zav::app::window
