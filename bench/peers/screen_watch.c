/* Screenshots of the X screen every INTERVAL ms into FILE until killed: each
   record is the CLOCK_MONOTONIC time (a double) and the screen's grey levels
   averaged over 4x4-pixel blocks, (width/4) x (height/4) bytes. */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <time.h>

int main(int argc, char** argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: screen_watch FILE INTERVAL_MS\n");
    return 2;
  }
  Display* dpy = XOpenDisplay(NULL);
  if (!dpy) {
    fprintf(stderr, "screen_watch: no display\n");
    return 1;
  }
  FILE* out = fopen(argv[1], "wb");
  if (!out) {
    perror(argv[1]);
    return 1;
  }
  long interval_ns = atol(argv[2]) * 1000000L;
  int screen = DefaultScreen(dpy);
  Window root = RootWindow(dpy, screen);
  int width = DisplayWidth(dpy, screen), height = DisplayHeight(dpy, screen);
  XShmSegmentInfo shm;
  XImage* img = XShmCreateImage(dpy, DefaultVisual(dpy, screen), DefaultDepth(dpy, screen), ZPixmap,
                                NULL, &shm, width, height);
  shm.shmid = shmget(IPC_PRIVATE, (size_t)img->bytes_per_line * height, IPC_CREAT | 0600);
  shm.shmaddr = img->data = shmat(shm.shmid, NULL, 0);
  shm.readOnly = False;
  XShmAttach(dpy, &shm);
  XSync(dpy, False);
  shmctl(shm.shmid, IPC_RMID, NULL);
  int w = width / 4, h = height / 4;
  unsigned char* grey = malloc((size_t)w * h);
  unsigned long rmask = img->red_mask, gmask = img->green_mask, bmask = img->blue_mask;
  int rs = __builtin_ctzl(rmask), gs = __builtin_ctzl(gmask), bs = __builtin_ctzl(bmask);
  fprintf(out, "%d %d\n", w, h);
  fflush(out);
  struct timespec next;
  clock_gettime(CLOCK_MONOTONIC, &next);
  for (;;) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    XShmGetImage(dpy, root, img, 0, 0, AllPlanes);
    for (int by = 0; by < h; ++by)
      for (int bx = 0; bx < w; ++bx) {
        unsigned sum = 0;
        for (int y = by * 4; y < by * 4 + 4; ++y) {
          const unsigned* row = (const unsigned*)(img->data + (size_t)y * img->bytes_per_line);
          for (int x = bx * 4; x < bx * 4 + 4; ++x) {
            unsigned p = row[x];
            sum +=
                (((p & rmask) >> rs) * 77 + ((p & gmask) >> gs) * 150 + ((p & bmask) >> bs) * 29) >>
                8;
          }
        }
        grey[by * w + bx] = (unsigned char)(sum / 16);
      }
    double t = now.tv_sec + now.tv_nsec / 1e9;
    fwrite(&t, sizeof t, 1, out);
    fwrite(grey, 1, (size_t)w * h, out);
    fflush(out);
    next.tv_nsec += interval_ns;
    while (next.tv_nsec >= 1000000000L) {
      next.tv_nsec -= 1000000000L;
      ++next.tv_sec;
    }
    clock_gettime(CLOCK_MONOTONIC, &now);
    if (now.tv_sec > next.tv_sec || (now.tv_sec == next.tv_sec && now.tv_nsec > next.tv_nsec))
      next = now; /* late: take the next one at once, never a burst */
    else
      clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, NULL);
  }
}
