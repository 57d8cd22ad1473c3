#include "zav/programming/window/frm_program.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include "zav/app/current_port.h"
#include "zav/base/product.h"
#include "zav/window/icons.h"

namespace zav::programming::window {
namespace {

// Where the file dialog opens: the folder of the last image chosen.
const char kSettingsGroup[] = "Programming";
const char kLastFolderKey[] = "LastFolder";

QPushButton* newButton(const char* name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(text);
    return button;
}

QLabel* newLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

}  // namespace

FrmProgram::FrmProgram(zav::window::ToolWindowFrame& frame, std::chrono::milliseconds tickLength)
    : QWidget(&frame), frame_(frame), view_(nullptr) {
    setObjectName(QStringLiteral("frmProgram"));
    bttnFile_ = newButton("bttnFile", QCoreApplication::translate("zav", "Image File..."), this);
    lblFile_ = newLabel("lblFile", this);
    lblImage_ = newLabel("lblImage", this);
    bttnIdentify_ =
        newButton("bttnIdentify", QCoreApplication::translate("zav", "Identify Unit"), this);
    lblUnit_ = newLabel("lblUnit", this);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("progress"));
    progress_->setAccessibleName(QCoreApplication::translate("zav", "Blocks sent"));
    progress_->setFormat(QCoreApplication::translate("zav", "%v of %m blocks"));
    lblStage_ = newLabel("lblStage", this);
    lblResult_ = newLabel("lblResult", this);
    bttnStart_ = newButton("bttnStart", QCoreApplication::translate("zav", "Start"), this);
    bttnCancel_ = newButton("bttnCancel", QCoreApplication::translate("zav", "Cancel"), this);

    auto* grid = new QGridLayout;
    grid->addWidget(bttnFile_, 0, 0, Qt::AlignTop);
    auto* image = new QVBoxLayout;
    image->addWidget(lblFile_);
    image->addWidget(lblImage_);
    grid->addLayout(image, 0, 1);
    grid->addWidget(bttnIdentify_, 1, 0, Qt::AlignTop);
    grid->addWidget(lblUnit_, 1, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnMinimumWidth(1, 360);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bttnStart_);
    buttons->addWidget(bttnCancel_);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(progress_);
    layout->addWidget(lblStage_);
    layout->addWidget(lblResult_);
    layout->addLayout(buttons);

    owned_ = std::make_unique<ProgrammingSession>(app::CurrentPort(), tickLength, view_);
    session_ = owned_.get();
    connect(session_, &ProgrammingSession::changed, this, &FrmProgram::showState);
    connect(session_, &ProgrammingSession::progressed, this, &FrmProgram::showProgress);
    ProgrammingSession* session = session_;
    connect(bttnFile_, &QPushButton::clicked, this, &FrmProgram::askFile);
    connect(bttnIdentify_, &QPushButton::clicked, this,
            [this, session] { frame_.runSessionCall([session] { session->identify(); }); });
    connect(bttnStart_, &QPushButton::clicked, this, &FrmProgram::confirmStart);
    connect(bttnCancel_, &QPushButton::clicked, this, &FrmProgram::confirmCancel);
    frame_.setWindowIcon(zav::window::programIcon());
    frame_.setTitle(QCoreApplication::translate("zav", "Program Download"));
    showState();
}

FrmProgram::~FrmProgram() = default;

std::unique_ptr<app::ToolSession> FrmProgram::takeSession() {
    return std::move(owned_);
}

void FrmProgram::askFile() {
    if (!bttnFile_->isEnabled()) return;
    QSettings settings;
    settings.beginGroup(QLatin1String(kSettingsGroup));
    auto* dialog = new QFileDialog(this, QCoreApplication::translate("zav", "Program Image"),
                                   settings.value(QLatin1String(kLastFolderKey)).toString());
    dialog->setObjectName(QStringLiteral("imageDialog"));
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, &FrmProgram::chooseFile);
    dialog->open();
}

void FrmProgram::chooseFile(const QString& path) {
    QSettings settings;
    settings.beginGroup(QLatin1String(kSettingsGroup));
    settings.setValue(QLatin1String(kLastFolderKey), QFileInfo(path).absolutePath());
    session_->chooseFile(path);
}

void FrmProgram::ask(const QString& text, const std::function<void()>& yes) {
    auto* box = new QMessageBox(QMessageBox::Warning, base::productName(), text,
                                QMessageBox::Yes | QMessageBox::No, this);
    box->setObjectName(QStringLiteral("question"));
    box->setDefaultButton(QMessageBox::No);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [yes](int result) {
        if (result == QMessageBox::Yes) yes();
    });
    box->open();
}

