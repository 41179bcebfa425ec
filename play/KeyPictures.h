#pragma once

#include "play/PlayState.h"
#include "resmodule/ResourceModule.h"

#include <cstdint>
#include <string>

class TPicture;

// Fills `picture` from the module's raw-data resource `name`, read as the picture kind of
// `typeCode` (0 bitmap, 1 GIF, 2 JPEG, 3 metafile). Raises EResNotFound when the module has
// no such resource or is 0, EInvalidGraphic for a type code above 3.
void LoadResPicture(TModuleHandle module, std::uint8_t typeCode, const std::string& name, TPicture& picture);

// Loads the key's pattern (or its picture) from its file or from the state's Patterns (or
// Pictures) module, as the key table says. A file that cannot be opened, a missing resource
// and a picture without pixels end the drawing: false, with the trace text in `trace`. Every
// other failure passes on.
bool LoadKeyPicture(std::uint16_t key, bool pattern, const TPlayState& state, TPicture& picture, std::string& trace);
