#include "report_pdf_tools.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <array>
#include <cmath>
#include <string>

extern char** environ;

namespace zav::diag::test {
namespace {

QByteArray Run(const QString& program, const QStringList& arguments) {
    const ToolOutput output = RunTool(program, arguments);
    return output.exitCode == 0 ? output.out : QByteArray();
}

bool SameLine(const PdfWord& a, const PdfWord& b) {
    return a.page == b.page && std::abs(a.box.center().y() - b.box.center().y()) < 2.0;
}

}  // namespace

// posix_spawn, not fork: the test process has threads (the link worker), and
// a fork beside them is what ThreadSanitizer refuses.
ToolOutput RunTool(const QString& program, const QStringList& arguments) {
    std::array<int, 2> out{}, err{};
    if (pipe(out.data()) != 0) return {};
    if (pipe(err.data()) != 0) {
        close(out[0]);
        close(out[1]);
        return {};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    for (int fd : {out[0], out[1], err[0], err[1]}) posix_spawn_file_actions_addclose(&actions, fd);

    std::vector<std::string> words{program.toStdString()};
    for (const QString& argument : arguments) words.push_back(argument.toStdString());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    pid_t child = 0;
    const int spawned =
        posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);

    ToolOutput result;
    std::array<pollfd, 2> streams{{{out[0], POLLIN, 0}, {err[0], POLLIN, 0}}};
    QByteArray* targets[] = {&result.out, &result.err};
    int open = spawned == 0 ? 2 : 0;
    while (open > 0 && poll(streams.data(), streams.size(), 60'000) > 0) {
        for (std::size_t i = 0; i < streams.size(); ++i) {
            if (streams[i].fd < 0 || streams[i].revents == 0) continue;
            char buffer[4096];
            const ssize_t got = read(streams[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                targets[i]->append(buffer, got);
                continue;
            }
            close(streams[i].fd);
            streams[i].fd = -1;
            --open;
        }
    }
    for (const pollfd& stream : streams) {
        if (stream.fd >= 0) close(stream.fd);
    }
    if (spawned == 0 && open > 0) kill(child, SIGKILL);  // silent for a minute: hung
    if (spawned != 0) {
        close(out[0]);
        close(err[0]);
        return {};
    }
    int status = 0;
    if (waitpid(child, &status, 0) == child && WIFEXITED(status)) {
        result.exitCode = WEXITSTATUS(status);
    }
    return result;
}

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
