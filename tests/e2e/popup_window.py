#!/usr/bin/env python3
"""A window of another program that pops up and takes the keyboard: popup_window.py TITLE."""
import sys

import gi

gi.require_version("Gtk", "3.0")
from gi.repository import Gtk  # noqa: E402

window = Gtk.Window(title=sys.argv[1])
window.set_default_size(300, 200)
window.connect("destroy", Gtk.main_quit)
window.show_all()
Gtk.main()
