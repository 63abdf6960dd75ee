/* Starts a program on the current X display and reports, in one line,
 * "<milliseconds from exec to the first top-level window being mapped> <resident kB>",
 * the resident set read from /proc a fixed time after the map. The X server tells
 * us of the map (SubstructureNotify on the root window), so nothing is polled.
 * Usage: startup_probe RSS_DELAY_MS PROGRAM [ARGS...] */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long resident_kb(pid_t pid) {
    char path[64], line[256];
    long kb = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, "VmRSS:", 6) == 0) kb = atol(line + 6);
    fclose(f);
    return kb;
}

/* Waits for a MapNotify of a normal top-level window; 0 on success, -1 on timeout. */
static int wait_for_map(Display* dpy, double deadline_ms) {
    int fd = ConnectionNumber(dpy);
    for (;;) {
        while (XPending(dpy)) {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == MapNotify && !ev.xmap.override_redirect) return 0;
        }
        double left = deadline_ms - now_ms();
        if (left <= 0) return -1;
        fd_set set;
        FD_ZERO(&set);
        FD_SET(fd, &set);
        struct timeval tv = {(time_t)(left / 1000), (suseconds_t)((long)left % 1000) * 1000};
        select(fd + 1, &set, NULL, NULL, &tv);
    }
}

int main(int argc, char* argv[]) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s RSS_DELAY_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const long rss_delay = atol(argv[1]);
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy) {
        fprintf(stderr, "startup_probe: cannot open the X display\n");
        return 2;
    }
    XSelectInput(dpy, DefaultRootWindow(dpy), SubstructureNotifyMask);
    XSync(dpy, False);

    const double start = now_ms();
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const int mapped = wait_for_map(dpy, start + 10000);
    const double elapsed = now_ms() - start;
    struct timespec pause = {rss_delay / 1000, (rss_delay % 1000) * 1000000L};
    nanosleep(&pause, NULL);
    const long rss = resident_kb(pid);
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);
    XCloseDisplay(dpy);
    if (mapped != 0) {
        fprintf(stderr, "startup_probe: %s mapped no window within 10 s\n", argv[2]);
        return 1;
    }
    printf("%.2f %ld\n", elapsed, rss);
    return 0;
}
