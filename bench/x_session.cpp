// Xlib and XTest calls behind XSession; errors are recorded, never fatal.
#include "bench/x_session.h"

#include <poll.h>

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include "bench/process_tools.h"

namespace kestalon::bench {
namespace {

int errorsSeen = 0;

// A window that vanishes while we read it is an expected outcome, not a reason to exit.
int RecordError(Display*, XErrorEvent*) {
  ++errorsSeen;
  return 0;
}

}  // namespace

XSession::~XSession() {
  if (display_) XCloseDisplay(display_);
}

bool XSession::Open() {
  display_ = XOpenDisplay(nullptr);
  if (!display_) return false;
  XSetErrorHandler(RecordError);
  root_ = DefaultRootWindow(display_);
  netWmPid_ = XInternAtom(display_, "_NET_WM_PID", False);
  netWmName_ = XInternAtom(display_, "_NET_WM_NAME", False);
  XSelectInput(display_, root_, SubstructureNotifyMask);
  int event = 0;
  int error = 0;
  int major = 0;
  int minor = 0;
  if (!XTestQueryExtension(display_, &event, &error, &major, &minor)) return false;
  XSync(display_, False);
  return true;
}

void XSession::DropPendingEvents() {
  XSync(display_, False);
  XEvent event;
  while (XPending(display_) > 0) XNextEvent(display_, &event);
}

namespace {

// The next event of any kind, or false once the deadline has passed.
bool NextEvent(Display* display, XEvent& event, std::int64_t deadlineNs) {
  for (;;) {
    if (XPending(display) > 0) {
      XNextEvent(display, &event);
      return true;
    }
    const std::int64_t left = deadlineNs - MonotonicNs();
    if (left <= 0) return false;
    pollfd waiting{ConnectionNumber(display), POLLIN, 0};
    const timespec timeout{left / 1'000'000'000, left % 1'000'000'000};
    ppoll(&waiting, 1, &timeout, nullptr);
  }
}

}  // namespace

std::optional<MapEvent> XSession::NextMap(std::int64_t deadlineNs) {
  XEvent event;
  while (NextEvent(display_, event, deadlineNs)) {
    if (event.type == MapNotify && event.xmap.event == root_) {
      return MapEvent{event.xmap.window, event.xmap.override_redirect != 0, MonotonicNs()};
    }
  }
  return std::nullopt;
}

bool XSession::WaitUnmap(Window window, std::int64_t deadlineNs) {
  XEvent event;
  while (NextEvent(display_, event, deadlineNs)) {
    if (event.type == UnmapNotify && event.xunmap.window == window) return true;
    if (event.type == DestroyNotify && event.xdestroywindow.window == window) return true;
  }
  return false;
}

long XSession::WindowPid(Window window) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  long pid = 0;
  if (XGetWindowProperty(display_, window, netWmPid_, 0, 1, False, XA_CARDINAL, &type, &format,
                         &count, &after, &data) == Success &&
      data) {
    if (format == 32 && count == 1) pid = *reinterpret_cast<long*>(data);
    XFree(data);
  }
  return pid;
}

std::string XSession::WindowTitle(Window window) {
  for (Atom property : {netWmName_, static_cast<Atom>(XA_WM_NAME)}) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display_, window, property, 0, 256, False, AnyPropertyType, &type,
                           &format, &count, &after, &data) == Success &&
        data) {
      if (format == 8) title.assign(reinterpret_cast<char*>(data), count);
      XFree(data);
    }
    if (!title.empty()) return title;
  }
  return {};
}

bool XSession::Geometry(Window window, int& x, int& y, int& width, int& height) {
  XWindowAttributes attributes;
  const int before = errorsSeen;
  if (!XGetWindowAttributes(display_, window, &attributes) || errorsSeen != before) return false;
  Window child = 0;
  XTranslateCoordinates(display_, window, root_, 0, 0, &x, &y, &child);
  width = attributes.width;
  height = attributes.height;
  return errorsSeen == before;
}

bool XSession::ReadPixels(Window window, int x, int y, int width, int height,
                          std::vector<std::uint32_t>& pixels) {
  const int before = errorsSeen;
  XImage* image = XGetImage(display_, window, x, y, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), AllPlanes, ZPixmap);
  if (!image || errorsSeen != before) {
    if (image) XDestroyImage(image);
    return false;
  }
  pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  std::size_t i = 0;
  for (int row = 0; row < height; ++row) {
    for (int column = 0; column < width; ++column) {
      pixels[i++] = static_cast<std::uint32_t>(XGetPixel(image, column, row) & 0xFFFFFFu);
    }
  }
  XDestroyImage(image);
  return true;
}

void XSession::FocusAndPoint(Window window, int x, int y) {
  XSetInputFocus(display_, window, RevertToParent, CurrentTime);
  XWarpPointer(display_, None, window, 0, 0, 0, 0, x, y);
  XSync(display_, False);
}

void XSession::Key(unsigned long keysym, bool press) {
  const KeyCode code = XKeysymToKeycode(display_, keysym);
  XTestFakeKeyEvent(display_, code, press ? True : False, CurrentTime);
  XFlush(display_);
}

void XSession::TapKey(unsigned long keysym) {
  Key(keysym, true);
  Key(keysym, false);
}

void XSession::AltKey(unsigned long keysym) {
  Key(XK_Alt_L, true);
  TapKey(keysym);
  Key(XK_Alt_L, false);
}

}  // namespace kestalon::bench
