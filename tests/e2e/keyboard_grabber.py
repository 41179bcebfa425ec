#!/usr/bin/env python3
"""Holds an active keyboard grab on the root window for SECONDS, as a client that has taken
the keyboard would, then lets go. Prints "grab STATUS" (0 = GrabSuccess) once it holds it."""
import ctypes
import sys
import time

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XDefaultRootWindow.restype = ctypes.c_ulong
x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
x11.XGrabKeyboard.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_int,
                              ctypes.c_ulong]
x11.XUngrabKeyboard.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

GRAB_MODE_ASYNC = 1
CURRENT_TIME = 0

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no display")
status = x11.XGrabKeyboard(display, x11.XDefaultRootWindow(display), 0, GRAB_MODE_ASYNC, GRAB_MODE_ASYNC,
                           CURRENT_TIME)
print("grab", status, flush=True)
time.sleep(float(sys.argv[1]))
x11.XUngrabKeyboard(display, CURRENT_TIME)
x11.XFlush(display)
x11.XCloseDisplay(display)
