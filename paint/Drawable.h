#pragma once

#include "paint/KDTypes.h"

class TCanvas;

// Anything a canvas can draw at its natural size or scaled into a rectangle: the canvas knows
// pictures only through this, so the picture formats can sit above the canvas.
class TDrawable {
public:
    virtual ~TDrawable() = default;

    virtual bool Empty() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws the picture scaled into `rect`.
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;
};
