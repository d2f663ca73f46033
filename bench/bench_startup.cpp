// Start-up of the program beside a bare Qt window: each started as a process of its own, timed from
// the process start to its window's first paint event and to that paint pass done (children and text
// drawn: a window's fonts are often loaded only there), with the peak memory of the process.
// What counts is the ratio of the two. Usage: bench_startup [rounds] (default 10); the platform is
// $QT_QPA_PLATFORM, or "offscreen" without a display.
//
// Then under a real X server ($DISPLAY, or an Xvfb of its own): the program itself (ZanTof) and a
// bare Qt window program (bench_barewindow), each forked and timed to the first map of its window,
// which this process sees on the root window; the process is killed at that moment, and its peak
// memory is what it took until then.
#include "TestSupport.h"
#include "app/ProgramStart.h"
#include "mainwindow/HoofdScherm.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <csignal>
#include <poll.h>
#include <xcb/xcb.h>

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

// Reports on stdout the moment `target` gets its first paint event and the moment that paint pass is
// over (the next turn of the event loop), and ends the process there.
class FirstPaint : public QObject {
public:
    QObject *target = nullptr;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && target && watched == target) {
            target = nullptr;
            const long long paintEvent = nowNs();
            QTimer::singleShot(0, [paintEvent] {
                std::printf("%lld %lld\n", paintEvent, nowNs());
                std::fflush(stdout);
                std::_Exit(0);
            });
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
    double paintEventMs = 0;
    double paintedMs = 0;
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
    long long paintEvent = 0, painted = 0;
    if (std::sscanf(buffer, "%lld %lld", &paintEvent, &painted) != 2) return false;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    run.paintEventMs = double(paintEvent - started) / 1e6;
    run.paintedMs = double(painted - started) / 1e6;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    return true;
}

// An X display: $DISPLAY when it answers, otherwise an Xvfb started here (killed at the end).
struct XServer {
    std::string name;
    pid_t server = 0;
    ~XServer()
    {
        if (server > 0) {
            ::kill(server, SIGTERM);
            ::waitpid(server, nullptr, 0);
        }
    }
    bool open()
    {
        if (const char *d = std::getenv("DISPLAY"); d && *d) {
            xcb_connection_t *c = xcb_connect(d, nullptr);
            const bool ok = !xcb_connection_has_error(c);
            xcb_disconnect(c);
            if (ok) {
                name = d;
                return true;
            }
        }
        int fd[2];
        if (::pipe(fd) != 0) return false;
        server = ::fork();
        if (server == 0) {
            ::close(fd[0]);
            const int quiet = ::open("/dev/null", O_WRONLY);
            if (quiet >= 0) ::dup2(quiet, 2);
            const std::string out = std::to_string(fd[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", out.c_str(), "-nolisten", "tcp", "-noreset", "-screen", "0", "1280x1024x24",
                     nullptr);
            std::_Exit(4);
        }
        ::close(fd[1]);
        char number[16] = {};
        const ssize_t n = ::read(fd[0], number, sizeof number - 1);
        ::close(fd[0]);
        if (n <= 0) return false;
        name = ":" + std::string(number, size_t(n)).substr(0, std::string(number).find('\n'));
        return true;
    }
};

// One start of `program` on the display, timed from the fork to the first map of one of its windows.
bool mapOnce(const XServer &display, const char *program, Run &run)
{
    xcb_connection_t *x = xcb_connect(display.name.c_str(), nullptr);
    if (xcb_connection_has_error(x)) return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    const char pidName[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, sizeof pidName - 1, pidName), nullptr);
    const xcb_atom_t pidAtom = atom ? atom->atom : XCB_NONE;
    std::free(atom);
    xcb_flush(x);

    const long long started = nowNs();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int quiet = ::open("/dev/null", O_WRONLY);
        if (quiet >= 0) ::dup2(quiet, 1), ::dup2(quiet, 2);
        ::setenv("DISPLAY", display.name.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        ::execl(program, program, nullptr);
        std::_Exit(4);
    }
    long long mapped = 0;
    pollfd p{xcb_get_file_descriptor(x), POLLIN, 0};
    while (!mapped && ::poll(&p, 1, 20000) > 0) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(x)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(e)->window;
                const long long at = nowNs();
                xcb_get_property_reply_t *r = xcb_get_property_reply(
                    x, xcb_get_property(x, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
                if (r && xcb_get_property_value_length(r) == 4
                    && *static_cast<uint32_t *>(xcb_get_property_value(r)) == uint32_t(pid))
                    mapped = at;
                std::free(r);
            }
            std::free(e);
            if (mapped) break;
        }
        if (xcb_connection_has_error(x)) break;
    }
    ::kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    xcb_disconnect(x);
    if (!mapped) return false;
    run.paintEventMs = run.paintedMs = double(mapped - started) / 1e6;
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

    std::vector<double> paintEvent[2], painted[2], memory[2];
    const char *modes[2] = {"--bare", "--program"};
    for (int r = 0; r < rounds; ++r)
        for (int m = 0; m < 2; ++m) {
            Run run;
            if (!startOnce(modes[m], run)) {
                std::fprintf(stderr, "%s did not show its window\n", modes[m] + 2);
                return 1;
            }
            paintEvent[m].push_back(run.paintEventMs);
            painted[m].push_back(run.paintedMs);
            memory[m].push_back(run.peakMb);
        }
    std::printf("platform %s, %d starts each, medians\n", qgetenv("QT_QPA_PLATFORM").constData(), rounds);
    std::printf("%-22s %16s %12s %14s\n", "", "paint event (ms)", "painted (ms)", "peak RSS (MB)");
    const char *names[2] = {"bare Qt window", "ZanTof main screen"};
    for (int m = 0; m < 2; ++m)
        std::printf("%-22s %16.1f %12.1f %14.1f\n", names[m], median(paintEvent[m]), median(painted[m]), median(memory[m]));
    std::printf("%-22s %15.2fx %11.2fx %13.2fx\n", "ratio", median(paintEvent[1]) / median(paintEvent[0]),
                median(painted[1]) / median(painted[0]), median(memory[1]) / median(memory[0]));

    XServer display;
    if (!display.open()) {
        std::fprintf(stderr, "no X display and no Xvfb: the map times are left out\n");
        return 0;
    }
    const char *programs[2] = {BENCH_BARE_WINDOW, ZANTOF_PROGRAM};
    std::vector<double> map[2], mapMemory[2];
    for (int r = 0; r < rounds; ++r)
        for (int m = 0; m < 2; ++m) {
            Run run;
            if (!mapOnce(display, programs[m], run)) {
                std::fprintf(stderr, "%s did not map its window\n", programs[m]);
                return 1;
            }
            map[m].push_back(run.paintedMs);
            mapMemory[m].push_back(run.peakMb);
        }
    std::printf("\nX display %s, fork to the first map of the window, %d starts each, medians\n", display.name.c_str(),
                rounds);
    std::printf("%-22s %16s %14s\n", "", "mapped (ms)", "peak RSS (MB)");
    const char *programNames[2] = {"bare Qt window", "ZanTof frame window"};
    for (int m = 0; m < 2; ++m)
        std::printf("%-22s %16.1f %14.1f\n", programNames[m], median(map[m]), median(mapMemory[m]));
    std::printf("%-22s %15.2fx %13.2fx\n", "ratio", median(map[1]) / median(map[0]),
                median(mapMemory[1]) / median(mapMemory[0]));
    return 0;
}
