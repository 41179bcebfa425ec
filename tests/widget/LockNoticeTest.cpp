#include "app/MainForm.h"

#include "app/LockNotice.h"
#include "app/MainFormUi.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "platform/keylock/KeyLock.h"
#include "play/KDPaintBox.h"
#include "play/KeyData.h"
#include "tests/support/MainFormFixture.h"
#include "widgetkit/Application.h"
#include "widgetkit/KDCtrls.h"
#include "widgetkit/LxLabel.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>

// What the key lock reports reaches the parent: in the control panel's message area, beside
// the play modes, and on the error output; it stays through play and trace texts until the
// lock holds again.

namespace {

constexpr std::uint16_t VK_A = 65;

class LockNoticeTest : public TMainFormFixture {
protected:
    static void Press(TFrmKedoozle& form)
    {
        std::uint16_t key = VK_A;
        form.FormKeyDown(key);
        key = VK_A;
        form.FormKeyUp(key);
    }
    static bool NoticeShowing(const TFrmKedoozle& form)
    {
        return form.Ui().LblMessage->isVisible() && form.Ui().LblMessage->Caption() == form.LockNotice().Reported()
            && form.Ui().PnlPlayModes->isVisible() && !form.Ui().PnlKedoozle->isVisible();
    }
};

TEST_F(LockNoticeTest, TheNoticeStaysThroughPlayUntilTheLockHoldsAgain)
{
    TFrmKedoozle form;
    form.setGeometry(0, 0, 800, 600);
    form.FormCreate();
    form.show();
    EXPECT_FALSE(form.Ui().LblMessage->isVisible());

    testing::internal::CaptureStderr();
    form.LockNotice().WindowKeysReport(TWindowKeysState::Refused);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_NE(form.LockNotice().Reported().find("has not allowed Kedoozle"), std::string::npos);
    EXPECT_EQ(written, "Kedoozle: " + form.LockNotice().Reported() + "\n");
    EXPECT_TRUE(NoticeShowing(form));
    // The message area takes the logo's place between the play modes and the settings.
    EXPECT_EQ(form.Ui().LblMessage->width(), 800 - 8 - 229 - 148);

    Press(form);
    Press(form);
    EXPECT_EQ(form.PbxDisplay()->State().DrawCount(), 2);
    EXPECT_TRUE(NoticeShowing(form));

    // A later report replaces the text.
    form.LockNotice().WindowKeysReport(TWindowKeysState::Lost);
    EXPECT_NE(form.LockNotice().Reported().find("took its shortcuts back"), std::string::npos);
    EXPECT_TRUE(NoticeShowing(form));
    form.LockNotice().WindowKeysReport(TWindowKeysState::KeyboardElsewhere);
    EXPECT_NE(form.LockNotice().Reported().find("while another window has the keyboard"), std::string::npos);
    EXPECT_TRUE(NoticeShowing(form));

    testing::internal::CaptureStderr();
    form.LockNotice().WindowKeysReport(TWindowKeysState::Locked);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Kedoozle: Keys are locked again.\n");
    EXPECT_TRUE(form.LockNotice().Reported().empty());
    EXPECT_FALSE(form.Ui().LblMessage->isVisible());
    EXPECT_TRUE(form.Ui().PnlKedoozle->isVisible());
    EXPECT_TRUE(form.Ui().PnlPlayModes->isVisible());
    form.FormDestroy();
}

TEST_F(LockNoticeTest, TraceTextsTakeTheAreaAndTheNoticeComesBackAfterThem)
{
    // A picture that cannot be found leaves a trace text at every key press.
    WriteIni("[Settings]\nShowMessages=1\nPlayMode=3\n");
    TFrmKedoozle form;
    form.setGeometry(0, 0, 800, 600);
    form.FormCreate();
    form.show();
    testing::internal::CaptureStderr();
    form.LockNotice().WindowKeysReport(TWindowKeysState::DesktopKeysOpen);
    testing::internal::GetCapturedStderr();
    EXPECT_NE(form.LockNotice().Reported().find("this desktop does not let"), std::string::npos);
    EXPECT_TRUE(NoticeShowing(form));

    Press(form);
    EXPECT_EQ(form.Ui().LblMessage->Caption().rfind("Res:  PICTURE_1", 0), 0u);
    EXPECT_FALSE(form.Ui().PnlPlayModes->isVisible());

    // A report while a trace text shows leaves the trace in place.
    testing::internal::CaptureStderr();
    form.LockNotice().WindowKeysReport(TWindowKeysState::Refused);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(form.Ui().LblMessage->Caption().rfind("Res:  PICTURE_1", 0), 0u);

    // The next drawing clears the trace, and the notice is back.
    form.PlayModeClick(form.Ui().PlayModeImage(0));
    Press(form);
    EXPECT_TRUE(NoticeShowing(form));
    EXPECT_NE(form.LockNotice().Reported().find("has not allowed"), std::string::npos);

    // Once locked, a cleared trace leaves the logo, not the old notice.
    testing::internal::CaptureStderr();
    form.LockNotice().WindowKeysReport(TWindowKeysState::Locked);
    testing::internal::GetCapturedStderr();
    Press(form);
    EXPECT_FALSE(form.Ui().LblMessage->isVisible());
    EXPECT_TRUE(form.Ui().PnlKedoozle->isVisible());
    form.FormDestroy();
}

TEST_F(LockNoticeTest, TheLocksReportGoesBeforeTheGeneralWarningAndLeavesItWhenDone)
{
    bool locked = false;
    TFrmKedoozle form;
    form.setGeometry(0, 0, 800, 600);
    form.FormCreate();
    form.LockNotice().SetKeyLockCheck([&locked] { return locked; }, 0);
    form.show();
    form.LockNotice().CheckKeyLock();
    ASSERT_TRUE(form.LockNotice().KeysNotLockedShown());
    EXPECT_EQ(form.Ui().LblMessage->Caption(), "keys are not locked");

    testing::internal::CaptureStderr();
    form.LockNotice().WindowKeysReport(TWindowKeysState::Refused);
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(NoticeShowing(form));
    // The check going on while the report stands does not bring the general text back.
    form.LockNotice().CheckKeyLock();
    EXPECT_TRUE(NoticeShowing(form));

    // The lock holds again after all: the report goes, and the keys are still not locked.
    testing::internal::CaptureStderr();
    form.LockNotice().WindowKeysReport(TWindowKeysState::Locked);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(form.Ui().LblMessage->Caption(), "keys are not locked");
    EXPECT_TRUE(form.Ui().LblMessage->isVisible());

    locked = true;
    form.LockNotice().CheckKeyLock();
    EXPECT_FALSE(form.Ui().LblMessage->isVisible());
    EXPECT_TRUE(form.Ui().PnlKedoozle->isVisible());
    form.FormDestroy();
}

} // namespace
