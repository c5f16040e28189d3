#include "keycodes.h"
#include "label.h"
#include "listbox.h"
#include "messagebox.h"
#include "shape.h"
#include "tabcontainer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>
#include <QTimer>

class TestToolkit : public QObject {
    Q_OBJECT

private slots:
    void listOperations();
    void listTextOutsideRows_data();
    void listTextOutsideRows();
    void currentItemIsNotSelection();
    void removeKeepsNoSelection();
    void removeOtherRowKeepsSelection_data();
    void removeOtherRowKeepsSelection();
    void removeIgnoresMissingRows();
    void addRefusedWhenFull();
    void keyDownBeforeListHandlesKey_data();
    void keyDownBeforeListHandlesKey();
    void keyCodes_data();
    void keyCodes();
    void labelCaptionAndColour();
    void shapeIsAnOutline();
    void tabInFront();
    void messageBoxShown_data();
    void messageBoxShown();
};

void TestToolkit::listOperations()
{
    ListBox list;
    QCOMPARE(list.ListCount(), qint16(0));
    QCOMPARE(list.ListIndex(), qint16(-1));

    QVERIFY(list.AddItem(QStringLiteral("Footman")));
    QVERIFY(list.AddItem(QString()));
    QVERIFY(list.AddItem(QStringLiteral("Knight")));
    QCOMPARE(list.ListCount(), qint16(3));
    QCOMPARE(list.List(0), QStringLiteral("Footman"));
    QCOMPARE(list.List(1), QString());
    QCOMPARE(list.List(2), QStringLiteral("Knight"));

    list.RemoveItem(0);
    QCOMPARE(list.ListCount(), qint16(2));
    QCOMPARE(list.List(0), QString());
    QCOMPARE(list.List(1), QStringLiteral("Knight"));

    list.Clear();
    QCOMPARE(list.ListCount(), qint16(0));
    QCOMPARE(list.ListIndex(), qint16(-1));
}

void TestToolkit::listTextOutsideRows_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<qint16>("row");

    QTest::newRow("empty list, row 0") << 0 << qint16(0);
    QTest::newRow("empty list, row -1") << 0 << qint16(-1);
    QTest::newRow("row -1") << 3 << qint16(-1);
    QTest::newRow("one past the end") << 3 << qint16(3);
    QTest::newRow("far negative") << 3 << qint16(-32768);
    QTest::newRow("far positive") << 3 << qint16(32767);
}

void TestToolkit::listTextOutsideRows()
{
    QFETCH(int, entries);
    QFETCH(qint16, row);

    ListBox list;
    for (int i = 0; i < entries; ++i)
        list.AddItem(QStringLiteral("entry %1").arg(i));
    QCOMPARE(list.List(row), QString());
    QCOMPARE(list.ListCount(), qint16(entries));
}

void TestToolkit::currentItemIsNotSelection()
{
    ListBox list;
    list.AddItem(QStringLiteral("a"));
    list.AddItem(QStringLiteral("b"));

    list.setCurrentRow(1, QItemSelectionModel::NoUpdate);
    QCOMPARE(list.currentRow(), 1);
    QCOMPARE(list.ListIndex(), qint16(-1));

    list.setCurrentRow(1);
    QCOMPARE(list.ListIndex(), qint16(1));

    list.clearSelection();
    QCOMPARE(list.ListIndex(), qint16(-1));
}

void TestToolkit::removeKeepsNoSelection()
{
    ListBox list;
    for (const char* name : {"first", "second", "third"})
        list.AddItem(QString::fromLatin1(name));
    list.setCurrentRow(1);
    QCOMPARE(list.ListIndex(), qint16(1));

    list.RemoveItem(list.ListIndex());
    QCOMPARE(list.ListCount(), qint16(2));
    QCOMPARE(list.List(0), QStringLiteral("first"));
    QCOMPARE(list.List(1), QStringLiteral("third"));
    // Qt moves its cursor to a neighbour; that must not read as a selection.
    QCOMPARE(list.ListIndex(), qint16(-1));
}

void TestToolkit::removeOtherRowKeepsSelection_data()
{
    QTest::addColumn<qint16>("removed");
    QTest::addColumn<qint16>("selectedAfter");

    QTest::newRow("row before the selection") << qint16(0) << qint16(0);
    QTest::newRow("row after the selection") << qint16(2) << qint16(1);
}

