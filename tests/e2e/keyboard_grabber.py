#!/usr/bin/env python3
"""Holds an active keyboard grab on the root window for SECONDS, as a client that has taken
the keyboard would, then lets go. Prints "grab STATUS" (0 = GrabSuccess, 1 = AlreadyGrabbed:
another client holds it) once it has tried. With "pointer" after SECONDS it grabs the pointer
instead."""
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
x11.XGrabPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_uint, ctypes.c_int,
                             ctypes.c_int, ctypes.c_ulong, ctypes.c_ulong, ctypes.c_ulong]
x11.XUngrabPointer.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XFlush.argtypes = [ctypes.c_void_p]
x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

GRAB_MODE_ASYNC = 1
BUTTON_PRESS_MASK = 1 << 2
CURRENT_TIME = 0

display = x11.XOpenDisplay(None)
if not display:
    sys.exit("no display")
pointer = len(sys.argv) > 2 and sys.argv[2] == "pointer"
root = x11.XDefaultRootWindow(display)
if pointer:
    status = x11.XGrabPointer(display, root, 0, BUTTON_PRESS_MASK, GRAB_MODE_ASYNC, GRAB_MODE_ASYNC, 0, 0,
                              CURRENT_TIME)
else:
    status = x11.XGrabKeyboard(display, root, 0, GRAB_MODE_ASYNC, GRAB_MODE_ASYNC, CURRENT_TIME)
print("grab", status, flush=True)
time.sleep(float(sys.argv[1]))
if pointer:
    x11.XUngrabPointer(display, CURRENT_TIME)
else:
    x11.XUngrabKeyboard(display, CURRENT_TIME)
x11.XFlush(display)
x11.XCloseDisplay(display)
