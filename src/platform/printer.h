#pragma once

#include <QString>

class QWidget;

namespace platform {

// A printer document of lines of text in one font.
class Printer
{
public:
    virtual ~Printer() = default;
    // Shows the print dialog; false when the user cancelled it or it failed.
    virtual bool choosePrinter(QWidget* owner) = 0;
    // Starts the document on the chosen printer; false when the printer cannot take it.
    virtual bool begin(const QString& fontFamily, int pointSize) = 0;
    virtual bool printLine(const QString& line) = 0;
    // Ends the document, which sends it to the printer.
    virtual bool end() = 0;
};

} // namespace platform
