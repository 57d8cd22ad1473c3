#include "zav/lang/window/frm_lang.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "zav/lang/window/message_once.h"
#include "zav/window/captions.h"
#include "zav/window/tool_window_parts.h"

namespace zav::lang::window {
namespace {

using zav::window::Pixels;

// Room right of and below the last option, as on the left and above.
constexpr int kOptionsMargin = 24;

}  // namespace

FrmLang::FrmLang(QWidget* parent, const QString& moduleDirectory, const QString& codeListPath)
    : QDialog(parent) {
    {
        // Each option asks the code list for its name: when the list cannot
        // be read, the user hears it once.
        MessageOnce once;
        logic_ =
            std::make_unique<LanguageWindow>(moduleDirectory, [&codeListPath](const QString& code) {
                return app::Global::GetLangName(code, codeListPath);
            });
    }
    setObjectName(QStringLiteral("frmLang"));
    setWindowTitle(zav::window::withoutAccessKey(logic_->caption()));
    lblTip_ = new QLabel(logic_->tip());
    lblTip_->setObjectName(QStringLiteral("lblTip"));
    lblTip_->setWordWrap(true);
    bttnOK_ = new QPushButton(logic_->okCaption());
    bttnOK_->setObjectName(QStringLiteral("bttnOK"));
    bttnOK_->setDefault(true);
    bttnCancel_ = new QPushButton(logic_->cancelCaption());
    bttnCancel_->setObjectName(QStringLiteral("bttnCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bttnOK_);
    buttons->addWidget(bttnCancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildOptions());
    layout->addWidget(lblTip_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(bttnOK_, &QPushButton::clicked, this, &FrmLang::ok);
    connect(bttnCancel_, &QPushButton::clicked, this, &QDialog::reject);
}

FrmLang::~FrmLang() = default;

QWidget* FrmLang::buildOptions() {
    // The options sit where the logic places them; a caption longer than
    // its place widens the button rather than being cut.
    auto* area = new QWidget;
    auto* group = new QButtonGroup(area);
    int right = 0;
    int bottom = 0;
    const auto& options = logic_->options();
    for (std::size_t i = 0; i < options.size(); ++i) {
        const LanguageOption& option = options[i];
        auto* button = new QRadioButton(option.caption, area);
        button->setObjectName(QStringLiteral("optLang%1").arg(i));
        if (option.caption.isEmpty()) button->setAccessibleName(option.tag);
        const QSize hint = button->sizeHint();
        const QRect place(Pixels(option.rect.left), Pixels(option.rect.top),
                          std::max(Pixels(option.rect.width), hint.width()),
                          std::max(Pixels(option.rect.height), hint.height()));
        button->setGeometry(place);
        right = std::max(right, place.right());
        bottom = std::max(bottom, place.bottom());
        group->addButton(button, static_cast<int>(i));
        options_.push_back(button);
    }
    if (logic_->selectedOption() >= 0) {
        options_[static_cast<std::size_t>(logic_->selectedOption())]->setChecked(true);
    }
    // Only the user's clicks choose: the stored option was chosen on opening.
    connect(group, &QButtonGroup::idClicked, this, [this](int id) { logic_->choose(id); });
    area->setFixedSize(right + kOptionsMargin, bottom + kOptionsMargin / 2);
    return area;
}

void FrmLang::ok() {
    logic_->ok();
    accept();
}

}  // namespace zav::lang::window
