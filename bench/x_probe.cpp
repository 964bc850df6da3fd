// The two real-window measurements no standard tool makes, as a small X client:
//   x_probe launch PROGRAM [ARG...]  starts the program and ends it as soon as a top-level
//                                    window is mapped, so that hyperfine can time the launch;
//   x_probe new-game WINDOW RUNS     with the game's window focused, opens the Game menu
//                                    (Alt+G), then times from N to the new board on screen.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using DisplayPtr = std::unique_ptr<Display, decltype(&XCloseDisplay)>;

int Launch(Display* display, char** command) {
  // Watch the root window before the program starts, so no map can be missed.
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);
  const pid_t pid = fork();
  if (pid == 0) {
    execv(command[0], command);
    _exit(127);
  }
  XEvent event;
  do {
    XNextEvent(display, &event);
  } while (event.type != MapNotify);
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  return 0;
}

void Key(Display* display, KeySym key, bool down) {
  XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), down, CurrentTime);
}

// The right half of the board: the Game menu drops down over the left, the board changes
// everywhere.
std::string BoardRightHalf(Display* display, Window window) {
  XWindowAttributes at;
  XGetWindowAttributes(display, window, &at);
  XImage* image = XGetImage(display, window, at.width / 2, at.height / 4, at.width / 2,
                            at.height * 3 / 4, AllPlanes, ZPixmap);
  std::string pixels(image->data, image->bytes_per_line * image->height);
  XDestroyImage(image);
  return pixels;
}

int NewGame(Display* display, Window window, int runs) {
  using Clock = std::chrono::steady_clock;
  for (int run = 0; run < runs; ++run) {
    const std::string before = BoardRightHalf(display, window);
    Key(display, XK_Alt_L, true);
    Key(display, XK_g, true);
    Key(display, XK_g, false);
    Key(display, XK_Alt_L, false);
    XSync(display, False);
    usleep(300'000);  // the menu is open
    const Clock::time_point start = Clock::now();
    Key(display, XK_n, true);
    Key(display, XK_n, false);
    XSync(display, False);
    while (BoardRightHalf(display, window) == before) {
      if (Clock::now() - start > std::chrono::seconds(5)) return 1;
    }
    std::printf("%.2f\n", std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    usleep(300'000);  // idle again before the next one
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  alarm(60);  // a program that never maps a window fails the measurement instead of hanging it
  const DisplayPtr display(XOpenDisplay(nullptr), &XCloseDisplay);
  const std::string mode = argc > 2 ? argv[1] : "";
  if (display && mode == "launch") return Launch(display.get(), argv + 2);
  if (display && mode == "new-game" && argc == 4) {
    return NewGame(display.get(), std::strtoul(argv[2], nullptr, 0), std::atoi(argv[3]));
  }
  std::fprintf(stderr, "usage: x_probe launch PROGRAM [ARG...] | new-game WINDOW RUNS\n");
  return 2;
}
