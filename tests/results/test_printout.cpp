#include "platform/files.h"
#include "platform/pdfoutput.h"
#include "platform/qtprinter.h"
#include "ratedgrid.h"
#include "results/printing.h"
#include "results/ratingsave.h"
#include "support/fakes.h"
#include "support/qtest_main.h"

#include <QDir>
#include <QTemporaryDir>
#include <optional>

using namespace Qt::StringLiterals;

// The printout of a saved rating file, printed to PDF and read back.
class TestPrintout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void printsTheSavedFileIndentedUnderABlankLine();
    void declinedPrintingLeavesNoPrintout_data();
    void declinedPrintingLeavesNoPrintout();
    void aFileThatCannotBeReadBackLeavesNoPrintout();

private:
    void saveAndOfferPrinting(platform::Printer& printer);

    std::optional<QTemporaryDir> m_dir; // a fresh folder for every test
    QString m_folder;
    QString m_pdf;
    fakes::RecordingMessages m_messages;
};

void TestPrintout::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path() + u"/kid/"_s;
    QVERIFY(QDir().mkpath(m_folder));
    m_pdf = m_dir->filePath(u"printout.pdf"_s);
    m_messages = {};
}

void TestPrintout::saveAndOfferPrinting(platform::Printer& printer)
{
    fakes::MemoryStatusLine status;
    status.panels[1] = m_folder;
    const fakes::FixedClock clock;
    const results::RatingRunHooks run{
        [] {
            return identification::IDRecord{u"Ann"_s, u"1/2/2019"_s, u"Eve"_s, u"3/4/2026"_s};
        },
        [] { return testdata::ratedGrid(); }, [] {}, [] {}, [] {}};
    results::RatingSave(
        {m_messages, printer, status, clock}, run, [] {}, nullptr)
        .save(u"Bob"_s, u"100"_s);
}

void TestPrintout::printsTheSavedFileIndentedUnderABlankLine()
{
    m_messages.answers = {true};
    platform::PdfPrinter printer(m_pdf);
    saveAndOfferPrinting(printer);

    const std::optional<QStringList> fileLines = platform::readTextLines(m_folder + u"Bob.prl"_s);
    QVERIFY(fileLines);
    QCOMPARE(fileLines->size(), 60);
    QStringList expected;
    for (const QString& line : *fileLines)
        expected.append(pdfoutput::withoutTrailingBlanks(u"        "_s + line));
    const QList<QStringList> pages = pdfoutput::pages(m_pdf);
    QCOMPARE(pages.size(), 1);
    QCOMPARE(pages.first(), expected);

    // The tool does not show the blank first line, but the first text line sits one line
    // spacing below the top of the page, where the blank line is.
    const QList<double> tops = pdfoutput::firstPageLineTops(m_pdf);
    QCOMPARE(tops.size(), 60);
    const double lineSpacing = tops.at(1) - tops.at(0);
    QVERIFY(lineSpacing > 10 && lineSpacing < 13);
    QVERIFY2(qAbs(tops.first() - lineSpacing) < 0.5, qPrintable(QString::number(tops.first())));

    const QString fonts = pdfoutput::fonts(m_pdf);
    QVERIFY2(fonts.contains(u"LiberationMono"_s) || fonts.contains(u"Courier"_s),
             qPrintable(fonts));
    QCOMPARE(m_messages.shown.size(), 1);
}

void TestPrintout::declinedPrintingLeavesNoPrintout_data()
{
    QTest::addColumn<bool>("printAnswer");
    QTest::addColumn<bool>("printerChosen");
    QTest::newRow("No") << false << true;
    QTest::newRow("dialog cancelled") << true << false;
}

void TestPrintout::declinedPrintingLeavesNoPrintout()
{
    QFETCH(bool, printAnswer);
    QFETCH(bool, printerChosen);
    m_messages.answers = {printAnswer};
    platform::PdfPrinter printer(m_pdf, printerChosen);
    saveAndOfferPrinting(printer);

    QVERIFY(!QFile::exists(m_pdf));
    QVERIFY(platform::FileExists(m_folder + u"Bob.prl"_s));
    QCOMPARE(m_messages.questions, QStringList{u"Print rating?"_s});
    QCOMPARE(m_messages.shown.size(), 1);
}

void TestPrintout::aFileThatCannotBeReadBackLeavesNoPrintout()
{
    m_messages.answers = {true};
    platform::PdfPrinter printer(m_pdf);
    const QString missing = m_folder + u"Nobody.prl"_s;
    results::printRatingFile(m_messages, printer, missing, nullptr);

    QCOMPARE(m_messages.shown, (QList<fakes::Message>{{u"Can't print rating file: \r\n"_s + missing,
                                                       platform::Messages::Icon::None}}));
    QVERIFY(!QFile::exists(m_pdf));
}

PARL_QTEST_MAIN(TestPrintout)
#include "test_printout.moc"
