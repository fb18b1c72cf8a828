// Starts a program and measures the time from exec to the mapping of its first top-level window
// on the X display, then its resident memory once mapped. Prints "seconds rss_kib".
// Usage: map_timer PROGRAM [ARGS...]   (needs DISPLAY; no window manager, so the program's
// top-level window is a child of the root)
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
long residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}
} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_timer PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_timer: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    XEvent event;
    for (;;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect)
            break;
    }
    const double seconds
        = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Let the first paint finish before reading memory.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long rss = residentKib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf("%.6f %ld\n", seconds, rss);
    return 0;
}
