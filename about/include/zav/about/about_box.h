#pragma once
// The About box's content: the version data the build generates and texts
// of the language table, as each of its labels shows them.
#include <QString>

namespace zav::about {

struct AboutTexts {
    QString caption;   // text 12
    QString company;   // the company of the version data
    QString app;       // text 59
    QString comments;  // text 58 directly followed by the version data's comments
    QString version;   // text 61, a space, major.minor.revision
    QString copy;      // text 101, the notice line
    QString ok;        // text 1
};

AboutTexts aboutTexts();

}  // namespace zav::about
