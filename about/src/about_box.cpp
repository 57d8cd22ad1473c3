#include "zav/about/about_box.h"

#include "zav/lang/language_text.h"
#include "zav/version.h"

namespace zav::about {
namespace {

using lang::fetchText;

constexpr int kCaptionText = 12;
constexpr int kAppText = 59;
constexpr int kProductsText = 58;
constexpr int kVersionText = 61;
constexpr int kNoticeText = 101;
constexpr int kOkText = 1;

}  // namespace

AboutTexts aboutTexts() {
    return {fetchText(kCaptionText),
            QString::fromUtf8(version::kCompany),
            fetchText(kAppText),
            fetchText(kProductsText) + QString::fromUtf8(version::kComments),
            fetchText(kVersionText) + QStringLiteral(" %1.%2.%3")
                                          .arg(version::kMajor)
                                          .arg(version::kMinor)
                                          .arg(version::kRevision),
            fetchText(kNoticeText),
            fetchText(kOkText)};
}

}  // namespace zav::about
