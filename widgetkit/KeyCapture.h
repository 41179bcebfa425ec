#pragma once

#include <functional>

class QEvent;
class QKeyEvent;
class QObject;

// For windows where every key is play: no key reaches a shortcut, and Tab and Backtab come
// as keys instead of moving the focus. Hands a key press or release to `handle`; returns
// true when `event` was a key event (or a shortcut check) and has been taken.
bool TakeKeyEvent(QEvent* event, const std::function<void(QKeyEvent* key)>& handle);

// The same, passing the key on to `target` (the window that handles the keys); with no
// target the key is taken all the same.
bool PassKeyEventOn(QEvent* event, QObject* target);
