#include "idform.h"

#include "platform/messages.h"
#include "platform/statusline.h"
#include "platform/twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace identification {

namespace {

constexpr int kWorkingFolderPanel = 1;
constexpr int kIdentificationPanel = 3;

// Lengths in twips.
constexpr int kNameFieldWidth = 3600;
constexpr int kDateFieldWidth = 1440;
constexpr int kButtonWidth = 1215;
constexpr int kMargin = 180;
constexpr int kSpacing = 90;
constexpr int kStripPadding = 60;
constexpr int kStripInset = 30;

int px(int twips)
{
    return platform::twipsToPixels(twips);
}

// A sunken status panel whose text stays the whole path while a path too long for the window
// is shown with its middle elided, so the file name stays in view.
class StatusStrip : public QLabel
{
public:
    explicit StatusStrip(QWidget* parent) : QLabel(parent)
    {
        setObjectName(u"IDStatusBarre"_s);
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setTextFormat(Qt::PlainText);
    }

    QSize sizeHint() const override { return minimumSizeHint(); }
    QSize minimumSizeHint() const override
    {
        return {0, fontMetrics().height() + 2 * frameWidth() + px(kStripPadding)};
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        drawFrame(&painter);
        const int padding = px(kStripPadding);
        const QRect area = contentsRect().adjusted(padding, 0, -padding, 0);
        painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, area.width()));
    }
};

QLineEdit* makeField(const QString& name, int widthTwips, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setFixedWidth(px(widthTwips));
    return field;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    // No default button: Enter in a field must not save a half-finished form.
    button->setAutoDefault(false);
    button->setMinimumWidth(px(kButtonWidth));
    return button;
}

enum class FieldKind
{
    Text,
    Date
};

// A labelled field; a date field has its format hint right beside it.
void addFieldRow(QGridLayout* grid, int row, const QString& caption, QLineEdit* field,
                 FieldKind kind)
{
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    auto* line = new QHBoxLayout;
    line->setSpacing(px(kSpacing));
    line->addWidget(field);
    if (kind == FieldKind::Date)
        line->addWidget(new QLabel(u"(MM/DD/YYYY)"_s));
    line->addStretch();
    grid->addLayout(line, row, 1);
}

} // namespace

IDForm::IDForm(platform::Messages& messages, platform::StatusLine& status, QWidget* parent)
    : QDialog(parent), m_messages(messages), m_status(status),
      m_childsName(makeField(u"ChildsNameText"_s, kNameFieldWidth, this)),
      m_dateOfBirth(makeField(u"DOBText"_s, kDateFieldWidth, this)),
      m_examinersName(makeField(u"ExaminersNameText"_s, kNameFieldWidth, this)),
      m_dateOfTest(makeField(u"DOTText"_s, kDateFieldWidth, this)),
      m_save(makeButton(u"SaveButton"_s, u"Save"_s, this)),
      m_cancel(makeButton(u"CancelButton"_s, u"Cancel"_s, this)), m_idStatus(new StatusStrip(this))
{
    setWindowTitle(u"PARL - Identification"_s);
    QFont f = font();
    f.setPointSizeF(8.25);
    setFont(f);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(px(kSpacing));
    fields->setVerticalSpacing(px(kSpacing));
    addFieldRow(fields, 0, u"Child's Name:"_s, m_childsName, FieldKind::Text);
    addFieldRow(fields, 1, u"Date of Birth:"_s, m_dateOfBirth, FieldKind::Date);
    addFieldRow(fields, 2, u"Examiner's Name:"_s, m_examinersName, FieldKind::Text);
    addFieldRow(fields, 3, u"Date of Test:"_s, m_dateOfTest, FieldKind::Date);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(px(kSpacing));
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);

    auto* form = new QVBoxLayout;
    form->setContentsMargins(px(kMargin), px(kMargin), px(kMargin), px(kMargin));
    form->setSpacing(px(2 * kSpacing));
    form->addLayout(fields);
    form->addLayout(buttons);

    auto* window = new QVBoxLayout(this);
    window->setContentsMargins(0, 0, 0, 0);
    window->setSpacing(0);
    window->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(form);
    auto* strip = new QVBoxLayout;
    strip->setContentsMargins(px(kStripInset), 0, px(kStripInset), px(kStripInset));
    strip->addWidget(m_idStatus);
    window->addLayout(strip);

    setTabOrder(m_childsName, m_dateOfBirth);
    setTabOrder(m_dateOfBirth, m_examinersName);
    setTabOrder(m_examinersName, m_dateOfTest);
    setTabOrder(m_dateOfTest, m_save);
    setTabOrder(m_save, m_cancel);

    connect(m_save, &QPushButton::clicked, this, &IDForm::save);
    connect(m_cancel, &QPushButton::clicked, this, &IDForm::reject);
}

bool IDForm::LoadIDInfoFile()
{
    const QString path = idInfoFile();
    const IDInfoReadResult result = readIDInfoFile(path);
    if (!result.record) {
        m_messages.show(result.failure, platform::Messages::Icon::None);
        return false;
    }
    setRecord(*result.record);
    markFileInEffect(path);
    return true;
}

void IDForm::resetForNewChild(const QString& today)
{
    setRecord({{}, {}, {}, today});
    markNoFileInEffect();
}

IDRecord IDForm::record() const
{
    return {m_childsName->text(), m_dateOfBirth->text(), m_examinersName->text(),
            m_dateOfTest->text()};
}

QString IDForm::idStatusText() const
{
    return m_idStatus->text();
}

void IDForm::reject()
{
    if (m_idStatus->text().trimmed().isEmpty()) {
        setRecord({});
        markNoFileInEffect();
    }
    QDialog::reject();
}

void IDForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_childsName->setFocus(Qt::OtherFocusReason);
}

void IDForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // Enter presses only the button that has the focus.
    if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
        button->click();
}

void IDForm::save()
{
    const IDRecord entered = record();
    if (const std::optional<QString> warning = missingFieldWarning(entered)) {
        m_messages.show(*warning, platform::Messages::Icon::Exclamation);
        return;
    }
    const QString path = idInfoFile();
    if (const std::optional<QString> failure = saveIDInfoFile(path, entered)) {
        m_messages.show(*failure, platform::Messages::Icon::None);
        return;
    }
    m_messages.show(savedMessage(path), platform::Messages::Icon::None);
    markFileInEffect(path);
    accept();
}

void IDForm::setRecord(const IDRecord& record)
{
    m_childsName->setText(record.childsName);
    m_dateOfBirth->setText(record.dateOfBirth);
    m_examinersName->setText(record.examinersName);
    m_dateOfTest->setText(record.dateOfTest);
}

void IDForm::setIdStatus(const QString& path)
{
    m_idStatus->setText(path);
    m_idStatus->setToolTip(path);
}

void IDForm::markFileInEffect(const QString& path)
{
    setIdStatus(path);
    m_status.setPanelText(kIdentificationPanel, u"idinfo.txt"_s);
}

void IDForm::markNoFileInEffect()
{
    setIdStatus({});
    m_status.setPanelText(kIdentificationPanel, u"Child not identified."_s);
}

QString IDForm::idInfoFile() const
{
    return idInfoPath(m_status.panelText(kWorkingFolderPanel));
}

} // namespace identification
