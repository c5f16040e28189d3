#include "form.h"
#include "form1.h"
#include "form1design.h"
#include "keycodes.h"
#include "listbox.h"
#include "messagebox.h"
#include "qtform.h"
#include "qtlabel.h"
#include "qtlistbox.h"
#include "qttabcontainer.h"
#include "shape.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QTabBar>
#include <QTest>
#include <QTimer>

using namespace toolkit;
using namespace toolkit::qt;

// What only Qt's own classes show: cursors, key translation, painting, real boxes.
class TestQtToolkit : public QObject {
    Q_OBJECT

private slots:
    void currentItemIsNotSelection();
    void keyCodes_data();
    void keyCodes();
    void labelColourInEveryGroup();
    void shapeIsAnOutline();
    void tabInFront();
    void messageBoxShown_data();
    void messageBoxShown();
    void deleteSelectedByScreenReader();
};

void TestQtToolkit::currentItemIsNotSelection()
{
    QtListBox list;
    list.AddItem(u"a");
    list.AddItem(u"b");

    list.selectionModel()->setCurrentIndex(list.model()->index(1, 0),
                                           QItemSelectionModel::NoUpdate);
    QCOMPARE(list.currentIndex().row(), 1);
    QCOMPARE(list.ListIndex(), Row(-1));

    list.setListIndex(1);
    QCOMPARE(list.ListIndex(), Row(1));

    list.clearSelection();
    QCOMPARE(list.ListIndex(), Row(-1));
}

void TestQtToolkit::keyCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<KeyCode>("code");

    QTest::newRow("Delete") << int(Qt::Key_Delete) << KeyCode(46);
    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << KeyCode(8);
    QTest::newRow("Return") << int(Qt::Key_Return) << KeyCode(13);
    QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter) << KeyCode(13);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << KeyCode(27);
    QTest::newRow("Left") << int(Qt::Key_Left) << KeyCode(37);
    QTest::newRow("Down") << int(Qt::Key_Down) << KeyCode(40);
    QTest::newRow("A") << int(Qt::Key_A) << KeyCode(65);
    QTest::newRow("Z") << int(Qt::Key_Z) << KeyCode(90);
    QTest::newRow("0") << int(Qt::Key_0) << KeyCode(48);
    QTest::newRow("F1") << int(Qt::Key_F1) << KeyCode(112);
    QTest::newRow("F12") << int(Qt::Key_F12) << KeyCode(123);
    QTest::newRow("Shift alone") << int(Qt::Key_Shift) << KeyCode(16);
    QTest::newRow("a key without a code") << int(Qt::Key_VolumeUp) << KeyCode(0);
}

void TestQtToolkit::keyCodes()
{
    QFETCH(int, key);
    QFETCH(KeyCode, code);
    QCOMPARE(keyCodeFor(key), code);
}

void TestQtToolkit::labelColourInEveryGroup()
{
    // Also while the window is in the background, and greyed out.
    const ControlDesign design{.name = "Label", .kind = Kind::Label};
    QtLabel label(design, nullptr, nullptr);
    label.setForeColour({0, 255, 0});
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        QCOMPARE(label.palette().color(group, QPalette::WindowText), QColor(0, 255, 0));
}

void TestQtToolkit::shapeIsAnOutline()
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

void TestQtToolkit::tabInFront()
{
    constexpr Text captions[] = {u"Human", u"Orc", u"Undead", u"Night elf"};
    QtTabContainer tabs(captions, nullptr);
    tabs.resize(297, 329);

    QList<QtListBox*> lists;
    for (Index page = 0; page < 4; ++page) {
        auto* list = new QtListBox(tabs.page(page));
        list->AddItem(u"x");
        lists.append(list);
    }
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    QCOMPARE(tabs.Tab(), Index(0));
    QCOMPARE(tabs.tabBar()->count(), 4);
    QCOMPARE(tabs.tabBar()->tabText(3), QStringLiteral("Night elf"));
    lists[0]->setListIndex(0);

    tabs.setTab(3);
    QCOMPARE(tabs.Tab(), Index(3));
    QVERIFY(lists[3]->isVisible());
    QVERIFY(!lists[0]->isVisible());
    QVERIFY(!lists[1]->isVisible());

    tabs.tabBar()->setFocus();
    QTest::keyClick(tabs.tabBar(), Qt::Key_Left);
    QCOMPARE(tabs.Tab(), Index(2));
    QVERIFY(lists[2]->isVisible());

    tabs.setTab(0);
    QVERIFY(lists[0]->isVisible());
    QCOMPARE(lists[0]->ListIndex(), Row(0));
    // The page's controls are placed from the container's outer corner.
    QCOMPARE(tabs.page(0)->geometry(), tabs.rect());
}

void TestQtToolkit::messageBoxShown_data()
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

void TestQtToolkit::messageBoxShown()
{
    QFETCH(int, style);
    QFETCH(int, icon);
    QFETCH(QStringList, buttons);
    QFETCH(QString, press);
    QFETCH(int, answer);

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

    const int result = MessageBox::MsgBox(nullptr, u"text\n", style, u"title");
    QCOMPARE(seenIcon, icon);
    QCOMPARE(seenButtons, buttons);
    QCOMPARE(seenTitle, QStringLiteral("title"));
    QCOMPARE(seenText, QStringLiteral("text\n"));
    QCOMPARE(seenFormat, Qt::PlainText); // rich text would run the lines together
    QCOMPARE(result, answer);
}

void TestQtToolkit::deleteSelectedByScreenReader()
{
    Form1 form1;
    form1.show();
    QWidget* window = widgetOf(form1.form());
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    ListBox& units = form1.form().listBox(design::List3, 0);
    for (Row row : {0, 1, 2}) {
        units.setListIndex(row); // Peasant, Militia, Footman
        QTest::mouseClick(controlOf(form1.form(), "Command2", 0), Qt::LeftButton);
    }
    auto* force = qobject_cast<QtListBox*>(controlOf(form1.form(), "List1", 0));
    force->setFocus();
    // A screen reader selects without moving the list's current row.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(force);
    QVERIFY(list && list->tableInterface());
    QVERIFY(list->tableInterface()->selectRow(1));
    QVERIFY(force->currentIndex().row() != 1);
    QTest::keyClick(force, Qt::Key_Delete);
    QCOMPARE(force->ListCount(), Row(2));
    QVERIFY(force->List(0) == u"Peasant" && force->List(1) == u"Footman");
}

QTEST_MAIN(TestQtToolkit)
#include "tst_qttoolkit.moc"
