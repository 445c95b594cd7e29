#pragma once

#include "grid/gridmodel.h"

#include <QWidget>
#include <optional>

namespace grid {

// The painted table under the rating grid: fixed heading rows, the data rows from the model's
// top row, columns as wide as the model says (1 twip draws nothing), the selection highlighted.
// It keeps the model's hidden columns hidden: no tooltips, no accessible cell texts, no copying,
// no dragging, no keyboard focus. It does not own the model, which must outlive it.
class TableControl : public QWidget
{
    Q_OBJECT

public:
    explicit TableControl(GridModel* model, QWidget* parent = nullptr);

    GridModel* model() const { return m_model; }

signals:
    // A press on a data cell, after that cell has become the model's current cell. Presses
    // elsewhere (heading, below the last row, right of the columns) go on to the parent widget.
    void cellClicked(int row, int col);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int shownRowCount() const;
    int rowTop(int slot) const;
    int columnLeft(int col) const;
    int filledSlotCount() const;
    int rowInSlot(int slot) const;
    std::optional<int> columnAt(int x) const;
    void paintHeadingCell(QPainter& painter, int row, int col, const QRect& rect) const;
    void paintCell(QPainter& painter, int row, int col, const QRect& rect) const;
    void paintText(QPainter& painter, const QString& text, const QRect& rect,
                   const QColor& color) const;
    void paintFocusFrame(QPainter& painter, const QRect& rect) const;
    void paintLeftEdge(QPainter& painter) const;

    GridModel* m_model;
};

} // namespace grid
