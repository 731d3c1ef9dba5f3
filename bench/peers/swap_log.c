/* Counts the frames a program presents. Loaded with LD_PRELOAD, it appends a
   line "SECONDS.MICROSECONDS ROUTE" (CLOCK_MONOTONIC) to the file named by
   SWAP_LOG each time a frame goes to the X server, then calls the real
   function: ROUTE "glx" for glXSwapBuffers, "egl" for eglSwapBuffers (programs
   that look them up through glXGetProcAddress(ARB) or eglGetProcAddress get the
   logging ones too), "flush" for QBackingStore::flush, the way a Qt window that
   paints without OpenGL puts its picture on the screen. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

typedef void (*glx_swap)(void*, unsigned long);
typedef unsigned (*egl_swap)(void*, void*);
typedef void* (*get_proc)(const unsigned char*);

static int log_fd(void) {
  static int fd = -2;
  int f = __atomic_load_n(&fd, __ATOMIC_ACQUIRE);
  if (f == -2) {
    const char* path = getenv("SWAP_LOG");
    f = path ? open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644) : -1;
    int expected = -2;
    if (!__atomic_compare_exchange_n(&fd, &expected, f, 0, __ATOMIC_ACQ_REL, __ATOMIC_ACQUIRE)) {
      if (f >= 0) close(f);
      f = expected;
    }
  }
  return f;
}

static void note(const char* what) {
  int fd = log_fd();
  if (fd < 0) return;
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  char line[64];
  int n =
      snprintf(line, sizeof line, "%lld.%06ld %s\n", (long long)ts.tv_sec, ts.tv_nsec / 1000, what);
  if (write(fd, line, (size_t)n) < 0) return;
}

void glXSwapBuffers(void* dpy, unsigned long drawable) {
  static glx_swap real;
  if (!real) real = (glx_swap)dlsym(RTLD_NEXT, "glXSwapBuffers");
  note("glx");
  if (real) real(dpy, drawable);
}

unsigned eglSwapBuffers(void* dpy, void* surface) {
  static egl_swap real;
  if (!real) real = (egl_swap)dlsym(RTLD_NEXT, "eglSwapBuffers");
  note("egl");
  return real ? real(dpy, surface) : 0;
}

static void* wrapped(const unsigned char* name) {
  if (strcmp((const char*)name, "glXSwapBuffers") == 0) return (void*)glXSwapBuffers;
  if (strcmp((const char*)name, "eglSwapBuffers") == 0) return (void*)eglSwapBuffers;
  return NULL;
}

/* Our wrapper for a swap function, else what the real look-up `symbol`
   (found once, into *real) gives. */
static void* look_up(const unsigned char* name, get_proc* real, const char* symbol) {
  void* mine = wrapped(name);
  if (mine) return mine;
  if (!*real) *real = (get_proc)dlsym(RTLD_NEXT, symbol);
  return *real ? (*real)(name) : NULL;
}

void* glXGetProcAddress(const unsigned char* name) {
  static get_proc real;
  return look_up(name, &real, "glXGetProcAddress");
}

void* glXGetProcAddressARB(const unsigned char* name) {
  static get_proc real;
  return look_up(name, &real, "glXGetProcAddressARB");
}

void* eglGetProcAddress(const char* name) {
  static get_proc real;
  return look_up((const unsigned char*)name, &real, "eglGetProcAddress");
}

/* void QBackingStore::flush(const QRegion&, QWindow*, const QPoint&), Qt 5 and 6;
   the line gives the width and height of the flushed region's bounding
   rectangle (QRegion::boundingRect(), a QRect of x1, y1, x2, y2 returned in
   registers), so that a repainted sky can be told from a repainted label. */
typedef void (*flush_fn)(void*, const void*, void*, const void*);
typedef struct {
  int x1, y1, x2, y2;
} rect;
typedef rect (*bounds_fn)(const void*);

void _ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint(void* self, const void* region,
                                                           void* window, const void* offset) {
  static flush_fn real;
  static bounds_fn bounds;
  if (!real) {
    real = (flush_fn)dlsym(RTLD_NEXT, "_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint");
    bounds = (bounds_fn)dlsym(RTLD_DEFAULT, "_ZNK7QRegion12boundingRectEv");
  }
  char what[48] = "flush";
  if (bounds) {
    rect r = bounds(region);
    snprintf(what, sizeof what, "flush %d %d", r.x2 - r.x1 + 1, r.y2 - r.y1 + 1);
  }
  note(what);
  if (real) real(self, region, window, offset);
}
