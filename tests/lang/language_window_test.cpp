// The Language window's logic: its options, their places, what it stores.
#include "zav/lang/language_window.h"

#include <gtest/gtest.h>

#include <QDir>

#include "lang_test_support.h"
#include "zav/app/global.h"
#include "zav/lang/language_settings.h"
#include "zav/lang/language_text.h"
#include "zav/test/message_recorder.h"

namespace zav::lang {
namespace {

class LanguageWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        settingsHome = test::useEmptySettings();
        auto module = LanguageModule::create(
            test::shippedModuleDirectory() + QStringLiteral("kvo_lang_en.so"),
            QStringLiteral("kvo_lang_en.clsResources"));
        installLanguageModule(std::move(module), QStringLiteral("en"));
        modules.addAllShipped().add(test::fixtureModule("kvo_lang_zz.so"),
                                    QStringLiteral("kvo_lang_zz.so"));
    }
    void TearDown() override { installLanguageModule(nullptr, {}); }

    LanguageWindow open() {
        return LanguageWindow(modules.path(), [](const QString& code) {
            return app::Global::GetLangName(code, test::shippedCodeList());
        });
    }

    QString settingsHome;
    test::ModuleDirectory modules;
    zav::test::MessageRecorder sink;
};

TEST_F(LanguageWindowTest, FiveModulesGiveTwoColumnsOfOptions) {
    const LanguageWindow window = open();
    const auto& options = window.options();
    ASSERT_EQ(options.size(), 6u);
    EXPECT_EQ(options[0].tag, QString());
    EXPECT_EQ(options[0].caption, QStringLiteral("Auto select by Locale"));
    EXPECT_EQ(options[0].rect, (TwipsRect{360, 240, 4215, 195}));

    const struct {
        const char* tag;
        const char* caption;
        TwipsRect rect;
    } expected[] = {
        {"DE", "German", {360, 720, 2055, 195}},   {"en", "English", {2520, 720, 2055, 195}},
        {"es", "Spanish", {360, 1200, 2055, 195}}, {"fr", "French", {2520, 1200, 2055, 195}},
        {"zz", "", {360, 1680, 2055, 195}},
    };
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        EXPECT_EQ(options[i + 1].tag, QLatin1String(expected[i].tag)) << i + 1;
        EXPECT_EQ(options[i + 1].caption, QString::fromUtf8(expected[i].caption)) << i + 1;
        EXPECT_EQ(options[i + 1].rect, expected[i].rect) << i + 1;
    }
    EXPECT_EQ(window.caption(), QStringLiteral("Language"));
    EXPECT_EQ(window.tip(),
              QStringLiteral("Please restart the Diagnostics Tool for changes to take effect."));
    EXPECT_EQ(window.okCaption(), QStringLiteral("OK"));
    EXPECT_EQ(window.cancelCaption(), QStringLiteral("Cancel"));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(LanguageWindowTest, OnlyModuleFileNamesAreListed) {
    test::ModuleDirectory dir;
    for (const char* name : {"kvo_lang_.so", "KVO_LANG_it.so", "kvo_lang_it.so.1",
                             "kvo_lang_nl.txt", "lang_kvo_it.so", "kvo_lang_pt.so"}) {
        dir.add(test::fixtureModule("kvo_lang_zz.so"), QLatin1String(name));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("kvo_lang_ru.so")));
    EXPECT_EQ(moduleFileNames(dir.path()),
              QStringList({QStringLiteral("kvo_lang_.so"), QStringLiteral("kvo_lang_pt.so")}));
    EXPECT_EQ(moduleCodeOf(QStringLiteral("kvo_lang_.so")), QStringLiteral("g_"));
    EXPECT_TRUE(moduleFileNames(dir.path() + QStringLiteral("missing")).isEmpty());
}

TEST_F(LanguageWindowTest, ChoosingStoresAtOnceOkStoresTheCodeCancelKeepsTheChoice) {
    {
        LanguageWindow window = open();
        EXPECT_EQ(window.selectedOption(), 0);  // nothing stored: by locale
        window.choose(3);
        EXPECT_EQ(window.chosenCode(), QStringLiteral("es"));
        EXPECT_EQ(readLanguageSettings().countryCodeOption, 3);
        EXPECT_EQ(readLanguageSettings().countryCode, QStringLiteral("es"));
        window.choose(6);  // not listed
        EXPECT_EQ(window.selectedOption(), 3);
    }  // closed by Cancel: the click stays stored
    EXPECT_EQ(readLanguageSettings().countryCodeOption, 3);

    {
        LanguageWindow window = open();
        EXPECT_EQ(window.selectedOption(), 3);
        window.choose(0);
        EXPECT_EQ(readLanguageSettings().countryCode, QString());
        window.choose(1);
        window.ok();
    }
    const LanguageSettings stored = readLanguageSettings();
    EXPECT_EQ(stored.countryCodeOption, 1);
    EXPECT_EQ(stored.countryCode, QStringLiteral("DE"));

    // Stored as text in the user's INI file.
    QFile ini(settingsHome + QStringLiteral("/ZAV Diagnostics Tool/ZAV Diagnostics Tool.ini"));
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QByteArray text = ini.readAll();
    EXPECT_TRUE(text.contains("[Startup]"));
    EXPECT_TRUE(text.contains("CountryCode=DE"));
    EXPECT_TRUE(text.contains("CountryCodeOption=1"));
}

TEST_F(LanguageWindowTest, OpeningSelectsTheStoredOptionAndStoresItsTagAgain) {
    storeCountryCode(QStringLiteral("xx"));
    storeCountryCodeOption(4);
    EXPECT_EQ(open().selectedOption(), 4);
    EXPECT_EQ(readLanguageSettings().countryCode, QStringLiteral("fr"));

    // An option the folder no longer has selects nothing and changes nothing.
    storeCountryCode(QStringLiteral("it"));
    storeCountryCodeOption(9);
    LanguageWindow window = open();
    EXPECT_EQ(window.selectedOption(), -1);
    window.ok();
    EXPECT_EQ(readLanguageSettings().countryCode, QStringLiteral("it"));
    EXPECT_EQ(readLanguageSettings().countryCodeOption, 9);
}

}  // namespace
}  // namespace zav::lang
