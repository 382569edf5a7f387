// The palsqueeze window driven headlessly: paste, press "Go!", check the controls,
// the clipboard and the message boxes, which are replaced by recorders.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <sstream>

#include "cli/command_line.h"
#include "core/compressor.h"
#include "gui/compressor_window.h"
#include "sprite_texts.h"

// Readable failure messages for Qt strings.
void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace palsqueeze {
namespace {

using palsqueeze_test::arrayText;
using palsqueeze_test::pixelsWithDistinctValues;

const QString kExample =
    QString::fromStdString("uint16 spr[] = " + arrayText(2, 2, {"31", "32767", "32767", "31"}));

class PalsqueezeWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "palsqueeze_window_tests";
    static char* argv[] = {name, nullptr};
    // Headless whatever the caller's environment: the window never needs a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (QApplication::instance() == nullptr) new QApplication(argc, argv);
  }

  panetools::WindowHooks hooks() {
    panetools::WindowHooks h;
    h.warn = [this](QWidget*, const QString& title, const QString& text) {
      warnings.append(title + " | " + text);
    };
    h.setClipboard = [this](const QString& text) { clipboard.append(text); };
    return h;
  }

  template <typename T>
  T* control(const char* name) {
    T* found = window.findChild<T*>(name);
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QStringList listItems() {
    QStringList items;
    auto* list = control<QListWidget>("List1");
    for (int i = 0; i < list->count(); ++i) items.append(list->item(i)->text());
    return items;
  }
  void pasteAndGo(const QString& text) {
    control<QPlainTextEdit>("Text1")->setPlainText(text);
    control<QPushButton>("Command1")->click();
  }
  QString text1() { return control<QPlainTextEdit>("Text1")->toPlainText(); }
  QString label(const char* name) { return control<QLabel>(name)->text(); }

  CompressorWindow window{hooks()};
  QStringList warnings;
  QStringList clipboard;
};

TEST_F(PalsqueezeWindow, HasTheNamedControlsWithTheirCaptions) {
  EXPECT_EQ(window.objectName(), "Form1");
  EXPECT_EQ(control<QPushButton>("Command1")->text(), "Go!");
  auto* frame = control<QGroupBox>("Frame1");
  EXPECT_EQ(frame->title(), "Pallate");
  for (const char* name : {"List1", "Label1", "Label2"}) {
    EXPECT_TRUE(frame->isAncestorOf(window.findChild<QWidget*>(name))) << name;
  }
  EXPECT_EQ(control<QListWidget>("List1")->isSortingEnabled(), false);
}

TEST_F(PalsqueezeWindow, GoPutsTheRecordOnTheClipboardAndEmptiesTheField) {
  pasteAndGo(kExample);
  EXPECT_EQ(listItems(), (QStringList{"31", "32767"}));
  EXPECT_EQ(label("Label1"), "Sprite is 2 x 2.");
  EXPECT_EQ(label("Label2"), "Sprite takes up 1 bits per pixel.");
  ASSERT_EQ(clipboard.size(), 1);
  EXPECT_EQ(clipboard[0].toStdString(), compress(kExample.toStdString()).output);
  EXPECT_EQ(clipboard[0],
            "uint16 spr[] = { 0xFFFF, 1, 1, 2, 31, 32767, // width, height, # of pallate "
            "entries, pallate entries\r\n0x0060 };");
  EXPECT_EQ(text1(), "");
  EXPECT_EQ(label("Label3"), "Sprite is on the clipboard!");
  EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(PalsqueezeWindow, RefusesTooManyEntriesLeavingTextAndResultAlone) {
  pasteAndGo(kExample);
  const QString tooMany =
      QString::fromStdString(arrayText(20, 20, pixelsWithDistinctValues(20, 20, 257)));
  control<QPlainTextEdit>("Text1")->setPlainText(tooMany);
  const QString pasted = text1();
  control<QPushButton>("Command1")->click();
  EXPECT_EQ(warnings, QStringList{QString(kTooManyEntriesTitle) + " | " + kTooManyEntriesMessage});
  EXPECT_EQ(warnings[0],
            "ZOMG YOU FUCKED IT UP! | Sprite uncompressible, has too many pallate entries!  "
            "Sprite can have at most 256 entries.");
  EXPECT_EQ(clipboard.size(), 1) << "clipboard untouched";
  EXPECT_EQ(text1(), pasted);
  EXPECT_EQ(label("Label2"), "") << "no report of the earlier run stays";
  EXPECT_EQ(label("Label1"), "Sprite is 20 x 20.");
  EXPECT_EQ(label("Label3"), "Refused: the clipboard is unchanged.");
  EXPECT_EQ(listItems().size(), 257);
  pasteAndGo("{ 1, x, 5, 6, 7, 8 }");
  EXPECT_EQ(label("Label1"), "");
  EXPECT_EQ(label("Label2"), "");
}

TEST_F(PalsqueezeWindow, SaysWhyItCannotReadTheText) {
  for (const QString& text : {QString("31, 32767, 32767, 31"), QString("{ 1, x, 5, 6, 7, 8 }"),
                              QString("{ 1, 1, 5, 6, 7 }")}) {
    warnings.clear();
    pasteAndGo(text);
    ASSERT_EQ(warnings.size(), 1) << text.toStdString();
    EXPECT_TRUE(warnings[0].startsWith("Cannot compress this text | "))
        << warnings[0].toStdString();
    EXPECT_EQ(text1(), text);
    EXPECT_TRUE(clipboard.isEmpty());
  }
}

TEST_F(PalsqueezeWindow, GivesTheSameBytesAsTheCommandLine) {
  // The second text holds non-breaking spaces (as text pasted from a web page may):
  // they are characters of the text, not spaces to trim, in the field as in a file.
  const std::string nbsp = "\u00A0";
  const std::string inputs[] = {
      "const uint16 arrow[] =\r\n" + arrayText(5, 3, pixelsWithDistinctValues(5, 3, 6)) + "\r\n",
      "uint16" + nbsp + "dot[] = " + arrayText(2, 1, {"31", nbsp + "31"})};
  for (const std::string& input : inputs) {
    clipboard.clear();
    pasteAndGo(QString::fromStdString(input));
    ASSERT_EQ(clipboard.size(), 1) << input;

    std::istringstream in(input);
    std::ostringstream out, err;
    palsqueeze::CommandLine commandLine(in, out, err);
    commandLine.setInputPath("-");
    ASSERT_EQ(commandLine.run(), 0) << err.str();
    EXPECT_EQ(clipboard[0].toStdString(), out.str()) << input;
  }
}

TEST_F(PalsqueezeWindow, DesktopClipboardReceivesTheRecord) {
  CompressorWindow plain;
  QGuiApplication::clipboard()->setText("earlier");
  plain.findChild<QPlainTextEdit*>("Text1")->setPlainText(kExample);
  plain.findChild<QPushButton*>("Command1")->click();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
            compress(kExample.toStdString()).output);
}

}  // namespace
}  // namespace palsqueeze
