#include "grid/gridmodel.h"
#include "grid/navigation.h"
#include "grid/tablecontrol.h"
#include "platform/twips.h"
#include "support/qtest_main.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>
#include <memory>

using namespace grid;

namespace {

constexpr int kGridWidthTwips = 1845;
constexpr int kGridHeightTwips = 6250;
constexpr int kBands = 26;
const QString kSecretFile = QStringLiteral("secretfile_%1.wav");
const QString kSecretEval = QStringLiteral("EVALMARK%1");
// The widths the rating window gives the columns: File and Eval hidden.
constexpr int kWidthsTwips[kColumnCount] = {1, 500, 1000, 1};

// The middle of a row slot of the view, a few pixels into a column.
QPoint pointInCell(int slot, int col)
{
    int left = 0;
    for (int c = 0; c < col; ++c)
        left += platform::twipsToPixels(kWidthsTwips[c]);
    const double bandHeight = platform::twipsToPixels(kGridHeightTwips) / double(kBands);
    return {left + 3, int((slot + 0.5) * bandHeight)};
}

} // namespace

class TestTableControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void clickOnDataCellMakesItCurrentThenNotifies_data();
    void clickOnDataCellMakesItCurrentThenNotifies();
    void pressOutsideDataCellsChangesNothing_data();
    void pressOutsideDataCellsChangesNothing();
    void settingCurrentCellRaisesNoClick();
    void hiddenColumnsDrawNothing();
    void shownColumnsDraw();
    void nothingRevealsHiddenCells();
    void copyKeyCopiesNothing();

private:
    void fillHiddenColumns();
    QImage grabWithHighlightOn(int row);

    std::unique_ptr<GridModel> m_model;
    std::unique_ptr<TableControl> m_table;
};

void TestTableControl::init()
{
    m_model = std::make_unique<GridModel>();
    m_model->setRowCount(51);
    for (int c = 0; c < kColumnCount; ++c) {
        m_model->setCell(0, c, columnHeading(c));
        m_model->setColumnWidthTwips(c, kWidthsTwips[c]);
    }
    for (int r = 1; r <= 50; ++r) {
        m_model->setCell(r, kWordColumn, QStringLiteral("%1").arg(r, 2, 10, QChar(u'0')));
        m_model->setCell(r, kRatingColumn, QStringLiteral("word%1").arg(r));
    }
    m_table = std::make_unique<TableControl>(m_model.get());
    m_table->resize(platform::twipsToPixels(kGridWidthTwips),
                    platform::twipsToPixels(kGridHeightTwips));
    m_table->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_table.get()));
}

void TestTableControl::cleanup()
{
    m_table.reset();
    m_model.reset();
}

void TestTableControl::fillHiddenColumns()
{
    for (int r = 1; r <= 50; ++r) {
        m_model->setCell(r, kFileColumn, kSecretFile.arg(r));
        m_model->setCell(r, kEvalColumn, kSecretEval.arg(r));
    }
}

QImage TestTableControl::grabWithHighlightOn(int row)
{
    m_model->setRow(row);
    highlightCurrentRow(*m_model);
    return m_table->grab().toImage();
}

void TestTableControl::clickOnDataCellMakesItCurrentThenNotifies_data()
{
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("expectedRow");
    QTest::newRow("rating cell of row 7") << 1 << 7 << kRatingColumn << 7;
    QTest::newRow("word cell of row 1") << 1 << 1 << kWordColumn << 1;
    QTest::newRow("third band with top 26") << 26 << 3 << kRatingColumn << 28;
    QTest::newRow("lowest band with top 26") << 26 << 25 << kWordColumn << 50;
}

