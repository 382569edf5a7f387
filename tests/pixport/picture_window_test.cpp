// The window, headless: controls and start states, option rules, loading,
// conversions with the progress label, dialogs and clipboard behind hooks.
#include "app_fixture.h"
#include "gui/picture_window.h"
#include "common/window_hooks.h"
#include "test_pictures.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

using namespace pixport;

namespace {

// Stands in for the desktop: answers the dialogs and records what the window asks.
struct Desktop {
  QString openAnswer;
  QString saveAnswer;
  QStringList openRequests;  // "title|filters"
  QStringList saveRequests;
  QStringList messages;
  QStringList clipboard;

  panetools::WindowHooks hooks() {
    panetools::WindowHooks h;
    h.openFile = [this](QWidget*, const QString& title, const QString& filters) {
      openRequests << title + '|' + filters;
      return openAnswer;
    };
    h.saveFile = [this](QWidget*, const QString& title, const QString& filters) {
      saveRequests << title + '|' + filters;
      return saveAnswer;
    };
    h.warn = [this](QWidget*, const QString&, const QString& text) { messages << text; };
    h.setClipboard = [this](const QString& text) { clipboard << text; };
    return h;
  }
};

class PixportPictureWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test::ensureApplication(); }

  template <typename T = QWidget>
  T* control(const char* name) {
    T* widget = form.findChild<T*>(QLatin1String(name));
    if (!widget) ADD_FAILURE() << "no control " << name;
    return widget;
  }
  void click(const char* name) { control<QAbstractButton>(name)->click(); }
  void type(const char* name, const QString& text) { control<QLineEdit>(name)->setText(text); }
  QString label1() { return control<QLabel>("Label1")->text(); }

  void load(const QImage& image, const char* name = "picture.bmp") {
    desktop.openAnswer = test::savePicture(image, dir.path(), QLatin1String(name));
    click("Command1");
  }

  QTemporaryDir dir;
  Desktop desktop;
  PictureWindow form{desktop.hooks()};
};

}  // namespace

TEST_F(PixportPictureWindow, ControlsStartWithCaptionsAndStates) {
  const struct {
    const char* name;
    const char* kind;
    const char* caption;
    int checked;
  } controls[] = {
      {"Picture1", "QLabel", "", -1},
      {"Picture2", "QLabel", "", -1},
      {"Command1", "QPushButton", "Load", -1},
      {"Command2", "QPushButton", "Convert", -1},
      {"Option1", "QRadioButton", "32x32", 0},
      {"Option2", "QRadioButton", "16x16", 1},
      {"Option3", "QRadioButton", "8x8", 0},
      {"Option9", "QRadioButton", "Custom", 0},
      {"Text1", "QLineEdit", "", -1},
      {"Label2", "QLabel", "x", -1},
      {"Text2", "QLineEdit", "", -1},
      {"Frame1", "QGroupBox", "Byte Ordering", -1},
      {"Option4", "QRadioButton", "Straight Across", 0},
      {"Option5", "QRadioButton", "8x8 Sprites", 1},
      {"Frame2", "QGroupBox", "Output", -1},
      {"Option7", "QRadioButton", "Include Array", 1},
      {"Option8", "QRadioButton", "BIN File", 0},
      {"Check2", "QCheckBox", "Include Initial Size Bytes", 0},
      {"Label1", "QLabel", "", -1},
  };
  for (const auto& c : controls) {
    QWidget* widget = control(c.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), c.kind) << c.name;
    const char* captionProperty = qobject_cast<QGroupBox*>(widget) ? "title" : "text";
    EXPECT_EQ(widget->property(captionProperty).toString(), QLatin1String(c.caption)) << c.name;
    if (c.checked >= 0) {
      EXPECT_EQ(widget->property("checked").toBool(), c.checked == 1) << c.name;
    }
    EXPECT_TRUE(widget->isEnabled()) << c.name;
  }
  EXPECT_EQ(control("Option4")->parent(), control("Frame1"));
  EXPECT_EQ(control("Option8")->parent(), control("Frame2"));
}

