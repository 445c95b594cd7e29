#include "aboutbox.h"

#include "programicon.h"

#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace app {

namespace {

constexpr int kLeftTwips = 1965;
constexpr int kTopTwips = 1740;
constexpr int kWidthTwips = 4680;
constexpr int kHeightTwips = 3705;

} // namespace

QString AboutBox::text()
{
    const QStringList lines = {
        QStringLiteral("PARL v 1"),
        QStringLiteral("  "),
        QStringLiteral("The PARL project"),
        QStringLiteral("Speech intelligibility rating"),
        QStringLiteral("for clinics and research labs"),
        QStringLiteral("Questions and reports:"),
        QStringLiteral("through the project's issue tracker"),
        QStringLiteral("  "),
        QStringLiteral("Oct 4, 2001"),
    };
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("PARL - About"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setGeometry(platform::twipsToPixels(kLeftTwips, kTopTwips, kWidthTwips, kHeightTwips));
    setFixedSize(size());

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("AboutPicture"));
    picture->setGeometry(platform::twipsToPixels(360, 240, 480, 480));
    picture->setPixmap(programIcon().pixmap(picture->size()));

    auto* block = new QLabel(this);
    block->setObjectName(QStringLiteral("AboutText"));
    block->setGeometry(platform::twipsToPixels(360, 840, 4095, 2175));
    QFont bold = block->font();
    bold.setPointSizeF(9.75);
    bold.setBold(true);
    block->setFont(bold);
    block->setAutoFillBackground(true);
    block->setStyleSheet(QStringLiteral("background-color: #d4d0c8; padding: 2px;"));
    block->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    block->setTextFormat(Qt::PlainText);
    block->setText(QString(text()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed());

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(platform::twipsToPixels(2040, 3120, 735, 375));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
}

void AboutBox::placeOnFirstShow(int mainClientHeightTwips)
{
    if (m_placed)
        return;
    m_placed = true;
    const int outerHeightTwips = platform::pixelsToTwips(frameGeometry().height());
    const int top = int(std::lround(mainClientHeightTwips / 2.0 - outerHeightTwips / 2.0));
    move(x(), platform::twipsToPixels(std::max(top, 0)));
}

} // namespace app
