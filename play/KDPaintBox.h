#pragma once

#include "paint/Canvas.h"
#include "paint/ColorData.h"
#include "play/KDGlobals.h"
#include "resmodule/ResourceModule.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class TPicture;

// Four random points, P0 and P1 sorted into the corners of the rectangle R.
struct TRandomFigure {
    TPoint P[4];
    TRect R;
};

// Exchanges two integers.
void SwapInts(int& a, int& b);

// The play surface: every key press leaves a drawing here. The drawings are kept in an image
// of the surface's size, so a window passing over the surface does not wipe them; only the
// erase blanks them.
class TKDPaintBox : public QWidget {
public:
    explicit TKDPaintBox(QWidget* parent = nullptr);
    ~TKDPaintBox() override;

    int DrawCount() const { return m_drawCount; }
    // A surface that draws along with another takes its count, so both erase on the same press.
    void SetDrawCount(int count) { m_drawCount = count; }
    int EraseLimit() const { return m_eraseLimit; }
    void SetEraseLimit(int limit) { m_eraseLimit = limit; }
    std::uint8_t PlayMode() const { return m_playMode; }
    void SetPlayMode(std::uint8_t mode) { m_playMode = mode; }
    const std::array<int, 3>& PictureWidths() const { return m_pictureWidths; }
    const std::array<int, 3>& PictureHeights() const { return m_pictureHeights; }

    // Trace texts of failed pattern and picture loads; raised at the start of every drawing.
    std::function<void(TKDPaintBox* sender, const std::string& text)> OnMessage;
    std::function<void(TKDPaintBox* sender)> OnClearMessage;

    // Draws for the key according to the play mode; modes above 4 do nothing.
    void KeyPressed(std::uint16_t key);

    // Mouse play. A click draws for the key as a key press does, placed so that the drawing
    // covers `at`: its middle there, kept inside the surface; a random figure of ClassicType
    // gets one corner there. The mode draws its random numbers as for a key.
    void MousePressed(std::uint16_t key, TPoint at);
    // A drag leaves a trail of small filled circles in one random colour along the path; the
    // whole trail counts as one drawing, made when it begins.
    void BeginTrail();
    void ExtendTrail(TPoint from, TPoint to);
    // The radius of the trail's circles: larger on larger surfaces.
    int TrailRadius() const;

    // The palette the surface names: the shared display palette on a palette display.
    HPALETTE GetPalette() const;

    // Places the control and recomputes the picture sizes (10, 20 and 30 % of its width and
    // height, halves rounded to even).
    void SetBounds(int left, int top, int width, int height);

    // Fills `picture` from the module's raw-data resource `name`, read as the picture kind of
    // `typeCode` (0 bitmap, 1 GIF, 2 JPEG, 3 metafile). Raises EResNotFound when the module
    // has no such resource or is 0, EInvalidGraphic for a type code above 3.
    static void LoadResPicture(TModuleHandle module, std::uint8_t typeCode, const std::string& name,
                               TPicture& picture);

    // The drawings as they stand; the surface's canvas draws on it.
    const QImage& Surface() const { return m_surface; }
    TCanvas& Canvas() { return *m_canvas; }

    virtual void BeginDraw();
    virtual void DrawClassicType();
    virtual void DrawPatternType(std::uint16_t key);
    virtual void DrawShapeType(std::uint16_t key);
    virtual void DrawKeyType(std::uint16_t key);
    virtual void DrawPictureType(std::uint16_t key);

protected:
    // Moves a w x h rectangle at (x, y) so that its middle lies on the mouse play point, if
    // there is one, and keeps it inside the surface.
    void CoverPlayPoint(int& x, int& y, int w, int h) const;
    // Moves a random figure (P0..P3 and R) so that its middle lies under the mouse play point.
    void MoveFigureOverPlayPoint(TRandomFigure& figure, bool triangle);

    virtual void DoMessage(const std::string& text);
    virtual void DoClearMessage();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ResizeSurface(int width, int height);
    void Erase();
    // Marks `rect`, grown by `margin`, as changed by the drawing under way.
    void Touch(const TRect& rect, int margin);
    std::string TraceText(int stringId, const std::string& what, std::uint16_t key) const;
    void LoadKeyPicture(std::uint16_t key, bool pattern, TPicture& picture, bool& loaded);
    // Four random points, the rectangle of the first two, and random brush, pen colour and
    // pen width: the start of ClassicType and PatternType drawings.
    TRandomFigure ChooseRandomFigure();

    int m_drawCount { 0 };
    int m_eraseLimit { 25 };
    std::uint8_t m_playMode { ClassicType };
    std::array<int, 3> m_pictureWidths {};
    std::array<int, 3> m_pictureHeights {};
    QImage m_surface;
    QRect m_dirty;
    std::unique_ptr<TCanvas> m_canvas;
    // While a click draws: the point its drawing must cover.
    std::optional<TPoint> m_playPoint;
    TColor m_trailColor { clWhite };
};
