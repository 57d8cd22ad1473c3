// Fetching texts: trailing blanks go, and failures give fallback texts.
#include <gtest/gtest.h>

#include "lang_test_support.h"
#include "zav/lang/language_text.h"
#include "zav/test/message_recorder.h"

namespace zav::lang {
namespace {

class FetchText : public ::testing::Test {
  protected:
    void TearDown() override { installLanguageModule(nullptr, {}); }

    void install(const QString& path, const char* code) {
        auto module = LanguageModule::create(
            path, QStringLiteral("kvo_lang_%1.clsResources").arg(QLatin1String(code)));
        ASSERT_TRUE(module);
        installLanguageModule(std::move(module), QLatin1String(code));
    }

    zav::test::MessageRecorder sink;
};

TEST_F(FetchText, WithoutModuleGivesTheNotLoadedFallback) {
    EXPECT_EQ(fetchText(7), QStringLiteral("Error : NLDnro: 7"));
    EXPECT_EQ(fetchText(-3), QStringLiteral("Error : NLDnro: -3"));
    EXPECT_TRUE(currentLanguageCode().isEmpty());
}

TEST_F(FetchText, RemovesTrailingBlanksOnlyAndFallsBackForUnknownNumbers) {
    install(test::shippedModuleDirectory() + QStringLiteral("kvo_lang_en.so"), "en");
    EXPECT_EQ(currentLanguageCode(), QStringLiteral("en"));
    EXPECT_EQ(fetchText(39), QStringLiteral("Download error!"));
    EXPECT_EQ(fetchText(42), QStringLiteral(" Type"));
    EXPECT_EQ(fetchText(55), QStringLiteral("Not answering command!"));
    EXPECT_EQ(fetchText(116), QStringLiteral("Error : NLD: 116"));
    EXPECT_EQ(fetchText(0), QStringLiteral("Error : NLD: 0"));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(FetchText, MisbehavingModuleGivesTheRaisedFallbackWithTheAskedNumber) {
    install(test::fixtureModule("kvo_lang_zz.so"), "zz");
    EXPECT_EQ(fetchText(1), QStringLiteral("Error : NLD: 1"));
    EXPECT_EQ(fetchText(2), QStringLiteral("Error : NLD: 2"));
    EXPECT_EQ(fetchText(4), QStringLiteral("  padded"));
    EXPECT_EQ(fetchText(5), QStringLiteral("Error : NLD: 5"));  // module rewrote the number
    EXPECT_TRUE(sink.messages.empty());
}

}  // namespace
}  // namespace zav::lang
