// Form1 off screen: its controls, "Convert", the status line, the clipboard and
// the fields that empty the status line.
#include "glyphcast/core/converter.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/core/memory_font.h"
#include "glyphcast/core/preview.h"
#include "glyphcast/core/template_text.h"
#include "glyphcast/gui/font_window.h"
#include "qt_app.h"
#include "text_helpers.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

using namespace glyphcast;
using namespace glyphcast::test;

namespace {

class GlyphcastWindow : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testApplication(); }

  GlyphcastWindow() : window(hooks()) {}

  panetools::WindowHooks hooks() {
    panetools::WindowHooks h;
    h.setClipboard = [this](const QString& text) {
      clipboard = text;
      ++clipboardCalls;
    };
    return h;
  }

  template <typename T>
  T* control(const char* name) {
    T* found = window.findChild<T*>(QLatin1String(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }
  QLineEdit* field(const char* name) { return control<QLineEdit>(name); }
  QString status() { return control<QLabel>("Label1")->text(); }
  void convert() { control<QPushButton>("Command2")->click(); }

  QString clipboard;
  int clipboardCalls = 0;
  FontWindow window;
};

const QString kDone = QStringLiteral("Font is on the clipboard!");

}  // namespace

TEST_F(GlyphcastWindow, HasEveryControlWithItsStartContent) {
  EXPECT_EQ(window.objectName(), QStringLiteral("Form1"));
  struct Field {
    const char* name;
    const char* text;
  };
  for (const Field& f :
       {Field{"Text3", ""}, Field{"Text4", "12"}, Field{"Text11", "0"}, Field{"Text5", "0"},
        Field{"Text6", "0"}, Field{"Text12", "0"}, Field{"ULine", "12"}})
    EXPECT_EQ(field(f.name)->text(), QString::fromUtf8(f.text)) << f.name;
  struct Caption {
    const char* name;
    const char* text;
  };
  for (const Caption& c : {Caption{"Label1", ""}, Caption{"Label2", "Width Bias:"},
                           Caption{"Label3", "Loc Bias:"}, Caption{"Label4", "Underline:"}})
    EXPECT_EQ(control<QLabel>(c.name)->text(), QString::fromUtf8(c.text)) << c.name;
  EXPECT_EQ(control<QPushButton>("Command2")->text(), QStringLiteral("Convert"));
  EXPECT_EQ(control<QCheckBox>("Check1")->text(), QStringLiteral("Bold"));
  EXPECT_EQ(control<QCheckBox>("Check2")->text(), QStringLiteral("Itlalics"));
  EXPECT_FALSE(control<QCheckBox>("Check1")->isChecked());
  EXPECT_FALSE(control<QCheckBox>("Check2")->isChecked());

  QString shown = control<QPlainTextEdit>("Text2")->toPlainText();
  QString expected = defaultTemplate();
  expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(window.templateText(), expected);

  QWidget* picture = control<QWidget>("Picture1");
  EXPECT_EQ(picture->size(), QSize(241, 225));
  EXPECT_EQ(picture->parentWidget(), control<QPlainTextEdit>("Text2"));
}

TEST_F(GlyphcastWindow, ConvertPutsTheFontOnTheClipboard) {
  field("Text3")->setText(QStringLiteral("Liberation Sans"));
  control<QCheckBox>("Check1")->setChecked(true);
  field("Text11")->setText(QStringLiteral("1"));
  convert();
  EXPECT_EQ(clipboardCalls, 1);

  ImageCaptureBox box;
  const Conversion expected = convertFont(box, window.fields(), defaultTemplate());
  ASSERT_TRUE(expected.ok);
  ASSERT_FALSE(expected.warning.isEmpty());  // '_' reaches below the line, 'j' left of its cell
  EXPECT_EQ(status(), kDone + QLatin1Char(' ') + expected.warning);
  EXPECT_EQ(clipboard, expected.text);
  EXPECT_TRUE(clipboard.contains(QStringLiteral("// [x] Bold\r\n")));
  EXPECT_TRUE(clipboard.endsWith(QStringLiteral("(uint16*)fl12_VERTBIAS };\r\n")));
  EXPECT_TRUE(control<QPushButton>("Command2")->isEnabled());
}

