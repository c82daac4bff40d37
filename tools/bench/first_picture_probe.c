/* Starts a program and watches the X screen until it shows a picture.
 *
 *   first_picture_probe X Y W H TIMEOUT_MS -- PROGRAM ARGS...
 *
 * Samples ROWS evenly spaced rows of the rectangle (X, Y, W, H) of the root
 * window, as often as it can with a short pause between looks, and prints
 *
 *   mapped MS picture MS looks N lookus US started UNIXMS pid PID
 *
 * "mapped" is the time of the first look after a window covering the whole
 * screen was mapped (the saver's window appearing, still black),
 * "picture" the time of the first look at which at least a few sampled
 * pixels are neither black nor white (the bare screen is black), counted from
 * the moment just before the program was started (-1 when the timeout came
 * first); "looks" is how many looks were taken until then, "lookus" the median
 * time one look took in microseconds, and "started" that moment on the wall
 * clock in milliseconds since 1970, for lining up the program's own trace.
 * The program is left running; PID is its process id, for the caller to end
 * it.
 */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

enum { kRows = 9, kPauseUs = 1000, kPictureSamples = 16, kMaxLooks = 200000 };

static double NowMs(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static double WallMs(void) {
  struct timespec t;
  clock_gettime(CLOCK_REALTIME, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static int CompareDoubles(const void* a, const void* b) {
  double x = *(const double*)a, y = *(const double*)b;
  return x < y ? -1 : x > y;
}

/* Counts the sampled pixels that are neither black nor white. */
static int Look(Display* display, Window root, int x, int y, int w, int h) {
  int coloured = 0;
  for (int r = 0; r < kRows; ++r) {
    int row = y + (int)((long)h * (2 * r + 1) / (2 * kRows));
    XImage* image = XGetImage(display, root, x, row, (unsigned)w, 1, AllPlanes, ZPixmap);
    if (image == NULL) continue;
    for (int i = 0; i < w; ++i) {
      unsigned long p = XGetPixel(image, i, 0) & 0xFFFFFF;
      if (p != 0 && p != 0xFFFFFF) ++coloured;
    }
    XDestroyImage(image);
  }
  return coloured;
}

int main(int argc, char** argv) {
  if (argc < 8 || strcmp(argv[6], "--") != 0) {
    fprintf(stderr, "usage: %s X Y W H TIMEOUT_MS -- PROGRAM ARGS...\n", argv[0]);
    return 2;
  }
  const int x = atoi(argv[1]), y = atoi(argv[2]), w = atoi(argv[3]), h = atoi(argv[4]);
  const double timeout = atof(argv[5]);
  Display* display = XOpenDisplay(NULL);
  if (display == NULL) {
    fprintf(stderr, "cannot open the display\n");
    return 1;
  }
  Window root = DefaultRootWindow(display);
  fcntl(ConnectionNumber(display), F_SETFD, FD_CLOEXEC);
  XSelectInput(display, root, SubstructureNotifyMask);
  const int screenWidth = DisplayWidth(display, DefaultScreen(display));
  const int screenHeight = DisplayHeight(display, DefaultScreen(display));
  static double lookTimes[kMaxLooks];

  const double wallStart = WallMs();
  const double start = NowMs();
  pid_t pid = fork();
  if (pid < 0) return 1;
  if (pid == 0) {
    /* The program and whatever it starts must not hold the caller's output
     * open, or a caller reading it would wait for them all to end. */
    int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
      dup2(null, 1);
      dup2(null, 2);
      close(null);
    }
    execvp(argv[7], argv + 7);
    _exit(127);
  }
  double picture = -1, mapped = -1;
  int looks = 0;
  while (NowMs() - start < timeout && looks < kMaxLooks) {
    const double before = NowMs();
    const int coloured = Look(display, root, x, y, w, h);
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type != MapNotify || mapped >= 0) continue;
      Window top;
      int wx, wy;
      unsigned ww, wh, border, depth;
      if (XGetGeometry(display, event.xmap.window, &top, &wx, &wy, &ww, &wh, &border, &depth) &&
          (int)ww >= screenWidth && (int)wh >= screenHeight)
        mapped = NowMs() - start;
    }
    const double after = NowMs();
    lookTimes[looks++] = after - before;
    if (coloured >= kPictureSamples) {
      /* Dated by the look's end: the picture may have come during it. */
      picture = after - start;
      break;
    }
    const struct timespec pause = {0, kPauseUs * 1000L};
    nanosleep(&pause, NULL);
  }
  qsort(lookTimes, (size_t)looks, sizeof lookTimes[0], CompareDoubles);
  printf("mapped %.1f picture %.1f looks %d lookus %.0f started %.1f pid %d\n", mapped, picture,
         looks, looks > 0 ? lookTimes[looks / 2] * 1e3 : 0.0, wallStart, (int)pid);
  XCloseDisplay(display);
  return picture < 0 ? 3 : 0;
}
