// SPDX-FileCopyrightText: 2026 The voice-types developers
// SPDX-License-Identifier: MIT
#include "window/qt/qt_termination.h"

#include <sys/signalfd.h>
#include <unistd.h>
#include <QSocketNotifier>
#include <QWidget>
#include <csignal>
#include <stdexcept>

namespace voice_types::qt {
namespace {

sigset_t TerminationSignals() {
  sigset_t held;
  sigemptyset(&held);
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&held, signal);
  return held;
}

}  // namespace

void HoldTerminationSignals() {
  const sigset_t held = TerminationSignals();
  pthread_sigmask(SIG_BLOCK, &held, nullptr);
}

void CloseOnTerminationSignal(QWidget& window) {
  const sigset_t held = TerminationSignals();
  const int fd = signalfd(-1, &held, SFD_NONBLOCK | SFD_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot listen for the end of the session");
  auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &window);
  QObject::connect(notifier, &QSocketNotifier::activated, &window, [fd, &window] {
    signalfd_siginfo info;
    while (read(fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info)) {
    }
    window.close();
  });
  QObject::connect(notifier, &QObject::destroyed, [fd] { close(fd); });
}

}  // namespace voice_types::qt
