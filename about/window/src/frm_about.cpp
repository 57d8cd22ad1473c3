#include "zav/about/window/frm_about.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "zav/about/about_box.h"
#include "zav/window/captions.h"

namespace zav::about::window {
namespace {

constexpr int kIconSize = 64;

QLabel* label(const char* name, const QString& text) {
    auto* shown = new QLabel(text);
    shown->setObjectName(QLatin1String(name));
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return shown;
}

}  // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    const AboutTexts texts = aboutTexts();
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(zav::window::withoutAccessKey(texts.caption));

    auto* icon = new QLabel;
    icon->setPixmap(windowIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);
    QLabel* app = label("lblApp", texts.app);
    QFont larger = app->font();
    larger.setBold(true);
    larger.setPointSizeF(larger.pointSizeF() * 1.4);
    app->setFont(larger);
    bttnOK_ = new QPushButton(texts.ok);
    bttnOK_->setObjectName(QStringLiteral("bttnOK"));
    bttnOK_->setDefault(true);

    auto* lines = new QVBoxLayout;
    lines->addWidget(label("lblCompany", texts.company));
    lines->addWidget(app);
    lines->addWidget(label("lblComments", texts.comments));
    lines->addWidget(label("lblVersion", texts.version));
    lines->addSpacing(8);
    lines->addWidget(label("lblCopy", texts.copy));
    auto* content = new QHBoxLayout;
    content->addWidget(icon);
    content->addSpacing(12);
    content->addLayout(lines, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bttnOK_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(content);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(bttnOK_, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace zav::about::window
