#include <gtest/gtest.h>
#include <stdlib.h>

#include "zav/platform/shared_library.h"
#include "zav/platform/system.h"

using namespace zav::platform;

TEST(LanguageId, LocaleNamesMapToWindowsIdentifiers) {
    EXPECT_EQ(language_id_for_locale("es_ES.UTF-8"), 0x0C0A);
    EXPECT_EQ(language_id_for_locale("es_ES@traditional"), 0x040A);
    EXPECT_EQ(language_id_for_locale("es_CO.UTF-8"), 0x240A);
    EXPECT_EQ(language_id_for_locale("de_CH.UTF-8"), 0x0807);
    EXPECT_EQ(language_id_for_locale("fr_FR"), 0x040C);
    EXPECT_EQ(language_id_for_locale("en_GB.UTF-8"), 0x0809);
    EXPECT_EQ(language_id_for_locale("de"), 0x0407);
    EXPECT_EQ(language_id_for_locale("C"), 0);
    EXPECT_EQ(language_id_for_locale("POSIX"), 0);
    EXPECT_EQ(language_id_for_locale("C.UTF-8"), 0);
    EXPECT_EQ(language_id_for_locale("xx_YY"), 0);
}

TEST(LanguageId, EnvironmentPrecedence) {
    setenv("LANG", "de_DE.UTF-8", 1);
    setenv("LC_MESSAGES", "fr_FR.UTF-8", 1);
    setenv("LC_ALL", "", 1);
    EXPECT_EQ(user_language_id(), 0x040C);
    setenv("LC_ALL", "es_MX.UTF-8", 1);
    EXPECT_EQ(user_language_id(), 0x080A);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(user_language_id(), 0x0407);
}

TEST(SystemPaths, ProgramAndTempDirectoriesEndWithSeparator) {
    const std::string program = program_directory();
    ASSERT_FALSE(program.empty());
    EXPECT_EQ(program.back(), '/');
    setenv("TMPDIR", "/tmp", 1);
    EXPECT_EQ(temp_directory(), "/tmp/");
    setenv("TMPDIR", "/nonexistent-tmp", 1);
    EXPECT_EQ(temp_directory(), "");
    unsetenv("TMPDIR");
    EXPECT_FALSE(file_exists("/nonexistent"));
    EXPECT_FALSE(file_exists("/tmp"));  // a directory is not a file
}

TEST(SharedLibraryLoading, MissingLibraryAndSymbolGiveErrors) {
    SharedLibrary lib;
    EXPECT_FALSE(lib.load("/nonexistent/libnothing.so"));
    EXPECT_FALSE(lib.error().empty());
    EXPECT_EQ(lib.symbol("x"), nullptr);
    ASSERT_TRUE(lib.load("libm.so.6"));
    EXPECT_NE(lib.symbol("cos"), nullptr);
    EXPECT_EQ(lib.symbol("no_such_symbol_here"), nullptr);
    EXPECT_FALSE(lib.error().empty());
}
