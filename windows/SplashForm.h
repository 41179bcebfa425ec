#pragma once

#include "pictures/Graphic.h"

#include <QPointer>
#include <QWidget>

#include <string>

class QTimer;
class TImage;
class TKDLabel;
class TKDPanel;

// The title window shown while the program starts: the title picture in a purple frame with
// a greeting beneath, above every other window. It goes three seconds after it was made, at
// once when it is clicked, or as soon as play begins; it frees itself when it closes.
class TFrmSplash : public QWidget {
public:
    static constexpr int ClientWidth = 408;
    static constexpr int ClientHeight = 435;

    explicit TFrmSplash(QWidget* owner = nullptr);

    // Creation handler: the title picture, then the greeting. A missing or broken picture
    // raises; the window is shown all the same, without it.
    void FormCreate();
    // Shows the window centred on the primary screen and paints it at once.
    void ShowAndPaint();
    // Ends the splash: SplashShowing goes false, the timer stops, the window closes.
    void DismissSplash();

    // Loads the program's raw-data resource `name` as a JPEG picture into `picture`.
    static void LoadJpegResource(const std::string& name, TPicture& picture);
    // The resource FormCreate loads; tests point it at a missing or broken one.
    static void SetPictureResource(const std::string& name);

    // The main window: keys that reach the splash are passed on to it, and once it is on the
    // screen the splash stays above it (which covers the whole screen) as its transient window.
    void SetMainWindow(QWidget* mainWindow);

    TKDPanel* PnlSplash() const { return m_pnlSplash; }
    TImage* ImgSplash() const { return m_imgSplash; }
    TKDLabel* LblMessage() const { return m_lblMessage; }
    QTimer* TmrSplash() const { return m_tmrSplash; }
    const TPicture& Picture() const { return m_picture; }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    TKDPanel* m_pnlSplash { nullptr };
    TImage* m_imgSplash { nullptr };
    TKDLabel* m_lblMessage { nullptr };
    QTimer* m_tmrSplash { nullptr };
    TPicture m_picture;
    void StayAboveMainWindow();

    QPointer<QWidget> m_keyTarget;
};

// True until the splash window is dismissed.
extern bool SplashShowing;

// The splash window while it is up. Users consult SplashShowing first; once that is false the
// window may be gone, and this then reads null.
extern QPointer<TFrmSplash> FrmSplash;
