// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
// Starts a program under X and measures, from the moment it is started, when its window
// is mapped and when a given pixel of it shows a given colour (the content is drawn). Then
// closes the window as a window manager would and reports the program's exit status.
//
//   x_probe X Y RRGGBB -- program [arguments...]
//   prints: map_ms=12.3 drawn_ms=45.6 status=0
//   x_probe close WINDOW     closes a window, as its close button would
//
// xdotool's --sync polls twice a second and the first DAMAGE event comes with the map
// itself, before anything is drawn; this reads the pixel instead.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

[[noreturn]] void Fail(const std::string& message) {
  std::fprintf(stderr, "x_probe: %s\n", message.c_str());
  std::exit(2);
}

Window AwaitMappedTopLevel(Display* display, Window root, Clock::time_point deadline) {
  while (Clock::now() < deadline) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && event.xmap.event == root) return event.xmap.window;
    }
    usleep(200);
  }
  Fail("no window was mapped");
}

unsigned long PixelAt(Display* display, Window window, int x, int y) {
  XImage* image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return ~0UL;
  const unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

void Close(Display* display, Window window) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "close") {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) Fail("cannot open the display");
    Close(display, static_cast<Window>(std::strtoul(argv[2], nullptr, 0)));
    XCloseDisplay(display);
    return 0;
  }
  if (argc < 6 || std::string(argv[4]) != "--") {
    Fail("usage: x_probe X Y RRGGBB -- program [arguments...] | x_probe close WINDOW");
  }
  const int x = std::atoi(argv[1]);
  const int y = std::atoi(argv[2]);
  const unsigned long colour = std::strtoul(argv[3], nullptr, 16);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) Fail("cannot open the display");
  const Window root = DefaultRootWindow(display);
  XSelectInput(display, root, SubstructureNotifyMask);
  XSync(display, False);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[5], argv + 5);
    _exit(127);
  }
  const Clock::time_point deadline = start + std::chrono::seconds(20);
  const Window window = AwaitMappedTopLevel(display, root, deadline);
  const double map_ms = MillisecondsSince(start);
  while (PixelAt(display, window, x, y) != colour) {
    if (Clock::now() > deadline) Fail("the pixel never showed the colour");
    usleep(200);
  }
  const double drawn_ms = MillisecondsSince(start);
  Close(display, window);
  int status = 0;
  waitpid(child, &status, 0);
  std::printf("map_ms=%.1f drawn_ms=%.1f status=%d\n", map_ms, drawn_ms,
              WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
  XCloseDisplay(display);
  return 0;
}
