#pragma once

#include <QString>

class QWidget;

namespace platform {
class Messages;
class Printer;
} // namespace platform

namespace results {

// Offers to print the rating file at path, read back from disk: a blank line, then every line
// indented by 8 blanks, in 10-point Courier New. owner parents the print dialog.
void printRatingFile(platform::Messages& messages, platform::Printer& printer, const QString& path,
                     QWidget* owner);

} // namespace results
