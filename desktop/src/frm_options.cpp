#include "zav/desktop/frm_options.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "zav/app/current_port.h"
#include "zav/app/global.h"
#include "zav/app/port_description.h"
#include "zav/app/port_list.h"
#include "zav/lang/text_ids.h"
#include "zav/window/captions.h"

namespace zav::desktop {
namespace {

using app::Global::LangText;

}  // namespace

FrmOptions::FrmOptions(QWidget* parent, const PortSource& ports)
    : QDialog(parent),
      cmbCom_(new QComboBox),
      lblOptions_(new QLabel(LangText(lang::text::kSelectSerialPort))),
      lblDescription_(new QLabel),
      bttnOK_(new QPushButton(LangText(lang::text::kOk))),
      bttnCancel_(new QPushButton(LangText(lang::text::kCancel))) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(zav::window::withoutAccessKey(LangText(lang::text::kSerialPort)));
    cmbCom_->setObjectName(QStringLiteral("cmbCom"));
    cmbCom_->setAccessibleName(zav::window::withoutAccessKey(LangText(lang::text::kSerialPort)));
    lblOptions_->setObjectName(QStringLiteral("lblOptions"));
    lblOptions_->setBuddy(cmbCom_);
    bttnOK_->setObjectName(QStringLiteral("bttnOK"));
    bttnCancel_->setObjectName(QStringLiteral("bttnCancel"));
    bttnOK_->setDefault(true);

    // The list is rebuilt each time the window opens.
    const std::vector<platform::PortEntry> registered =
        ports ? ports() : platform::discover_ports();
    for (const auto& [valueName, portName] : registered) {
        valueNames_[app::PortNumberFromText(QString::fromStdString(portName).trimmed())] =
            valueName;
    }
    app::PortList list;
    app::FillPortList(list, app::CurrentPort(), registered);
    cmbCom_->addItems(list.entries);
    cmbCom_->setCurrentIndex(list.selected);
    lblDescription_->setObjectName(QStringLiteral("lblPortDescription"));
    // Its name is the description itself, read out as it changes.
    lblDescription_->setAccessibleDescription(
        QCoreApplication::translate("zav", "Port description"));
    lblDescription_->setWordWrap(true);
    lblDescription_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    describeSelection();
    connect(cmbCom_, &QComboBox::currentIndexChanged, this, &FrmOptions::describeSelection);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bttnOK_);
    buttons->addWidget(bttnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblOptions_);
    layout->addWidget(cmbCom_);
    layout->addWidget(lblDescription_);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    connect(bttnOK_, &QPushButton::clicked, this, &FrmOptions::ok);
    connect(bttnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmOptions::describeSelection() {
    if (cmbCom_->currentIndex() < 0) {
        lblDescription_->clear();
        return;
    }
    const int port = app::PortNumberFromText(cmbCom_->currentText());
    const auto named = valueNames_.find(port);
    lblDescription_->setText(
        app::portDescription(port, named == valueNames_.end() ? std::string() : named->second));
}

void FrmOptions::ok() {
    app::StoreCurrentPort(
        static_cast<std::int16_t>(app::PortNumberFromText(cmbCom_->currentText())));
    accept();
}

}  // namespace zav::desktop
