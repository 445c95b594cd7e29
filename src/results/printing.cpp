#include "printing.h"

#include "platform/files.h"
#include "platform/messages.h"
#include "platform/printer.h"

using namespace Qt::StringLiterals;

namespace results {

namespace {

const QString kIndent = QString(8, u' ');

bool printLines(platform::Printer& printer, const QStringList& lines)
{
    if (!printer.begin(u"Courier New"_s, 10) || !printer.printLine(u" "_s))
        return false;
    for (const QString& line : lines) {
        if (!printer.printLine(kIndent + line))
            return false;
    }
    return printer.end();
}

} // namespace

void printRatingFile(platform::Messages& messages, platform::Printer& printer, const QString& path,
                     QWidget* owner)
{
    if (!messages.askYesNo(u"Print rating?"_s) || !printer.choosePrinter(owner))
        return;
    const std::optional<QStringList> lines = platform::readTextLines(path);
    if (!lines) {
        messages.show(u"Can't print rating file: \r\n"_s + path, platform::Messages::Icon::None);
        return;
    }
    if (!printLines(printer, *lines))
        messages.show(u"Can't write to printer."_s, platform::Messages::Icon::None);
}

} // namespace results