void TestTableControl::clickOnDataCellMakesItCurrentThenNotifies()
{
    QFETCH(int, top);
    QFETCH(int, slot);
    QFETCH(int, col);
    QFETCH(int, expectedRow);
    m_model->setTopRow(top);
    QSignalSpy clicks(m_table.get(), &TableControl::cellClicked);
    int rowSeenByClick = -1;
    connect(m_table.get(), &TableControl::cellClicked, this,
            [this, &rowSeenByClick] { rowSeenByClick = m_model->row(); });

    QTest::mouseClick(m_table.get(), Qt::LeftButton, {}, pointInCell(slot, col));

    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toInt(), expectedRow);
    QCOMPARE(clicks.at(0).at(1).toInt(), col);
    QCOMPARE(rowSeenByClick, expectedRow);
    QCOMPARE(m_model->row(), expectedRow);
    QCOMPARE(m_model->col(), col);
}

void TestTableControl::pressOutsideDataCellsChangesNothing_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QPoint>("point");
    const QPoint heading = pointInCell(0, kRatingColumn);
    QTest::newRow("heading") << 51 << heading;
    QTest::newRow("right of the columns")
        << 51 << QPoint(platform::twipsToPixels(kGridWidthTwips) - 2, heading.y() * 9);
    QTest::newRow("below the last row") << 6 << pointInCell(8, kRatingColumn);
}

void TestTableControl::pressOutsideDataCellsChangesNothing()
{
    QFETCH(int, rows);
    QFETCH(QPoint, point);
    m_model->setRowCount(rows);
    m_model->setRow(3);
    m_model->setCol(kWordColumn);
    QSignalSpy clicks(m_table.get(), &TableControl::cellClicked);

    QTest::mouseClick(m_table.get(), Qt::LeftButton, {}, point);

    QCOMPARE(clicks.count(), 0);
    QCOMPARE(m_model->row(), 3);
    QCOMPARE(m_model->col(), kWordColumn);
}

void TestTableControl::settingCurrentCellRaisesNoClick()
{
    QSignalSpy clicks(m_table.get(), &TableControl::cellClicked);
    for (int r = 0; r < m_model->rowCount(); ++r) {
        for (int c = 0; c < kColumnCount; ++c) {
            m_model->setRow(r);
            m_model->setCol(c);
        }
    }
    highlightCurrentRow(*m_model);
    QCOMPARE(clicks.count(), 0);
}

void TestTableControl::hiddenColumnsDrawNothing()
{
    const QImage without = grabWithHighlightOn(4);
    fillHiddenColumns();
    const QImage with = grabWithHighlightOn(4);
    QCOMPARE(with, without);
}

// The counterpart of the check above: a grab does show a change in a shown column.
void TestTableControl::shownColumnsDraw()
{
    const QImage before = grabWithHighlightOn(4);
    m_model->setCell(10, kRatingColumn, QStringLiteral("changed"));
    QVERIFY(grabWithHighlightOn(4) != before);
}

void TestTableControl::nothingRevealsHiddenCells()
{
    fillHiddenColumns();
    QCOMPARE(m_table->focusPolicy(), Qt::NoFocus);
    QVERIFY(m_table->toolTip().isEmpty());
    QVERIFY(m_table->statusTip().isEmpty());
    QVERIFY(m_table->whatsThis().isEmpty());

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(m_table.get());
    QVERIFY(accessible);
    QStringList exposed;
    const auto collect = [&exposed](QAccessibleInterface* item) {
        for (QAccessible::Text kind :
             {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
            exposed << item->text(kind);
    };
    collect(accessible);
    for (int i = 0; i < accessible->childCount(); ++i)
        collect(accessible->child(i));
    QVERIFY(!accessible->tableInterface());
    QVERIFY(!accessible->textInterface());
    const QString all = exposed.join(u'|');
    QVERIFY2(!all.contains(QStringLiteral("secretfile")), qPrintable(all));
    QVERIFY2(!all.contains(QStringLiteral("EVALMARK")), qPrintable(all));
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Recordings"));
}

void TestTableControl::copyKeyCopiesNothing()
{
    fillHiddenColumns();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QStringLiteral("before"));
    grabWithHighlightOn(4);

    QTest::keyClick(m_table.get(), Qt::Key_C, Qt::ControlModifier);

    QCOMPARE(clipboard->text(), QStringLiteral("before"));
}

PARL_QTEST_MAIN(TestTableControl)
#include "test_tablecontrol.moc"
