#!/usr/bin/env python3
"""Drives a headless gnome-shell for the end-to-end tests, over its session bus.

  keyboard FIFO     a keyboard through mutter's remote desktop that stays while the test runs
                    (the seat loses its keyboard with the last remote session, and the windows
                    their focus with it); each line written to FIFO is a list of TOKENs, and
                    "done" goes to FIFO.done after each
  keys TOKEN...     keys on that keyboard: NAME presses and releases a key, +NAME presses,
                    -NAME releases, a number waits that many seconds
  windows           the shell's windows, one JSON object a line (title, app-id, has-focus)
  focus             the title of the window with the keyboard, empty for none
  overview          "true" while the overview shows, else "false"
  screenshot FILE   the screen as a PNG

The shell answers some of these only to the desktop's own services: the helper takes the bus
names they go by, on the test's private bus.
"""
import json
import os
import sys
import time

import dbus

# Linux input event codes.
KEYS = {
    "super": 125, "alt": 56, "ctrl": 29, "shift": 42, "esc": 1, "tab": 15, "enter": 28,
    "space": 57, "a": 30, "f9": 67, "f4": 62,
}


def press(session, tokens):
    for token in tokens:
        if token[0].isdigit():
            time.sleep(float(token))
        elif token[0] in "+-":
            session.NotifyKeyboardKeycode(KEYS[token[1:]], token[0] == "+")
        else:
            session.NotifyKeyboardKeycode(KEYS[token], True)
            time.sleep(0.05)
            session.NotifyKeyboardKeycode(KEYS[token], False)
        time.sleep(0.05)


def keyboard(bus, fifo):
    desktop = bus.get_object("org.gnome.Mutter.RemoteDesktop", "/org/gnome/Mutter/RemoteDesktop")
    path = dbus.Interface(desktop, "org.gnome.Mutter.RemoteDesktop").CreateSession()
    session = dbus.Interface(bus.get_object("org.gnome.Mutter.RemoteDesktop", path),
                             "org.gnome.Mutter.RemoteDesktop.Session")
    session.Start()
    with open(fifo + ".done", "a") as done:
        print("ready", file=done, flush=True)
        while True:
            with open(fifo) as commands:
                for line in commands:
                    press(session, line.split())
                    print("done", file=done, flush=True)


def keys(fifo, tokens):
    with open(fifo + ".done") as done:
        before = len(done.readlines())
    # Without a reader (the keyboard gone) the FIFO would block for good.
    deadline = time.monotonic() + 10
    while True:
        try:
            handle = os.open(fifo, os.O_WRONLY | os.O_NONBLOCK)
            break
        except OSError:
            if time.monotonic() > deadline:
                sys.exit("the remote keyboard is gone")
            time.sleep(0.02)
    with os.fdopen(handle, "w") as commands:
        print(" ".join(tokens), file=commands)
    deadline = time.monotonic() + 60
    while time.monotonic() < deadline:
        with open(fifo + ".done") as done:
            if len(done.readlines()) > before:
                return
        time.sleep(0.02)
    sys.exit("the remote keyboard did not press " + " ".join(tokens))


def windows(bus):
    bus.request_name("org.freedesktop.impl.portal.desktop.gtk")
    shell = bus.get_object("org.gnome.Shell.Introspect", "/org/gnome/Shell/Introspect")
    found = dbus.Interface(shell, "org.gnome.Shell.Introspect").GetWindows()
    return [{str(key): bool(value) if isinstance(value, dbus.Boolean) else str(value)
             for key, value in properties.items()} for properties in found.values()]


def main():
    bus = dbus.SessionBus()
    command, args = sys.argv[1], sys.argv[2:]
    if command == "keyboard":
        keyboard(bus, args[0])
    elif command == "keys":
        keys(os.environ["KD_GNOME_KEYS"], args)
    elif command == "windows":
        for window in windows(bus):
            print(json.dumps(window))
    elif command == "focus":
        print(next((window.get("title", "") for window in windows(bus) if window.get("has-focus")), ""))
    elif command == "overview":
        shell = bus.get_object("org.gnome.Shell", "/org/gnome/Shell")
        active = shell.Get("org.gnome.Shell", "OverviewActive", dbus_interface="org.freedesktop.DBus.Properties")
        print("true" if active else "false")
    elif command == "screenshot":
        bus.request_name("org.gnome.Screenshot")
        shell = bus.get_object("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot")
        ok, _ = dbus.Interface(shell, "org.gnome.Shell.Screenshot").Screenshot(False, False, args[0])
        if not ok:
            sys.exit("the shell took no screenshot")
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main()
