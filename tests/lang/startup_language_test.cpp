// Choosing and loading the language at start-up.
#include "zav/lang/startup_language.h"

#include <gtest/gtest.h>

#include "lang_test_support.h"
#include "zav/lang/language_text.h"
#include "zav/test/message_recorder.h"

namespace zav::lang {
namespace {

const QString kUnableToFind =
    QStringLiteral("Unable to find any language dlls. Program will now exit");
const QString kUnableToLoad =
    QStringLiteral("Unable to load any language dlls. Program will now exit");

class StartupLanguageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::useEmptySettings();
        modules.addAllShipped();
    }
    void TearDown() override { installLanguageModule(nullptr, {}); }

    static void storeChoice(const QString& code, const QString& option) {
        auto settings = base::settings::openUserSettings();
        settings->setValue(QStringLiteral("Startup/CountryCode"), code);
        settings->setValue(QStringLiteral("Startup/CountryCodeOption"), option);
    }
    StartupLanguage start(std::uint16_t userLanguageId) {
        return startLanguage({modules.path(), userLanguageId});
    }
    StartupLanguage start(std::uint16_t userLanguageId, const test::ModuleDirectory& dir) {
        return startLanguage({dir.path(), userLanguageId});
    }

    test::ModuleDirectory modules;
    zav::test::MessageRecorder sink;
};

TEST_F(StartupLanguageTest, AutomaticChoiceFollowsTheUserLanguageTable) {
    const struct {
        std::uint16_t id;
        const char* idText;
        const char* loaded;
    } cases[] = {
        {0x0C0A, "C0A", "es"}, {0x040A, "40A", "es"},  {0x500A, "500A", "es"},
        {0x0807, "807", "de"}, {0x1407, "1407", "de"}, {0x0809, "809", "en"},
        {0x040C, "40C", "en"},                          // French identifiers are not in the table
        {0x0409, "409", "en"}, {0x240A, "240A", "en"},  // nor are these two
        {0x0416, "416", "en"},                          // pt has no module
        {0x0000, "0", "en"},
    };
    for (const auto& c : cases) {
        const StartupLanguage result = start(c.id);
        EXPECT_TRUE(result.loaded);
        EXPECT_EQ(result.userLanguageId, QLatin1String(c.idText));
        EXPECT_EQ(result.languageCode, QLatin1String(c.loaded)) << c.idText;
        EXPECT_EQ(currentLanguageCode(), QLatin1String(c.loaded));
    }
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(fetchText(2), QStringLiteral("Cancel"));
}

TEST_F(StartupLanguageTest, LanguageTableMapsExactlyTheListedIdentifiers) {
    EXPECT_EQ(codeForLanguageId(QStringLiteral("1C0A"), QString()), QStringLiteral("es"));
    EXPECT_EQ(codeForLanguageId(QStringLiteral("C07"), QString()), QStringLiteral("de"));
    EXPECT_EQ(codeForLanguageId(QStringLiteral("816"), QString()), QStringLiteral("pt"));
    EXPECT_EQ(codeForLanguageId(QStringLiteral("819"), QString()), QStringLiteral("ru"));
    EXPECT_EQ(codeForLanguageId(QStringLiteral("0"), QStringLiteral("xx")), QStringLiteral("en"));
    for (const char* unlisted : {"409", "240A", "40C", "540A", "c0a", "0C0A"}) {
        EXPECT_EQ(codeForLanguageId(QLatin1String(unlisted), QStringLiteral("xx")),
                  QStringLiteral("xx"))
            << unlisted;
    }
}

TEST_F(StartupLanguageTest, StoredChoiceWinsOverTheUserLanguage) {
    storeChoice(QStringLiteral("fr"), QStringLiteral("4"));
    const StartupLanguage result = start(0x0C0A);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(result.settings.countryCode, QStringLiteral("fr"));
    EXPECT_EQ(result.settings.countryCodeOption, 4);
    EXPECT_EQ(fetchText(3), QStringLiteral("&Fichier"));

    storeChoice(QStringLiteral("de"), QStringLiteral("1"));  // file is kvo_lang_DE.so
    EXPECT_EQ(start(0x0C0A).languageCode, QStringLiteral("de"));
    EXPECT_EQ(fetchText(2), QStringLiteral("Abbrechen"));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(StartupLanguageTest, StoredCodeWithoutModuleFallsBackToAutomaticAfterSayingSo) {
    storeChoice(QStringLiteral("it"), QStringLiteral("2"));
    StartupLanguage result = start(0x0C0A);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text,
              QStringLiteral("Unsupported language Selected  (it) defaulting to auto select"));
    EXPECT_EQ(sink.messages[0].title, QStringLiteral("ZAV Diagnostics Tool"));
    EXPECT_EQ(sink.messages[0].icon, base::MessageIcon::Warning);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(result.languageCode, QStringLiteral("es"));

    // An identifier the table does not map keeps the code, which has no
    // module: English.
    result = start(0x040C);
    EXPECT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(result.languageCode, QStringLiteral("en"));
}

TEST_F(StartupLanguageTest, AbsentOrUnreadableSettingsMeanAutomatic) {
    StartupLanguage result = start(0x0807);
    EXPECT_EQ(result.settings.countryCode, QStringLiteral("en"));
    EXPECT_EQ(result.settings.countryCodeOption, 0);
    EXPECT_EQ(result.languageCode, QStringLiteral("de"));

    storeChoice(QStringLiteral("fr"), QStringLiteral("two"));
    EXPECT_EQ(start(0x0807).languageCode, QStringLiteral("de"));
    storeChoice(QStringLiteral("fr"), QStringLiteral("70000"));  // not 16-bit
    EXPECT_EQ(start(0x0807).languageCode, QStringLiteral("de"));
    storeChoice(QString(), QStringLiteral("0"));  // stored by the by-locale option
    EXPECT_EQ(start(0x040C).languageCode, QStringLiteral("en"));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(StartupLanguageTest, NoModuleFileEndsStartUp) {
    const test::ModuleDirectory empty;
    const StartupLanguage result = start(0x0C0A, empty);
    EXPECT_FALSE(result.loaded);
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text, kUnableToFind);
    EXPECT_EQ(sink.messages[0].icon, base::MessageIcon::Critical);
    EXPECT_EQ(fetchText(1), QStringLiteral("Error : NLDnro: 1"));

    EXPECT_FALSE(
        start(0x0C0A, test::ModuleDirectory().addShipped(QStringLiteral("kvo_lang_fr.so"))).loaded);
    EXPECT_EQ(sink.messages.back().text, kUnableToFind);
}

TEST_F(StartupLanguageTest, ModuleWithoutObjectEndsStartUp) {
    test::ModuleDirectory broken;
    broken.add(test::fixtureModule("not_a_module.so"), QStringLiteral("kvo_lang_en.so"))
        .add(test::fixtureModule("kvo_lang_zz.so"), QStringLiteral("kvo_lang_es.so"));
    for (std::uint16_t id :
         {0x0409, 0x0C0A}) {  // English without entry point; es with no es object
        const StartupLanguage result = start(id, broken);
        EXPECT_FALSE(result.loaded);
        EXPECT_EQ(sink.messages.back().text, kUnableToLoad);
        EXPECT_EQ(sink.messages.back().icon, base::MessageIcon::Critical);
    }
    EXPECT_EQ(sink.messages.size(), 2u);
}

}  // namespace
}  // namespace zav::lang
