#pragma once

#include "printer.h"

#include <QPainter>
#include <QPrinter>

#include <memory>

namespace platform {

// Prints lines of text with a painter on the printer chosen in the print dialog.
class QtPrinter : public Printer
{
public:
    QtPrinter();

    // The print dialog without print-to-file, page range or selection.
    bool choosePrinter(QWidget* owner) override;
    bool begin(const QString& fontFamily, int pointSize) override;
    // Draws the line at the next baseline, on a new page when this one is full.
    bool printLine(const QString& line) override;
    bool end() override;

protected:
    // Made on first use: a printer reaches the print system, which start-up should not wait for.
    QPrinter& printer();

private:
    bool pageIsFull() const;
    bool startNewPage();

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    qreal m_ascent = 0;
    qreal m_descent = 0;
    qreal m_lineSpacing = 0;
    qreal m_pageHeight = 0;
    qreal m_baseline = 0;
};

// Prints into a PDF file instead of asking for a printer, so tests can read the printout back.
// chosen is the answer the print dialog would have given.
class PdfPrinter : public QtPrinter
{
public:
    explicit PdfPrinter(const QString& outputFile, bool chosen = true);
    bool choosePrinter(QWidget* owner) override;

private:
    QString m_outputFile;
    bool m_chosen;
};

} // namespace platform