TEST_F(GlyphcastWindow, UsesTheEditedTemplate) {
  field("Text3")->setText(QStringLiteral("DejaVu Sans"));
  field("ULine")->setText(QStringLiteral("14"));
  control<QPlainTextEdit>("Text2")->setPlainText(QStringLiteral("uint16* @@ = <>;\n// ||"));
  convert();
  EXPECT_TRUE(status().startsWith(kDone));
  EXPECT_TRUE(
      clipboard.endsWith(QStringLiteral("};\r\n\r\nuint16* font_dejavu_sans_12 = fd12;\r\n// 14")));
}

TEST_F(GlyphcastWindow, NamesAnAliasInTheStatusLine) {
  field("Text3")->setText(QStringLiteral("Arial"));
  convert();
  ASSERT_EQ(clipboardCalls, 1);
  const QFontInfo used(qtFontFor(CaptureFont{QStringLiteral("Arial")}));
  if (used.family() == QLatin1String("Arial"))
    EXPECT_TRUE(status().startsWith(kDone));
  else
    EXPECT_TRUE(status().startsWith(kDone + QStringLiteral(" Arial is drawn with ") +
                                    used.family() + QLatin1Char('.')));
}

TEST_F(GlyphcastWindow, RefusalLeavesTheClipboardAlone) {
  field("Text3")->setText(QStringLiteral("DejaVu Sans"));
  field("Text11")->setText(QStringLiteral("wide"));
  convert();
  EXPECT_EQ(status(), QStringLiteral("Width bias \"wide\" is not a number."));
  EXPECT_EQ(clipboardCalls, 0);

  field("Text11")->setText(QStringLiteral("0"));
  field("Text3")->setText(QStringLiteral("Glyphcast Missing Font"));
  convert();
  EXPECT_TRUE(status().startsWith(QStringLiteral("No installed font is named")))
      << status().toStdString();
  EXPECT_EQ(clipboardCalls, 0);
}

TEST_F(GlyphcastWindow, EditingNameSizeOrHeightBiasEmptiesTheStatus) {
  struct Case {
    const char* name;
    bool clears;
  };
  const Case cases[] = {{"Text3", true},  {"Text4", true},   {"Text5", true}, {"Text11", false},
                        {"Text6", false}, {"Text12", false}, {"ULine", false}};
  for (const Case& c : cases) {
    control<QLabel>("Label1")->setText(kDone);
    field(c.name)->setText(field(c.name)->text() + QLatin1Char('1'));
    EXPECT_EQ(status().isEmpty(), c.clears) << c.name;
  }
  control<QLabel>("Label1")->setText(kDone);
  control<QCheckBox>("Check1")->setChecked(true);
  control<QPlainTextEdit>("Text2")->setPlainText(QStringLiteral("x"));
  EXPECT_TRUE(status().startsWith(kDone));
}

TEST_F(GlyphcastWindow, ConvertIsDisabledWhileRunning) {
  field("Text3")->setText(QStringLiteral("DejaVu Sans"));
  bool enabledDuringRun = true;
  bool convertingDuringRun = false;
  QTimer::singleShot(0, &window, [&] {
    enabledDuringRun = control<QPushButton>("Command2")->isEnabled();
    convertingDuringRun = window.converting();
    control<QPushButton>("Command2")->click();  // ignored: the button is disabled
    window.convert();                           // ignored: a run is in progress
  });
  convert();
  EXPECT_TRUE(convertingDuringRun);
  EXPECT_FALSE(enabledDuringRun);
  EXPECT_EQ(clipboardCalls, 1);
  EXPECT_TRUE(control<QPushButton>("Command2")->isEnabled());
  EXPECT_FALSE(window.converting());
}

TEST_F(GlyphcastWindow, EditsDuringARunReachTheGlyphsAfterThem) {
  field("Text3")->setText(QStringLiteral("DejaVu Sans"));
  QTimer::singleShot(0, &window, [&] { field("Text11")->setText(QStringLiteral("3")); });
  convert();
  ASSERT_EQ(clipboardCalls, 1);
  // The first glyph (space) keeps bias 0; the comment block was written before the edit.
  ImageCaptureBox box;
  CaptureFont font{QStringLiteral("DejaVu Sans")};
  box.setFont(font);
  const int space = static_cast<int>(box.textWidth(' '));
  const int tilde = static_cast<int>(box.textWidth('~'));
  EXPECT_TRUE(clipboard.contains(QStringLiteral("fd12_A032[] = { %1, ").arg(space)));
  EXPECT_TRUE(clipboard.contains(QStringLiteral("fd12_A126[] = { %1, ").arg(tilde + 3)));
  EXPECT_TRUE(clipboard.contains(QStringLiteral("// Width bias: 0, 0\r\n")));
}

