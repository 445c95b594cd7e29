#include "intelligibilityform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace results {

IntelligibilityForm::IntelligibilityForm(RatingSaveServices services, RatingRunHooks run,
                                         QWidget* parent)
    : QDialog(parent), m_enableScore(run.enableScore), m_intelLabel(new QLabel(this)),
      m_ratersName(new QLineEdit(this)), m_saveButton(new QPushButton(u"Save"_s, this)),
      m_ratingSave(
          services, std::move(run), [this] { hide(); }, this)
{
    setObjectName(u"IntelligibilityForm"_s);
    setWindowTitle(u"PARL - Intelligibility"_s);
    m_intelLabel->setObjectName(u"IntelLabel"_s);
    m_intelLabel->setTextFormat(Qt::PlainText);
    m_ratersName->setObjectName(u"RatersName"_s);
    m_saveButton->setObjectName(u"SaveButton"_s);
    m_saveButton->setDefault(true);

    auto* result = new QHBoxLayout;
    result->addWidget(new QLabel(u"Intelligibility = "_s, this));
    result->addWidget(m_intelLabel);
    result->addWidget(new QLabel(u"%"_s, this));
    result->addStretch();

    auto* layout = new QGridLayout(this);
    layout->addLayout(result, 0, 0, 1, 2);
    layout->addWidget(new QLabel(u"Rater's Name"_s, this), 1, 0);
    layout->addWidget(m_ratersName, 1, 1);
    layout->addWidget(m_saveButton, 2, 1, Qt::AlignRight);
    setLayout(layout);

    setTabOrder(m_ratersName, m_saveButton);
    connect(m_saveButton, &QPushButton::clicked, this, &IntelligibilityForm::save);
}

void IntelligibilityForm::setIntelText(const QString& text)
{
    m_intelLabel->setText(text);
}

void IntelligibilityForm::clearRatersName()
{
    m_ratersName->clear();
}

void IntelligibilityForm::reject()
{
    QDialog::reject();
    m_enableScore();
}

void IntelligibilityForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_ratersName->setFocus(Qt::TabFocusReason);
}

void IntelligibilityForm::save()
{
    m_ratingSave.save(m_ratersName->text(), m_intelLabel->text());
}

} // namespace results
