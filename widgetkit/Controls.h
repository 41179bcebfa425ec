#pragma once

#include <QRect>
#include <QWidget>

// Alignment of child controls, as the form framework lays them out: top-aligned children
// first, then bottom, left, right, and last the client-aligned ones, which fill what is left.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

void SetAlign(QWidget* control, TAlign align);
TAlign GetAlign(const QWidget* control);

// Lays out the aligned children of `parent` inside `area` (client coordinates). Hidden
// children take no space, except that client-aligned ones still get the space.
void AlignControls(QWidget* parent, QRect area);

// Registered cursors by number (the hand pointer is 101).
void RegisterCursor(int id, const QCursor& cursor);
QCursor CursorById(int id);
