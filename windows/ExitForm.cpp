#include "windows/ExitForm.h"

#include "app/KDGlobals.h"
#include "framework/Controls.h"
#include "framework/StringTable.h"
#include "resources/ProgramResources.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

TFrmExit::TFrmExit(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QStringLiteral("Kedoozle"));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(12);
    setFont(font);
    setStyleSheet(QStringLiteral("QDialog { background: #C0C0C0; }"
                                 "QPushButton { background: #CC9999; color: white; border: 1px solid #663399; }"
                                 "QPushButton:hover { background: #9999CC; }"));

    auto* icon = new QLabel(this);
    icon->setGeometry(8, 16, 32, 32);
    if (ProgramResourceExists("QUESTION_ICON"))
        icon->setPixmap(QPixmap::fromImage(LoadProgramBitmap("QUESTION_ICON")));

    m_btnYes = new QPushButton(QString::fromStdString(LoadStr(Str::Yes)), this);
    m_btnYes->setGeometry(80, 68, 75, 25);
    m_btnYes->setCursor(CursorById(crKDHand));
    // Only a click answers: a child's hands on the keyboard must not press Yes.
    m_btnYes->setFocusPolicy(Qt::NoFocus);
    m_btnYes->setAutoDefault(false);
    connect(m_btnYes, &QPushButton::clicked, this, [this] { done(mrYes); });

    m_btnNo = new QPushButton(QString::fromStdString(LoadStr(Str::No)), this);
    m_btnNo->setGeometry(164, 68, 75, 25);
    m_btnNo->setCursor(CursorById(crKDHand));
    m_btnNo->setFocusPolicy(Qt::NoFocus);
    m_btnNo->setAutoDefault(false);
    connect(m_btnNo, &QPushButton::clicked, this, [this] { done(mrNo); });

    m_lblMessage = new QLabel(QString::fromStdString(LoadStr(Str::ExitQuestion)), this);
    m_lblMessage->setGeometry(52, 20, 185, 37);
    m_lblMessage->setWordWrap(true);
    m_lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // The window manager's frame is not known before the window is shown: start with the
    // whole outer size as client size, and shrink it by the frame once shown.
    setFixedSize(OuterWidth, OuterHeight - 27);
}

void TFrmExit::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FitToOuterSize();
    // The window manager tells the frame's size only after the window is mapped.
    QTimer::singleShot(50, this, [this] { FitToOuterSize(); });
    QTimer::singleShot(250, this, [this] { FitToOuterSize(); });
}

void TFrmExit::FitToOuterSize()
{
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize client(OuterWidth - frame.width(), OuterHeight - frame.height());
    if (client != size() && client.width() > 0 && client.height() > 0)
        setFixedSize(client);
    move(m_outerTopLeft);
}

int TFrmExit::Execute(QWidget* owner, QPoint topLeft)
{
    TFrmExit form(owner);
    form.m_outerTopLeft = topLeft;
    form.move(topLeft);
    const int result = form.exec();
    return result == QDialog::Rejected ? mrCancel : result;
}