TEST_F(PixportPictureWindow, CustomSelectsRowsAndArrayUntilAFixedSizeIsClicked) {
  click("Option8");
  EXPECT_TRUE(control<QRadioButton>("Option5")->isChecked());
  click("Option9");
  EXPECT_TRUE(control<QRadioButton>("Option4")->isChecked());
  EXPECT_TRUE(control<QRadioButton>("Option7")->isChecked());
  EXPECT_TRUE(control<QAbstractButton>("Check2")->isChecked());
  EXPECT_FALSE(control("Option5")->isEnabled());

  click("Option2");
  EXPECT_TRUE(control("Option5")->isEnabled());
  EXPECT_TRUE(control<QRadioButton>("Option4")->isChecked()) << "fixed sizes select no order";
  EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
}

TEST_F(PixportPictureWindow, LoadShowsThePictureAndItsSize) {
  type("Text1", "7");
  load(test::codedPicture(30, 20));
  ASSERT_EQ(desktop.openRequests.size(), 1);
  const QString request = desktop.openRequests.front();
  EXPECT_TRUE(request.startsWith("Load Graphic . . .|All Pictures|*.")) << qPrintable(request);
  for (const char* type : {"*.png", "*.gif", "*.jpeg", "*.bmp"})
    EXPECT_TRUE(request.section('|', 2, 2).split(';').contains(type)) << type;
  EXPECT_TRUE(
      request.endsWith("|Bitmap Files (*.bmp)|*.bmp|JPEG Files (*.jpg)|*.jpg|"
                       "All Formats (*.bmp, *.jpg)|*.bmp;*.jpg|All Files|*.*"));
  EXPECT_EQ(control<QLineEdit>("Text1")->text(), "30");
  EXPECT_EQ(control<QLineEdit>("Text2")->text(), "20");
  EXPECT_EQ(control<QLabel>("Picture2")->size(), QSize(30, 20));
  EXPECT_FALSE(control<QLabel>("Picture1")->pixmap().isNull());
  EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked()) << "loading selects no option";
  EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(PixportPictureWindow, PreviewOutlinesTheAreaToConvert) {
  load(test::codedPicture(30, 20));
  const QRgb outline = qRgb(255, 0, 255);
  const auto shown = [this](int x, int y) {
    return control<QLabel>("Picture1")->pixmap().toImage().pixel(x, y);
  };
  const struct {
    const char* option;
    int width;
    int height;
  } cases[] = {{"Option2", 16, 16}, {"Option3", 8, 8}, {"Option1", 32, 32}};
  for (const auto& c : cases) {
    click(c.option);
    EXPECT_EQ(shown(c.width, 0), outline) << c.option;
    EXPECT_EQ(shown(0, c.height), outline) << c.option;
    const int x = qMin(c.width, 30) - 1;  // the area's last pixel inside the picture
    const int y = qMin(c.height, 20) - 1;
    EXPECT_EQ(shown(x, y), form.picture().image().pixel(x, y)) << c.option;
  }
  click("Option9");
  type("Text1", "5");
  type("Text2", "3");
  EXPECT_EQ(shown(5, 2), outline);
  EXPECT_EQ(shown(4, 3), outline);
  EXPECT_EQ(shown(4, 2), form.picture().image().pixel(4, 2));
  EXPECT_EQ(control<QLabel>("Picture2")->pixmap().toImage().pixel(5, 2),
            form.picture().image().pixel(5, 2));
}

