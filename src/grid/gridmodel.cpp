#include "gridmodel.h"

#include <algorithm>

namespace grid {

namespace {

// Until the window sets its own widths, every column gets the same readable width.
constexpr int kDefaultColumnWidthTwips = 960;
// The grid as placed on a window: the heading row and one empty row.
constexpr int kDesignRowCount = 2;

int clampCol(int col)
{
    return std::clamp(col, 0, kColumnCount - 1);
}

bool isColumn(int col)
{
    return col >= 0 && col < kColumnCount;
}

} // namespace

QString columnHeading(int column)
{
    switch (column) {
    case kFileColumn:
        return QStringLiteral("File");
    case kWordColumn:
        return QStringLiteral("Word");
    case kRatingColumn:
        return QStringLiteral("Rating");
    case kEvalColumn:
        return QStringLiteral("Eval");
    default:
        return {};
    }
}

GridModel::GridModel(QObject* parent) : QObject(parent), m_cells(kDesignRowCount)
{
    m_widthsTwips.fill(kDefaultColumnWidthTwips);
}

void GridModel::setRowCount(int rows)
{
    const int count = std::max({rows, m_fixedRows, 1});
    if (count == rowCount())
        return;
    m_cells.resize(count);
    clampViewState();
    emit changed();
}

void GridModel::setFixedRows(int rows)
{
    const int fixed = std::clamp(rows, 0, rowCount());
    if (fixed == m_fixedRows)
        return;
    m_fixedRows = fixed;
    clampViewState();
    emit changed();
}

void GridModel::setRow(int row)
{
    const int clamped = clampRow(row);
    if (clamped == m_row)
        return;
    m_row = clamped;
    emit changed();
}

void GridModel::setCol(int col)
{
    const int clamped = clampCol(col);
    if (clamped == m_col)
        return;
    m_col = clamped;
    emit changed();
}

QString GridModel::cell(int row, int col) const
{
    if (row < 0 || row >= rowCount() || !isColumn(col))
        return {};
    return m_cells[row][col];
}

void GridModel::setCell(int row, int col, const QString& text)
{
    if (row < 0 || row >= rowCount() || !isColumn(col) || m_cells[row][col] == text)
        return;
    m_cells[row][col] = text;
    emit changed();
}

int GridModel::columnWidthTwips(int col) const
{
    return isColumn(col) ? m_widthsTwips[col] : 0;
}

void GridModel::setColumnWidthTwips(int col, int twips)
{
    const int width = std::max(twips, 0);
    if (!isColumn(col) || m_widthsTwips[col] == width)
        return;
    m_widthsTwips[col] = width;
    emit changed();
}

void GridModel::setSelection(int row1, int row2, int col1, int col2)
{
    // The list form of minmax returns values; the two-argument form would return references
    // to the temporaries.
    const auto [startRow, endRow] = std::minmax({clampRow(row1), clampRow(row2)});
    const auto [startCol, endCol] = std::minmax({clampCol(col1), clampCol(col2)});
    if (startRow == m_selStartRow && endRow == m_selEndRow && startCol == m_selStartCol &&
        endCol == m_selEndCol)
        return;
    m_selStartRow = startRow;
    m_selEndRow = endRow;
    m_selStartCol = startCol;
    m_selEndCol = endCol;
    emit changed();
}

void GridModel::setTopRow(int row)
{
    const int top = std::clamp(row, m_fixedRows, maxTopRow());
    if (top == m_topRow)
        return;
    m_topRow = top;
    emit changed();
}

bool GridModel::rowIsVisible(int row) const
{
    if (row < 0 || row >= rowCount())
        return false;
    return row < m_fixedRows || (row >= m_topRow && row < m_topRow + visibleDataRows());
}

int GridModel::clampRow(int row) const
{
    return std::clamp(row, 0, rowCount() - 1);
}

int GridModel::maxTopRow() const
{
    return std::max(m_fixedRows, rowCount() - visibleDataRows());
}

// After rows or fixed rows change, every index must point into the grid again.
void GridModel::clampViewState()
{
    m_row = clampRow(m_row);
    m_selStartRow = clampRow(m_selStartRow);
    m_selEndRow = clampRow(m_selEndRow);
    m_topRow = std::clamp(m_topRow, m_fixedRows, maxTopRow());
}

} // namespace grid
