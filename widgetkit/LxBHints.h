#pragma once

#include "paint/Font.h"
#include "paint/KDTypes.h"
#include "widgetkit/AppHints.h"
#include "widgetkit/HintWindow.h"
#include "widgetkit/LxCommon.h"

#include <QObject>
#include <QPointer>
#include <QRegion>

#include <string>

class TCanvas;
class TLxCustomHintWindow;

// The direction in which the balloon extends from the pointer.
enum class TLxHintCorner { hcLowerRight, hcLowerLeft, hcUpperLeft, hcUpperRight };
// A body with a pointed tail, or with small bubbles (the latter is drawn as the former).
enum class TLxBalloonStyle { bsStandard, bsBubble };

// The balloon-hint settings, placed on a window. While one exists, every hint of the
// application shows as a speech balloon: a rounded box in the hint colour whose tail points
// at the mouse pointer.
class TLxBalloonHints : public QObject {
    Q_OBJECT
public:
    explicit TLxBalloonHints(QObject* owner);
    ~TLxBalloonHints() override;

    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    int CaptionWidth() const { return m_captionWidth; }
    void SetCaptionWidth(int width);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TLxBalloonStyle BalloonStyle() const { return m_balloonStyle; }
    void SetBalloonStyle(TLxBalloonStyle style);
    TLxHintCorner Corner() const { return m_corner; }
    void SetCorner(TLxHintCorner corner);
    bool ShowBalloon() const { return m_showBalloon; }
    void SetShowBalloon(bool show) { m_showBalloon = show; }
    const TFont& Font() const { return m_font; }
    void SetFont(const TFont& font);
    // The application's delays: before a hint shows, and when the pointer moves from one
    // hinted control to the next while a hint is up.
    int HintPause() const;
    void SetHintPause(int ms);
    int HintShortPause() const;
    void SetHintShortPause(int ms);
    // Corner pictures are not drawn; their transparent colour is kept for the layout's sake.
    TColor TransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(TColor color) { m_transparentColor = color; }

    TLxCustomHintWindow* HintWindow() const { return m_hintWindow; }

private:
    friend class TLxCustomHintWindow;

    TAlignment m_alignment { TAlignment::taLeftJustify };
    int m_captionWidth { 100 };
    TColor m_color { clInfoBk };
    TLxBalloonStyle m_balloonStyle { TLxBalloonStyle::bsStandard };
    TLxHintCorner m_corner { TLxHintCorner::hcUpperRight };
    bool m_showBalloon { false };
    TFont m_font;
    TColor m_transparentColor { clOlive };
    QPointer<TLxCustomHintWindow> m_hintWindow;
    THintWindowClass m_savedHintWindowClass;
};

// Where a balloon goes: the window's screen rectangle and the corner in use.
struct TBalloonPlacement {
    TRect Bounds;
    TLxHintCorner Corner;
};

// Places a hint measured as `rect` for the pointer at `anchor` (screen coordinates) on
// `screen`: grown for the tail, put beside the pointer by `corner`, flipped at the screen's
// edges.
TBalloonPlacement PlaceBalloon(TRect rect, TPoint anchor, bool showBalloon, TLxHintCorner corner, TRect screen);

// The balloon's body rectangle in a window of `width` x `height` for the corner in use.
TRect BalloonBody(int width, int height, TLxHintCorner corner);
// Paints the balloon's body and tail (or, without the balloon, a plain outlined box) in
// `color`; nothing else.
void PaintBalloon(TCanvas& canvas, int width, int height, TLxHintCorner corner, TColor color, bool showBalloon);
// The pixels PaintBalloon paints: the window's shape.
QRegion BalloonShape(int width, int height, TLxHintCorner corner, bool showBalloon);

// The application's hint window while a TLxBalloonHints exists: measures, places and paints
// the balloon. Only body and tail are part of the window; the screen beneath shows around them.
class TLxCustomHintWindow : public THintWindow {
    Q_OBJECT
public:
    TLxCustomHintWindow();
    ~TLxCustomHintWindow() override;

    TLxBalloonHints* BalloonHints() const { return m_balloonHints; }
    TLxHintCorner CornerInUse() const { return m_cornerInUse; }
    bool Active() const { return m_active; }
    const THintInfo& HintInfo() const { return m_hintInfo; }

    void ActivateHint(TRect rect, const std::string& hint) override;
    bool PointerMovedOver(QPoint globalPos) override;
    void Paint(TCanvas& canvas, QSize size) override;

private:
    friend class TLxBalloonHints;

    void Link(TLxBalloonHints* hints);
    void Unlink();
    void ShowHintHandler(std::string& hintStr, bool& canShow, THintInfo& hintInfo);
    bool ShowingBalloon() const;
    void UpdateShape();

    void resizeEvent(QResizeEvent* event) override;

    QPointer<TLxBalloonHints> m_balloonHints;
    int m_captionWidth { 100 };
    TLxBalloonStyle m_balloonStyle { TLxBalloonStyle::bsStandard };
    TLxHintCorner m_corner { TLxHintCorner::hcUpperRight };
    TAlignment m_alignment { TAlignment::taLeftJustify };
    TLxHintCorner m_cornerInUse { TLxHintCorner::hcUpperRight };
    THintInfo m_hintInfo;
    bool m_active { false };
};
