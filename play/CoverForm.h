#pragma once

#include <QWidget>

#include <memory>

class TKDPaintBox;
class TPlayState;

// A window that covers one monitor besides the main window's: borderless, above other
// windows, all black play surface, no control panel. It never takes the focus: a key that
// reaches it anyway goes on to the main window, and clicks on it do nothing.
class TFrmCover : public QWidget {
public:
    // `keyTarget` is the window that handles the keys (the main window); the surface shares
    // `state` with the main window's.
    TFrmCover(QWidget* keyTarget, std::shared_ptr<TPlayState> state);
    ~TFrmCover() override;

    TKDPaintBox* PbxDisplay() const { return m_pbxDisplay; }

    // Fills `monitor` (screen coordinates); shows the window the first time.
    void Cover(const QRect& monitor);
    // Lets the window close (only at the end of play).
    void AllowClose() { m_closeAllowed = true; }

protected:
    bool event(QEvent* event) override;

private:
    void FillScreenAt(const QRect& monitor);

    QWidget* m_keyTarget;
    TKDPaintBox* m_pbxDisplay;
    bool m_closeAllowed { false };
};
