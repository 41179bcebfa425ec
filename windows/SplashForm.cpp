#include "windows/SplashForm.h"

#include "base/Stream.h"
#include "base/StringTable.h"
#include "paint/KDPalette.h"
#include "pictures/JPEGImage.h"
#include "platform/TransientOwner.h"
#include "resources/ProgramResources.h"
#include "widgetkit/Controls.h"
#include "widgetkit/ImageControl.h"
#include "widgetkit/KDCtrls.h"
#include "widgetkit/KeyCapture.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>

QPointer<TFrmSplash> FrmSplash;
bool SplashShowing = true;

namespace {

constexpr int SplashMilliseconds = 3000;
// How long the splash waits for the window manager to put it on the screen.
constexpr int MapTimeoutMs = 1000;

// Ends `loop` when `window` has been exposed (and so painted).
class TExposeWatch : public QObject {
public:
    TExposeWatch(QWindow* window, QEventLoop& loop)
        : m_window(window)
        , m_loop(loop)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Expose) {
            // Painting happens as the event is handled; stop once it has been.
            QTimer::singleShot(0, &m_loop, &QEventLoop::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWindow* m_window;
    QEventLoop& m_loop;
};

std::string& PictureResource()
{
    static std::string name = "SPLASH";
    return name;
}

} // namespace

TFrmSplash::TFrmSplash(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus)
{
    // The main window keeps the keyboard; the splash only shows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(QStringLiteral("Kedoozle"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    setFixedSize(ClientWidth, ClientHeight);

    m_pnlSplash = new TKDPanel(this);
    SetAlign(m_pnlSplash, TAlign::alClient);
    m_pnlSplash->SetBorderOuter(TFrameStyle::fsPopup);
    m_pnlSplash->SetBevelWidth(4);
    m_pnlSplash->SetBorderHighlight(PaletteLavender);
    m_pnlSplash->SetBorderShadow(PaletteDarkPurple);
    m_pnlSplash->SetColor(PaletteDisplayPurple);

    m_lblMessage = new TKDLabel(m_pnlSplash);
    SetAlign(m_lblMessage, TAlign::alBottom);
    m_lblMessage->SetAutoSize(false);
    m_lblMessage->resize(400, 27);
    m_lblMessage->SetAlignment(TAlignment::taCenter);
    m_lblMessage->SetColor(PaletteLightLavender);
    TFont messageFont;
    messageFont.Name = "Arial";
    messageFont.SetHeight(-12);
    messageFont.Style = fsBold;
    messageFont.Color = clWhite;
    m_lblMessage->SetFont(messageFont);
    m_lblMessage->SetBevelWidth(2);
    m_lblMessage->SetBorderInner(TFrameStyle::fsStatus);
    m_lblMessage->SetBorderWidth(4);
    m_lblMessage->SetBorderColor(PaletteDisplayPurple);
    m_lblMessage->SetBorderHighlight(PaletteLavender);
    m_lblMessage->SetBorderShadow(PaletteDarkPurple);
    m_lblMessage->SetFrameSides(0);
    m_lblMessage->SetTextStyle(TTextStyle::tsNormal);

    m_imgSplash = new TImage(m_pnlSplash);
    SetAlign(m_imgSplash, TAlign::alClient);

    AlignControls(this, rect());
    m_pnlSplash->Realign();

    // A click anywhere on the window, frame and strip included, ends the splash.
    for (QWidget* part : { static_cast<QWidget*>(m_pnlSplash), static_cast<QWidget*>(m_imgSplash),
                           static_cast<QWidget*>(m_lblMessage) })
        part->installEventFilter(this);

    m_tmrSplash = new QTimer(this);
    m_tmrSplash->setSingleShot(true);
    // A coarse timer may fire up to 5 % early; the title window stays its full three seconds.
    m_tmrSplash->setTimerType(Qt::PreciseTimer);
    m_tmrSplash->setInterval(SplashMilliseconds);
    connect(m_tmrSplash, &QTimer::timeout, this, [this] { DismissSplash(); });
    m_tmrSplash->start();
}

void TFrmSplash::SetPictureResource(const std::string& name) { PictureResource() = name.empty() ? "SPLASH" : name; }

void TFrmSplash::LoadJpegResource(const std::string& name, TPicture& picture)
{
    TJPEGImage jpeg;
    const QByteArray data = LoadProgramResource(name);
    const auto* bytes = reinterpret_cast<const std::byte*>(data.constData());
    TMemoryStream stream(std::vector<std::byte>(bytes, bytes + data.size()));
    jpeg.LoadFromStream(stream);
    picture.Assign(jpeg);
}

void TFrmSplash::FormCreate()
{
    LoadJpegResource(PictureResource(), m_picture);
    m_imgSplash->SetPicture(m_picture.Graphic()->ToImage());
    m_lblMessage->SetCaption(LoadStr(Str::SplashMessage));
}

void TFrmSplash::ShowAndPaint()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    show();
    // The window is on the screen once the window manager has mapped it, and the toolkit
    // paints it the moment it is exposed: wait for that rather than for the program's next
    // wait for events. Input stays queued for the main window.
    QWindow* window = windowHandle();
    if (!window || window->isExposed())
        return;
    QEventLoop loop;
    TExposeWatch watch(window, loop);
    QTimer::singleShot(MapTimeoutMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void TFrmSplash::DismissSplash()
{
    SplashShowing = false;
    m_tmrSplash->stop();
    close();
}

bool TFrmSplash::event(QEvent* event)
{
    // Keys belong to the main window, which draws them (and so ends the splash).
    if (PassKeyEventOn(event, m_keyTarget))
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        DismissSplash();
        return true;
    }
    return QWidget::event(event);
}

void TFrmSplash::SetMainWindow(QWidget* mainWindow)
{
    m_keyTarget = mainWindow;
    if (!mainWindow)
        return;
    mainWindow->createWinId();
    // The window manager knows the main window only once it has put it on the screen; a
    // transient link made earlier would go unnoticed.
    if (mainWindow->windowHandle()->isExposed())
        StayAboveMainWindow();
    else
        mainWindow->windowHandle()->installEventFilter(this);
}

void TFrmSplash::StayAboveMainWindow()
{
    if (!m_keyTarget || !windowHandle())
        return;
    SetTransientOwner(this, m_keyTarget);
    raise();
}

bool TFrmSplash::eventFilter(QObject* watched, QEvent* event)
{
    if (m_keyTarget && watched == m_keyTarget->windowHandle()) {
        if (event->type() == QEvent::Expose && m_keyTarget->windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] { StayAboveMainWindow(); });
        }
        return false;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        DismissSplash();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmSplash::closeEvent(QCloseEvent* event)
{
    // Closed from outside (the window manager), the splash is over all the same.
    SplashShowing = false;
    m_tmrSplash->stop();
    event->accept();
}
