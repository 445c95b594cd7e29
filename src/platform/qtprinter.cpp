#include "qtprinter.h"

#include <QFontMetricsF>
#include <QPrintDialog>

namespace platform {

QtPrinter::QtPrinter() = default;

QPrinter& QtPrinter::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

bool QtPrinter::choosePrinter(QWidget* owner)
{
    QPrintDialog dialog(&printer(), owner);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrinter::begin(const QString& fontFamily, int pointSize)
{
    if (!m_painter.begin(&printer()))
        return false;
    QFont font(fontFamily, pointSize);
    font.setFixedPitch(true);
    font.setStyleHint(QFont::TypeWriter);
    m_painter.setFont(font);
    const QFontMetricsF metrics(m_painter.font(), &printer());
    m_ascent = metrics.ascent();
    m_descent = metrics.descent();
    m_lineSpacing = metrics.lineSpacing();
    m_pageHeight = printer().pageRect(QPrinter::DevicePixel).height();
    m_baseline = m_ascent;
    return true;
}

bool QtPrinter::printLine(const QString& line)
{
    if (!m_painter.isActive())
        return false;
    if (pageIsFull() && !startNewPage())
        return false;
    m_painter.drawText(QPointF(0, m_baseline), line);
    m_baseline += m_lineSpacing;
    return true;
}

bool QtPrinter::end()
{
    return m_painter.end();
}

bool QtPrinter::pageIsFull() const
{
    // The first line of a page is always drawn, however small the page.
    return m_baseline > m_ascent && m_baseline + m_descent > m_pageHeight;
}

bool QtPrinter::startNewPage()
{
    if (printer().newPage()) {
        m_baseline = m_ascent;
        return true;
    }
    printer().abort();
    m_painter.end();
    return false;
}

PdfPrinter::PdfPrinter(const QString& outputFile, bool chosen)
    : m_outputFile(outputFile), m_chosen(chosen)
{
}

bool PdfPrinter::choosePrinter(QWidget*)
{
    if (!m_chosen)
        return false;
    printer().setOutputFormat(QPrinter::PdfFormat);
    printer().setOutputFileName(m_outputFile);
    // Without margins a text column maps straight to a position on the page.
    printer().setPageMargins(QMarginsF(0, 0, 0, 0));
    return true;
}

} // namespace platform
