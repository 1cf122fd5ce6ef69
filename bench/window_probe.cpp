// Starts a program on the X display and measures it from outside, as a user would see it:
//   startup: milliseconds from process start to the first painted pixel of its window, and its peak
//            resident memory (after a short settle, then the program is ended);
//   idle:    CPU seconds and wake-ups of all its threads over a span of idle time.
// Usage: window_probe startup|idle SECONDS program [args...]
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

// Voluntary context switches are the times a thread went to sleep and was woken again; involuntary ones
// are preemptions by the scheduler.
struct ProcessTimes {
    double cpuSeconds = 0;
    long wakeups = 0;
    long preemptions = 0;
};

// Summed over all threads; CPU time from schedstat, which counts nanoseconds rather than clock ticks.
ProcessTimes processTimes(pid_t pid)
{
    ProcessTimes times;
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir)
        return times;
    while (dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.')
            continue;
        const std::string task = tasks + "/" + entry->d_name;
        std::ifstream schedstat(task + "/schedstat");
        unsigned long long nanoseconds = 0;
        schedstat >> nanoseconds;
        times.cpuSeconds += double(nanoseconds) / 1e9;
        std::ifstream status(task + "/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                times.wakeups += std::stol(line.substr(line.find(':') + 1));
            else if (line.rfind("nonvoluntary_ctxt_switches:", 0) == 0)
                times.preemptions += std::stol(line.substr(line.find(':') + 1));
        }
    }
    closedir(dir);
    return times;
}

// Waits for the first damage (painting) of any window the program creates; milliseconds since start.
double waitForFirstPaint(Display* display, int damageEvent, Clock::time_point start)
{
    while (true) {
        while (XPending(display) == 0) {
            pollfd fd{ConnectionNumber(display), POLLIN, 0};
            if (poll(&fd, 1, 10000) == 0) {
                std::fprintf(stderr, "window_probe: no window painted within 10 s\n");
                std::exit(1);
            }
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display, event.xcreatewindow.window, &attributes)
                && attributes.c_class == InputOutput)
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == damageEvent + XDamageNotify) {
            return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: window_probe startup|idle SECONDS program [args...]\n");
        return 2;
    }
    const std::string mode = argv[1];
    const double seconds = std::atof(argv[2]);

    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_probe: no X display\n");
        return 1;
    }
    XSetErrorHandler(ignoreErrors);
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "window_probe: the X server has no DAMAGE extension\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[3], argv + 3);
        std::perror("window_probe: exec");
        _exit(127);
    }
    const double paintMs = waitForFirstPaint(display, damageEvent, start);

    if (mode == "idle") {
        std::this_thread::sleep_for(std::chrono::seconds(5));
        const ProcessTimes before = processTimes(pid);
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        const ProcessTimes after = processTimes(pid);
        std::printf("idle_seconds=%.0f cpu_seconds=%.4f wakeups_per_second=%.2f preemptions_per_second=%.2f\n", seconds,
                    after.cpuSeconds - before.cpuSeconds, double(after.wakeups - before.wakeups) / seconds,
                    double(after.preemptions - before.preemptions) / seconds);
    } else {
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
    }

    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (mode == "startup")
        std::printf("startup_ms=%.1f peak_rss_kb=%ld\n", paintMs, usage.ru_maxrss);
    XCloseDisplay(display);
    return 0;
}
