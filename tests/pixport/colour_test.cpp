// Colour conversion to RGB15 and the picture's pixel query.
#include "core/colour.h"
#include "core/picture.h"
#include "test_pictures.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pixport;

TEST(PixportColour, ChannelsRoundToNearestFiveBitStep) {
  const struct {
    int in;
    int out;
  } cases[] = {
      {0, 0},    {4, 0},    {5, 1},    {12, 1},   {120, 15}, {127, 15},
      {128, 16}, {135, 16}, {243, 30}, {250, 30}, {251, 31}, {255, 31},
  };
  for (const auto& c : cases) EXPECT_EQ(channelTo5(c.in), c.out) << "channel " << c.in;
  for (int five = 0; five < 32; ++five) EXPECT_EQ(channelTo5(test::channelFor(five)), five);
}

TEST(PixportColour, PacksRedGreenBlueWithBit15Clear) {
  const struct {
    quint32 desktop;
    int rgb15;
  } cases[] = {
      {desktopColour(255, 255, 255), 32767},
      {desktopColour(0, 0, 0), 0},
      {desktopColour(255, 0, 0), 31},
      {desktopColour(0, 255, 0), 992},
      {desktopColour(0, 0, 255), 31744},
      {desktopColour(128, 128, 128), 16912},
      {kNoColour, 32767},
  };
  for (const auto& c : cases) EXPECT_EQ(toRgb15(c.desktop), c.rgb15) << std::hex << c.desktop;
}

TEST(PixportPicture, PositionsBeyondThePictureReadWhite) {
  const Picture picture(test::codedPicture(4, 3));
  EXPECT_EQ(picture.desktopColourAt(3, 2),
            desktopColour(test::channelFor(3), test::channelFor(2), 0));
  for (const auto& [x, y] : {std::pair{4, 0}, {0, 3}, {-1, 0}, {0, -1}, {100, 100}})
    EXPECT_EQ(picture.desktopColourAt(x, y), kNoColour) << x << "," << y;
  EXPECT_EQ(Picture().desktopColourAt(0, 0), kNoColour);
}

TEST(PixportPicture, TransparentPixelsReadAsShownOverWhite) {
  QImage image(3, 1, QImage::Format_ARGB32);
  image.setPixel(0, 0, qRgba(255, 0, 0, 255));
  image.setPixel(1, 0, qRgba(0, 0, 0, 0));
  image.setPixel(2, 0, qRgba(0, 0, 0, 128));
  const Picture picture(image);
  EXPECT_EQ(toRgb15(picture.desktopColourAt(0, 0)), 31);
  EXPECT_EQ(toRgb15(picture.desktopColourAt(1, 0)), 32767);
  EXPECT_EQ(picture.desktopColourAt(2, 0), desktopColour(127, 127, 127));
}

TEST(PixportPicture, LoadsGeneratedFilesAndRefusesOthers) {
  QTemporaryDir dir;
  const QImage image = test::codedPicture(5, 4);
  for (const char* name : {"p.bmp", "p.png"}) {
    Picture picture;
    QString error;
    ASSERT_TRUE(loadPicture(test::savePicture(image, dir.path(), name), &picture, &error)) << name;
    EXPECT_EQ(picture.width(), 5);
    EXPECT_EQ(picture.height(), 4);
    EXPECT_EQ(picture.desktopColourAt(4, 3),
              desktopColour(test::channelFor(4), test::channelFor(3), 0));
  }
  Picture photo;  // lossy: only the size is exact
  QString error;
  ASSERT_TRUE(loadPicture(test::savePicture(test::codedPicture(9, 7), dir.path(), "p.jpg"), &photo,
                          &error));
  EXPECT_EQ(QSize(photo.width(), photo.height()), QSize(9, 7));

  const QString notAPicture = dir.filePath("notes.png");
  test::writeFile(notAPicture, "hello");
  const Picture kept(image);
  Picture picture = kept;
  for (const QString& path : {notAPicture, dir.filePath("missing.bmp"), dir.path()}) {
    EXPECT_FALSE(loadPicture(path, &picture, &error)) << qPrintable(path);
    EXPECT_TRUE(error.contains(path)) << qPrintable(error);
    EXPECT_EQ(picture.image(), kept.image());
  }
}