TEST_F(PixportPictureWindow, FailedLoadKeepsThePreviousPicture) {
  load(test::codedPicture(30, 20));
  const QImage shown = form.picture().image();
  type("Text1", "5");
  const QString broken = dir.filePath("broken.bmp");
  test::writeFile(broken, "not a picture");
  const QString cutShort = dir.filePath("short.bmp");
  const QByteArray whole =
      test::readFile(test::savePicture(test::codedPicture(30, 20), dir.path(), "whole.bmp"));
  test::writeFile(cutShort, whole.first(whole.size() / 2));
  for (const QString& path : {broken, dir.filePath("missing.jpg"), cutShort}) {
    desktop.openAnswer = path;
    click("Command1");
    EXPECT_EQ(form.picture().image(), shown);
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), "30");
    ASSERT_FALSE(desktop.messages.isEmpty());
    EXPECT_TRUE(desktop.messages.last().contains(path));
    EXPECT_EQ(control<QLabel>("Label3")->text(), "Not loaded: the previous picture stays.");
  }
  desktop.openAnswer.clear();  // a cancelled dialog changes nothing
  click("Command1");
  EXPECT_EQ(form.picture().image(), shown);
}

TEST_F(PixportPictureWindow, ConvertsALoadedBmpToTheClipboard) {
  load(test::codedPicture(12, 10));
  click("Command2");
  ASSERT_EQ(desktop.clipboard.size(), 1);
  EXPECT_EQ(test::valuesByLine(desktop.clipboard.front().toLatin1()),
            test::tilesOf(16, 16, 12, 10));
  EXPECT_EQ(label1(), "DONE!");
  EXPECT_EQ(control<QLabel>("Label3")->text(), "Array is on the clipboard!");
  EXPECT_TRUE(desktop.saveRequests.isEmpty());
}

TEST_F(PixportPictureWindow, ProgressLabelUpdatesWhileTheEventPumpRuns) {
  load(test::codedPicture(12, 10));
  click("Option9");
  type("Text1", "5");
  type("Text2", "3");
  QStringList seen;
  QTimer watcher;  // fires only inside the conversion's event pump
  watcher.setInterval(0);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    if (seen.isEmpty() || seen.last() != label1()) seen << label1();
  });
  watcher.start();
  click("Command2");
  watcher.stop();
  EXPECT_EQ(seen, (QStringList{"26%", "60%", "93%"})) << "the last pixel of each row";
  EXPECT_EQ(label1(), "DONE!");
  ASSERT_EQ(desktop.clipboard.size(), 1);
  EXPECT_TRUE(
      desktop.clipboard.front().startsWith("{ 4, 2, //width, height\r\n\t0, 1, 2, 3, 4, \r\n"));
}

TEST_F(PixportPictureWindow, BinConversionWritesTheFileAndEmptiesTheClipboard) {
  load(test::codedPicture(12, 10));
  click("Option9");
  type("Text1", "3");
  type("Text2", "2");
  click("Option8");
  desktop.saveAnswer = dir.filePath("out.bin");
  click("Command2");
  EXPECT_EQ(desktop.saveRequests, QStringList{"Save Bin . . .|Bin Files (*.bin)|*.bin"});
  const QByteArray bytes = test::readFile(desktop.saveAnswer);
  ASSERT_EQ(bytes.size(), 16);
  EXPECT_EQ(bytes.left(4), QByteArray::fromHex("02000100"));
  EXPECT_EQ(desktop.clipboard, QStringList{QString()});
  EXPECT_EQ(label1(), "DONE!");
  EXPECT_EQ(control<QLabel>("Label3")->text(), "Written to out.bin.");
}

TEST_F(PixportPictureWindow, CancelledSaveDialogStopsBeforeTheWalk) {
  click("Option8");
  desktop.saveAnswer.clear();
  click("Command2");
  EXPECT_EQ(desktop.saveRequests.size(), 1);
  EXPECT_TRUE(desktop.clipboard.isEmpty());
  EXPECT_EQ(label1(), "");
}

