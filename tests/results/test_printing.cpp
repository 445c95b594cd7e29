#include "results/printing.h"
#include "support/fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class PrintingTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        path = dir.filePath(u"Ann.prl"_s);
        // Written by hand, with LF alone on the last line, to show the file is read back.
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("# Child's Name:    Ann\r\n1_01_ball.wav        01           \r\nlast\n");
    }

    void print() { results::printRatingFile(messages, printer, path, nullptr); }

    QTemporaryDir dir;
    QString path;
    fakes::RecordingMessages messages;
    fakes::RecordingPrinter printer;
};

TEST_F(PrintingTest, YesPrintsABlankLineThenTheFileIndented)
{
    messages.answers = {true};
    print();

    EXPECT_EQ(messages.questions, QStringList{u"Print rating?"_s});
    EXPECT_EQ(printer.fontFamily, u"Courier New"_s);
    EXPECT_EQ(printer.pointSize, 10);
    const QStringList expected = {
        u" "_s,
        u"        # Child's Name:    Ann"_s,
        u"        1_01_ball.wav        01           "_s,
        u"        last"_s,
    };
    EXPECT_EQ(printer.lines, expected);
    EXPECT_EQ(printer.ended, 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PrintingTest, NoPrintsNothing)
{
    print();

    EXPECT_EQ(messages.questions, QStringList{u"Print rating?"_s});
    EXPECT_EQ(printer.dialogs, 0);
    EXPECT_EQ(printer.documents, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PrintingTest, CancellingTheDialogPrintsNothingAndSaysNothing)
{
    messages.answers = {true};
    printer.chosen = false;
    print();

    EXPECT_EQ(printer.dialogs, 1);
    EXPECT_EQ(printer.documents, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PrintingTest, AFileThatCannotBeReadBackIsReported)
{
    ASSERT_TRUE(QFile::remove(path));
    messages.answers = {true};
    print();

    const QList<fakes::Message> expected = {
        {u"Can't print rating file: \r\n"_s + path, platform::Messages::Icon::None}};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_EQ(printer.documents, 0);
}

struct PrinterFailure
{
    const char* name;
    bool beginSucceeds;
    qsizetype failingLine;
};

class FailingPrinter : public PrintingTest, public testing::WithParamInterface<PrinterFailure>
{
};

TEST_P(FailingPrinter, IsReportedOnce)
{
    messages.answers = {true};
    printer.beginSucceeds = GetParam().beginSucceeds;
    printer.failingLine = GetParam().failingLine;
    print();

    const QList<fakes::Message> expected = {
        {u"Can't write to printer."_s, platform::Messages::Icon::None}};
    EXPECT_EQ(messages.shown, expected);
    EXPECT_EQ(printer.ended, 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, FailingPrinter,
                         testing::Values(PrinterFailure{"Begin", false, -1},
                                         PrinterFailure{"BlankFirstLine", true, 0},
                                         PrinterFailure{"LaterLine", true, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
