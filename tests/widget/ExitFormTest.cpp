#include "windows/ExitForm.h"

#include "widgetkit/Application.h"
#include "widgetkit/ImageControl.h"
#include "widgetkit/KDCtrls.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace {

// A click whose press and release are `heldMs` apart by the events' own times.
void Click(QWidget& widget, quint64 heldMs = 0)
{
    const QPointF at(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    press.setTimestamp(1000);
    QApplication::sendEvent(&widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    release.setTimestamp(1000 + heldMs);
    QApplication::sendEvent(&widget, &release);
}

// The play window behind the confirmation: counts the keys and presses it gets.
class TPlayWindow : public QWidget {
public:
    int Keys { 0 };
    int Presses { 0 };

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            ++Keys;
        if (event->type() == QEvent::MouseButtonPress)
            ++Presses;
        return QWidget::event(event);
    }
};

// Runs `answer` once the confirmation is up, and returns its result.
int ExecuteAndAnswer(const std::function<void(TFrmExit&)>& answer, QWidget* play = nullptr)
{
    QTimer::singleShot(0, [answer] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* form = dynamic_cast<TFrmExit*>(window); form && form->isVisible()) {
                answer(*form);
                return;
            }
        }
        ADD_FAILURE() << "no exit confirmation";
    });
    return TFrmExit::Execute(play, QPoint(352, 274));
}

} // namespace

TEST(ExitForm, LaysOutIconQuestionAndButtonsOnTheQuestionPanel)
{
    TFrmExit form(nullptr);
    form.FormCreate();
    EXPECT_EQ(form.PnlQuestion()->height(), 101);
    EXPECT_EQ(form.PnlQuestion()->BorderOuter(), TFrameStyle::fsNone);
    EXPECT_EQ(form.ImgIcon()->geometry(), QRect(8, 16, 32, 32));
    EXPECT_EQ(form.ImgIcon()->Picture().size(), QSize(32, 32));
    EXPECT_EQ(form.LblMessage()->geometry(), QRect(52, 20, 185, 37));
    EXPECT_EQ(form.LblMessage()->Caption(), "Do you wish to Exit Kedoozle?");
    EXPECT_TRUE(form.LblMessage()->WordWrap());
    EXPECT_EQ(form.BtnYes()->geometry(), QRect(80, 68, 75, 25));
    EXPECT_EQ(form.BtnNo()->geometry(), QRect(164, 68, 75, 25));
    EXPECT_EQ(form.BtnYes()->Caption(), "Yes");
    EXPECT_EQ(form.BtnNo()->Caption(), "No");
    EXPECT_TRUE(form.BtnYes()->FrameFlat());
    EXPECT_EQ(form.BtnYes()->Color(), PaletteRGB(0x99, 0x99, 0xCC));
    EXPECT_EQ(form.BtnNo()->Font().Color, clWhite);
    EXPECT_EQ(form.windowTitle(), "Kedoozle");

    // The question in black on the button face; the buttons lavender with white captions.
    form.show();
    const QImage image = form.PnlQuestion()->grab().toImage();
    EXPECT_EQ(image.pixel(4, 4), qRgb(192, 192, 192));
    EXPECT_EQ(image.pixel(80 + 37, 68 + 3), qRgb(0x99, 0x99, 0xCC));
    bool black = false;
    for (int y = 20; y < 57; ++y)
        for (int x = 52; x < 237; ++x)
            black = black || image.pixel(x, y) == qRgb(0, 0, 0);
    EXPECT_TRUE(black) << "the question is drawn";
}

TEST(ExitForm, AnswersSixForAHeldYesSevenForNoAndTwoForTheCloseBox)
{
    EXPECT_EQ(ExecuteAndAnswer([](TFrmExit& form) { Click(*form.BtnYes(), TFrmExit::YesHoldMs); }), 6);
    EXPECT_EQ(ExecuteAndAnswer([](TFrmExit& form) { Click(*form.BtnNo()); }), 7);
    EXPECT_EQ(ExecuteAndAnswer([](TFrmExit& form) { form.close(); }), 2);
    // A quick click on Yes answers nothing.
    EXPECT_EQ(ExecuteAndAnswer([](TFrmExit& form) {
                  Click(*form.BtnYes(), TFrmExit::YesHoldMs / 2);
                  EXPECT_TRUE(form.isVisible());
                  Click(*form.BtnNo());
              }),
              7);
}

TEST(ExitForm, KeysGoToPlayAndAPressOutsideSaysNo)
{
    TPlayWindow play;
    play.show();
    bool stillUp = false;
    const int result = ExecuteAndAnswer(
        [&](TFrmExit& form) {
            for (int key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Escape, Qt::Key_Y, Qt::Key_N,
                             Qt::Key_F4, Qt::Key_Tab }) {
                for (Qt::KeyboardModifiers modifiers : { Qt::NoModifier, Qt::AltModifier, Qt::ControlModifier }) {
                    QTest::keyClick(&form, Qt::Key(key), modifiers);
                    QTest::keyClick(form.BtnYes(), Qt::Key(key), modifiers);
                }
            }
            stillUp = form.isVisible();
            Click(play);
        },
        &play);
    EXPECT_TRUE(stillUp) << "a key answered";
    // Each press once, the modifiers' own presses included.
    EXPECT_EQ(play.Keys, 8 * (1 + 2 + 2) * 2) << "every key goes on to play";
    EXPECT_EQ(result, 7);
    EXPECT_EQ(play.Presses, 0) << "the press that said No goes no further";
}

TEST(ExitForm, StandsWhereItIsPlaced)
{
    int result = ExecuteAndAnswer([](TFrmExit& form) {
        EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(352, 274));
        form.close();
    });
    EXPECT_EQ(result, 2);
}
