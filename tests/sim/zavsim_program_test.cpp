// The zavsim program as a user runs it: the port line it prints, a unit
// answering on that port, faults from the command line, and a clean end on
// SIGTERM.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "raw_host.h"

using namespace zav::sim::test;

namespace {

struct Spawned {
    pid_t pid = -1;
    FILE* out = nullptr;
};

// Starts dist/zavsim with the arguments; its standard output comes back
// through a pipe, its complaints go to /dev/null.
Spawned spawn_zavsim(std::vector<std::string> args) {
    const char* dist = std::getenv("ZAV_DIST_DIR");
    std::string program = std::string(dist ? dist : ".") + "/zavsim";
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    int fds[2];
    if (pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;  // the test runner may block signals; zavsim must not inherit that
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK);
    Spawned run;
    if (posix_spawn(&run.pid, program.c_str(), &actions, &attributes, argv.data(), environ) != 0)
        run.pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    close(fds[1]);
    run.out = fdopen(fds[0], "r");
    return run;
}

std::string read_line(FILE* in) {
    char buffer[512];
    if (!in || !std::fgets(buffer, sizeof buffer, in)) return {};
    std::string line = buffer;
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return line;
}

// The exit code, or -1 when the program is still running after timeout_ms
// (it is then killed).
int finish(Spawned& run, int timeout_ms = 5000) {
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, run.pid, 0));
    pollfd exited{pidfd, POLLIN, 0};
    const bool ended = pidfd >= 0 && poll(&exited, 1, timeout_ms) == 1;
    if (pidfd >= 0) close(pidfd);
    if (!ended) kill(run.pid, SIGKILL);
    int status = 0;
    waitpid(run.pid, &status, 0);
    if (!ended) status = -1;
    if (run.out) fclose(run.out);
    if (status == -1) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

TEST(Zavsim, PrintsThePortServesItAndEndsOnSigterm) {
    Spawned run =
        spawn_zavsim({"--model", "TM3", "--port-number", "105", "--fault", "code=F5:serial"});
    ASSERT_GT(run.pid, 0);
    const std::string first = read_line(run.out);
    const std::string second = read_line(run.out);
    ASSERT_EQ(first.rfind("COM105 /dev/pts/", 0), 0u) << first;
    const std::string path = first.substr(first.find(' ') + 1);
    EXPECT_EQ(second, "export ZAV_COM105=" + path);

    RawHost host;
    ASSERT_TRUE(host.open(path));
    host.send(0x80, {0x11});
    const auto sync = host.receive(1000);
    ASSERT_TRUE(sync);
    EXPECT_EQ(sync->data, Bytes{0xF0});
    host.send(0x00, {0x0C});
    const auto serial = host.receive(1000);
    ASSERT_TRUE(serial);
    EXPECT_EQ(serial->data, Bytes{0xF5});

    kill(run.pid, SIGTERM);
    EXPECT_EQ(finish(run), 0);
}

// A script that starts zavsim in the background hands it SIGINT ignored;
// Ctrl-C or kill -INT must still end it, also after a host came and went.
TEST(Zavsim, EndsOnSigintInheritedAsIgnored) {
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGINT, &ignore, &previous);
    Spawned run = spawn_zavsim({"--model", "RX5"});
    sigaction(SIGINT, &previous, nullptr);
    ASSERT_GT(run.pid, 0);
    const std::string first = read_line(run.out);
    ASSERT_EQ(first.rfind("COM100 /dev/pts/", 0), 0u) << first;
    {
        RawHost host;
        ASSERT_TRUE(host.open(first.substr(first.find(' ') + 1)));
        host.send(0x80, {0x11});
        ASSERT_TRUE(host.receive(1000));
    }
    kill(run.pid, SIGINT);
    EXPECT_EQ(finish(run), 0);
}

TEST(Zavsim, ListsModelsAndRefusesBadArguments) {
    Spawned list = spawn_zavsim({"--list-models"});
    std::string all;
    for (std::string line = read_line(list.out); !line.empty(); line = read_line(list.out))
        all += line.substr(0, line.find(' ')) + ",";
    EXPECT_EQ(finish(list), 0);
    EXPECT_EQ(all, "RX3,RX5,RX8,TM3,TM4,TM5,TM6,TM5-TM3,PQ1,");

    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--model", "TM6", "--fault", "code=ZZ"},
          {"--model", "TM6", "--port-number", "0"},
          {"--port-number", "100"},
          {"--model"},
          {"--model", "TM6", "--colour", "red"}}) {
        Spawned bad = spawn_zavsim(args);
        EXPECT_EQ(read_line(bad.out), "");
        EXPECT_EQ(finish(bad), 2) << args.back();
    }
    Spawned unknown = spawn_zavsim({"--model", "TM9"});
    EXPECT_EQ(read_line(unknown.out), "");
    EXPECT_EQ(finish(unknown), 1);
}