void TestToolkit::removeOtherRowKeepsSelection()
{
    QFETCH(qint16, removed);
    QFETCH(qint16, selectedAfter);

    ListBox list;
    for (const char* name : {"first", "second", "third"})
        list.AddItem(QString::fromLatin1(name));
    list.setCurrentRow(1);
    list.RemoveItem(removed);
    QCOMPARE(list.ListIndex(), selectedAfter);
    QCOMPARE(list.List(list.ListIndex()), QStringLiteral("second"));
}

void TestToolkit::removeIgnoresMissingRows()
{
    ListBox list;
    list.AddItem(QStringLiteral("only"));
    list.RemoveItem(-1);
    list.RemoveItem(1);
    QCOMPARE(list.ListCount(), qint16(1));
    QCOMPARE(list.List(0), QStringLiteral("only"));
}

void TestToolkit::addRefusedWhenFull()
{
    ListBox list;
    for (int i = 0; i < ListBox::MaxCount; ++i)
        QVERIFY(list.AddItem(QStringLiteral("x")));
    QCOMPARE(list.ListCount(), qint16(32767));
    QVERIFY(!list.AddItem(QStringLiteral("one too many")));
    QCOMPARE(list.ListCount(), qint16(32767));
    QCOMPARE(list.List(32766), QStringLiteral("x"));

    list.RemoveItem(0);
    QVERIFY(list.AddItem(QStringLiteral("last")));
    QCOMPARE(list.List(32766), QStringLiteral("last"));
}

void TestToolkit::keyDownBeforeListHandlesKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<qint16>("keyCode");

    QTest::newRow("Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers() << qint16(46);
    QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                                  << qint16(46);
    QTest::newRow("Ctrl+Delete") << int(Qt::Key_Delete)
                                 << Qt::KeyboardModifiers(Qt::ControlModifier) << qint16(46);
    QTest::newRow("Down") << int(Qt::Key_Down) << Qt::KeyboardModifiers() << qint16(40);
    QTest::newRow("letter") << int(Qt::Key_F) << Qt::KeyboardModifiers() << qint16(70);
}

void TestToolkit::keyDownBeforeListHandlesKey()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(qint16, keyCode);

    ListBox list;
    list.AddItem(QStringLiteral("Footman"));
    list.AddItem(QStringLiteral("Knight"));
    list.setCurrentRow(0);

    // Seen from the handler, the list has not moved yet.
    int currentRowSeen = -2;
    connect(&list, &ListBox::KeyDown, &list, [&] { currentRowSeen = list.currentRow(); });
    QSignalSpy spy(&list, &ListBox::KeyDown);
    QTest::keyClick(&list, Qt::Key(key), modifiers);

    // A modifier is pressed before the key, and reported as a key of its own.
    QCOMPARE(spy.count(), modifiers == Qt::NoModifier ? 1 : 2);
    QCOMPARE(spy.last().at(0).value<qint16>(), keyCode);
    QCOMPARE(spy.last().at(1).value<Qt::KeyboardModifiers>(), modifiers);
    QCOMPARE(currentRowSeen, 0);
    if (key == Qt::Key_Down)
        QCOMPARE(list.currentRow(), 1); // and the list still handles the key afterwards
}

void TestToolkit::keyCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<qint16>("code");

    QTest::newRow("Delete") << int(Qt::Key_Delete) << qint16(46);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << qint16(8);
    QTest::newRow("Return") << int(Qt::Key_Return) << qint16(13);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << qint16(13);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << qint16(27);
    QTest::newRow("Left") << int(Qt::Key_Left) << qint16(37);
    QTest::newRow("Down") << int(Qt::Key_Down) << qint16(40);
    QTest::newRow("A") << int(Qt::Key_A) << qint16(65);
    QTest::newRow("Z") << int(Qt::Key_Z) << qint16(90);
    QTest::newRow("0") << int(Qt::Key_0) << qint16(48);
    QTest::newRow("F1") << int(Qt::Key_F1) << qint16(112);
    QTest::newRow("F12") << int(Qt::Key_F12) << qint16(123);
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << qint16(16);
    QTest::newRow("a key without a code") << int(Qt::Key_VolumeUp) << qint16(0);
}

void TestToolkit::keyCodes()
{
    QFETCH(int, key);
    QFETCH(qint16, code);
    QCOMPARE(keyCodeFor(key), code);
}

void TestToolkit::labelCaptionAndColour()
{
    Label label(QStringLiteral("0"));
    const QColor defaultColour = label.foreColor();

    label.setCaption(QStringLiteral("4355"));
    QCOMPARE(label.text(), QStringLiteral("4355"));

    label.setForeColor(0, 255, 0);
    QCOMPARE(label.foreColor(), QColor(0, 255, 0));
    // Also while the window is in the background, and greyed out.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(label.palette().color(group, QPalette::WindowText), QColor(0, 255, 0));
    QVERIFY(label.foreColor() != defaultColour);
    label.setForeColor(0, 0, 255);
    QCOMPARE(label.foreColor(), QColor(0, 0, 255));
}

