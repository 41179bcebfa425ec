#pragma once

// The program's own controls: the framed panel, the label, the push buttons and the play
// surface.
#include "controls/KDPaintBox.h"
#include "controls/KDPanel.h"
#include "controls/KDLabel.h"
#include "controls/KDButton.h"