TEST_F(PixportPictureWindow, RefusedCustomSizesLeaveClipboardAndFilesAlone) {
  click("Option9");
  type("Text2", "4");
  for (const char* width : {"0", "-5", "32769"}) {
    for (bool bin : {false, true}) {
      click(bin ? "Option8" : "Option7");
      type("Text1", QLatin1String(width));
      click("Command2");
      EXPECT_TRUE(desktop.clipboard.isEmpty()) << width;
      EXPECT_TRUE(desktop.saveRequests.isEmpty()) << "refused before the save dialog";
      ASSERT_FALSE(desktop.messages.isEmpty());
      EXPECT_TRUE(desktop.messages.last().contains(QLatin1String(width)))
          << qPrintable(desktop.messages.last());
      EXPECT_EQ(label1(), "");
    }
  }
  click("Option7");
  type("Text1", "32768");
  type("Text2", "512");  // text of at most 32768 x 512 x 7 bytes: more than the clipboard takes
  click("Command2");
  EXPECT_TRUE(desktop.clipboard.isEmpty());
  ASSERT_FALSE(desktop.messages.isEmpty());
  EXPECT_TRUE(desktop.messages.last().contains("too much for the clipboard"))
      << qPrintable(desktop.messages.last());
}

TEST_F(PixportPictureWindow, FailedOrAbandonedBinLeavesClipboardAndFileAlone) {
  load(test::codedPicture(12, 10));
  click("Option8");
  desktop.saveAnswer = dir.filePath("no/such/dir/out.bin");
  click("Command2");
  ASSERT_EQ(desktop.messages.size(), 1);
  EXPECT_TRUE(desktop.messages.front().contains("Cannot write"))
      << qPrintable(desktop.messages.front());

  desktop.saveAnswer = dir.filePath("keep.bin");
  test::writeFile(desktop.saveAnswer, "keep");
  QTimer closer;  // the window is closed while the walk runs
  closer.setInterval(0);
  QObject::connect(&closer, &QTimer::timeout, [&] { form.close(); });
  closer.start();
  click("Command2");
  closer.stop();
  EXPECT_EQ(test::readFile(desktop.saveAnswer), QByteArray("keep"));
  EXPECT_TRUE(desktop.clipboard.isEmpty());
  EXPECT_NE(label1(), "DONE!");
}

TEST_F(PixportPictureWindow, RefusesTheLoadedPictureAsTheBinFile) {
  load(test::codedPicture(12, 10));
  const QByteArray picture = test::readFile(desktop.openAnswer);
  click("Option8");
  desktop.saveAnswer = desktop.openAnswer;
  click("Command2");
  EXPECT_EQ(control<QLabel>("Label3")->text(),
            "the BIN file " + desktop.openAnswer + " is the input picture");
  EXPECT_EQ(test::readFile(desktop.openAnswer), picture);
  EXPECT_TRUE(desktop.clipboard.isEmpty());
  EXPECT_EQ(label1(), "");
}

TEST_F(PixportPictureWindow, UnreadableSizeFieldsGiveOnePixel) {
  click("Option9");
  click("Check2");  // no header
  type("Text1", "letters");
  type("Text2", "");
  click("Command2");
  EXPECT_EQ(desktop.clipboard, QStringList{"{ 32767};"});
}

TEST(PixportWindowHooks, FilterPairsBecomeQtFilters) {
  EXPECT_EQ(panetools::qtFilterList("Bitmap Files (*.bmp)|*.bmp|JPEG Files (*.jpg)|*.jpg|"
                                    "All Formats (*.bmp, *.jpg)|*.bmp;*.jpg|All Files|*.*"),
            "Bitmap Files (*.bmp);;JPEG Files (*.jpg);;All Formats (*.bmp *.jpg);;All Files (*)");
  EXPECT_EQ(panetools::qtFilterList("Bin Files (*.bin)|*.bin"), "Bin Files (*.bin)");
}

TEST(PixportWindowHooks, ClipboardHandOverReplacesTheText) {
  test::ensureApplication();
  QGuiApplication::clipboard()->setText(QStringLiteral("old"));
  panetools::desktopHooks().setClipboard(QStringLiteral("{ 1};"));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "{ 1};");
  panetools::desktopHooks().setClipboard(QString());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "");
}
