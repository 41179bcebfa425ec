#include "windows/SplashForm.h"

#include "app/MainForm.h"
#include "app/MainFormUi.h"
#include "app/ProgramPaths.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "play/PlayState.h"
#include "widgetkit/Application.h"
#include "widgetkit/ImageControl.h"
#include "widgetkit/KDCtrls.h"
#include "widgetkit/LxBHints.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

class SplashFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        RegisterPictureFormats();
        SplashShowing = true;
        SetExceptionHandler([this](const std::string& message) { errors.push_back(message); });
        SetProgramFolder(dir.path().toStdString());
    }
    void TearDown() override
    {
        delete FrmSplash.data();
        TFrmSplash::SetPictureResource("");
        SetProgramFolder("");
        SetExceptionHandler({});
        FinalizeKeyData();
    }
    // Creates the splash as the program entry does.
    TFrmSplash* Create()
    {
        auto* splash = new TFrmSplash();
        FrmSplash = splash;
        HandleExceptions([splash] { splash->FormCreate(); });
        splash->ShowAndPaint();
        return splash;
    }
    // The window frees itself once the close has been handled.
    static bool Gone()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return FrmSplash.isNull();
    }

    QTemporaryDir dir;
    std::vector<std::string> errors;
};

} // namespace

TEST_F(SplashFormTest, TheTitlePictureSitsInThePurpleFrameAboveTheGreeting)
{
    TFrmSplash* splash = Create();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(splash->size(), QSize(408, 435));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash->PnlSplash()->geometry(), QRect(0, 0, 408, 435));
    EXPECT_EQ(splash->ImgSplash()->geometry(), QRect(4, 4, 400, 400));
    EXPECT_EQ(splash->LblMessage()->geometry(), QRect(4, 404, 400, 27));
    // The picture is a JPEG of 400 x 400 from the program's own resources, shown unscaled.
    ASSERT_NE(splash->Picture().Graphic(), nullptr);
    EXPECT_STREQ(splash->Picture().Graphic()->ClassName(), "TJPEGImage");
    EXPECT_EQ(splash->ImgSplash()->Picture().size(), QSize(400, 400));
    EXPECT_FALSE(splash->LblMessage()->Caption().empty());
    // Three seconds from creation, once.
    EXPECT_TRUE(splash->TmrSplash()->isActive());
    EXPECT_TRUE(splash->TmrSplash()->isSingleShot());
    EXPECT_EQ(splash->TmrSplash()->interval(), 3000);
    // Painted: the frame's lavender highlight at the top left, the picture inside it.
    const QImage shot = splash->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(153, 102, 255));
    EXPECT_EQ(shot.pixel(407, 434), qRgb(51, 0, 102));
    EXPECT_EQ(shot.pixel(204, 204), splash->ImgSplash()->Picture().pixel(200, 200));
}

TEST_F(SplashFormTest, TheTimerAndAClickOnAnyPartDismissIt)
{
    TFrmSplash* splash = Create();
    splash->TmrSplash()->start(10);
    EXPECT_TRUE(QTest::qWaitFor([] { return !SplashShowing; }, 3000));
    EXPECT_TRUE(Gone());

    const auto pressOn = [](QWidget* part) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), part->mapToGlobal(QPointF(2, 2)),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(part, &press);
    };
    for (int part = 0; part < 3; ++part) {
        SplashShowing = true;
        splash = Create();
        QWidget* parts[] = { splash->PnlSplash(), splash->ImgSplash(), splash->LblMessage() };
        pressOn(parts[part]);
        EXPECT_FALSE(SplashShowing) << part;
        EXPECT_FALSE(splash->TmrSplash()->isActive()) << part;
        EXPECT_TRUE(Gone()) << part;
    }
}

TEST_F(SplashFormTest, AMissingOrBrokenPictureIsReportedOnceAndTheSplashShowsWithoutIt)
{
    TFrmSplash::SetPictureResource("NO_SUCH_PICTURE");
    TFrmSplash* splash = Create();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0], "Resource NO_SUCH_PICTURE not found");
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->ImgSplash()->Picture().isNull());
    EXPECT_TRUE(splash->TmrSplash()->isActive());
    splash->DismissSplash();
    EXPECT_TRUE(Gone());

    // A resource that is not a JPEG at all.
    errors.clear();
    SplashShowing = true;
    TFrmSplash::SetPictureResource("DEFAULT_CHIME");
    splash = Create();
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].rfind("JPEG error #", 0), 0u) << errors[0];
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->ImgSplash()->Picture().isNull());
}

TEST_F(SplashFormTest, TheFirstDrawingKeyAndAModePickEndItAndLaterOnesLeaveItAlone)
{
    TFrmKedoozle form;
    form.FormCreate();
    TFrmSplash* splash = Create();
    splash->SetMainWindow(&form);
    // A key typed at the splash goes to the main window and draws there.
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 38, 38, 0, QStringLiteral("a"));
    QApplication::sendEvent(splash, &press);
    EXPECT_EQ(form.PbxDisplay()->State().DrawCount(), 1);
    EXPECT_FALSE(SplashShowing);
    EXPECT_TRUE(Gone());
    std::uint16_t key = 66;
    form.FormKeyUp(key);
    key = 66;
    form.FormKeyDown(key);
    EXPECT_EQ(form.PbxDisplay()->State().DrawCount(), 2);

    SplashShowing = true;
    Create();
    form.PlayModeClick(form.Ui().PlayModeImage(ShapeType));
    EXPECT_FALSE(SplashShowing);
    EXPECT_TRUE(Gone());
    EXPECT_EQ(form.PbxDisplay()->State().PlayMode(), ShapeType);
    form.PlayModeClick(form.Ui().PlayModeImage(KeyType));
    EXPECT_EQ(form.PbxDisplay()->State().PlayMode(), KeyType);
}

TEST_F(SplashFormTest, TheMainWindowsBalloonsTakeTheBalloonColourAndItsSettings)
{
    TFrmKedoozle form;
    form.FormCreate();
    const TLxBalloonHints* hints = form.Ui().HntKedoozle;
    ASSERT_NE(hints, nullptr);
    EXPECT_EQ(hints->Color(), BalloonHintColor());
    EXPECT_EQ(hints->Color(), 0x0299FFFFu);
    EXPECT_TRUE(hints->ShowBalloon());
    EXPECT_EQ(hints->CaptionWidth(), 160);
    EXPECT_EQ(hints->Alignment(), TAlignment::taCenter);
    EXPECT_EQ(hints->HintPause(), 500);
    EXPECT_EQ(hints->HintShortPause(), 50);
    EXPECT_EQ(hints->Font().Height(), -13);
    EXPECT_EQ(hints->Font().Style, unsigned(fsBold));
    // Every hint of the application is a balloon now, linked to the main window's settings.
    auto* window = dynamic_cast<TLxCustomHintWindow*>(TAppHints::Instance().HintWindow());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->BalloonHints(), hints);
    EXPECT_EQ(window->Color(), 0x0299FFFFu);
    EXPECT_EQ(TAppHints::ShortHint(form.Ui().PlayModeImage(ClassicType)), "Click here to change to ClassicType play mode.");
    EXPECT_EQ(TAppHints::ShortHint(form.Ui().ImgSound), "Sound is On.\rClick here to\rturn sound off.");
}