void TestToolkit::shapeIsAnOutline()
{
    Shape shape;
    shape.resize(81, 81);
    QPalette colours = shape.palette();
    colours.setColor(QPalette::WindowText, Qt::red);
    colours.setColor(QPalette::Window, Qt::white);
    shape.setPalette(colours);
    const QImage image = shape.grab().toImage();

    // A one-pixel border on all four sides; everything inside it left alone.
    for (const QPoint border : {QPoint(0, 0), QPoint(40, 0), QPoint(80, 40), QPoint(40, 80)})
        QCOMPARE(image.pixelColor(border), QColor(Qt::red));
    for (const QPoint inside : {QPoint(1, 1), QPoint(40, 40), QPoint(79, 79)})
        QCOMPARE(image.pixelColor(inside), QColor(Qt::white));
}

void TestToolkit::tabInFront()
{
    TabContainer tabs;
    tabs.resize(297, 329);
    QCOMPARE(tabs.Tab(), qint16(-1));

    QList<ListBox*> lists;
    for (const char* caption : {"Human", "Orc", "Undead", "Night elf"}) {
        auto* list = new ListBox(tabs.addPage(QString::fromLatin1(caption)));
        list->AddItem(QStringLiteral("x"));
        lists.append(list);
    }
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    QCOMPARE(tabs.Tab(), qint16(0));
    QCOMPARE(tabs.tabBar()->count(), 4);
    QCOMPARE(tabs.tabBar()->tabText(3), QStringLiteral("Night elf"));
    lists[0]->setCurrentRow(0);

    tabs.setTab(3);
    QCOMPARE(tabs.Tab(), qint16(3));
    QVERIFY(lists[3]->isVisible());
    QVERIFY(!lists[0]->isVisible());
    QVERIFY(!lists[1]->isVisible());

    tabs.tabBar()->setFocus();
    QTest::keyClick(tabs.tabBar(), Qt::Key_Left);
    QCOMPARE(tabs.Tab(), qint16(2));
    QVERIFY(lists[2]->isVisible());

    tabs.setTab(0);
    QVERIFY(lists[0]->isVisible());
    QCOMPARE(lists[0]->ListIndex(), qint16(0));
    // The page's controls are placed from the container's outer corner.
    QCOMPARE(tabs.page(0)->geometry(), tabs.rect());
}

void TestToolkit::messageBoxShown_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("press");
    QTest::addColumn<int>("answer");

    QTest::newRow("information, OK")
        << 64 << int(QMessageBox::Information) << QStringList{"OK"} << "OK" << int(MessageBox::Ok);
    QTest::newRow("question, Yes/No, No")
        << (32 + 4) << int(QMessageBox::Question) << QStringList{"&No", "&Yes"} << "&No"
        << int(MessageBox::No);
    QTest::newRow("plain, OK/Cancel, Cancel")
        << 1 << int(QMessageBox::NoIcon) << QStringList{"Cancel", "OK"} << "Cancel"
        << int(MessageBox::Cancel);
}

void TestToolkit::messageBoxShown()
{
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(QString, press);
    QFETCH(int, answer);

    MessageBox::setTestAnswer(std::nullopt);
    int seenIcon = -1;
    QStringList seenButtons;
    QString seenTitle;
    QString seenText;
    Qt::TextFormat seenFormat = Qt::AutoText;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        seenIcon = box->icon();
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenFormat = box->textFormat();
        QAbstractButton* toPress = nullptr;
        for (QAbstractButton* button : box->buttons()) {
            seenButtons.append(button->text());
            if (button->text() == press)
                toPress = button;
        }
        seenButtons.sort();
        QVERIFY(toPress);
        toPress->click();
    });

    const int result =
        MessageBox::MsgBox(nullptr, QStringLiteral("text\n"), style, QStringLiteral("title"));
    QCOMPARE(seenIcon, icon);
    QCOMPARE(seenButtons, buttons);
    QCOMPARE(seenTitle, QStringLiteral("title"));
    QCOMPARE(seenText, QStringLiteral("text\n"));
    QCOMPARE(seenFormat, Qt::PlainText); // rich text would run the lines together
    QCOMPARE(result, answer);
    QVERIFY(MessageBox::testRecord().isEmpty());
}

QTEST_MAIN(TestToolkit)
#include "tst_toolkit.moc"
