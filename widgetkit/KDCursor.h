#pragma once

// Cursor number of the hand pointer every clickable image and button uses.
constexpr int crKDHand = 101;

// Loads the hand cursor from the program's resources and registers it as cursor 101.
void RegisterKDCursor();