void FrmProgram::confirmStart() {
    if (!bttnStart_->isEnabled() || !session_->startEnabled()) return;
    const UnitIdentity& unit = *session_->identity();
    ProgrammingSession* session = session_;
    ask(QCoreApplication::translate(
            "zav",
            "Program %1 %2 (firmware %3) with %4?\nA download that does not complete leaves a "
            "unit that does not start.")
            .arg(unit.unitType, unit.serialNumber, unit.firmware,
                 QFileInfo(session_->fileName()).fileName()),
        [this, session] {
            if (session->startEnabled()) frame_.runSessionCall([session] { session->start(); });
        });
}

void FrmProgram::confirmCancel() {
    if (!bttnCancel_->isEnabled()) return;
    ProgrammingSession* session = session_;
    ask(QCoreApplication::translate("zav",
                                    "Stop the download? The unit may then need programming again."),
        [session] { session->cancel(); });
}

void FrmProgram::showState() {
    const bool running = session_->running();
    bttnFile_->setEnabled(!running);
    bttnIdentify_->setEnabled(!running);
    bttnStart_->setEnabled(session_->startEnabled());
    bttnCancel_->setEnabled(running);

    lblFile_->setText(session_->fileName().isEmpty()
                          ? QCoreApplication::translate("zav", "No image chosen.")
                          : session_->fileName());
    if (const auto& image = session_->image())
        lblImage_->setText(SummaryLines(*image).join(u'\n'));
    else
        lblImage_->setText(session_->imageRefusal().isEmpty()
                               ? QString()
                               : QCoreApplication::translate("zav", "Not sent: %1.")
                                     .arg(session_->imageRefusal()));
    if (const auto& unit = session_->identity())
        lblUnit_->setText(
            QCoreApplication::translate("zav", "%1, serial number %2\nFirmware %3\nData set %4")
                .arg(unit->unitType, unit->serialNumber, unit->firmware, unit->dataset));
    else
        lblUnit_->setText(QCoreApplication::translate("zav", "Unit not identified."));

    QString result;
    switch (session_->outcome()) {
        case Outcome::Programmed:
            result = QCoreApplication::translate("zav", "Programmed in %1 s.")
                         .arg(session_->seconds(), 0, 'f', 1);
            break;
        case Outcome::Failed:
            result = QCoreApplication::translate("zav", "Failed: %1.").arg(session_->error());
            break;
        case Outcome::Refused:
            result = QCoreApplication::translate("zav", "Not started: %1.").arg(session_->error());
            break;
        default:
            break;
    }
    if (!session_->firmwareBefore().isEmpty() && session_->outcome() != Outcome::None &&
        session_->outcome() != Outcome::Running)
        result +=
            u'\n' +
            QCoreApplication::translate("zav", "Firmware before: %1\nFirmware after: %2")
                .arg(session_->firmwareBefore(), session_->firmwareAfter().isEmpty()
                                                     ? QCoreApplication::translate("zav", "unknown")
                                                     : session_->firmwareAfter());
    lblResult_->setText(result);
    showProgress();
    // Longer texts grow the window rather than being cut.
    if (frame_.widget() == this && frame_.size().expandedTo(frame_.sizeHint()) != frame_.size())
        frame_.adjustSize();
}

void FrmProgram::showProgress() {
    const Progress p = session_->progress();
    // Before the transfer counts its blocks, the chosen image's count; with
    // no image, an empty bar rather than "0 of 1".
    std::int32_t total = p.blocksTotal;
    if (total <= 0 && session_->image())
        total = static_cast<std::int32_t>(
            std::min<std::uint32_t>(session_->image()->blocks, INT32_MAX));
    progress_->setTextVisible(total > 0);
    progress_->setMaximum(std::max(total, 1));
    progress_->setValue(std::min(p.blocksSent, progress_->maximum()));
    lblStage_->setText(p.stage.isEmpty()
                           ? QString()
                           : QCoreApplication::translate("zav", "Stage: %1").arg(p.stage));
}

zav::window::ToolWindowFrame* openProgramWindow(zav::window::MainWindowControls& mainWindow,
                                                std::chrono::milliseconds tickLength) {
    return zav::window::openToolWindow<FrmProgram>(mainWindow, tickLength);
}

}  // namespace zav::programming::window
