#pragma once

#include "resmodule/ResourceModule.h"

#include <cstdint>
#include <string>

// The play modes, stored in one byte.
enum TPlayMode : std::uint8_t {
    ClassicType = 0,
    PatternType = 1,
    ShapeType = 2,
    PictureType = 3,
    KeyType = 4,
};

// "ClassicType" ... "KeyType"; an empty text for values above 4.
std::string PlayModeName(std::uint8_t mode);

// Handles of the four content modules; 0 for no module.
struct TContentModules {
    TModuleHandle Sounds { 0 };
    TModuleHandle Keys { 0 };
    TModuleHandle Patterns { 0 };
    TModuleHandle Pictures { 0 };
};

// What every play surface shares, the main window's and every monitor cover's: the play mode,
// the erase count and its limit, whether play time is over, and the loaded content modules.
// One count for all surfaces makes them erase on the same press.
class TPlayState {
public:
    std::uint8_t PlayMode() const { return m_playMode; }
    void SetPlayMode(std::uint8_t mode) { m_playMode = mode; }
    // Whether keys draw: the mode is one of the five that draw (modes above 4 do nothing) and
    // play time is not over.
    bool Plays() const { return !m_resting && m_playMode <= KeyType; }
    // Play time is over: the surfaces show the resting picture, keys and clicks draw nothing
    // and sound nothing. Nothing but the end of the program ends the rest.
    bool Resting() const { return m_resting; }
    void Rest() { m_resting = true; }
    int EraseLimit() const { return m_eraseLimit; }
    void SetEraseLimit(int limit) { m_eraseLimit = limit; }
    int DrawCount() const { return m_drawCount; }

    // Counts one drawing; true when the surfaces erase before it. The counter restarts at 0,
    // not 1: with the default 25 the 26th drawing erases first, and from then on every 26th.
    bool CountDrawing();

    TContentModules Modules;

private:
    std::uint8_t m_playMode { ClassicType };
    int m_eraseLimit { 25 };
    int m_drawCount { 0 };
    bool m_resting { false };
};
