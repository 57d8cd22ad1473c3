#pragma once
// The Language window's logic (frmLang), without its widget: the options it
// offers, where they sit, and what choosing and OK store. Cancel stores
// nothing; a choice already made stays stored. The new language is used from
// the next start.
#include <QString>
#include <functional>
#include <vector>

#include "zav/lang/module_files.h"

namespace zav::lang {

// A rectangle in twips (15 twips = 1 pixel).
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsRect&) const = default;
};

struct LanguageOption {
    QString tag;      // language code; empty for option 0 (by locale)
    QString caption;  // text 100 for option 0, else the language's name
    TwipsRect rect;
};

class LanguageWindow {
  public:
    // The English name of a lower-case two-letter language code, empty when
    // it has none (the program asks its ISO 639-2 code list).
    using LanguageNames = std::function<QString(const QString& code)>;

    // Lists the modules in moduleDirectory, names them with languageName,
    // and selects the stored option as a click would (which stores both
    // settings again). A stored option that is not listed selects nothing
    // and leaves the settings as they are.
    LanguageWindow(const QString& moduleDirectory, const LanguageNames& languageName);

    QString caption() const;        // text 96
    QString tip() const;            // text 97
    QString okCaption() const;      // text 1
    QString cancelCaption() const;  // text 2

    // Option 0 (by locale) first, then one per module file.
    const std::vector<LanguageOption>& options() const { return options_; }
    // The selected option; -1 when none is.
    int selectedOption() const { return selected_; }
    QString chosenCode() const { return chosenCode_; }

    // Selects option i and stores it and its tag at once. Options not listed
    // are ignored.
    void choose(int option);
    // Stores the chosen code; the widget then closes.
    void ok();

  private:
    std::vector<LanguageOption> options_;
    int selected_ = -1;
    QString chosenCode_;
};

}  // namespace zav::lang