TEST_F(GlyphcastWindow, ClosingDuringARunStopsIt) {
  field("Text3")->setText(QStringLiteral("DejaVu Sans"));
  window.show();
  QTimer::singleShot(0, &window, [&] { window.close(); });
  convert();
  EXPECT_EQ(clipboardCalls, 0);
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(window.converting());
}

TEST_F(GlyphcastWindow, ReportsEachGlyphWhileItWorks) {
  field("Text3")->setText(QStringLiteral("DejaVu Sans"));
  QStringList seen;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, &window, [&] { seen << status(); });
  timer.start(0);
  convert();
  timer.stop();
  ASSERT_FALSE(seen.isEmpty());
  EXPECT_TRUE(seen.first().startsWith(QStringLiteral("glyph "))) << seen.first().toStdString();
  EXPECT_TRUE(seen.contains(QStringLiteral("glyph 163 of 163")));
  EXPECT_TRUE(status().startsWith(kDone));
}

TEST_F(GlyphcastWindow, PreviewsTheFontAndClearsItOnARefusal) {
  QLabel* preview1x = control<QLabel>("Preview1x");
  QLabel* preview2x = control<QLabel>("Preview2x");
  field("Text3")->setText(QStringLiteral("DejaVu Sans"));
  field("Text4")->setText(QStringLiteral("9"));
  convert();
  ASSERT_TRUE(status().startsWith(kDone));

  ImageCaptureBox box;
  const Conversion expected = convertFont(box, window.fields(), defaultTemplate());
  QString error;
  std::unique_ptr<MemoryFont> font = MemoryFont::build(expected, &error);
  ASSERT_TRUE(font);
  const QImage picture = renderPreview(font->table(), defaultSample());
  EXPECT_EQ(preview1x->pixmap().toImage().convertToFormat(QImage::Format_RGB32), picture);
  EXPECT_EQ(preview2x->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
            scaledPreview(picture, 2));

  field("SampleText")->setText(QStringLiteral("[START] *now*"));
  EXPECT_EQ(preview1x->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
            renderPreview(font->table(), QStringLiteral("[START] *now*")));

  field("ULine")->setText(QStringLiteral("twelve"));
  convert();
  EXPECT_EQ(status(),
            QStringLiteral("The underline \"twelve\" is not a whole number from 0 to 65535."));
  EXPECT_TRUE(preview1x->pixmap().isNull());
  EXPECT_TRUE(preview2x->pixmap().isNull());

  field("ULine")->setText(QStringLiteral("12"));
  control<QPlainTextEdit>("Text2")->setPlainText(QStringLiteral("// no table"));
  convert();
  EXPECT_TRUE(status().startsWith(kDone));
  EXPECT_EQ(
      preview1x->text(),
      QStringLiteral("No preview: the template declares no table uint16* font_dejavu_sans_9[]."));
}

TEST_F(GlyphcastWindow, AStatusThatWrapsMovesNoControl) {
  window.resize(900, 600);
  window.show();
  QLabel* label1 = control<QLabel>("Label1");
  auto geometries = [this] {
    QList<QRect> all;
    for (const char* name : {"Text3", "Command2", "Text11", "Check1", "Text2"})
      all << control<QWidget>(name)->geometry();
    return all;
  };
  label1->setText(QStringLiteral("short"));
  window.layout()->activate();
  const QList<QRect> before = geometries();
  label1->setText(
      QString(400, QLatin1Char('x'))
          .replace(QRegularExpression(QStringLiteral("x{9}")), QStringLiteral("word word ")));
  window.layout()->activate();
  EXPECT_EQ(geometries(), before);
  EXPECT_GT(label1->heightForWidth(label1->width()),
            label1->height());  // it did wrap past two lines
}
