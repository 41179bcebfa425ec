#pragma once

// The program's own controls: the framed panel, the label and the push buttons.
#include "widgetkit/KDButton.h"
#include "widgetkit/KDLabel.h"
#include "widgetkit/KDPanel.h"
