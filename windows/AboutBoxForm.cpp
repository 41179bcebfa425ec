#include "windows/AboutBoxForm.h"

#include "base/Stream.h"
#include "base/StringTable.h"
#include "paint/KDPalette.h"
#include "pictures/JPEGImage.h"
#include "resources/ProgramResources.h"
#include "widgetkit/Application.h"
#include "widgetkit/Controls.h"
#include "widgetkit/ImageControl.h"
#include "widgetkit/KDButton.h"
#include "widgetkit/KDCursor.h"
#include "widgetkit/KDPanel.h"
#include "widgetkit/KDTabSet.h"
#include "widgetkit/LxEdit.h"
#include "widgetkit/LxLabel.h"
#include "windows/DialogGuard.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <QWindow>

#include <span>

namespace {

// The maker's web address, shown large at the foot of the window.
constexpr const char* WebAddress = "www.kedoozle.org";

// The notice under the pages, three centred lines: what the licence allows, in short. Each
// language breaks it into its own three lines.
const std::vector<std::string> NoticeLines {
    QT_TRANSLATE_NOOP("TFrmAboutBox", "Kedoozle is free: anyone may use, copy, change and pass it on, for any purpose and"),
    QT_TRANSLATE_NOOP("TFrmAboutBox", "free of charge, as long as the licence notice comes along with every copy."),
    QT_TRANSLATE_NOOP("TFrmAboutBox", "It comes as it is, without any promise: see the License Agreement page."),
};

std::vector<std::string> Translated(const std::vector<std::string>& lines)
{
    std::vector<std::string> translated;
    for (const std::string& line : lines)
        translated.push_back(QCoreApplication::translate("TFrmAboutBox", line.c_str()).toStdString());
    return translated;
}

QImage ProgramJpeg(const std::string& name)
{
    const QByteArray bytes = LoadProgramResource(name);
    TCustomMemoryStream stream(std::as_bytes(std::span(bytes.constData(), std::size_t(bytes.size()))));
    TJPEGImage picture;
    picture.LoadFromStream(stream);
    return picture.ToImage();
}

TFont ArialFont(int height, TFontStyles style = 0, TColor color = clWindowText)
{
    TFont font;
    font.Name = "Arial";
    font.SetHeight(height);
    font.Style = style;
    font.Color = color;
    return font;
}

TLxLabel* NewLabel(QWidget* parent, int left, int top, bool bold)
{
    auto* label = new TLxLabel(parent);
    label->move(left, top);
    label->SetFont(ArialFont(-12, bold ? TFontStyles(fsBold) : 0u));
    label->SetTransparent(true);
    label->SetAutoSize(true);
    return label;
}

TKDPanel* NewFlatPanel(QWidget* parent, QRect bounds)
{
    auto* panel = new TKDPanel(parent);
    panel->setGeometry(bounds);
    panel->SetBorderOuter(TFrameStyle::fsFlat);
    panel->SetFlatColor(clGray);
    return panel;
}

TLxMemo* NewFramedMemo(QWidget* parent, QRect bounds)
{
    auto* memo = new TLxMemo(parent);
    memo->setGeometry(bounds);
    memo->SetReadOnly(true);
    memo->SetTabStop(false);
    memo->SetFrameVisible(true);
    return memo;
}

} // namespace

TFrmAboutBox::TFrmAboutBox(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FrmAboutBox"));
    setFixedSize(ClientWidth, ClientHeight);
    setFont(ArialFont(-12).ToQFont());
    QPalette colors = palette();
    colors.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    setPalette(colors);
    setAutoFillBackground(true);
    CreateLayout();
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(IdleCloseMs);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] { IdleTimeout(); });
    // As for every window, a failing creation step is reported and the window opens anyway.
    HandleExceptions([this] { FormCreate(); });
}

