#include "play/PlayState.h"

std::string PlayModeName(std::uint8_t mode)
{
    static const char* const names[] = { "ClassicType", "PatternType", "ShapeType", "PictureType", "KeyType" };
    return mode < 5 ? names[mode] : std::string();
}

bool TPlayState::CountDrawing()
{
    ++m_drawCount;
    if (m_drawCount <= m_eraseLimit)
        return false;
    m_drawCount = 0;
    return true;
}
