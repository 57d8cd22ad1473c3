// The Language window on screen: its options where they belong, in two
// columns that do not overlap, and what clicks, OK and Cancel store.
#include "zav/lang/window/frm_lang.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "gui_test_support.h"
#include "zav/base/settings.h"
#include "zav/lang/module_files.h"

using zav::lang::window::FrmLang;
namespace keys = zav::base::settings;

namespace {

// A module directory with the four shipped modules and a fifth copy.
struct FiveModules {
    FiveModules() {
        const QDir shipped(zav::lang::defaultModuleDirectory());
        for (const QString& name : shipped.entryList(QDir::Files)) {
            QFile::copy(shipped.filePath(name), directory.filePath(name));
        }
        QFile::copy(shipped.filePath(QStringLiteral("kvo_lang_en.so")),
                    directory.filePath(QStringLiteral("kvo_lang_pt.so")));
    }
    QString path() const { return directory.path() + QLatin1Char('/'); }
    QTemporaryDir directory;
};

// Clicks a radio button on its circle, where a user does.
void click(QRadioButton* option) {
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

QStringList captions(const FrmLang& window) {
    QStringList texts;
    for (const QRadioButton* option : window.options()) texts << option->text();
    return texts;
}

}  // namespace

class FrmLangTest : public QObject {
    Q_OBJECT
  private slots:
    void init() { zav::test::setUpProgram(); }

    void fiveModulesSitInTwoColumnsAtTheirTwipsPlaces() {
        FiveModules modules;
        FrmLang window(nullptr, modules.path());
        window.show();
        QCOMPARE(captions(window), (QStringList{"Auto select by Locale", "German", "English",
                                                "Spanish", "French", "Portuguese"}));
        // 15 twips to the pixel: option 0 at (360, 240); then 1, 3, 5 at left
        // 360 and 2, 4 at left 2520, rows from top 720, 480 apart.
        const QPoint places[] = {{24, 16}, {24, 48}, {168, 48}, {24, 80}, {168, 80}, {24, 112}};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(window.options()[i]->pos(), places[i]);
            QVERIFY(window.options()[i]->width() >= (i == 0 ? 281 : 137));
        }
        for (QRadioButton* a : window.options()) {
            // Every caption is shown whole, and no two buttons overlap.
            QVERIFY(a->width() >= a->sizeHint().width());
            for (QRadioButton* b : window.options()) {
                if (a != b) QVERIFY(!a->geometry().intersects(b->geometry()));
            }
        }
    }

    void itsTextsComeFromTheLanguageTable() {
        zav::test::setUpProgram(QStringLiteral("es"));
        FrmLang window;
        QCOMPARE(window.windowTitle(), QStringLiteral("Idioma"));
        QCOMPARE(window.lblTip()->text(),
                 QStringLiteral("Por favor reinicie la herramienta de diagóstico para que los "
                                "cambios tengan efecto."));
        QCOMPARE(window.bttnOK()->text(), QStringLiteral("Aceptar"));
        QCOMPARE(window.bttnCancel()->text(), QStringLiteral("Cancelar"));
        QCOMPARE(window.options()[0]->text(),
                 QStringLiteral("Selección automática de configuración local"));
    }

    void theStoredOptionIsSelectedOnOpening() {
        zav::test::storeSetting(keys::kCountryCodeOptionKey, QStringLiteral("3"));
        zav::test::storeSetting(keys::kCountryCodeKey, QStringLiteral("es"));
        FrmLang window;
        QVERIFY(window.options()[3]->isChecked());
    }

    void aClickStoresBothSettingsAtOnceAndCancelKeepsThem() {
        FrmLang window;
        window.show();
        click(window.options()[1]);
        QCOMPARE(zav::test::storedSetting(keys::kCountryCodeOptionKey), QStringLiteral("1"));
        QCOMPARE(zav::test::storedSetting(keys::kCountryCodeKey), QStringLiteral("DE"));
        QTest::mouseClick(window.bttnCancel(), Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QCOMPARE(zav::test::storedSetting(keys::kCountryCodeOptionKey), QStringLiteral("1"));
        QCOMPARE(zav::test::storedSetting(keys::kCountryCodeKey), QStringLiteral("DE"));
    }

    void byLocaleStoresAnEmptyCodeAndOkStoresTheChosenOne() {
        zav::test::storeSetting(keys::kCountryCodeOptionKey, QStringLiteral("4"));
        FrmLang window;
        window.show();
        click(window.options()[0]);
        QCOMPARE(zav::test::storedSetting(keys::kCountryCodeOptionKey), QStringLiteral("0"));
        QCOMPARE(zav::test::storedSetting(keys::kCountryCodeKey), QString());
        click(window.options()[4]);
        zav::test::storeSetting(keys::kCountryCodeKey, QStringLiteral("xx"));
        QTest::mouseClick(window.bttnOK(), Qt::LeftButton);
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(zav::test::storedSetting(keys::kCountryCodeKey), QStringLiteral("fr"));
    }

    void aMissingCodeListIsOneMessageAndEmptyLabels() {
        zav::test::MessageRecorder shown;
        FrmLang window(nullptr, zav::lang::defaultModuleDirectory(),
                       QStringLiteral("/nonexistent/ISO-639-2_utf-8.txt"));
        QCOMPARE(shown.lines().size(), 1);
        QVERIFY(
            shown.lines()[0].contains(QStringLiteral("in procedure GetLangName of Module Global")));
        QCOMPARE(captions(window), (QStringList{"Auto select by Locale", "", "", "", ""}));
        // Options without a caption still tell a screen reader what they are.
        QCOMPARE(zav::test::unnamedControls(window).join(u','), QString());
    }
};

QTEST_MAIN(FrmLangTest)
#include "frm_lang_test.moc"
