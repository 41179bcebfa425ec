#pragma once

#include "paint/Canvas.h"
#include "paint/ColorData.h"
#include "play/PlayState.h"
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

class TPlayModes;

// The play surface: every key press leaves a drawing here. The drawings are kept in an image
// of the surface's size, so a window passing over the surface does not wipe them; only the
// erase blanks them. The play modes draw; the surface keeps the image, the canvas on it and
// the part to repaint.
class TKDPaintBox : public QWidget {
public:
    // `state` is what the surface shares with the other surfaces; a surface of its own when null.
    explicit TKDPaintBox(QWidget* parent = nullptr, std::shared_ptr<TPlayState> state = {});
    ~TKDPaintBox() override;

    TPlayState& State() const { return *m_state; }
    const std::shared_ptr<TPlayState>& SharedState() const { return m_state; }
    const std::array<int, 3>& PictureWidths() const { return m_pictureWidths; }
    const std::array<int, 3>& PictureHeights() const { return m_pictureHeights; }

    // Trace texts of failed pattern and picture loads; raised at the start of every drawing.
    std::function<void(TKDPaintBox* sender, const std::string& text)> OnMessage;
    std::function<void(TKDPaintBox* sender)> OnClearMessage;

    // Counts the drawing and draws for the key according to the play mode; modes above 4 do
    // nothing.
    void KeyPressed(std::uint16_t key);
    // Draws for the key without counting, erasing first when `erase`: one press drawn on
    // several surfaces is counted once.
    void DrawKey(std::uint16_t key, bool erase);

    // Mouse play. A click draws for the key as a key press does, placed so that the drawing
    // paints the pixel at `at`: its middle there, kept inside the surface as far as it can be.
    // The mode draws its random numbers as for a key.
    void MousePressed(std::uint16_t key, TPoint at);
    // A drag leaves a trail of small filled circles in one random colour along the path; the
    // whole trail counts as one drawing, made when it begins.
    void BeginTrail();
    void ExtendTrail(TPoint from, TPoint to);
    // The radius of the trail's circles: larger on larger surfaces.
    int TrailRadius() const;

    // Play time is over (the shared state rests): the drawings give way to the resting
    // picture, which the surface keeps at whatever size it takes from now on.
    void ShowRest();

    // The palette the surface names: the shared display palette on a palette display.
    HPALETTE GetPalette() const;

    // Places the control and recomputes the picture sizes (10, 20 and 30 % of its width and
    // height, halves rounded to even).
    void SetBounds(int left, int top, int width, int height);

    // The drawings as they stand; the surface's canvas draws on it.
    const QImage& Surface() const { return m_surface; }
    TCanvas& Canvas() { return *m_canvas; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    void ResizeSurface(int width, int height);
    // Clears the message and erases when `erase`: the start of every drawing.
    void BeginDraw(bool erase);
    void Erase();
    // The drawing rules on this surface's canvas, reporting to OnMessage.
    TPlayModes Modes();
    // Sends the part the drawing touched to the screen.
    void Repaint(const QRect& touched);

    std::shared_ptr<TPlayState> m_state;
    std::array<int, 3> m_pictureWidths {};
    std::array<int, 3> m_pictureHeights {};
    QImage m_surface;
    std::unique_ptr<TCanvas> m_canvas;
    // While a click draws: the point its drawing must cover.
    std::optional<TPoint> m_playPoint;
    TColor m_trailColor { clWhite };
};
