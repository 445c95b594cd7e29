#include "tablecontrol.h"

#include "grid/navigation.h"
#include "platform/twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace grid {

namespace {

constexpr int kTextMarginPixels = 2;

} // namespace

TableControl::TableControl(GridModel* model, QWidget* parent) : QWidget(parent), m_model(model)
{
    // Keys belong to the rating window, and the cells must never reach a screen reader.
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(QStringLiteral("Recordings"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_model, &GridModel::changed, this, qOverload<>(&QWidget::update));
}

int TableControl::shownRowCount() const
{
    return m_model->fixedRows() + m_model->visibleDataRows();
}

int TableControl::rowTop(int slot) const
{
    return int(std::lround(slot * double(height()) / shownRowCount()));
}

int TableControl::columnLeft(int col) const
{
    int left = 0;
    for (int c = 0; c < col; ++c)
        left += platform::twipsToPixels(m_model->columnWidthTwips(c));
    return left;
}

// The row slots of the view that hold a row: all of them, unless the rows end above the bottom.
int TableControl::filledSlotCount() const
{
    const int dataRowsFromTop = std::max(m_model->rowCount() - m_model->topRow(), 0);
    return std::min(m_model->fixedRows(), m_model->rowCount()) +
           std::min(dataRowsFromTop, m_model->visibleDataRows());
}

int TableControl::rowInSlot(int slot) const
{
    return slot < m_model->fixedRows() ? slot : m_model->topRow() + slot - m_model->fixedRows();
}

std::optional<int> TableControl::columnAt(int x) const
{
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int left = columnLeft(c);
        if (x >= left && x < left + platform::twipsToPixels(m_model->columnWidthTwips(c)))
            return c;
    }
    return std::nullopt;
}

void TableControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    for (int slot = 0; slot < filledSlotCount(); ++slot) {
        const int row = rowInSlot(slot);
        const int top = rowTop(slot);
        const int rowHeight = rowTop(slot + 1) - top;
        for (int col = 0; col < m_model->columnCount(); ++col) {
            const QRect cellRect(columnLeft(col), top,
                                 platform::twipsToPixels(m_model->columnWidthTwips(col)),
                                 rowHeight);
            if (cellRect.width() <= 0)
                continue;
            if (row < m_model->fixedRows())
                paintHeadingCell(painter, row, col, cellRect);
            else
                paintCell(painter, row, col, cellRect);
        }
    }
    paintLeftEdge(painter);
}

// The first shown column starts at the widget's edge and needs a line of its own there.
void TableControl::paintLeftEdge(QPainter& painter) const
{
    const int firstDataSlot = m_model->fixedRows();
    if (filledSlotCount() <= firstDataSlot)
        return;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, rowTop(firstDataSlot), 0, rowTop(filledSlotCount()) - 1);
}

void TableControl::paintHeadingCell(QPainter& painter, int row, int col, const QRect& rect) const
{
    QStyleOptionHeader option;
    option.initFrom(this);
    option.rect = rect;
    option.section = col;
    option.orientation = Qt::Horizontal;
    style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, this);
    paintText(painter, m_model->cell(row, col), rect, palette().color(QPalette::ButtonText));
}

void TableControl::paintCell(QPainter& painter, int row, int col, const QRect& rect) const
{
    const bool selected = row >= m_model->selStartRow() && row <= m_model->selEndRow() &&
                          col >= m_model->selStartCol() && col <= m_model->selEndCol();
    painter.fillRect(rect, selected ? palette().highlight() : palette().base());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    paintText(painter, m_model->cell(row, col), rect,
              palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
    if (selected && row == m_model->row() && col == m_model->col())
        paintFocusFrame(painter, rect);
}

// Text stays inside its cell, so a column too narrow to read shows none of it.
void TableControl::paintText(QPainter& painter, const QString& text, const QRect& rect,
                             const QColor& color) const
{
    const QRect textRect = rect.adjusted(kTextMarginPixels, 0, -kTextMarginPixels, 0);
    if (textRect.width() <= 0 || text.isEmpty())
        return;
    painter.save();
    painter.setClipRect(textRect);
    painter.setPen(color);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    painter.restore();
}

void TableControl::paintFocusFrame(QPainter& painter, const QRect& rect) const
{
    painter.setPen(QPen(palette().color(QPalette::HighlightedText), 1, Qt::DotLine));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
}

// Presses outside the data cells go on to the window, which has its own handling for them.
void TableControl::mousePressEvent(QMouseEvent* event)
{
    const QPoint pos = event->position().toPoint();
    const std::optional<int> row = rowAtBand(*m_model, pos.y(), height());
    const std::optional<int> col = columnAt(pos.x());
    if (!row || !col) {
        event->ignore();
        return;
    }
    m_model->setRow(*row);
    m_model->setCol(*col);
    emit cellClicked(*row, *col);
}

} // namespace grid
