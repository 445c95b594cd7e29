#include "identification/idform.h"
#include "identification/idinfo.h"
#include "support/fakes.h"
#include "support/qtest_main.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <memory>

using namespace Qt::StringLiterals;
using identification::IDForm;
using identification::IDRecord;
using Icon = platform::Messages::Icon;

Q_DECLARE_METATYPE(IDRecord)

namespace {

const IDRecord kFirstChild{u"Ann Lee"_s, u"05/14/2019"_s, u"Dr. Ray"_s, u"03/07/2026"_s};
const QString kNotIdentified = u"Child not identified."_s;

const QStringList kTabOrder{u"ChildsNameText"_s, u"DOBText"_s,    u"ExaminersNameText"_s,
                            u"DOTText"_s,        u"SaveButton"_s, u"CancelButton"_s};

} // namespace

class TestIDForm : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void saveWarnsAboutTheFirstBlankField_data();
    void saveWarnsAboutTheFirstBlankField();
    void saveWritesTheFileAndPutsItInEffect();
    void saveReplacesTheFileInEffectWithoutAsking();
    void failedSaveKeepsWindowOpenAndStateUnchanged();
    void enterSavesOnlyFromTheFocusedButton();
    void cancel_data();
    void cancel();
    void focusGoesToChildsNameOnEveryShow();
    void tabOrderFollowsTheForm();
    void loadFillsFieldsAndPutsTheFileInEffect();
    void failedLoadKeepsThePreviousChild_data();
    void failedLoadKeepsThePreviousChild();
    void resetForNewChildKeepsOnlyTodayAsDateOfTest();

private:
    QString folder(const QString& name) const;
    void writeFile(const QString& path, const QByteArray& bytes) const;
    void fill(const IDRecord& record);
    void loadFirstChild();
    QLineEdit* field(const QString& name) const;
    QPushButton* button(const QString& name) const;
    void showActive();
    void expectOnlyMessage(const QString& text, Icon icon);

    std::unique_ptr<QTemporaryDir> m_dir;
    fakes::RecordingMessages m_messages;
    fakes::MemoryStatusLine m_status;
    std::unique_ptr<IDForm> m_form;
};

void TestIDForm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir(m_dir->path()).mkdir(u"a"_s));
    QVERIFY(QDir(m_dir->path()).mkdir(u"b"_s));
    m_messages = {};
    m_status.panels = {{1, folder(u"a"_s)}, {3, kNotIdentified}};
    m_form = std::make_unique<IDForm>(m_messages, m_status);
}

void TestIDForm::cleanup()
{
    m_form.reset();
    m_dir.reset();
}

QString TestIDForm::folder(const QString& name) const
{
    return m_dir->filePath(name) + u'/';
}

void TestIDForm::writeFile(const QString& path, const QByteArray& bytes) const
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestIDForm::fill(const IDRecord& record)
{
    field(u"ChildsNameText"_s)->setText(record.childsName);
    field(u"DOBText"_s)->setText(record.dateOfBirth);
    field(u"ExaminersNameText"_s)->setText(record.examinersName);
    field(u"DOTText"_s)->setText(record.dateOfTest);
}

// Folder a holds the first child's file, loaded and in effect.
void TestIDForm::loadFirstChild()
{
    QCOMPARE(identification::saveIDInfoFile(folder(u"a"_s) + u"idinfo.txt"_s, kFirstChild),
             std::nullopt);
    QVERIFY(m_form->LoadIDInfoFile());
    QCOMPARE(m_form->record(), kFirstChild);
    m_messages.shown.clear();
}

QLineEdit* TestIDForm::field(const QString& name) const
{
    auto* found = m_form->findChild<QLineEdit*>(name);
    Q_ASSERT(found);
    return found;
}

QPushButton* TestIDForm::button(const QString& name) const
{
    auto* found = m_form->findChild<QPushButton*>(name);
    Q_ASSERT(found);
    return found;
}

void TestIDForm::showActive()
{
    m_form->show();
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
}

void TestIDForm::expectOnlyMessage(const QString& text, Icon icon)
{
    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(m_messages.shown.first().text, text);
    QVERIFY(m_messages.shown.first().icon == icon);
}

