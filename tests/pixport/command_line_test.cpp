// The command line, run as the built executable: output identical to the
// window's, files written whole, and every refusal with status 2 and no output.
#include "app_fixture.h"
#include "gui/form1.h"
#include "test_pictures.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

using namespace pixport;

namespace {

class PixportCommandLine : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::ensureApplication(); }

    void SetUp() override
    {
        image = test::savePicture(test::codedPicture(20, 12), dir.path(), "art.bmp");
        photo = test::savePicture(test::codedPicture(31, 17), dir.path(), "art.png");
    }

    // Converts in the window: the steps set the controls, then "Convert".
    // Returns the clipboard text, or the BIN file's bytes when binPath is given.
    QByteArray windowOutput(const QString& picture, const std::function<void(Form1&)>& steps,
                            const QString& binPath = QString())
    {
        QString clipboard;
        WindowHooks hooks;
        hooks.openFile = [&](QWidget*, const QString&, const QString&) { return picture; };
        hooks.saveFile = [&](QWidget*, const QString&, const QString&) { return binPath; };
        hooks.message = [](QWidget*, const QString& text) { ADD_FAILURE() << qPrintable(text); };
        hooks.setClipboard = [&](const QString& text) { clipboard = text; };
        Form1 form(hooks);
        form.Command1_Click();
        steps(form);
        form.Command2_Click();
        return binPath.isEmpty() ? clipboard.toLatin1() : test::readFile(binPath);
    }

    QTemporaryDir dir;
    QString image;
    QString photo;
};

void click(Form1& form, const char* name)
{
    form.findChild<QAbstractButton*>(QLatin1String(name))->click();
}

void type(Form1& form, const char* name, const char* text)
{
    form.findChild<QLineEdit*>(QLatin1String(name))->setText(QLatin1String(text));
}

std::function<void(Form1&)> custom(const char* width, const char* height, bool header = true)
{
    return [=](Form1& form) {
        click(form, "Option9");
        type(form, "Text1", width);
        type(form, "Text2", height);
        if (!header)
            click(form, "Check2");
    };
}

} // namespace

TEST_F(PixportCommandLine, ArrayTextMatchesTheWindow)
{
    const struct {
        const char* name;
        std::function<void(Form1&)> steps;
        QStringList options;
    } cases[] = {
        {"defaults", [](Form1&) {}, {}},
        {"32 rows", [](Form1& f) { click(f, "Option1"); click(f, "Option4"); }, {"--size", "32", "--order", "rows"}},
        {"8 tiles", [](Form1& f) { click(f, "Option3"); }, {"--size=8"}},
        {"custom", custom("5", "3"), {"--size", "5x3"}},
        {"custom rows", custom("5", "3"), {"--size", "5x3", "--order", "rows"}},
        {"custom bare", custom("23", "2", false), {"--size", "23x2", "--no-header"}},
        {"custom halves", custom("16.5", "2"), {"--size", "16.5x2"}},
    };
    for (const auto& c : cases) {
        for (const QString& picture : {image, photo}) {
            const QByteArray window = windowOutput(picture, c.steps);
            const test::RunResult cli = test::runPixport(QStringList{picture} + c.options);
            EXPECT_EQ(cli.status, 0) << c.name << ": " << cli.err.constData();
            EXPECT_EQ(cli.out, window) << c.name;
            EXPECT_TRUE(cli.err.isEmpty()) << c.name;
            EXPECT_TRUE(window.endsWith("};")) << c.name;
        }
    }
}

TEST_F(PixportCommandLine, BinFileMatchesTheWindow)
{
    const QString windowBin = dir.filePath("window.bin");
    const QString cliBin = dir.filePath("cli.bin");
    const struct { std::function<void(Form1&)> steps; QStringList options; int size; } cases[] = {
        {[](Form1& f) { click(f, "Option8"); }, {}, 512},
        {[](Form1& f) { custom("3", "2")(f); click(f, "Option8"); }, {"--size", "3x2"}, 16},
    };
    for (const auto& c : cases) {
        const QByteArray window = windowOutput(image, c.steps, windowBin);
        const test::RunResult cli = test::runPixport(QStringList{image, "--bin", cliBin} + c.options);
        EXPECT_EQ(cli.status, 0) << cli.err.constData();
        EXPECT_TRUE(cli.out.isEmpty());
        EXPECT_EQ(window.size(), c.size);
        EXPECT_EQ(test::readFile(cliBin), window);
    }
}

TEST_F(PixportCommandLine, OutputFileHoldsWhatStandardOutputWould)
{
    const QString target = dir.filePath("sprite.txt");
    test::writeFile(target, "old");
    const test::RunResult toFile = test::runPixport({image, "--size", "8x4", "-o", target});
    EXPECT_EQ(toFile.status, 0);
    EXPECT_TRUE(toFile.out.isEmpty());
    EXPECT_EQ(test::readFile(target), test::runPixport({image, "--size", "8x4"}).out);
}

TEST_F(PixportCommandLine, HelpExplainsTheOptions)
{
    const test::RunResult help = test::runPixport({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"Usage: pixport IMAGE", "--size", "--order", "--no-header", "--bin", "-o FILE"})
        EXPECT_TRUE(help.out.contains(option)) << option;
}

TEST_F(PixportCommandLine, RefusalsExitTwoAndWriteNothing)
{
    const QString notPicture = dir.filePath("notes.png");
    test::writeFile(notPicture, "text");
    const QString target = dir.filePath("keep.out");
    const struct { QStringList args; const char* message; } cases[] = {
        {{"--no-header"}, "no image"},
        {{"IMG", "IMG"}, "one image"},
        {{"IMG", "--frobnicate"}, "unknown option"},
        {{"IMG", "-o"}, "-o needs a value"},
        {{"IMG", "--size", "12"}, "--size takes"},
        {{"IMG", "--size", "ax3"}, "--size takes"},
        {{"IMG", "--order", "diagonal"}, "--order takes"},
        {{"IMG", "--size", "5x3", "--order", "tiles"}, "--order tiles needs a fixed size"},
        {{"IMG", "--size", "0x4", "-o", "OUT"}, "Custom width \"0\" refused"},
        {{"IMG", "--size", "4x32769", "--bin", "OUT"}, "Custom height \"32769\" refused"},
        {{"IMG", "--bin", "OUT", "-o", "OUT"}, "cannot be combined"},
        {{notPicture, "-o", "OUT"}, "cannot read the picture"},
        {{dir.filePath("missing.bmp"), "--bin", "OUT"}, "no such file"},
    };
    for (const auto& c : cases) {
        test::writeFile(target, "keep");
        QStringList args = c.args;
        args.replaceInStrings(QRegularExpression("^IMG$"), image);
        args.replaceInStrings(QRegularExpression("^OUT$"), target);
        const test::RunResult run = test::runPixport(args);
        EXPECT_EQ(run.status, 2) << c.message;
        EXPECT_TRUE(run.out.isEmpty()) << c.message;
        EXPECT_TRUE(run.err.contains(c.message)) << c.message << " / " << run.err.constData();
        EXPECT_EQ(test::readFile(target), QByteArray("keep")) << c.message;
    }
}

TEST_F(PixportCommandLine, UnwritableTargetsExitTwo)
{
    for (const char* option : {"-o", "--bin"}) {
        const test::RunResult run = test::runPixport({image, option, dir.filePath("no/dir/out")});
        EXPECT_EQ(run.status, 2) << option;
        EXPECT_TRUE(run.out.isEmpty()) << option;
        EXPECT_TRUE(run.err.contains("Cannot write")) << option << " / " << run.err.constData();
    }
}
