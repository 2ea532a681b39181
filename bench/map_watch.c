/* Starts a program and measures how long it takes until its first window is mapped on the X
 * display, then, a second later, its peak resident memory. Prints "MS KB" and ends the program.
 *   map_watch PROGRAM [ARGUMENTS...]
 * Built and run by bench/figures.sh; needs DISPLAY. */
#include <X11/Xlib.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double nowMs(void) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

static long peakKb(pid_t pid) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* status = fopen(path, "r");
    long kb = -1;
    while (status != NULL && fgets(line, sizeof line, status) != NULL)
        if (strncmp(line, "VmHWM:", 6) == 0)
            kb = atol(line + 6);
    if (status != NULL)
        fclose(status);
    return kb;
}

/* Waits up to limitMs for a MapNotify under the root window; returns whether one came. */
static int waitForMap(Display* display, double limitMs) {
    const double start = nowMs();
    while (nowMs() - start < limitMs) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify)
                return 1;
        }
        usleep(200);
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: map_watch PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (display == NULL) {
        fprintf(stderr, "map_watch: no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);
    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const int mapped = waitForMap(display, 60000);
    const double elapsed = nowMs() - start;
    sleep(1);
    const long kb = peakKb(child);
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    if (!mapped) {
        fprintf(stderr, "map_watch: %s mapped no window\n", argv[1]);
        return 1;
    }
    printf("%.1f %ld\n", elapsed, kb);
    return 0;
}
