#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <array>

namespace grid {

inline constexpr int kFileColumn = 0;
inline constexpr int kWordColumn = 1;
inline constexpr int kRatingColumn = 2;
inline constexpr int kEvalColumn = 3;
inline constexpr int kColumnCount = 4;

// The texts of the heading row, by column.
QString columnHeading(int column);

// The rating grid's cells and view state: rows (heading rows included), the current cell through
// which callers read and write, the highlighted selection, the top row and the column widths.
//
// It starts as placed on a window: a heading row and one empty row, row 1 current and selected.
// Out-of-range arguments never crash: row and column setters clamp to the existing rows and
// columns; cell(), setCell() and the column width accessors ignore a row or column that does not
// exist (cell() returns an empty text, columnWidthTwips() 0).
class GridModel : public QObject
{
    Q_OBJECT

public:
    explicit GridModel(QObject* parent = nullptr);

    // Rows including the heading rows; never fewer than the fixed rows, and at least 1.
    int rowCount() const { return int(m_cells.size()); }
    // A smaller count drops the rows beyond it with their texts; a larger one adds empty rows.
    void setRowCount(int rows);
    int columnCount() const { return kColumnCount; }

    // The first rows are headings: always shown, never scrolled. Clamped to 0..rowCount().
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int rows);

    // The current cell. Moving it never scrolls and never touches the selection.
    int row() const { return m_row; }
    void setRow(int row);
    int col() const { return m_col; }
    void setCol(int col);

    // The text of the current cell.
    QString text() const { return cell(m_row, m_col); }
    void setText(const QString& text) { setCell(m_row, m_col, text); }

    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString& text);

    int columnWidthTwips(int col) const;
    // Negative widths count as 0.
    void setColumnWidthTwips(int col, int twips);

    // The highlighted rectangle of cells, independent of the current cell. setSelection() clamps
    // every bound to the grid and orders each pair, so a start never lies after its end.
    int selStartRow() const { return m_selStartRow; }
    int selEndRow() const { return m_selEndRow; }
    int selStartCol() const { return m_selStartCol; }
    int selEndCol() const { return m_selEndCol; }
    void setSelection(int row1, int row2, int col1, int col2);

    // The first non-fixed row shown; clamped so that the view never runs past the last row.
    int topRow() const { return m_topRow; }
    void setTopRow(int row);

    // Data rows shown below the heading rows at the grid's designed height.
    int visibleDataRows() const { return 25; }
    // Fixed rows always; a data row when it exists and lies in topRow()..topRow() + 24.
    bool rowIsVisible(int row) const;

signals:
    // Anything that the view shows has changed.
    void changed();

private:
    int clampRow(int row) const;
    int maxTopRow() const;
    void clampViewState();

    QList<std::array<QString, kColumnCount>> m_cells;
    std::array<int, kColumnCount> m_widthsTwips;
    int m_fixedRows = 1;
    int m_row = 1;
    int m_col = 0;
    int m_selStartRow = 1;
    int m_selEndRow = 1;
    int m_selStartCol = 0;
    int m_selEndCol = 0;
    int m_topRow = 1;
};

} // namespace grid
