#pragma once

#include "paint/ColorData.h"

#include <QDialog>
#include <QMargins>
#include <QRect>
#include <QTimer>

class TImage;
class TKDButton;
class TKDPanel;
class TLxLabel;

// The exit confirmation: "Do you wish to Exit Kedoozle?" with Yes and No. The answer is the
// modal result: 6 for Yes, 7 for No, 2 when closed by the close box. No key answers it: a
// child leaning on the keyboard must never end the program. Nor does a child's mouse: a
// click anywhere outside it and a question left unanswered both say No, and Yes takes a
// deliberate click, held until its face has filled.
class TFrmExit : public QDialog {
public:
    static constexpr int OuterWidth = 256;
    static constexpr int OuterHeight = 128;
    static constexpr int mrYes = 6;
    static constexpr int mrNo = 7;
    static constexpr int mrCancel = 2;
    // The question panel fills the client area below the caption bar; the buttons sit on it.
    static constexpr int PanelHeight = 101;
    static constexpr QRect YesBounds { 80, 68, 75, 25 };
    static constexpr QRect NoBounds { 164, 68, 75, 25 };
    // Unanswered this long, the question answers No.
    static constexpr int AnswerTimeoutMs = 10000;
    // Yes clicks only when pressed and let go on it with the pointer at most this many
    // pixels from where it went down, after a hold this long.
    static constexpr int YesSlop = 6;
    static constexpr int YesHoldMs = 600;

    explicit TFrmExit(QWidget* owner);

    // Where the question stands over a play surface of `surface`'s size: its lower right
    // corner at the point (surface width, surface height).
    static QPoint TopLeftFor(QSize surface);
    // A button's rectangle (YesBounds, NoBounds) on the screen, for the question at `topLeft`
    // inside a window manager's frame of `frame`.
    static QRect OnScreen(const QRect& button, QPoint topLeft, const QMargins& frame);

    // Creates the window with its outer top-left corner at `topLeft` (screen coordinates),
    // shows it over play, which goes on behind it, and returns its result: a click outside
    // it, or no answer within AnswerTimeoutMs, is No.
    static int Execute(QWidget* owner, QPoint topLeft);

    // Fills in the texts and the icon and sets the outer size; an error (a missing icon) is
    // reported and skips the steps after it, and the window is still shown.
    void FormCreate();

    HPALETTE GetPalette() const;

    TKDPanel* PnlQuestion() const { return m_pnlQuestion; }
    TImage* ImgIcon() const { return m_imgIcon; }
    TLxLabel* LblMessage() const { return m_lblMessage; }
    TKDButton* BtnYes() const { return m_btnYes; }
    TKDButton* BtnNo() const { return m_btnNo; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    TKDButton* NewButton(const QRect& bounds, int result);
    // Sizes the window so that its outer size, frame included, is 256 x 128 at its place.
    void FitToOuterSize();

    TKDPanel* m_pnlQuestion { nullptr };
    TImage* m_imgIcon { nullptr };
    TLxLabel* m_lblMessage { nullptr };
    TKDButton* m_btnYes { nullptr };
    TKDButton* m_btnNo { nullptr };
    QPoint m_outerTopLeft;
    bool m_fitOuterSize { false };
    QTimer m_fitTimer;
    int m_fitTicks { 0 };
};
