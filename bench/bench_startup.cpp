// Start-up of the program beside a bare Qt window: each started as a process of its own, timed from
// the process start to its window shown (first painted), with the peak memory of the process.
// What counts is the ratio of the two. Usage: bench_startup [rounds] (default 10); the platform is
// $QT_QPA_PLATFORM, or "offscreen" without a display.
#include "TestSupport.h"
#include "app/ProgramStart.h"
#include "mainwindow/HoofdScherm.h"

#include <QApplication>
#include <QLabel>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
long long nowNs()
{
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000000LL + t.tv_nsec;
}

// Reports the moment `target` is first painted on stdout and ends the process there.
class FirstPaint : public QObject {
public:
    QObject *target = nullptr;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && target && watched == target) {
            std::printf("%lld\n", nowNs());
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

int child(bool program, int argc, char **argv)
{
    QApplication app(argc, argv);
    FirstPaint painted;
    app.installEventFilter(&painted);
    if (!program) {
        QLabel bare("ZanTof");
        bare.resize(800, 600);
        painted.target = &bare;
        bare.show();
        return QApplication::exec();
    }
    ProgramStart start;
    if (!start.start()) return 1;
    painted.target = start.mainScreen();
    return QApplication::exec();
}

struct Run {
    double ms = 0;
    double peakMb = 0;
};

// One start of this program in the given mode, in the current folder; false when it did not show its window.
bool startOnce(const char *mode, Run &run)
{
    int out[2];
    if (::pipe(out) != 0) return false;
    const long long started = nowNs();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(out[1], 1);
        const int quiet = ::open("/dev/null", O_WRONLY);
        if (quiet >= 0) ::dup2(quiet, 2);
        ::close(out[0]);
        ::close(out[1]);
        ::execl("/proc/self/exe", "bench_startup", mode, nullptr);
        std::_Exit(4);
    }
    ::close(out[1]);
    char buffer[64] = {};
    size_t got = 0;
    ssize_t n;
    while (got + 1 < sizeof buffer && (n = ::read(out[0], buffer + got, sizeof buffer - 1 - got)) > 0) got += size_t(n);
    ::close(out[0]);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    const long long shown = std::atoll(buffer);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || shown == 0) return false;
    run.ms = double(shown - started) / 1e6;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    return true;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}
}

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--program") == 0) return child(true, argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0) return child(false, argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY")
        && !qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    // A program folder with the sample catalogue, as ./run starts the program in.
    TestFolder folder;

    std::vector<double> time[2], memory[2];
    const char *modes[2] = {"--bare", "--program"};
    for (int r = 0; r < rounds; ++r)
        for (int m = 0; m < 2; ++m) {
            Run run;
            if (!startOnce(modes[m], run)) {
                std::fprintf(stderr, "%s did not show its window\n", modes[m] + 2);
                return 1;
            }
            time[m].push_back(run.ms);
            memory[m].push_back(run.peakMb);
        }
    std::printf("platform %s, %d starts each, medians\n", qgetenv("QT_QPA_PLATFORM").constData(), rounds);
    std::printf("%-22s %10s %14s\n", "", "shown (ms)", "peak RSS (MB)");
    std::printf("%-22s %10.1f %14.1f\n", "bare Qt window", median(time[0]), median(memory[0]));
    std::printf("%-22s %10.1f %14.1f\n", "ZanTof main screen", median(time[1]), median(memory[1]));
    std::printf("%-22s %9.2fx %13.2fx\n", "ratio", median(time[1]) / median(time[0]), median(memory[1]) / median(memory[0]));
    return 0;
}