void TestIDForm::saveWarnsAboutTheFirstBlankField_data()
{
    QTest::addColumn<IDRecord>("entered");
    QTest::addColumn<QString>("warning");

    const QString name = u"Child's name is missing."_s;
    const QString birth = u"Date of Birth is missing."_s;
    const QString examiner = u"Examiner's name is missing."_s;
    const QString test = u"Date of Test is missing."_s;
    QTest::newRow("all blank") << IDRecord{} << name;
    QTest::newRow("name of blanks") << IDRecord{u"   "_s, u"x"_s, u"x"_s, u"x"_s} << name;
    QTest::newRow("birth empty") << IDRecord{u"Ann"_s, {}, {}, {}} << birth;
    QTest::newRow("birth of blanks") << IDRecord{u"Ann"_s, u"  "_s, u"x"_s, u"x"_s} << birth;
    QTest::newRow("examiner empty") << IDRecord{u"Ann"_s, u"x"_s, {}, u"x"_s} << examiner;
    QTest::newRow("test of blanks") << IDRecord{u"Ann"_s, u"x"_s, u"Ray"_s, u" "_s} << test;
}

void TestIDForm::saveWarnsAboutTheFirstBlankField()
{
    QFETCH(IDRecord, entered);
    QFETCH(QString, warning);
    m_form->show();
    fill(entered);

    button(u"SaveButton"_s)->click();

    expectOnlyMessage(warning, Icon::Exclamation);
    QVERIFY(m_form->isVisible());
    QVERIFY(!QFile::exists(folder(u"a"_s) + u"idinfo.txt"_s));
    QCOMPARE(m_form->idStatusText(), QString());
    QCOMPARE(m_status.panelText(3), kNotIdentified);
}

void TestIDForm::saveWritesTheFileAndPutsItInEffect()
{
    // Dates are free text, and the working folder's text is trimmed.
    m_status.panels[1] = u"  "_s + folder(u"a"_s) + u" "_s;
    const IDRecord entered{u" Ann Lee "_s, u"spring 2019"_s, u"Dr. Ray"_s, u"7.3.26"_s};
    const QString path = folder(u"a"_s) + u"idinfo.txt"_s;
    m_form->show();
    fill(entered);

    button(u"SaveButton"_s)->click();

    expectOnlyMessage(u"ID info has been saved to file: \r\n"_s + path, Icon::None);
    QCOMPARE(m_form->idStatusText(), path);
    QCOMPARE(m_status.panelText(3), u"idinfo.txt"_s);
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_form->record(), entered);
    QCOMPARE(identification::readIDInfoFile(path).record,
             (IDRecord{u"Ann Lee"_s, u"spring 2019"_s, u"Dr. Ray"_s, u"7.3.26"_s}));
}

void TestIDForm::saveReplacesTheFileInEffectWithoutAsking()
{
    loadFirstChild();
    m_form->show();
    field(u"ChildsNameText"_s)->setText(u"Ann Lee-Park"_s);

    button(u"SaveButton"_s)->click();

    QVERIFY(m_messages.questions.isEmpty());
    QVERIFY(!m_form->isVisible());
    IDRecord expected = kFirstChild;
    expected.childsName = u"Ann Lee-Park"_s;
    QCOMPARE(identification::readIDInfoFile(folder(u"a"_s) + u"idinfo.txt"_s).record, expected);
}

void TestIDForm::failedSaveKeepsWindowOpenAndStateUnchanged()
{
    loadFirstChild();
    const QString pathA = m_form->idStatusText();
    const QString missingFolder = folder(u"missing"_s);
    m_status.panels[1] = missingFolder;
    const IDRecord edited{u"Bo"_s, u"01/02/2020"_s, u"Dr. Kim"_s, u"03/08/2026"_s};
    m_form->show();
    fill(edited);

    button(u"SaveButton"_s)->click();

    expectOnlyMessage(u"Can't create IDinfo file: \r\n"_s + missingFolder + u"idinfo.txt"_s,
                      Icon::None);
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->record(), edited);
    QCOMPARE(m_form->idStatusText(), pathA);
    QCOMPARE(m_status.panelText(3), u"idinfo.txt"_s);
}

void TestIDForm::enterSavesOnlyFromTheFocusedButton()
{
    showActive();
    fill(kFirstChild);
    field(u"DOTText"_s)->setFocus();

    QTest::keyClick(field(u"DOTText"_s), Qt::Key_Return);
    QVERIFY(m_messages.shown.isEmpty());
    QVERIFY(m_form->isVisible());

    button(u"SaveButton"_s)->setFocus();
    QTest::keyClick(button(u"SaveButton"_s), Qt::Key_Return);
    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY(m_messages.shown.first().text.startsWith(u"ID info has been saved to file: "_s));
    QVERIFY(!m_form->isVisible());
}

void TestIDForm::cancel_data()
{
    QTest::addColumn<bool>("fileInEffect");
    QTest::addColumn<QString>("how");

    for (const QString& how : {u"button"_s, u"Escape"_s, u"close box"_s}) {
        QTest::addRow("no file, %s", qPrintable(how)) << false << how;
        QTest::addRow("file in effect, %s", qPrintable(how)) << true << how;
    }
}