void TFrmAboutBox::CreateLayout()
{
    m_pnlAbout = new TKDPanel(this);
    m_pnlAbout->setGeometry(8, 8, 505, 221);
    // No lower edge: the tab row joins the panel there.
    m_pnlAbout->SetBorderSides(sdLeft | sdTop | sdRight);

    m_nbkViews = new QStackedWidget(m_pnlAbout);
    m_nbkViews->setGeometry(2, 2, 501, 219);
    SetAlign(m_nbkViews, TAlign::alClient);
    auto* copyrightPage = new QWidget;
    auto* licensePage = new QWidget;
    m_nbkViews->addWidget(copyrightPage);
    m_nbkViews->addWidget(licensePage);

    m_pnlSplash = NewFlatPanel(copyrightPage, QRect(8, 8, 204, 204));
    m_image1 = new TImage(m_pnlSplash);
    m_image1->setGeometry(2, 2, 200, 200);
    m_image1->SetAutoSize(true);
    m_image1->SetPicture(ProgramJpeg("ABOUT_PICTURE"));

    m_pnlCopyright = NewFlatPanel(copyrightPage, QRect(224, 8, 269, 204));
    m_pnlCopyright->SetColor(PaletteRGB(0xCC, 0xCC, 0xFF));
    m_lblTitle = NewLabel(m_pnlCopyright, 8, 8, true);
    m_lblTitle->SetCaption("Kedoozle");
    m_lblVersion = NewLabel(m_pnlCopyright, 68, 8, true);
    m_lblCopyright = NewLabel(m_pnlCopyright, 8, 24, false);
    m_lblLicenceGrant = NewLabel(m_pnlCopyright, 8, 40, false);
    m_lblTechSupport = NewLabel(m_pnlCopyright, 8, 72, false);
    m_lblEmail = NewLabel(m_pnlCopyright, 8, 88, false);

    m_edtLicense = NewFramedMemo(licensePage, QRect(8, 8, 485, 204));
    m_edtLicense->SetScrollBars(TScrollStyle::ssVertical);

    m_edtWarning = NewFramedMemo(this, QRect(8, 252, 505, 53));
    m_edtWarning->SetAlignment(TAlignment::taCenter);
    m_edtWarning->SetFont(ArialFont(-11));
    m_edtWarning->SetColor(clSilver);
    m_edtWarning->SetLines(Translated(NoticeLines));

    m_image2 = new TImage(this);
    m_image2->setGeometry(4, 305, 123, 38);
    m_image2->SetAutoSize(true);
    m_image2->SetPicture(ProgramJpeg("ABOUT_BANNER"));

    m_lxLabel1 = NewLabel(this, 180, 316, true);
    m_lxLabel1->SetFont(ArialFont(-19, fsBold));
    m_lxLabel1->SetTextStyle(TTextStyle::tsRaised);
    m_lxLabel1->SetCaption(WebAddress);

    m_btnClose = new TKDButton(this);
    m_btnClose->setGeometry(438, 316, 75, 25);
    m_btnClose->SetFrameFlat(true);
    m_btnClose->SetColor(PaletteRGB(0x99, 0x99, 0xCC));
    m_btnClose->SetFont(ArialFont(-12, 0, clWhite));
    m_btnClose->OnClick = [this](TKDCustomButton*) { close(); };
}

void TFrmAboutBox::FormCreate()
{
    setWindowTitle(QString::fromStdString(LoadStr(Str::AboutCaption)));
    m_nbkViews->setCurrentIndex(0);

    m_tabSet = new TKDTabSet(this);
    m_tabSet->setGeometry(m_pnlAbout->x(), m_pnlAbout->y() + m_pnlAbout->height(), m_pnlAbout->width(), 22);
    m_tabSet->Tabs().Add(LoadStr(Str::CopyrightTab));
    m_tabSet->Tabs().Add(LoadStr(Str::LicenseTab));
    m_tabSet->SetStartMargin(0);
    m_tabSet->SetTabIndex(0);
    m_tabSet->SetUnselectedColor(PaletteRGB(0x99, 0x99, 0x99));
    m_tabSet->OnChange = [this](TKDTabSet*, int newTab, bool&) { TabSetChange(newTab); };
    m_tabSet->show();

    m_btnClose->SetCaption(LoadStr(Str::Close));
    m_btnClose->setCursor(CursorById(crKDHand));
    m_lblVersion->SetCaption(LoadStr(Str::Version));
    m_lblCopyright->SetCaption(LoadStr(Str::Copyright));
    m_lblLicenceGrant->SetCaption(LoadStr(Str::LicenceGrant));
    m_lblTechSupport->SetCaption(LoadStr(Str::TechSupport));
    m_lblEmail->SetCaption(LoadStr(Str::SupportEmail));
    // A bare name: start-up made the program's folder the current directory.
    m_edtLicense->LoadLinesFromFile("License.txt");
    m_edtLicense->SetColor(PaletteDisplay ? clSilver : PaletteRGB(0xCC, 0xCC, 0xFF));
    m_edtWarning->SetColor(PaletteDisplay ? clSilver : PaletteRGB(0xCC, 0xCC, 0xCC));
}

void TFrmAboutBox::TabSetChange(int newTab) { m_nbkViews->setCurrentIndex(newTab); }

HPALETTE TFrmAboutBox::GetPalette() const { return KDGetPalette(); }

void TFrmAboutBox::keyPressEvent(QKeyEvent* event)
{
    // Nothing typed here acts: not even Escape, so a child's hands do not close the window.
    event->accept();
}

void TFrmAboutBox::leaveEvent(QEvent* event)
{
    QDialog::leaveEvent(event);
    // The pointer's time away starts now.
    m_idleTimer.start();
}

void TFrmAboutBox::IdleTimeout()
{
    // The pointer over the window, its frame included, keeps it open.
    if (frameGeometry().contains(QCursor::pos())) {
        m_idleTimer.start();
        return;
    }
    close();
}

void TFrmAboutBox::CenterOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    // The platform window knows the frame as soon as the window manager has added it.
    QSize outer = size();
    if (const QWindow* window = windowHandle()) {
        const QMargins frame = window->frameMargins();
        outer += QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    }
    move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

void TFrmAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_idleTimer.start();
    CenterOnScreen();
    // The window manager tells the frame's size only once the window is mapped.
    QTimer::singleShot(50, this, [this] { CenterOnScreen(); });
    QTimer::singleShot(250, this, [this] { CenterOnScreen(); });
    QTimer::singleShot(700, this, [this] { CenterOnScreen(); });
}

void TFrmAboutBox::Execute(QWidget* owner)
{
    TFrmAboutBox form(owner);
    ExecBesidePlay(form, owner, QDialog::Rejected);
}
