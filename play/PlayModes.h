#pragma once

#include "paint/Canvas.h"
#include "paint/ColorData.h"
#include "play/PlayState.h"

#include <QRect>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class TPicture;

// Four random points, P0 and P1 sorted into the corners of the rectangle R.
struct TRandomFigure {
    TPoint P[4];
    TRect R;
};

// The five drawing rules and the shape table, drawing on a canvas of a given size: one object
// per drawing. The random numbers are drawn in a fixed order, so a seed replays a drawing.
class TPlayModes {
public:
    // `canvas` covers a surface of width x height; the state gives the mode and the modules.
    TPlayModes(TCanvas& canvas, int width, int height, const TPlayState& state);

    // The three picture sizes of a surface extent: 10, 20 and 30 %, halves rounded to even.
    static std::array<int, 3> PictureSteps(int extent);
    // PictureType's sizes; by default the steps of the canvas's own size.
    void SetPictureSizes(const std::array<int, 3>& widths, const std::array<int, 3>& heights);

    // Mouse play: the drawing paints the pixel at `point`: its middle there, kept inside the
    // surface as far as it can be while one of its painted pixels stays under the point. None
    // for a key press.
    void SetPlayPoint(std::optional<TPoint> point) { m_playPoint = point; }

    // Trace texts of failed pattern and picture loads.
    std::function<void(const std::string& text)> OnMessage;

    // Draws for the key according to the state's play mode; modes above 4 do nothing.
    void Draw(std::uint16_t key);
    void DrawClassicType();
    void DrawPatternType(std::uint16_t key);
    void DrawShapeType(std::uint16_t key);
    void DrawKeyType(std::uint16_t key);
    void DrawPictureType(std::uint16_t key);

    // A piece of a mouse trail: filled circles of `radius` in `color` along from..to.
    void DrawTrail(TPoint from, TPoint to, TColor color, int radius);
    // The radius of the trail's circles on a surface `width` wide: larger on larger surfaces.
    static int TrailRadius(int width);

    // The part of the surface the drawings touched.
    const QRect& Touched() const { return m_touched; }

private:
    // Moves a w x h rectangle at (x, y) so that its middle lies on the play point, if there
    // is one, and keeps it inside the surface.
    void CoverPlayPoint(int& x, int& y, int w, int h) const;
    // Moves a random figure (P0..P3 and R) so that its middle lies under the play point.
    void MoveFigureOverPlayPoint(TRandomFigure& figure, bool triangle);
    // Moves a random figure of the given kind over the play point so that the point falls on
    // a pixel it paints.
    void LandFigureOnPlayPoint(TRandomFigure& figure, int kind);
    // Moves a drawing placed at (x, y), whose painted pixels are those `paint` paints on a
    // mask with its top-left corner at (0, 0), so that one of them lies under the play point.
    void LandOnPlayPoint(int& x, int& y, int width, int height, const std::function<void(TCanvas&)>& paint) const;
    // Four random points, the rectangle of the first two, and random brush, pen colour and
    // pen width: the start of ClassicType and PatternType drawings.
    TRandomFigure ChooseRandomFigure();
    // Marks `rect`, grown by `margin`, as changed by the drawing.
    void Touch(const TRect& rect, int margin);
    // Loads the key's pattern or picture; false, after a trace, when it cannot be drawn.
    bool LoadKeyPicture(std::uint16_t key, bool pattern, TPicture& picture) const;

    TCanvas& m_canvas;
    int m_width;
    int m_height;
    const TPlayState& m_state;
    std::array<int, 3> m_pictureWidths;
    std::array<int, 3> m_pictureHeights;
    std::optional<TPoint> m_playPoint;
    QRect m_touched;
};