void TestIDForm::cancel()
{
    QFETCH(bool, fileInEffect);
    QFETCH(QString, how);
    if (fileInEffect)
        loadFirstChild();
    else
        m_form->resetForNewChild(u"03/07/2026"_s);
    const QString strip = m_form->idStatusText();
    const QString panel3 = m_status.panelText(3);
    showActive();
    const IDRecord edited{u"Bo"_s, u"01/02/2020"_s, u"Dr. Kim"_s, u"03/08/2026"_s};
    fill(edited);

    if (how == u"button"_s)
        button(u"CancelButton"_s)->click();
    else if (how == u"Escape"_s)
        QTest::keyClick(field(u"DOBText"_s), Qt::Key_Escape);
    else
        m_form->close();

    QVERIFY(!m_form->isVisible());
    QVERIFY(m_messages.shown.isEmpty());
    QCOMPARE(m_form->record(), fileInEffect ? edited : IDRecord{});
    QCOMPARE(m_form->idStatusText(), strip);
    QCOMPARE(m_status.panelText(3), panel3);
}

void TestIDForm::focusGoesToChildsNameOnEveryShow()
{
    showActive();
    QCOMPARE(QApplication::focusWidget(), field(u"ChildsNameText"_s));

    field(u"DOTText"_s)->setFocus();
    QCOMPARE(QApplication::focusWidget(), field(u"DOTText"_s));
    button(u"CancelButton"_s)->click();
    QVERIFY(!m_form->isVisible());

    showActive();
    QCOMPARE(QApplication::focusWidget(), field(u"ChildsNameText"_s));
}

void TestIDForm::tabOrderFollowsTheForm()
{
    showActive();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 0; i < kTabOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }

    QCOMPARE(visited, kTabOrder + QStringList{kTabOrder.first()});
}

void TestIDForm::loadFillsFieldsAndPutsTheFileInEffect()
{
    const QString path = folder(u"a"_s) + u"idinfo.txt"_s;
    writeFile(path, "===== IDInfo =====\r\nChild's Name:    Ann Lee\r\n"
                    "Date of Birth:   05/14/2019\r\nExaminer's Name: Dr. Ray\r\n"
                    "Date of Test:    03/07/2026\r\n");

    QVERIFY(m_form->LoadIDInfoFile());

    QVERIFY(m_messages.shown.isEmpty());
    QCOMPARE(m_form->record(), kFirstChild);
    QCOMPARE(m_form->idStatusText(), path);
    QCOMPARE(m_status.panelText(3), u"idinfo.txt"_s);
}

void TestIDForm::failedLoadKeepsThePreviousChild_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QString>("message");

    QTest::newRow("missing") << QByteArray() << false << u"Can't open IDInfo file: "_s;
    QTest::newRow("empty") << QByteArray() << true << u"Can't read IDInfo file: "_s;
    QTest::newRow("wrong header") << QByteArray("idinfo\r\na\r\nb\r\nc\r\nd\r\n") << true
                                  << u"IFile not of IDInfo format: "_s;
    QTest::newRow("short") << QByteArray("IDInfo\r\nChild's Name: Bo\r\n") << true
                           << u"Can't read IDInfo file: "_s;
}

void TestIDForm::failedLoadKeepsThePreviousChild()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, exists);
    QFETCH(QString, message);
    loadFirstChild();
    const QString pathA = m_form->idStatusText();
    const QString pathB = folder(u"b"_s) + u"idinfo.txt"_s;
    if (exists)
        writeFile(pathB, bytes);
    m_status.panels[1] = folder(u"b"_s);

    QVERIFY(!m_form->LoadIDInfoFile());

    expectOnlyMessage(message + u"\r\n"_s + pathB, Icon::None);
    QCOMPARE(m_form->record(), kFirstChild);
    QCOMPARE(m_form->idStatusText(), pathA);
    QCOMPARE(m_status.panelText(3), u"idinfo.txt"_s);
}

void TestIDForm::resetForNewChildKeepsOnlyTodayAsDateOfTest()
{
    loadFirstChild();

    m_form->resetForNewChild(u"03/09/2026"_s);

    QCOMPARE(m_form->record(), (IDRecord{{}, {}, {}, u"03/09/2026"_s}));
    QCOMPARE(m_form->idStatusText(), QString());
    QCOMPARE(m_status.panelText(3), kNotIdentified);
}

PARL_QTEST_MAIN(TestIDForm)
#include "test_idform.moc"
