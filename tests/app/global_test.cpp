// The Global module: files, the temporary directory, UTF-8 conversion and
// language names from the ISO 639-2 list.
#include "zav/app/global.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <future>

#include "lang_test_support.h"
#include "zav/platform/locale_charset.h"
#include "zav/test/message_recorder.h"

namespace zav::app::Global {
namespace {

// Waits up to two seconds for `call`, which reads `fifo`; a call still
// blocked in its open is let go by a writer. True when it returned by itself.
template <typename T>
bool ReturnedWithoutAWriter(std::future<T>& call, const QString& fifo) {
    const bool returned = call.wait_for(std::chrono::seconds(2)) == std::future_status::ready;
    if (!returned) ::close(::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK));
    return returned;
}

class GlobalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        qputenv("TMPDIR", QFile::encodeName(temp()));
        ASSERT_TRUE(QDir().mkpath(temp()));
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    QString temp() const { return scratch.path() + QStringLiteral("/tmp"); }
    QString file(const QString& name) const { return scratch.path() + u'/' + name; }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile out(file(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return out.fileName();
    }
    static QByteArray read(const QString& path) {
        QFile in(path);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
    }
    bool tempIsEmpty() const {
        return QDir(temp()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden |
                                    QDir::System);
    }

    QTemporaryDir scratch;
    zav::test::MessageRecorder sink;
};

TEST_F(GlobalTest, LangNameFromTheShippedList) {
    const QString list = test::shippedCodeList();
    EXPECT_EQ(GetLangName(QStringLiteral("en"), list), QStringLiteral("English"));
    EXPECT_EQ(GetLangName(QStringLiteral("es"), list), QStringLiteral("Spanish"));
    EXPECT_EQ(GetLangName(QStringLiteral("de"), list), QStringLiteral("German"));
    EXPECT_EQ(GetLangName(QStringLiteral("fr"), list), QStringLiteral("French"));
    EXPECT_EQ(GetLangName(QStringLiteral("nl"), list), QStringLiteral("Dutch"));
    EXPECT_EQ(GetLangName(QStringLiteral("EN"), list), QString());
    EXPECT_EQ(GetLangName(QStringLiteral("e"), list), QString());
    EXPECT_EQ(GetLangName(QString(), list), QString());
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(tempIsEmpty());
}

TEST_F(GlobalTest, LangNameScanRules) {
    const QString list = write(QStringLiteral("list.txt"),
                               "ace|||Achinese|aceh\n"           // no alpha-2 code
                               "xxa||zz|First|premier\r\n"       // CR LF line
                               "ab|\n"                           // too few fields
                               "xxb||zz|Second; Other|second\n"  // last match wins
                               "xxc||yy|Name|nom|extra\n"
                               "xxd||ww|Unended");
    EXPECT_EQ(GetLangName(QStringLiteral("zz"), list), QStringLiteral("Second"));
    EXPECT_EQ(GetLangName(QStringLiteral("yy"), list), QStringLiteral("Name"));
    EXPECT_EQ(GetLangName(QStringLiteral("ww"), list), QStringLiteral("Unended"));
    EXPECT_EQ(GetLangName(QStringLiteral("Ac"), list), QString());
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(GlobalTest, LangNameFailuresAreShownAndGiveEmpty) {
    EXPECT_EQ(GetLangName(QStringLiteral("en"), file(QStringLiteral("missing.txt"))), QString());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text,
              QStringLiteral("Error 2 (No such file or directory) in procedure GetLangName of "
                             "Module Global"));
    EXPECT_EQ(sink.messages[0].icon, base::MessageIcon::None);
    EXPECT_EQ(sink.messages[0].title, QStringLiteral("ZAV Diagnostics Tool"));

    qputenv("TMPDIR", QFile::encodeName(file(QStringLiteral("no-such-dir"))));
    EXPECT_EQ(GetLangName(QStringLiteral("en"), test::shippedCodeList()), QString());
    EXPECT_EQ(sink.messages.size(), 2u);
    EXPECT_THROW(TempDirectory(), std::system_error);
}

TEST_F(GlobalTest, LangNameRefusesACodeListThatIsNotARegularFile) {
    // A FIFO would block the open until some writer came along.
    const QString fifo = file(QStringLiteral("fifo.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    std::future<QString> name =
        std::async(std::launch::async, [&] { return GetLangName(QStringLiteral("en"), fifo); });
    EXPECT_TRUE(ReturnedWithoutAWriter(name, fifo)) << "GetLangName blocked on a FIFO";
    EXPECT_EQ(name.get(), QString());
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text,
              QStringLiteral("Error 22 (Not a regular file) in procedure GetLangName of Module "
                             "Global"));

    EXPECT_EQ(GetLangName(QStringLiteral("en"), temp()), QString());
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[1].text,
              QStringLiteral("Error 21 (Is a directory) in procedure GetLangName of Module "
                             "Global"));
    EXPECT_TRUE(tempIsEmpty());
}

// The conversion of a text file reads its source the same way.
TEST_F(GlobalTest, Utf8FileToAnsiFileRefusesASourceThatIsNotARegularFile) {
    const QString fifo = file(QStringLiteral("fifo.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString destination = file(QStringLiteral("out.txt"));
    std::future<void> converted =
        std::async(std::launch::async, [&] { Utf8FileToAnsiFile(fifo, destination); });
    EXPECT_TRUE(ReturnedWithoutAWriter(converted, fifo)) << "Utf8FileToAnsiFile blocked on a FIFO";
    EXPECT_THROW(converted.get(), std::system_error);
    EXPECT_FALSE(QFile::exists(destination));
}

TEST_F(GlobalTest, LangNameLeavesNoCopyAndCannotBeRedirectedByAPlantedLink) {
    const QString victim = write(QStringLiteral("victim.txt"), "precious");
    ASSERT_TRUE(QFile::link(victim, temp() + QStringLiteral("/ansi_cc.txt")));
    EXPECT_EQ(GetLangName(QStringLiteral("es"), test::shippedCodeList()),
              QStringLiteral("Spanish"));
    EXPECT_EQ(read(victim), QByteArray("precious"));
    EXPECT_EQ(QDir(temp()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList({QStringLiteral("ansi_cc.txt")}));  // only the planted link
}

TEST_F(GlobalTest, FileHelpers) {
    const QString existing = write(QStringLiteral("a.txt"), "x");
    EXPECT_TRUE(FileExists(existing));
    EXPECT_FALSE(FileExists(file(QStringLiteral("missing.txt"))));
    EXPECT_FALSE(FileExists(scratch.path()));  // a directory is not a file
    EXPECT_FALSE(FileExists(QString()));
    EXPECT_TRUE(sink.messages.empty());

    // A NUL would cut the path short and test another file.
    EXPECT_FALSE(FileExists(existing + QChar(u'\0') + QStringLiteral("zzz")));
    ASSERT_EQ(sink.messages.size(), 1u);
    EXPECT_EQ(sink.messages[0].text,
              QStringLiteral("Error 22 (Invalid argument) in procedure FileExists"));

    DeleteFileIfExists(existing);
    EXPECT_FALSE(QFile::exists(existing));
    EXPECT_NO_THROW(DeleteFileIfExists(existing));

    EXPECT_EQ(TempDirectory(), temp() + u'/');
}

TEST_F(GlobalTest, Utf8FileToAnsiFileAppendsCrLfAndKeepsUtf8Bytes) {
    const QByteArray text = "Provençal; 日本語\nnext";
    const QString destination = write(QStringLiteral("out.txt"), "old contents, longer");
    Utf8FileToAnsiFile(write(QStringLiteral("in.txt"), text), destination);
    EXPECT_EQ(read(destination), text + "\r\n");  // the test runs in a UTF-8 or C locale

    Utf8FileToAnsiFile(write(QStringLiteral("empty.txt"), ""), destination);
    EXPECT_EQ(read(destination), QByteArray("\r\n"));
    // Longer than one read piece: nothing lost at the pieces' seams.
    QByteArray longText;
    for (int line = 0; longText.size() < 200'000; ++line) {
        longText += "line " + QByteArray::number(line) + " | ü |\n";
    }
    Utf8FileToAnsiFile(write(QStringLiteral("long.txt"), longText), destination);
    EXPECT_EQ(read(destination), longText + "\r\n");

    EXPECT_THROW(Utf8FileToAnsiFile(file(QStringLiteral("missing")), destination),
                 std::system_error);
    QFile huge(file(QStringLiteral("huge.txt")));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(17 * 1024 * 1024));
    huge.close();
    try {
        Utf8FileToAnsiFile(huge.fileName(), destination);
        ADD_FAILURE() << "a 17 MiB file was converted";
    } catch (const std::system_error& e) {
        EXPECT_EQ(e.code().value(), EFBIG);
    }

    EXPECT_EQ(Utf8ToText(QByteArray("Über")), QStringLiteral("Über"));
    EXPECT_EQ(Utf8ToText(QByteArray("a\xff")), QStringLiteral("a\uFFFD"));
}

TEST(LocaleCharset, ConvertsToAndFromASingleByteSet) {
    using platform::charset_to_utf8;
    using platform::utf8_to_charset;
    EXPECT_EQ(utf8_to_charset("Provençal 日本 ok", "ISO-8859-1"),
              "Proven\xe7"
              "al ?? ok");
    EXPECT_EQ(utf8_to_charset("bad \xff\xc3", "ISO-8859-1"), "bad ??");
    EXPECT_EQ(charset_to_utf8("Proven\xe7"
                              "al",
                              "ISO-8859-1"),
              "Provençal");
    EXPECT_EQ(charset_to_utf8("a\x81z", "CP1252"), "a\xEF\xBF\xBDz");  // 0x81 is unassigned
    EXPECT_EQ(utf8_to_charset("bad \xff", "UTF-8"), "bad \xff");
    EXPECT_THROW(utf8_to_charset("x", "NO-SUCH-CHARSET"), std::system_error);
    EXPECT_FALSE(platform::locale_charset().empty());
}

TEST(LangText, FallsBackWithoutALanguageModule) {
    EXPECT_EQ(LangText(12), QStringLiteral("Error : NLDnro: 12"));
}

}  // namespace
}  // namespace zav::app::Global
