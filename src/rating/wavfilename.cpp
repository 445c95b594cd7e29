#include "wavfilename.h"

#include "platform/numeric.h"

#include <optional>

using namespace Qt::StringLiterals;

namespace rating {

namespace {

constexpr int kMinFirstNumber = 1;
constexpr int kMaxFirstNumber = 200;
constexpr int kMinWordNumber = 1;
constexpr int kMaxWordNumber = 50;

struct NameFields
{
    QString firstNumber;
    QString wordNumber;
    QString targetWord;
};

// Splits a name at its two "_" and its first "."; empty when the shape is wrong.
std::optional<NameFields> splitName(const QString& name)
{
    const qsizetype dot = name.indexOf(u'.');
    const qsizetype u1 = name.indexOf(u'_');
    if (dot < 0 || u1 < 0 || u1 > dot)
        return std::nullopt;
    const qsizetype u2 = name.indexOf(u'_', u1 + 1);
    if (u2 < 0 || u2 > dot || name.indexOf(u'_', u2 + 1) >= 0)
        return std::nullopt;
    return NameFields{name.left(u1), name.mid(u1 + 1, u2 - u1 - 1), name.mid(u2 + 1, dot - u2 - 1)};
}

bool readsAsNumberIn(const QString& field, int low, int high)
{
    const std::optional<platform::NumericValue> number = platform::readNumber(field);
    return number && number->rounded && *number->rounded >= low && *number->rounded <= high;
}

bool hasNumbersInRangeAndAWord(const NameFields& fields)
{
    // An empty target word would only ever match an unfilled cell of the table.
    return readsAsNumberIn(fields.firstNumber, kMinFirstNumber, kMaxFirstNumber) &&
           readsAsNumberIn(fields.wordNumber, kMinWordNumber, kMaxWordNumber) &&
           !fields.targetWord.isEmpty();
}

bool isInWordLists(const QString& word, const wordlists::WordLists& wordLists)
{
    for (int list = 1; list <= wordlists::MAXLISTNUM; ++list) {
        for (int item = 1; item <= wordlists::MAXITEMNUM; ++item) {
            if (wordLists.word(list, item).toLower() == word)
                return true;
        }
    }
    return false;
}

} // namespace

bool IsValidWavFilename(const QString& WavFilename, const wordlists::WordLists& wordLists,
                        platform::Messages& messages)
{
    using Icon = platform::Messages::Icon;
    const std::optional<NameFields> fields = splitName(WavFilename);
    if (!fields || !hasNumbersInRangeAndAWord(*fields)) {
        messages.show(u"Filename '"_s + WavFilename + u" ' is not a valid PARL name."_s,
                      Icon::Critical);
        return false;
    }
    if (!isInWordLists(fields->targetWord.toLower(), wordLists)) {
        messages.show(u"Filename '"_s + WavFilename + u" ' is not in the PARL word lists."_s,
                      Icon::Critical);
        return false;
    }
    return true;
}

QString wordNumberText(const QString& fileName)
{
    return fileName.section(u'_', 1, 1);
}

} // namespace rating
