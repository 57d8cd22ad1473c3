#include "report_pdf_tools.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <cmath>

namespace zav::diag::test {
namespace {

QByteArray Run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        return {};
    }
    return process.readAllStandardOutput();
}

bool SameLine(const PdfWord& a, const PdfWord& b) {
    return a.page == b.page && std::abs(a.box.center().y() - b.box.center().y()) < 2.0;
}

}  // namespace

QString PdfText(const QString& pdfPath) {
    return QString::fromUtf8(
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")}));
}

std::vector<PdfWord> PdfWords(const QString& pdfPath) {
    const QByteArray xhtml =
        Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"),
                                          QStringLiteral("UTF-8"), pdfPath, QStringLiteral("-")});
    std::vector<PdfWord> words;
    QXmlStreamReader xml(xhtml);
    int page = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("page")) {
            ++page;
        } else if (xml.name() == QLatin1String("word")) {
            const auto a = xml.attributes();
            const QPointF topLeft(a.value("xMin").toDouble(), a.value("yMin").toDouble());
            const QPointF bottomRight(a.value("xMax").toDouble(), a.value("yMax").toDouble());
            words.push_back({page, QRectF(topLeft, bottomRight), xml.readElementText()});
        }
    }
    return words;
}

PdfLine FindLine(const std::vector<PdfWord>& words, const QString& phrase) {
    const QStringList parts = phrase.split(u' ');
    const auto count = static_cast<std::size_t>(parts.size());
    for (std::size_t i = 0; i + count <= words.size(); ++i) {
        // The phrase must begin its line.
        bool found = i == 0 || !SameLine(words[i - 1], words[i]);
        for (std::size_t k = 0; found && k < count; ++k) {
            const PdfWord& word = words[i + k];
            found = word.text == parts[static_cast<qsizetype>(k)] && SameLine(word, words[i]);
        }
        if (!found) continue;
        PdfLine line{words[i].page, words[i].box, 0};
        for (std::size_t k = 1; k < count; ++k) line.phrase = line.phrase.united(words[i + k].box);
        const std::size_t next = i + count;
        line.nextWordLeft = next < words.size() && SameLine(words[next], words[i])
                                ? words[next].box.left()
                                : line.phrase.right();
        return line;
    }
    return {};
}

QImage PdfPage(const QString& pdfPath, int page, int dpi) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    Run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
         QString::number(page), QStringLiteral("-l"), QString::number(page),
         QStringLiteral("-singlefile"), pdfPath, stem});
    return QImage(stem + QStringLiteral(".png"));
}

}  // namespace zav::diag::test
