#include "windows/ExitForm.h"

#include "base/StringTable.h"
#include "paint/KDPalette.h"
#include "resources/ProgramResources.h"
#include "widgetkit/Application.h"
#include "widgetkit/Controls.h"
#include "widgetkit/ImageControl.h"
#include "widgetkit/KDCtrls.h"
#include "widgetkit/KDCursor.h"
#include "windows/DialogGuard.h"

#include <QKeyEvent>
#include <QTimer>

namespace {

constexpr TColor ButtonFace = PaletteRGB(0x99, 0x99, 0xCC);

TFont WindowFont(TColor color)
{
    TFont font;
    font.Name = "Arial";
    font.SetHeight(-12);
    font.Color = color;
    return font;
}

} // namespace

TFrmExit::TFrmExit(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Kedoozle"));
    setProperty("kdColor", uint(clBtnFace));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);

    m_pnlQuestion = new TKDPanel(this);
    SetAlign(m_pnlQuestion, TAlign::alBottom);
    m_pnlQuestion->SetBorderOuter(TFrameStyle::fsNone);
    m_pnlQuestion->setGeometry(0, 0, OuterWidth, PanelHeight);

    m_imgIcon = new TImage(m_pnlQuestion);
    m_imgIcon->setGeometry(8, 16, 32, 32);

    m_lblMessage = new TLxLabel(m_pnlQuestion);
    m_lblMessage->SetAutoSize(false);
    m_lblMessage->setGeometry(52, 20, 185, 37);
    m_lblMessage->SetWordWrap(true);
    m_lblMessage->SetFrameSides(0);
    m_lblMessage->SetTextStyle(TTextStyle::tsNormal);
    m_lblMessage->SetFont(WindowFont(clWindowText));

    m_btnYes = NewButton(YesBounds, mrYes);
    m_btnYes->SetDeliberateClick(YesSlop, YesHoldMs);
    m_btnNo = NewButton(NoBounds, mrNo);

    // Until the window manager has framed the window, the client area is the panel.
    setFixedSize(OuterWidth, PanelHeight);
    m_fitTimer.setInterval(50);
    connect(&m_fitTimer, &QTimer::timeout, this, [this] { FitToOuterSize(); });
    AlignControls(this, rect());
}

TKDButton* TFrmExit::NewButton(const QRect& bounds, int result)
{
    auto* button = new TKDButton(m_pnlQuestion);
    button->setGeometry(bounds);
    button->SetFrameFlat(true);
    button->SetModalResult(result);
    button->SetColor(ButtonFace);
    button->SetFont(WindowFont(clWhite));
    return button;
}

void TFrmExit::FormCreate()
{
    HandleExceptions([this] {
        m_btnYes->SetCaption(LoadStr(Str::Yes));
        m_btnYes->setCursor(CursorById(crKDHand));
        m_btnNo->SetCaption(LoadStr(Str::No));
        m_btnNo->setCursor(CursorById(crKDHand));
        m_lblMessage->SetCaption(LoadStr(Str::ExitQuestion));
        m_imgIcon->SetPicture(LoadProgramBitmap("QUESTION_ICON"));
        m_fitOuterSize = true;
    });
}

HPALETTE TFrmExit::GetPalette() const { return KDGetPalette(); }

bool TFrmExit::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // Keys act on nothing here, neither the buttons nor the accelerators. (Shown by
        // Execute, the window never sees them: they go on to play first.)
        event->accept();
        return true;
    case QEvent::LayoutRequest:
    case QEvent::Resize:
        AlignControls(this, rect());
        break;
    default:
        break;
    }
    return QDialog::event(event);
}

void TFrmExit::keyPressEvent(QKeyEvent* event) { event->accept(); }

void TFrmExit::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The window manager tells the frame's size some time after the window is mapped: look
    // again every 50 ms for two seconds.
    m_fitTicks = 0;
    FitToOuterSize();
    m_fitTimer.start();
}

void TFrmExit::FitToOuterSize()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    // Without any frame by the end, there is none: the client area takes the whole size.
    const bool last = ++m_fitTicks >= 40;
    if (last)
        m_fitTimer.stop();
    if (m_fitOuterSize && (!frame.isNull() || last)) {
        const QSize client(OuterWidth - frame.width(), OuterHeight - frame.height());
        if (client != size() && client.width() > 0 && client.height() > 0)
            setFixedSize(client);
    }
    move(m_outerTopLeft);
}

QPoint TFrmExit::TopLeftFor(QSize surface) { return { surface.width() - OuterWidth, surface.height() - OuterHeight }; }

QRect TFrmExit::OnScreen(const QRect& button, QPoint topLeft, const QMargins& frame)
{
    // The panel lies along the bottom of the client area, which ends above the frame's foot.
    const QPoint panel(topLeft.x() + frame.left(), topLeft.y() + OuterHeight - frame.bottom() - PanelHeight);
    return button.translated(panel);
}

int TFrmExit::Execute(QWidget* owner, QPoint topLeft)
{
    TFrmExit form(owner);
    form.m_outerTopLeft = topLeft;
    form.move(topLeft);
    form.FormCreate();
    QTimer::singleShot(AnswerTimeoutMs, &form, [&form] { form.done(mrNo); });
    const int result = ExecBesidePlay(form, owner, mrNo);
    return result == QDialog::Rejected ? mrCancel : result;
}
