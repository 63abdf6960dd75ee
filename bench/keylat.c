/* Copied unchanged below this note from the project's shared performance tools; used by bench/long_display.sh. */
/*
 * keylat: key-to-screen latency of a running GUI program on $DISPLAY.
 * Finds the top-level window whose name contains TITLE (or the first mapped top-level
 * that is not override-redirect), gives it the input focus, then N times: sends one key
 * press + release through XTest and times the gap to the first XDamage report on that
 * window (the program has redrawn). Between presses it waits for 120 ms of quiet; every
 * CLEAR_EVERY presses it sends the clear key and waits for quiet again.
 *
 * usage: keylat [-n N] [-k KEYSYM] [-c CLEARKEYSYM] [-e CLEAR_EVERY] [-t TITLE]
 * output: one line "keylat n=.. median_ms=.. p90_ms=.. min_ms=.. max_ms=.. missed=.."
 * build: gcc -O2 -o keylat keylat.c -lX11 -lXdamage -lXtst   (Debian: libx11-dev libxdamage-dev libxtst-dev)
 * use:   start Xvfb and the program on one display, wait until its window shows, then
 *        DISPLAY=:N keylat -n 60 -t TITLE  (no window manager needed). Compare with a bare window
 *        measured the same way in the same run; machines here are noisy, so report ratios.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static int xerr(Display *d, XErrorEvent *e) { (void)d; (void)e; return 0; }

static Window find_window(Display *d, Window w, const char *title) {
    XWindowAttributes a;
    if (XGetWindowAttributes(d, w, &a) && a.map_state == IsViewable && !a.override_redirect && w != DefaultRootWindow(d)) {
        char *name = NULL;
        if (!title) return w;
        if (XFetchName(d, w, &name) && name) {
            int hit = strstr(name, title) != NULL;
            XFree(name);
            if (hit) return w;
        }
    }
    Window root, parent, *kids = NULL;
    unsigned n = 0;
    if (!XQueryTree(d, w, &root, &parent, &kids, &n)) return 0;
    Window found = 0;
    for (unsigned i = n; i-- > 0 && !found;) found = find_window(d, kids[i], title);
    if (kids) XFree(kids);
    return found;
}

/* Waits for a damage event; returns its time or -1 after timeout_ms. */
static double wait_damage(Display *d, int dmg_base, double timeout_ms) {
    double end = now_ms() + timeout_ms;
    for (;;) {
        while (XPending(d)) {
            XEvent ev;
            XNextEvent(d, &ev);
            if (ev.type == dmg_base + XDamageNotify) {
                XDamageNotifyEvent *de = (XDamageNotifyEvent *)&ev;
                XDamageSubtract(d, de->damage, None, None);
                return now_ms();
            }
        }
        double left = end - now_ms();
        if (left <= 0) return -1;
        struct pollfd p = {ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, (int)left + 1);
    }
}

static void wait_quiet(Display *d, int dmg_base, double quiet_ms) {
    while (wait_damage(d, dmg_base, quiet_ms) >= 0) {}
}

static int cmp(const void *a, const void *b) {
    double x = *(const double *)a, y = *(const double *)b;
    return x < y ? -1 : x > y;
}

static void tap(Display *d, KeyCode k) {
    XTestFakeKeyEvent(d, k, True, CurrentTime);
    XTestFakeKeyEvent(d, k, False, CurrentTime);
    XFlush(d);
}

int main(int argc, char **argv) {
    int n = 60, every = 10;
    const char *key = "1", *clear = "Escape", *title = NULL;
    for (int i = 1; i < argc; i++) {
        if (!strcmp(argv[i], "-n") && i + 1 < argc) n = atoi(argv[++i]);
        else if (!strcmp(argv[i], "-k") && i + 1 < argc) key = argv[++i];
        else if (!strcmp(argv[i], "-c") && i + 1 < argc) clear = argv[++i];
        else if (!strcmp(argv[i], "-e") && i + 1 < argc) every = atoi(argv[++i]);
        else if (!strcmp(argv[i], "-t") && i + 1 < argc) title = argv[++i];
        else { fprintf(stderr, "usage: keylat [-n N] [-k KEYSYM] [-c KEYSYM] [-e EVERY] [-t TITLE]\n"); return 2; }
    }
    Display *d = XOpenDisplay(NULL);
    if (!d) { fprintf(stderr, "keylat: no display\n"); return 1; }
    XSetErrorHandler(xerr);
    int dmg_base, dmg_err;
    if (!XDamageQueryExtension(d, &dmg_base, &dmg_err)) { fprintf(stderr, "keylat: no XDamage\n"); return 1; }
    Window w = find_window(d, DefaultRootWindow(d), title);
    if (!w) { printf("keylat n=0 missed=%d error=no-window\n", n); return 1; }
    XDamageCreate(d, w, XDamageReportNonEmpty);
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XRaiseWindow(d, w);
    XSync(d, False);
    KeyCode kk = XKeysymToKeycode(d, XStringToKeysym(key));
    KeyCode kc = XKeysymToKeycode(d, XStringToKeysym(clear));
    if (!kk || !kc) { fprintf(stderr, "keylat: unknown keysym\n"); return 1; }
    wait_quiet(d, dmg_base, 300);
    tap(d, kc);
    wait_quiet(d, dmg_base, 200);
    double *lat = calloc((size_t)n, sizeof *lat);
    int got = 0, missed = 0;
    for (int i = 0; i < n; i++) {
        if (i && i % every == 0) { tap(d, kc); wait_quiet(d, dmg_base, 150); }
        double t0 = now_ms();
        tap(d, kk);
        double t1 = wait_damage(d, dmg_base, 1000);
        if (t1 < 0) missed++;
        else lat[got++] = t1 - t0;
        wait_quiet(d, dmg_base, 120);
    }
    qsort(lat, (size_t)got, sizeof *lat, cmp);
    if (!got) { printf("keylat n=0 missed=%d\n", missed); return 1; }
    printf("keylat n=%d median_ms=%.2f p90_ms=%.2f min_ms=%.2f max_ms=%.2f missed=%d\n", got, lat[got / 2],
           lat[(int)(got * 0.9) < got ? (int)(got * 0.9) : got - 1], lat[0], lat[got - 1], missed);
    return 0;
}
