// The four shipped modules, loaded the way the program loads them.
#include <gtest/gtest.h>

#include <set>

#include "lang_test_support.h"
#include "zav/lang/language_module.h"

namespace zav::lang {
namespace {

struct Shipped {
    const char* file;
    const char* identifier;
    const char* language;
};
const Shipped kShipped[] = {
    {"kvo_lang_en.so", "kvo_lang_en.clsResources", "English"},
    {"kvo_lang_fr.so", "kvo_lang_fr.clsResources", "French"},
    {"kvo_lang_DE.so", "kvo_lang_DE.clsResources", "German"},
    {"kvo_lang_es.so", "kvo_lang_es.clsResources", "Spanish"},
};

std::unique_ptr<LanguageModule> open(const char* file, const QString& identifier) {
    return LanguageModule::create(test::shippedModuleDirectory() + QLatin1String(file), identifier);
}

std::unique_ptr<LanguageModule> open(const Shipped& module) {
    return open(module.file, QLatin1String(module.identifier));
}

// The numbers a module holds, probing well past the ones in use.
std::set<int> numbersHeld(const LanguageModule& module) {
    std::set<int> held;
    for (int id = -10; id <= 2000; ++id) {
        if (module.resourceString(id)) held.insert(id);
    }
    for (int id : {INT32_MIN, INT32_MAX}) {
        if (module.resourceString(id)) held.insert(id);
    }
    return held;
}

TEST(ShippedModules, HoldExactlyTheNumbersOfTheEnglishOne) {
    const auto english = open(kShipped[0]);
    ASSERT_TRUE(english);
    const std::set<int> expected = numbersHeld(*english);
    ASSERT_EQ(expected.size(), 115u);
    EXPECT_EQ(*expected.begin(), 1);
    EXPECT_EQ(*expected.rbegin(), 115);
    for (const Shipped& shipped : kShipped) {
        const auto module = open(shipped);
        ASSERT_TRUE(module) << shipped.file;
        EXPECT_EQ(numbersHeld(*module), expected) << shipped.file;
        EXPECT_EQ(module->language(), QLatin1String(shipped.language));
        for (int id : {0, 116}) EXPECT_FALSE(module->resourceString(id)) << shipped.file << id;
        for (int id = 1; id <= 115; ++id) {
            EXPECT_FALSE(module->resourceString(id)->isEmpty()) << shipped.file << id;
        }
    }
}

TEST(ShippedModules, StoreTextsExactlyWithBlanksAccentsAndAccessKeys) {
    const auto english = open(kShipped[0]);
    const auto french = open(kShipped[1]);
    const auto german = open(kShipped[2]);
    const auto spanish = open(kShipped[3]);
    EXPECT_EQ(english->resourceString(39), QStringLiteral("Download error! "));
    EXPECT_EQ(english->resourceString(42), QStringLiteral(" Type  "));
    EXPECT_EQ(english->resourceString(55), QStringLiteral("Not answering command!"));
    EXPECT_EQ(french->resourceString(3), QStringLiteral("&Fichier"));
    EXPECT_EQ(french->resourceString(12), QStringLiteral("A P&ropos"));
    EXPECT_EQ(french->resourceString(41), QStringLiteral("Réception des données en cours…"));
    EXPECT_EQ(french->resourceString(56), QStringLiteral("Erreur d'ouverture du port série. "));
    EXPECT_EQ(german->resourceString(12), QStringLiteral("Über"));
    EXPECT_EQ(german->resourceString(95), QStringLiteral("WEISS"));
    EXPECT_EQ(spanish->resourceString(1), QStringLiteral("Aceptar"));
    EXPECT_EQ(spanish->resourceString(44), QStringLiteral("  Versión de virmware"));
    for (const auto* module : {&english, &french, &german, &spanish}) {
        EXPECT_EQ((*module)->resourceString(59), QStringLiteral("ZAV Diagnostics Tool"));
        EXPECT_TRUE((*module)->resourceString(101)->startsWith(QStringLiteral("© Kestrune Ltd.")));
    }
}

TEST(ShippedModules, CreateOnlyTheirOwnObjectNamedWithoutRegardToCase) {
    EXPECT_TRUE(open("kvo_lang_DE.so", QStringLiteral("kvo_lang_de.clsResources")));
    EXPECT_TRUE(open("kvo_lang_en.so", QStringLiteral("KVO_LANG_EN.CLSRESOURCES")));
    EXPECT_FALSE(open("kvo_lang_en.so", QStringLiteral("kvo_lang_fr.clsResources")));
    EXPECT_FALSE(open("kvo_lang_en.so", QStringLiteral("kvo_lang_en.clsResource")));
    EXPECT_FALSE(open("kvo_lang_en.so", QString()));
}

TEST(LanguageModuleCreate, SaysWhyAFileGivesNoObject) {
    QString why;
    EXPECT_FALSE(LanguageModule::create(test::fixtureModule("not_a_module.so"),
                                        QStringLiteral("kvo_lang_en.clsResources"), &why));
    EXPECT_TRUE(why.contains(QStringLiteral("is not a language module"))) << why.toStdString();

    test::ModuleDirectory dir;
    QFile junk(dir.path() + QStringLiteral("kvo_lang_en.so"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a library");
    junk.close();
    why.clear();
    EXPECT_FALSE(
        LanguageModule::create(junk.fileName(), QStringLiteral("kvo_lang_en.clsResources"), &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(LanguageModule::create(dir.path() + QStringLiteral("missing.so"), QString()));
}

TEST(LanguageModuleCreate, RefusesMissingAndOverlongTexts) {
    const auto faulty = LanguageModule::create(test::fixtureModule("kvo_lang_zz.so"),
                                               QStringLiteral("kvo_lang_zz.clsResources"));
    ASSERT_TRUE(faulty);
    EXPECT_FALSE(faulty->resourceString(1));  // claimed, but no text
    EXPECT_FALSE(faulty->resourceString(2));  // one byte over the limit
    EXPECT_EQ(faulty->resourceString(3)->size(), static_cast<qsizetype>(KVO_LANG_MAX_TEXT_BYTES));
    EXPECT_EQ(faulty->resourceString(4), QStringLiteral("  padded  "));
}

}  // namespace
}  // namespace zav::lang
