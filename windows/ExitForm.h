#pragma once

#include "paint/ColorData.h"

#include <QDialog>
#include <QTimer>

class TImage;
class TKDButton;
class TKDPanel;
class TLxLabel;

// The exit confirmation: "Do you wish to Exit Kedoozle?" with Yes and No. The answer is the
// modal result: 6 for Yes, 7 for No, 2 when closed by the close box. No key answers it: a
// child leaning on the keyboard must never end the program.
class TFrmExit : public QDialog {
public:
    static constexpr int OuterWidth = 256;
    static constexpr int OuterHeight = 128;
    static constexpr int mrYes = 6;
    static constexpr int mrNo = 7;
    static constexpr int mrCancel = 2;

    explicit TFrmExit(QWidget* owner);

    // Creates the window with its outer top-left corner at `topLeft` (screen coordinates),
    // shows it modally and returns its modal result.
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
    TKDButton* NewButton(int left, int result);
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
