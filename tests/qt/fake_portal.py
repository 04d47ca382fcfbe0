#!/usr/bin/python3 -B
# SPDX-FileCopyrightText: 2026 The voice-types developers
# SPDX-License-Identifier: MIT
"""A desktop portal's Settings on the session bus, with the two keys that ask for more
contrast, for the tests and the start-up bench. Each line on standard input changes one and
says so with SettingChanged, as a desktop does when the user flips the switch; "changed"
answers it. Without ReadOne it is a portal before version 1.17, which has only Read and
wraps the value in one more variant. It prints "ready" once it has the portal's name.

    fake_portal.py [--no-read-one] [contrast=N] [high-contrast=true|false]
    stdin: "contrast N" | "high-contrast true|false"
"""
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

SETTINGS = "org.freedesktop.portal.Settings"
GROUPS = {"contrast": "org.freedesktop.appearance",
          "high-contrast": "org.gnome.desktop.a11y.interface"}


def typed(key, text, level):
    if key == "contrast":
        return dbus.UInt32(int(text), variant_level=level)
    return dbus.Boolean(text == "true", variant_level=level)


class Portal(dbus.service.Object):
    def __init__(self, bus, read_one, values):
        super().__init__(bus, "/org/freedesktop/portal/desktop")
        self.read_one, self.values = read_one, values

    def value(self, group, key, level):
        if GROUPS.get(key) != group:
            raise dbus.DBusException("no such key", name="org.freedesktop.portal.Error.NotFound")
        return typed(key, self.values[key], level)

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def Read(self, group, key):
        return self.value(group, key, 2)

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v")
    def ReadOne(self, group, key):
        if not self.read_one:
            raise dbus.DBusException("ReadOne", name="org.freedesktop.DBus.Error.UnknownMethod")
        return self.value(group, key, 1)

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, group, key, value):
        pass


def main():
    DBusGMainLoop(set_as_default=True)
    arguments = sys.argv[1:]
    values = {"contrast": "0", "high-contrast": "false"}
    values.update(argument.split("=", 1) for argument in arguments if "=" in argument)
    bus = dbus.SessionBus()
    name = dbus.service.BusName("org.freedesktop.portal.Desktop", bus)
    portal = Portal(bus, "--no-read-one" not in arguments, values)
    loop = GLib.MainLoop()

    def take(source, condition):
        line = sys.stdin.readline()
        if not line:
            loop.quit()
            return False
        key, text = line.split()
        values[key] = text
        portal.SettingChanged(GROUPS[key], key, typed(key, text, 1))
        print("changed", flush=True)
        return True
    GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, take)
    print("ready", flush=True)
    loop.run()
    del name


if __name__ == "__main__":
    main()
