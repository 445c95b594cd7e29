#include "pdfoutput.h"
#include "platform/qtprinter.h"
#include "support/qtest_main.h"

#include <QFile>
#include <QTemporaryDir>
#include <optional>

using namespace Qt::StringLiterals;

class TestQtPrinter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void continuesOnANewPageWhenOneIsFull();
    void printsAtFixedPitchKeepingInnerBlanks();
    void usesAFixedPitchFont();
    void aPrinterNotChosenPrintsNothing();
    void anOutputThatCannotBeOpenedFailsToBegin();

private:
    bool printLines(const QStringList& lines);

    std::optional<QTemporaryDir> m_dir; // a fresh folder for every test
    QString m_pdf;
};

void TestQtPrinter::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    m_pdf = m_dir->filePath(u"out.pdf"_s);
}

bool TestQtPrinter::printLines(const QStringList& lines)
{
    platform::PdfPrinter printer(m_pdf);
    if (!printer.choosePrinter(nullptr) || !printer.begin(u"Courier New"_s, 10))
        return false;
    for (const QString& line : lines) {
        if (!printer.printLine(line))
            return false;
    }
    return printer.end();
}

void TestQtPrinter::continuesOnANewPageWhenOneIsFull()
{
    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines.append(u"line %1"_s.arg(i));
    QVERIFY(printLines(lines));

    const QList<QStringList> pages = pdfoutput::pages(m_pdf);
    QVERIFY(pages.size() >= 2);
    QVERIFY(pages.first().size() > 40);
    QStringList printed;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        // Every page but the last is filled alike.
        if (i < pages.size() - 1)
            QCOMPARE(pages.at(i).size(), pages.first().size());
        printed += pages.at(i);
    }
    QCOMPARE(printed, lines);
}

void TestQtPrinter::printsAtFixedPitchKeepingInnerBlanks()
{
    const QStringList lines = {u"a                    b   "_s, u"        indented"_s,
                               u"iiiiiiiiii|"_s, u"WWWWWWWWWW|"_s};
    QVERIFY(printLines(lines));

    const QList<QStringList> pages = pdfoutput::pages(m_pdf);
    QCOMPARE(pages.size(), 1);
    QStringList expected;
    for (const QString& line : lines)
        expected.append(pdfoutput::withoutTrailingBlanks(line));
    QCOMPARE(pages.first(), expected);
}

void TestQtPrinter::usesAFixedPitchFont()
{
    QVERIFY(printLines({u"font"_s}));

    const QString fonts = pdfoutput::fonts(m_pdf);
    QVERIFY2(fonts.contains(u"LiberationMono"_s) || fonts.contains(u"Courier"_s),
             qPrintable(fonts));
}

void TestQtPrinter::aPrinterNotChosenPrintsNothing()
{
    platform::PdfPrinter printer(m_pdf, false);
    QVERIFY(!printer.choosePrinter(nullptr));
    QVERIFY(!QFile::exists(m_pdf));
}

void TestQtPrinter::anOutputThatCannotBeOpenedFailsToBegin()
{
    platform::PdfPrinter printer(m_dir->filePath(u"missing/out.pdf"_s));
    QVERIFY(printer.choosePrinter(nullptr));
    QVERIFY(!printer.begin(u"Courier New"_s, 10));
    QVERIFY(!printer.printLine(u" "_s));
}

PARL_QTEST_MAIN(TestQtPrinter)
#include "test_qtprinter.moc"
