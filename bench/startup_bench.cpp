// Times how soon programs start: `orvik --eval 1+1` from start to exit
// against `bc -l` reading "1+1" from a pipe, and how soon the calculator
// window appears (is mapped on the X server of DISPLAY) after the program
// starts. The programs compared are run by turns, so that other work on the
// machine weighs on each alike; the median of the runs is reported.
//
// Usage: orvik_startup_bench console ORVIK [RUNS]      (RUNS: 21 by default)
//        orvik_startup_bench window ORVIK... [--runs N] (N: 11 by default)
// The window programs are started with the current directory and
// environment; each one is ended once its window has appeared.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

[[noreturn]] void Fail(const std::string& what)
{
    std::fprintf(stderr, "orvik_startup_bench: %s\n", what.c_str());
    std::exit(1);
}

// Starts `argv` with `input` on its standard input (nothing when empty) and
// its output thrown away, with its messages too when `quiet`.
pid_t Start(const std::vector<std::string>& argv, const std::string& input = "", bool quiet = false)
{
    int pipe_fds[2];
    if (pipe(pipe_fds) != 0)
        Fail("pipe");
    const pid_t pid = fork();
    if (pid < 0)
        Fail("fork");
    if (pid == 0) {
        dup2(pipe_fds[0], STDIN_FILENO);
        close(pipe_fds[0]);
        close(pipe_fds[1]);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        if (quiet)
            dup2(null, STDERR_FILENO);
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    close(pipe_fds[0]);
    if (!input.empty() && write(pipe_fds[1], input.data(), input.size()) < 0)
        Fail("write to " + argv[0]);
    close(pipe_fds[1]);
    return pid;
}

int Wait(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// Milliseconds from start to exit.
double TimeToExit(const std::vector<std::string>& argv, const std::string& input)
{
    const Clock::time_point start = Clock::now();
    const int status = Wait(Start(argv, input));
    const double ms = MillisecondsSince(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        Fail(argv[0] + " failed");
    return ms;
}

int Console(const std::string& orvik, int runs)
{
    const std::vector<std::string> eval = {orvik, "--eval", "1+1"};
    const std::vector<std::string> bc = {"bc", "-l"};
    TimeToExit(eval, "");  // the files into the page cache
    TimeToExit(bc, "1+1\n");
    std::vector<double> orvik_ms, bc_ms;
    for (int i = 0; i < runs; ++i) {
        orvik_ms.push_back(TimeToExit(eval, ""));
        bc_ms.push_back(TimeToExit(bc, "1+1\n"));
    }
    const double orvik_median = Median(orvik_ms);
    const double bc_median = Median(bc_ms);
    std::printf("orvik --eval 1+1   median %6.2f ms  (min %.2f)\n", orvik_median,
                *std::min_element(orvik_ms.begin(), orvik_ms.end()));
    std::printf("bc -l  (1+1)       median %6.2f ms  (min %.2f)\n", bc_median,
                *std::min_element(bc_ms.begin(), bc_ms.end()));
    std::printf("ratio %.2f over %d interleaved runs\n", orvik_median / bc_median, runs);
    return 0;
}

// Milliseconds from start until the program maps a top-level window.
double TimeToWindow(Display* display, const std::string& program)
{
    const Window root = DefaultRootWindow(display);
    XSync(display, True);  // events of earlier runs are dropped
    const Clock::time_point start = Clock::now();
    const pid_t pid = Start({program}, "", true);
    double ms = -1;
    const int fd = ConnectionNumber(display);
    while (ms < 0) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            // A window manager maps its frame, not the program's window, on
            // the root: the program's windows are followed from their
            // creation, so their own mapping is seen wherever they are.
            if (event.type == CreateNotify && event.xcreatewindow.parent == root
                && !event.xcreatewindow.override_redirect)
                XSelectInput(display, event.xcreatewindow.window, StructureNotifyMask);
            if (event.type == MapNotify && !event.xmap.override_redirect
                && (event.xmap.event == root || event.xmap.event == event.xmap.window))
                ms = MillisecondsSince(start);
        }
        if (ms >= 0)
            break;
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            Fail(program + " ended without a window");
        if (MillisecondsSince(start) > 30000)
            Fail(program + " showed no window in 30 s");
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval tick = {0, 1000};
        select(fd + 1, &readable, nullptr, nullptr, &tick);
    }
    kill(pid, SIGTERM);
    Wait(pid);
    return ms;
}

int Windows(const std::vector<std::string>& programs, int runs)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        Fail("no X display (DISPLAY)");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<std::vector<double>> times(programs.size());
    for (const std::string& program : programs)
        TimeToWindow(display, program);
    for (int i = 0; i < runs; ++i)
        for (std::size_t p = 0; p < programs.size(); ++p)
            times[p].push_back(TimeToWindow(display, programs[p]));
    for (std::size_t p = 0; p < programs.size(); ++p)
        std::printf("window of %-40s median %7.2f ms  (min %.2f) over %d runs\n", programs[p].c_str(),
                    Median(times[p]), *std::min_element(times[p].begin(), times[p].end()), runs);
    XCloseDisplay(display);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() >= 2 && args[0] == "console")
        return Console(args[1], args.size() > 2 ? std::atoi(args[2].c_str()) : 21);
    if (args.size() >= 2 && args[0] == "window") {
        std::vector<std::string> programs;
        int runs = 11;
        for (std::size_t i = 1; i < args.size(); ++i) {
            if (args[i] == "--runs" && i + 1 < args.size())
                runs = std::atoi(args[++i].c_str());
            else
                programs.push_back(args[i]);
        }
        return Windows(programs, runs);
    }
    std::fprintf(stderr, "usage: orvik_startup_bench console ORVIK [RUNS]\n"
                         "       orvik_startup_bench window ORVIK... [--runs N]\n");
    return 2;
}
