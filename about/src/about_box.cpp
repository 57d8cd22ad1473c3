#include "zav/about/about_box.h"

#include "zav/app/global.h"
#include "zav/lang/text_ids.h"
#include "zav/version.h"

namespace zav::about {
namespace {

using app::Global::LangText;

}  // namespace

AboutTexts aboutTexts() {
    return {LangText(lang::text::kAbout),
            QString::fromUtf8(version::kCompany),
            LangText(lang::text::kProductName),
            LangText(lang::text::kSupportedProducts) + QString::fromUtf8(version::kComments),
            LangText(lang::text::kVersion) + QStringLiteral(" %1.%2.%3")
                                                 .arg(version::kMajor)
                                                 .arg(version::kMinor)
                                                 .arg(version::kRevision),
            LangText(lang::text::kRights),
            LangText(lang::text::kOk)};
}

}  // namespace zav::about
