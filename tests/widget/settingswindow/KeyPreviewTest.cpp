#include "settingswindow/KeyGrid.h"
#include "settingswindow/KeyPreview.h"

#include "familycontent/FamilySettings.h"
#include "paint/ColorData.h"
#include "pictures/PictureFormats.h"
#include "play/KeyData.h"
#include "play/PlayState.h"

#include <QBuffer>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class KeyPreview : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        InitColorData(24, 0, 0);
        InitKeyData();
        RegisterPictureFormats();
    }
    static void TearDownTestSuite()
    {
        FinalizeKeyData();
        FinalizeColorData();
    }

    // A key whose picture is a plain green bitmap, captioned "Q".
    static TFamilyKey GreenKey()
    {
        QImage green(200, 150, QImage::Format_RGB32);
        green.fill(QColor(0, 200, 0));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        green.save(&buffer, "BMP");
        TFamilyKey key;
        key.Caption = "Q";
        key.Shape = 12;
        key.ShapeColorIndex = 3;
        TKeyPart& picture = key.Parts[KindPictures];
        picture.Data.assign(reinterpret_cast<const std::byte*>(bytes.constData()),
                            reinterpret_cast<const std::byte*>(bytes.constData()) + bytes.size());
        picture.TypeCode = 0;
        return key;
    }

    static int Count(const QImage& image, const std::function<bool(QColor)>& test)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += test(image.pixelColor(x, y)) ? 1 : 0;
        return n;
    }
};

TEST_F(KeyPreview, DrawsTheKeysOwnContentAsPlayDoesAndLeavesTheKeyTableAsItWas)
{
    const TFamilyKey key = GreenKey();
    const TKeyEntry before = KeyTable->Entry(17);
    const QSize surface(1280, 720);

    const QImage picture = DrawKeyPreview(key, 17, PictureType, surface);
    EXPECT_GT(Count(picture, [](QColor c) { return c.green() > 180 && c.red() < 30 && c.blue() < 30; }), 1000);
    // The drawing stands in the middle of what is shown, in the surface's proportions.
    EXPECT_NEAR(double(picture.width()) / picture.height(), 16.0 / 9, 0.01);
    EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(0, 200, 0));
    // The same drawing each time.
    EXPECT_EQ(DrawKeyPreview(key, 17, PictureType, surface), picture);

    const QImage caption = DrawKeyPreview(key, 17, KeyType, surface);
    EXPECT_GT(Count(caption, [](QColor c) { return c != Qt::black; }), 50);
    const QImage shape = DrawKeyPreview(key, 17, ShapeType, surface);
    EXPECT_GT(Count(shape, [](QColor c) { return c != Qt::black; }), 500);

    // A key without a picture shows nothing in PictureType, as in play.
    TFamilyKey bare = key;
    bare.Parts[KindPictures] = {};
    const QImage none = DrawKeyPreview(bare, 17, PictureType, surface);
    EXPECT_EQ(Count(none, [](QColor c) { return c != Qt::black; }), 0);

    EXPECT_EQ(KeyTable->Entry(17).KeyName, before.KeyName);
    EXPECT_EQ(KeyTable->Entry(17).PictureFile, before.PictureFile);
    EXPECT_EQ(KeyTable->Entry(17).Shape, before.Shape);
}

TEST_F(KeyPreview, APictureOfTheKeyIsReadFromItsBytesAndBrokenBytesGiveNone)
{
    TFamilyKey key = GreenKey();
    const QImage image = KeyPartImage(key, KindPictures);
    ASSERT_EQ(image.size(), QSize(200, 150));
    EXPECT_EQ(image.pixelColor(10, 10), QColor(0, 200, 0));
    key.Parts[KindPictures].Data.resize(40);
    EXPECT_TRUE(KeyPartImage(key, KindPictures).isNull());
}

} // namespace

namespace {

TEST(KeyGrid, AKeyPressedOnTheKeyboardPicksThatKeyAndTabStillMovesOn)
{
    InitKeyData();
    TFamilySettings settings(TFamilyPaths {});
    TKeyGrid grid(settings);
    int chosen = 0;
    QObject::connect(&grid, &TKeyGrid::KeyChosen, [&chosen](int entry) { chosen = entry; });
    QTest::keyClick(&grid, Qt::Key_D);
    EXPECT_EQ(chosen, 4);
    EXPECT_TRUE(grid.Button(4)->isChecked());
    QTest::keyClick(&grid, Qt::Key_F5);
    EXPECT_EQ(chosen, 66);
    chosen = 0;
    QTest::keyClick(&grid, Qt::Key_Tab);
    QTest::keyClick(&grid, Qt::Key_P, Qt::AltModifier);
    EXPECT_EQ(chosen, 0);
    FinalizeKeyData();
}

} // namespace
