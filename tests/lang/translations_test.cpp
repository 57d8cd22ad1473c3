// Our additions' texts in the chosen language: the shipped translation
// files, English wherever one is missing, and files nobody should trust.
#include "zav/lang/translations.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtEndian>

#include "core_test_support.h"
#include "lang_test_support.h"
#include "zav/app/port_access_text.h"
#include "zav/app/port_description.h"
#include "zav/lang/language_text.h"
#include "zav/lang/startup_language.h"
#include "zav/lang/translation_file_check.h"
#include "zav/test/message_recorder.h"

namespace zav::lang {
namespace {

QString zav(const char* text) {
    return QCoreApplication::translate("zav", text);
}

QString shippedTranslations() {
    return test::distDirectory() + QStringLiteral("/translations/");
}

class TranslationsTest : public ::testing::Test {
  protected:
    void SetUp() override { app::test::ensureApplication(); }
    void TearDown() override { installTranslations(QStringLiteral("en"), QString()); }

    // A translation directory of this test's own holding `contents` as
    // zav_de.qm.
    QString directoryWithGermanFile(const QByteArray& contents) {
        QFile file(dir_.filePath(QStringLiteral("zav_de.qm")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(contents);
        return dir_.path();
    }
    static QByteArray shippedGerman() {
        QFile file(shippedTranslations() + QStringLiteral("zav_de.qm"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    QTemporaryDir dir_;
};

// What the engineer reads: the report's captions, the port options' line,
// the status line of a training run and the diagnostics window's button.
TEST_F(TranslationsTest, EachShippedLanguageTranslatesOurTexts) {
    const struct {
        const char* code;
        const char* report;
        const char* noDevice;
        const char* simulated;
        const char* button;
    } cases[] = {
        {"DE", "Servicebericht", "Gerät nicht vorhanden", "Simulierter TM6 an COM97", "Bericht…"},
        {"de", "Servicebericht", "Gerät nicht vorhanden", "Simulierter TM6 an COM97", "Bericht…"},
        {"fr", "Rapport de maintenance", "périphérique absent", "TM6 simulé sur COM97", "Rapport…"},
        {"es", "Informe de servicio", "el dispositivo no existe", "TM6 simulado en COM97",
         "Informe…"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        ASSERT_TRUE(installTranslations(QLatin1String(c.code), shippedTranslations()));
        EXPECT_EQ(zav("Service report"), QString::fromUtf8(c.report));
        EXPECT_EQ(app::portDescription(0, {}), QString::fromUtf8(c.noDevice));
        EXPECT_EQ(zav("Simulated %1 on COM%2").arg(QStringLiteral("TM6")).arg(97),
                  QString::fromUtf8(c.simulated));
        EXPECT_EQ(zav("Report…"), QString::fromUtf8(c.button));
    }
    // German with its own group name in place.
    installTranslations(QStringLiteral("de"), shippedTranslations());
    platform::PortAccessReport denied;
    denied.access = platform::PortAccess::PermissionDenied;
    denied.group = "dialout";
    EXPECT_EQ(app::portAccessText(denied),
              QStringLiteral("Zugriff verweigert: Benutzer zur Gruppe `dialout` hinzufügen und "
                             "neu anmelden"));
}

TEST_F(TranslationsTest, WhatHasNoTranslationStaysEnglish) {
    const QString english = QStringLiteral("Service report");
    // English itself, a language without a file, a code that names a path.
    for (const char* code : {"en", "EN", "pt", "", "d", "../de", "de/", "dé"}) {
        SCOPED_TRACE(code);
        EXPECT_FALSE(installTranslations(QString::fromUtf8(code), shippedTranslations()));
        EXPECT_EQ(zav("Service report"), english);
    }
    // German in a folder without the file.
    EXPECT_FALSE(installTranslations(QStringLiteral("de"), dir_.path()));
    EXPECT_EQ(zav("Service report"), english);
    // A text the file lacks, in a language that is installed.
    ASSERT_TRUE(installTranslations(QStringLiteral("de"), shippedTranslations()));
    EXPECT_EQ(zav("Service report"), QStringLiteral("Servicebericht"));
    EXPECT_EQ(zav("A text nobody translated"), QStringLiteral("A text nobody translated"));
    EXPECT_EQ(QCoreApplication::translate("other", "Service report"), english);
    // Choosing English after German takes German away.
    EXPECT_FALSE(installTranslations(QStringLiteral("en"), shippedTranslations()));
    EXPECT_EQ(zav("Service report"), english);
}

// Whatever lies where the translation should be, the program goes on in
// English or in whatever the file still says; it never crashes.
TEST_F(TranslationsTest, HostileTranslationFilesNeverCrash) {
    const QByteArray good = shippedGerman();
    ASSERT_GT(good.size(), 100);
    const char* probes[] = {"Service report", "no such device", "Report…", "Sensor table",
                            "zavdiag %1: interrupted"};
    const auto lookUpEverything = [&probes] {
        for (const char* probe : probes) {
            const QString text = zav(probe);
            EXPECT_LE(text.size(), 1000) << probe;
        }
    };
    const auto tryFile = [&](const QByteArray& contents) {
        installTranslations(QStringLiteral("de"), directoryWithGermanFile(contents));
        lookUpEverything();
    };
    tryFile({});
    tryFile(QByteArray(64 * 1024, '\xff'));
    tryFile(QByteArray("not a translation at all"));
    // Cut short anywhere in the header, then at steps through the rest.
    for (qsizetype length = 0; length < good.size(); length += length < 64 ? 1 : 97) {
        tryFile(good.left(length));
    }
    // Every byte of the header and the hash table changed, then bytes at
    // steps through the messages (each file is written and read once, so
    // the whole file at every byte would take minutes).
    for (qsizetype i = 0; i < good.size(); i += i < 256 ? 1 : 61) {
        for (const char flip : {'\xff', '\x80', '\x01'}) {
            QByteArray bad = good;
            bad[i] = static_cast<char>(bad[i] ^ flip);
            tryFile(bad);
        }
    }
    // The right header, then blocks of every tag with lengths past the end.
    QRandomGenerator random(20261209);
    for (int round = 0; round < 300; ++round) {
        QByteArray bad = good.left(16);
        for (int block = 0; block < 4; ++block) {
            bad.append(static_cast<char>(0x2f + random.bounded(0x0a)));
            const quint32 length = random.generate();
            for (int shift = 24; shift >= 0; shift -= 8) {
                bad.append(static_cast<char>((length >> shift) & 0xff));
            }
            for (int n = random.bounded(64); n > 0; --n) {
                bad.append(static_cast<char>(random.bounded(256)));
            }
        }
        tryFile(bad);
    }
    // A folder, and a file far larger than any translation, in its place.
    QDir(dir_.path()).mkdir(QStringLiteral("zav_fr.qm"));
    EXPECT_FALSE(installTranslations(QStringLiteral("fr"), dir_.path()));
    QByteArray huge = good;
    huge.append(QByteArray(8 * 1024 * 1024, '\0'));
    EXPECT_FALSE(installTranslations(QStringLiteral("de"), directoryWithGermanFile(huge)));
    EXPECT_EQ(zav("Service report"), QStringLiteral("Service report"));
}

// Where each block of a translation file starts (after its 5-byte header).
QMap<char, qsizetype> blockStarts(const QByteArray& file) {
    QMap<char, qsizetype> starts;
    for (qsizetype at = 16; at + 5 <= file.size();) {
        const auto length = qFromBigEndian<quint32>(file.constData() + at + 1);
        starts[file[at]] = at + 5;
        at += 5 + static_cast<qsizetype>(length);
    }
    return starts;
}

void putBigEndian(QByteArray& file, qsizetype at, quint32 value) {
    qToBigEndian(value, file.data() + at);
}

// The check sees what QTranslator would trust: a length or an offset past
// its block, and the blocks our files never carry.
TEST_F(TranslationsTest, CheckRefusesLengthsAndOffsetsPastTheirBlock) {
    const QByteArray good = shippedGerman();
    EXPECT_TRUE(isSoundTranslationFile(good));
    const auto starts = blockStarts(good);
    ASSERT_TRUE(starts.contains('\x42') && starts.contains('\x69'));
    const qsizetype hashes = starts['\x42'];
    const qsizetype messages = starts['\x69'];

    // The first hash entry's message: its first field's length made huge.
    QByteArray bad = good;
    const auto first = qFromBigEndian<quint32>(good.constData() + hashes + 4);
    const qsizetype field = messages + static_cast<qsizetype>(first);
    ASSERT_NE(good[field], '\x01');
    putBigEndian(bad, field + 1, 0x7ffffff0);
    EXPECT_FALSE(isSoundTranslationFile(bad));

    bad = good;
    putBigEndian(bad, hashes + 4, 0xfffffff0);
    EXPECT_FALSE(isSoundTranslationFile(bad));

    bad = good;
    putBigEndian(bad, messages - 4, 0x7ffffff0);
    EXPECT_FALSE(isSoundTranslationFile(bad));

    // A list of other files to load beside this one.
    bad = good + QByteArray("\x96\x00\x00\x00\x04zz.q", 9);
    EXPECT_FALSE(isSoundTranslationFile(bad));
    EXPECT_FALSE(installTranslations(QStringLiteral("de"), directoryWithGermanFile(bad)));
    EXPECT_EQ(zav("Service report"), QStringLiteral("Service report"));

    EXPECT_FALSE(isSoundTranslationFile(good.left(15)));
    EXPECT_TRUE(installTranslations(QStringLiteral("de"), directoryWithGermanFile(good)));
    EXPECT_EQ(zav("Service report"), QStringLiteral("Servicebericht"));
}

// Start-up installs the translation of the module it loaded.
TEST_F(TranslationsTest, StartUpInstallsTheTranslationOfTheChosenLanguage) {
    test::useEmptySettings();
    test::MessageRecorder sink;
    test::ModuleDirectory modules;
    modules.addAllShipped();
    auto settings = base::settings::openUserSettings();
    settings->setValue(QStringLiteral("Startup/CountryCode"), QStringLiteral("DE"));
    settings->setValue(QStringLiteral("Startup/CountryCodeOption"), QStringLiteral("1"));
    settings.reset();
    ASSERT_TRUE(startLanguage({modules.path(), 0, shippedTranslations()}).loaded);
    EXPECT_EQ(zav("Mechanics"), QStringLiteral("Mechanik"));
    // By the locale: Spanish.
    base::settings::openUserSettings()->clear();
    ASSERT_TRUE(startLanguage({modules.path(), 0x0C0A, shippedTranslations()}).loaded);
    EXPECT_EQ(zav("Mechanics"), QStringLiteral("Mecánica"));
    // A language whose module is missing falls back to English, texts and all.
    ASSERT_TRUE(startLanguage({modules.path(), 0x0409, shippedTranslations()}).loaded);
    EXPECT_EQ(zav("Mechanics"), QStringLiteral("Mechanics"));
    installLanguageModule(nullptr, {});
}

struct Message {
    QString source;
    QString translation;
    bool finished = false;
};

std::vector<Message> readTranslationSource(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    std::vector<Message> messages;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("message")) {
            messages.emplace_back();
        } else if (xml.name() == QLatin1String("source") && !messages.empty()) {
            messages.back().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation") && !messages.empty()) {
            const bool unfinished =
                xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            messages.back().translation = xml.readElementText();
            messages.back().finished = !unfinished;
        }
    }
    if (xml.hasError()) *error = xml.errorString();
    return messages;
}

QSet<QString> placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%[0-9]+"));
    QSet<QString> found;
    for (const auto& match : kPlaceholder.globalMatch(text)) found.insert(match.captured());
    return found;
}

// A translation that loses a placeholder drops a port name or a path from
// a message; one that loses the ellipsis or the closing punctuation reads
// differently from the language-module texts beside it.
TEST(TranslationSources, KeepEveryPlaceholderAndTheClosingPunctuation) {
    for (const char* code : {"de", "fr", "es"}) {
        const QString path =
            QStringLiteral(ZAV_TRANSLATION_SOURCE_DIR "/zav_%1.ts").arg(QLatin1String(code));
        SCOPED_TRACE(path.toStdString());
        QString error;
        const std::vector<Message> messages = readTranslationSource(path, &error);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_GT(messages.size(), 100u);
        for (const Message& message : messages) {
            if (!message.finished) continue;
            SCOPED_TRACE(message.source.toStdString());
            EXPECT_FALSE(message.translation.isEmpty());
            EXPECT_EQ(placeholders(message.translation), placeholders(message.source))
                << message.translation.toStdString();
            for (const QChar end : {u'.', u':', u'…'}) {
                EXPECT_EQ(message.translation.endsWith(end), message.source.endsWith(end))
                    << message.translation.toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace zav::lang
