#!/usr/bin/env python3
"""Presses KEYS (X keysym names joined by "+", as ctrl+alt+t) through XTest over and over,
every 5 ms, from SETTLE_MS after the process whose PID appears in PIDFILE has opened its first
socket (its display connection), until STOPFILE exists. Prints "ready" once it waits for the
PID, and "presses N" at the end."""
import ctypes
import os
import sys
import time

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
xtst = ctypes.cdll.LoadLibrary("libXtst.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XStringToKeysym.restype = ctypes.c_ulong
x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
x11.XKeysymToKeycode.restype = ctypes.c_ubyte
x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]
xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int, ctypes.c_ulong]

keys, pidfile, settle_ms, stopfile = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no display")
NAMES = {"ctrl": "Control_L", "alt": "Alt_L", "shift": "Shift_L", "super": "Super_L"}
codes = [x11.XKeysymToKeycode(display, x11.XStringToKeysym(NAMES.get(name, name).encode()))
         for name in keys.split("+")]


def has_socket(pid):
    try:
        return any(os.readlink(f"/proc/{pid}/fd/{fd}").startswith("socket:") for fd in os.listdir(f"/proc/{pid}/fd"))
    except OSError:
        return False


print("ready", flush=True)
pid = ""
while not pid:
    pid = open(pidfile).read().strip() if os.path.exists(pidfile) else ""
while not has_socket(pid):
    if not os.path.exists(f"/proc/{pid}"):
        sys.exit("the process ended before it opened a socket")
time.sleep(settle_ms / 1000)
presses = 0
while not os.path.exists(stopfile):
    for code in codes:
        xtst.XTestFakeKeyEvent(display, code, 1, 0)
    for code in reversed(codes):
        xtst.XTestFakeKeyEvent(display, code, 0, 0)
    x11.XFlush(display)
    presses += 1
    time.sleep(0.005)
print("presses", presses, flush=True)
