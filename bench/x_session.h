// A small Xlib client for timing the game on a real X server: it watches top-level windows
// being mapped, reads a few pixels of a window, and types keys through XTest.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <X11/Xlib.h>

namespace kestalon::bench {

struct MapEvent {
  Window window = 0;
  bool overrideRedirect = false;  // menus and tooltips; the main window and dialogs are not
  std::int64_t atNs = 0;          // when this client read the event
};

class XSession {
 public:
  XSession() = default;
  ~XSession();
  XSession(const XSession&) = delete;
  XSession& operator=(const XSession&) = delete;

  // Connects to $DISPLAY and listens for windows mapped and unmapped on the root window.
  bool Open();

  // Forgets the events that came in so far.
  void DropPendingEvents();
  // The next window mapped as a child of the root, if one comes before deadlineNs.
  std::optional<MapEvent> NextMap(std::int64_t deadlineNs);
  // Waits until window is unmapped or destroyed; false at deadlineNs.
  bool WaitUnmap(Window window, std::int64_t deadlineNs);

  // _NET_WM_PID of a window, 0 when it has none.
  long WindowPid(Window window);
  // The window's title (_NET_WM_NAME, else WM_NAME), bytes as stored.
  std::string WindowTitle(Window window);
  // Position on the root window and size; false when the window is gone.
  bool Geometry(Window window, int& x, int& y, int& width, int& height);

  // Reads a rectangle of a window as 0xRRGGBB values, row by row; false on any error.
  bool ReadPixels(Window window, int x, int y, int width, int height,
                  std::vector<std::uint32_t>& pixels);

  // Gives a window the keyboard focus and puts the pointer at a point inside it.
  void FocusAndPoint(Window window, int x, int y);
  // Presses (or releases) the key of a keysym through XTest and flushes.
  void Key(unsigned long keysym, bool press);
  // Presses and releases a key with Alt held, like a menu mnemonic typed by a player.
  void AltKey(unsigned long keysym);
  void TapKey(unsigned long keysym);

 private:
  Display* display_ = nullptr;
  Window root_ = 0;
  Atom netWmPid_ = 0;
  Atom netWmName_ = 0;
};

}  // namespace kestalon::bench
