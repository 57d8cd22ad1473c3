#include "zav/lang/language_window.h"

#include "zav/lang/language_settings.h"
#include "zav/lang/language_text.h"
#include "zav/lang/text_ids.h"

namespace zav::lang {
namespace {

// Positions in twips: "by locale" across the top, then the modules in two
// columns, odd options on the left.
constexpr TwipsRect kAutomaticOption{360, 240, 4215, 195};
constexpr int kOptionWidth = 2055;
constexpr int kOptionHeight = 195;
constexpr int kLeftColumn = 360;
constexpr int kRightColumn = 2520;
constexpr int kFirstRowTop = 720;
constexpr int kRowPitch = 480;

TwipsRect moduleOptionRect(int option) {
    const int row = (option - 1) / 2;
    return {option % 2 == 1 ? kLeftColumn : kRightColumn, kFirstRowTop + kRowPitch * row,
            kOptionWidth, kOptionHeight};
}

}  // namespace

LanguageWindow::LanguageWindow(const QString& moduleDirectory, const LanguageNames& languageName) {
    options_.push_back({QString(), fetchText(text::kAutoSelectByLocale), kAutomaticOption});
    for (const QString& file : moduleFileNames(moduleDirectory)) {
        const QString code = moduleCodeOf(file);
        const int option = static_cast<int>(options_.size());
        // The list holds lower-case codes; kvo_lang_DE would otherwise show
        // no name.
        options_.push_back({code, languageName(code.toLower()), moduleOptionRect(option)});
    }
    const LanguageSettings stored = readLanguageSettings();
    chosenCode_ = stored.countryCode;
    choose(stored.countryCodeOption);
}

QString LanguageWindow::caption() const {
    return fetchText(text::kLanguage);
}
QString LanguageWindow::tip() const {
    return fetchText(text::kRestartForLanguage);
}
QString LanguageWindow::okCaption() const {
    return fetchText(text::kOk);
}
QString LanguageWindow::cancelCaption() const {
    return fetchText(text::kCancel);
}

void LanguageWindow::choose(int option) {
    if (option < 0 || option >= static_cast<int>(options_.size())) return;
    selected_ = option;
    chosenCode_ = options_[static_cast<std::size_t>(option)].tag;
    storeCountryCodeOption(option);
    storeCountryCode(chosenCode_);
}

void LanguageWindow::ok() {
    storeCountryCode(chosenCode_);
}

}  // namespace zav::lang
