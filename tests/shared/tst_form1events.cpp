#include "form1.h"
#include "label.h"
#include "listbox.h"
#include "messagebox.h"
#include "sound.h"
#include "tabcontainer.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <memory>

namespace {
constexpr QRgb green = qRgb(0, 255, 0);
constexpr QRgb red = qRgb(255, 0, 0);
constexpr QRgb blue = qRgb(0, 0, 255);
} // namespace

class TestForm1Events : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addFootman();
    void addTwice();
    void addWithNothingSelected();
    void addUsesOnlyTheTabInFront();
    void addToFullList();
    void clearEmptyForce();
    void clearLeavesOtherForce();
    void deleteSelectedEntry_data();
    void deleteSelectedEntry();
    void deleteWithoutSelection_data();
    void deleteWithoutSelection();
    void deleteSelectedByScreenReader();
    void anyKeyUpdates_data();
    void anyKeyUpdates();
    void firstMoveSelectsFirstRow_data();
    void firstMoveSelectsFirstRow();
    void otherEventsChangeNothing();
    void farewellText();
    void closingShowsFarewellOnce_data();
    void closingShowsFarewellOnce();

private:
    template <typename T = QWidget> T* control(const QString& name) const
    {
        T* widget = form->findChild<T*>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    ListBox* units(int race) const
    {
        return control<ListBox>(QStringLiteral("List3(%1)").arg(race));
    }
    ListBox* force(int index) const
    {
        return control<ListBox>(QStringLiteral("List1(%1)").arg(index));
    }
    QStringList entries(int index) const;
    // Food, lumber, gold and CV as shown.
    QStringList totals(int index) const;
    QRgb heading(int index) const;
    void bringToFront(int race);
    void add(int index)
    {
        QTest::mouseClick(control(QStringLiteral("Command2(%1)").arg(index)), Qt::LeftButton);
    }
    void clear(int index)
    {
        QTest::mouseClick(control(QStringLiteral("Command3(%1)").arg(index)), Qt::LeftButton);
    }

    std::unique_ptr<Form1> form;
};

void TestForm1Events::init()
{
    MessageBox::setTestAnswer(MessageBox::Ok);
    MessageBox::clearTestRecord();
    Sound::setTestRecording(true);
    Sound::clearTestRecord();
    form = std::make_unique<Form1>();
    form->show();
    QApplication::setActiveWindow(form.get());
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
}

void TestForm1Events::cleanup()
{
    form.reset();
    MessageBox::setTestAnswer(std::nullopt);
    MessageBox::clearTestRecord();
    Sound::setTestRecording(false);
}

QStringList TestForm1Events::entries(int index) const
{
    QStringList texts;
    for (qint16 row = 0; row < force(index)->ListCount(); ++row)
        texts.append(force(index)->List(row));
    return texts;
}

QStringList TestForm1Events::totals(int index) const
{
    QStringList texts;
    for (const char* total : {"totalfood", "totallumber", "totalgold", "totalcv"})
        texts.append(
            control<QLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(total)).arg(index))->text());
    return texts;
}

QRgb TestForm1Events::heading(int index) const
{
    // The colour holds whether or not the window is active; 0 where the groups differ.
    const QPalette colours =
        control<Label>(QLatin1String(index == 0 ? "forcea" : "forceb"))->palette();
    const QRgb active = colours.color(QPalette::Active, QPalette::WindowText).rgb();
    for (const auto group : {QPalette::Inactive, QPalette::Disabled}) {
        if (colours.color(group, QPalette::WindowText).rgb() != active)
            return 0;
    }
    return active;
}

void TestForm1Events::bringToFront(int race)
{
    QTabBar* tabs = control<TabContainer>(QStringLiteral("SSTab1"))->tabBar();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(race).center());
    QCOMPARE(control<TabContainer>(QStringLiteral("SSTab1"))->Tab(), qint16(race));
}

void TestForm1Events::addFootman()
{
    units(0)->setCurrentRow(2);
    add(0);
    QCOMPARE(entries(0), QStringList{"Footman"});
    QCOMPARE(totals(0), (QStringList{"2", "0", "135", "4355"}));
    QCOMPARE(totals(1), (QStringList{"0", "0", "0", "0"}));
    QCOMPARE(heading(0), green);
    QCOMPARE(heading(1), red);
    // The unit stays selected; no entry of the force list is.
    QCOMPARE(units(0)->ListIndex(), qint16(2));
    QCOMPARE(force(0)->ListIndex(), qint16(-1));
}

void TestForm1Events::addTwice()
{
    units(0)->setCurrentRow(0);
    add(1);
    add(1);
    QCOMPARE(entries(1), (QStringList{"Peasant", "Peasant"}));
    QCOMPARE(totals(1), (QStringList{"2", "0", "150", "1210"}));
    QCOMPARE(heading(0), red);
    QCOMPARE(heading(1), green);
    add(0);
    add(0);
    QCOMPARE(heading(0), blue);
    QCOMPARE(heading(1), blue);
}

void TestForm1Events::addWithNothingSelected()
{
    add(0);
    QCOMPARE(entries(0), QStringList{QString()});
    QCOMPARE(totals(0), (QStringList{"0", "0", "0", "0"}));
    QCOMPARE(heading(0), blue);
    QCOMPARE(heading(1), blue);
}

void TestForm1Events::addUsesOnlyTheTabInFront()
{
    units(0)->setCurrentRow(2);
    bringToFront(1);
    add(1);
    QCOMPARE(entries(1), QStringList{QString()});
    QCOMPARE(totals(1), (QStringList{"0", "0", "0", "0"}));

    bringToFront(0);
    QCOMPARE(units(0)->ListIndex(), qint16(2));
    add(1);
    QCOMPARE(entries(1), (QStringList{QString(), "Footman"}));
    QCOMPARE(totals(1), (QStringList{"2", "0", "135", "4355"}));

    bringToFront(3);
    units(3)->setCurrentRow(11);
    add(0);
    QCOMPARE(entries(0), QStringList{"Hippogryph Rider"});
    QCOMPARE(totals(0), (QStringList{"4", "0", "0", "11823"}));
    QCOMPARE(heading(0), green);
}

void TestForm1Events::addToFullList()
{
    ListBox* list = force(0);
    for (int row = 0; row < ListBox::MaxCount - 1; ++row)
        list->AddItem(QStringLiteral("Infernal"));
    bringToFront(2);
    units(2)->setCurrentRow(12); // Infernal
    add(0);
    QCOMPARE(list->ListCount(), ListBox::MaxCount);
    QCOMPARE(totals(0), (QStringList{"0", "0", "0", "2698526285"}));
    QCOMPARE(Sound::testBeeps(), 0);

    units(2)->setCurrentRow(0); // Acolyte: refused with a beep, nothing lost
    add(0);
    QCOMPARE(Sound::testBeeps(), 1);
    QCOMPARE(list->ListCount(), ListBox::MaxCount);
    QCOMPARE(list->List(ListBox::MaxCount - 1), QStringLiteral("Infernal"));
    QCOMPARE(totals(0), (QStringList{"0", "0", "0", "2698526285"}));
    QCOMPARE(heading(0), green);

    list->setCurrentRow(5);
    QTest::keyClick(list, Qt::Key_Delete);
    add(0);
    QCOMPARE(list->ListCount(), ListBox::MaxCount);
    QCOMPARE(list->List(ListBox::MaxCount - 1), QStringLiteral("Acolyte"));
    QCOMPARE(totals(0), (QStringList{"1", "0", "75", "2698444766"}));
}

void TestForm1Events::clearEmptyForce()
{
    clear(0);
    QCOMPARE(entries(0), QStringList{});
    QCOMPARE(totals(0), (QStringList{"0", "0", "0", "0"}));
    QCOMPARE(heading(0), blue);
    QCOMPARE(heading(1), blue);
}

void TestForm1Events::clearLeavesOtherForce()
{
    units(0)->setCurrentRow(4); // Knight
    add(0);
    add(1);
    add(1);
    clear(0);
    QCOMPARE(entries(0), QStringList{});
    QCOMPARE(totals(0), (QStringList{"0", "0", "0", "0"}));
    QCOMPARE(entries(1), (QStringList{"Knight", "Knight"}));
    QCOMPARE(totals(1), (QStringList{"8", "120", "490", "37854"}));
    QCOMPARE(heading(0), red);
    QCOMPARE(heading(1), green);
}

void TestForm1Events::deleteSelectedEntry_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("Delete") << Qt::KeyboardModifiers();
    QTest::newRow("Shift+Delete") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("Ctrl+Delete") << Qt::KeyboardModifiers(Qt::ControlModifier);
}

void TestForm1Events::deleteSelectedEntry()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);

    for (int row : {0, 1, 2}) {
        units(0)->setCurrentRow(row); // Peasant, Militia, Footman
        add(0);
    }
    force(0)->setCurrentRow(1);
    force(0)->setFocus();
    QTest::keyClick(force(0), Qt::Key_Delete, modifiers);
    QCOMPARE(entries(0), (QStringList{"Peasant", "Footman"}));
    QCOMPARE(force(0)->ListIndex(), qint16(-1));
    QCOMPARE(totals(0), (QStringList{"3", "0", "210", "4960"}));

    // Nothing is selected any more, so a second Delete removes nothing.
    QTest::keyClick(force(0), Qt::Key_Delete, modifiers);
    QCOMPARE(entries(0), (QStringList{"Peasant", "Footman"}));
    QCOMPARE(totals(0), (QStringList{"3", "0", "210", "4960"}));
}

void TestForm1Events::deleteWithoutSelection_data()
{
    QTest::addColumn<int>("entries");
    QTest::newRow("entries, none selected") << 2;
    QTest::newRow("empty list") << 0;
}

void TestForm1Events::deleteWithoutSelection()
{
    QFETCH(int, entries);

    units(0)->setCurrentRow(1); // Militia
    for (int i = 0; i < entries; ++i)
        add(1);
    // Added without the handlers, so only a recalculation can show them.
    force(0)->AddItem(QStringLiteral("Militia"));
    QCOMPARE(totals(0), (QStringList{"0", "0", "0", "0"}));

    force(1)->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    QTest::keyClick(force(1), Qt::Key_Delete);
    QCOMPARE(force(1)->ListCount(), qint16(entries));
    // Force A's stored CV is still 0: its list was not touched.
    QCOMPARE(heading(0), entries == 0 ? blue : red);
    QCOMPARE(heading(1), entries == 0 ? blue : green);
    QTest::keyClick(force(0), Qt::Key_Delete);
    QCOMPARE(totals(0), (QStringList{"1", "0", "75", "2841"}));
    QCOMPARE(force(0)->ListCount(), qint16(1));
}

void TestForm1Events::deleteSelectedByScreenReader()
{
    for (int row : {0, 1, 2}) {
        units(0)->setCurrentRow(row); // Peasant, Militia, Footman
        add(0);
    }
    force(0)->setFocus();
    // A screen reader selects without moving the list's current row.
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(force(0));
    QVERIFY(list && list->tableInterface());
    QVERIFY(list->tableInterface()->selectRow(1));
    QVERIFY(force(0)->currentRow() != 1);
    QTest::keyClick(force(0), Qt::Key_Delete);
    QCOMPARE(entries(0), (QStringList{"Peasant", "Footman"}));
}

void TestForm1Events::anyKeyUpdates_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("shown"); // food, lumber, gold, CV

    const QStringList both{"Peasant", "Knight"};
    const QStringList sums{"5", "60", "320", "19532"};
    for (const auto& [name, key] :
         std::initializer_list<std::pair<const char*, Qt::Key>>{{"Down", Qt::Key_Down},
                                                                {"Up", Qt::Key_Up},
                                                                {"Home", Qt::Key_Home},
                                                                {"End", Qt::Key_End},
                                                                {"Insert", Qt::Key_Insert},
                                                                {"Backspace", Qt::Key_Backspace},
                                                                {"Return", Qt::Key_Return},
                                                                {"Enter", Qt::Key_Enter},
                                                                {"Space", Qt::Key_Space},
                                                                {"Escape", Qt::Key_Escape},
                                                                {"letter", Qt::Key_Q},
                                                                {"F2", Qt::Key_F2}})
        QTest::newRow(name) << int(key) << both << sums;
    QTest::newRow("Delete") << int(Qt::Key_Delete) << QStringList{"Knight"}
                            << QStringList{"4", "60", "245", "18927"};
}

void TestForm1Events::anyKeyUpdates()
{
    QFETCH(int, key);
    QFETCH(QStringList, after);
    QFETCH(QStringList, shown);

    // Put in without the handlers: only the key's update can show them.
    force(1)->AddItem(QStringLiteral("Peasant"));
    force(1)->AddItem(QStringLiteral("Knight"));
    force(1)->setCurrentRow(0);
    QTest::keyClick(force(1), Qt::Key(key));
    QCOMPARE(entries(1), after);
    QCOMPARE(totals(1), shown);
    QCOMPARE(heading(0), red);
    QCOMPARE(heading(1), green);
}

void TestForm1Events::firstMoveSelectsFirstRow_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("firstRow");

    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_Down, "Down"}, {Qt::Key_Up, "Up"}, {Qt::Key_Home, "Home"}};
    for (const auto& [key, name] : keys) {
        QTest::addRow("Human units, %s", name) << "List3(0)" << int(key) << "Peasant";
        QTest::addRow("Force B, %s", name) << "List1(1)" << int(key) << "Knight";
    }
}

void TestForm1Events::firstMoveSelectsFirstRow()
{
    QFETCH(QString, list);
    QFETCH(int, key);
    QFETCH(QString, firstRow);

    for (int row : {4, 2}) { // Knight, Footman
        units(0)->setCurrentRow(row);
        add(1);
    }
    units(0)->clearSelection();

    // Reach the list with the keyboard, as a user does, and take the first step.
    auto* target = control<ListBox>(list);
    control(QStringLiteral("List1(0)"))->setFocus();
    for (int step = 0; step < 4 && QApplication::focusWidget() != target; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(target->ListIndex(), qint16(0));
    QCOMPARE(target->List(target->ListIndex()), firstRow);

    QTest::keyClick(target, Qt::Key_Down);
    QCOMPARE(target->ListIndex(), qint16(1));
}

void TestForm1Events::otherEventsChangeNothing()
{
    units(0)->setCurrentRow(2);
    add(0);
    const QStringList before0 = totals(0);
    const QStringList before1 = totals(1);

    // Force B was never touched: its stored totals still read from the design.
    force(1)->AddItem(QStringLiteral("Knight"));

    QTest::mouseClick(control(QStringLiteral("Command1")), Qt::LeftButton);
    for (int race : {1, 2, 3, 0})
        bringToFront(race);
    QTest::keyClick(units(0), Qt::Key_Down);
    QTest::keyClick(units(0), Qt::Key_Delete);
    QTest::keyClick(units(0), Qt::Key_End);
    const QRect first = force(0)->visualItemRect(force(0)->item(0));
    QTest::mouseClick(force(0)->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(force(0)->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(units(0)->viewport(), Qt::LeftButton, {},
                       units(0)->visualItemRect(units(0)->item(1)).center());

    QCOMPARE(totals(0), before0);
    QCOMPARE(totals(1), before1);
    QCOMPARE(entries(0), QStringList{"Footman"});
    QCOMPARE(heading(0), green);
    QCOMPARE(heading(1), red);
    QCOMPARE(units(0)->ListCount(), qint16(16));
}

void TestForm1Events::farewellText()
{
    const QByteArray expected =
        "Gracias por usar el ZORVAN CALCULATOR 0.1a, pr\xC3\xB3ximas mejoras son: \n"
        "\n"
        "   - Tipos de Armadura\n"
        "   - Tiempo de Implementacion\n"
        "   - Upgrades\n"
        "   - Unidades Neutrales\n"
        "   - Analisis Avanzado, Calculos inteligentes y mas...\n"
        "\n"
        "Agradezco comentarios, criticas y bug reports a zorvan@example.org.\n"
        "Agradezco a Fennoquill por la tabla de CV !";
    const QString text = Form1::farewellText();
    QCOMPARE(text.toUtf8(), expected);
}

void TestForm1Events::closingShowsFarewellOnce_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("close()") << "close";
    QTest::newRow("window system close request") << "window";
    QTest::newRow("close() twice") << "close twice";
    QTest::newRow("two close events") << "two events";
    QTest::newRow("session end") << "session";
    QTest::newRow("session end after close()") << "close, session";
    QTest::newRow("session end without leave to talk, then close()") << "quiet session, close";
}

void TestForm1Events::closingShowsFarewellOnce()
{
    QFETCH(QString, how);

    // Even an answer other than OK cannot keep the window open.
    MessageBox::setTestAnswer(MessageBox::Cancel);
    if (how == QLatin1String("window")) {
        QVERIFY(form->windowHandle()->close());
    } else if (how == QLatin1String("two events")) {
        // As when the window manager and the session both ask.
        for (int i = 0; i < 2; ++i) {
            QCloseEvent request;
            QApplication::sendEvent(form.get(), &request);
            QVERIFY(request.isAccepted());
        }
        form->hide();
    } else if (how == QLatin1String("session")) {
        QVERIFY(form->endSession(true));
    } else if (how == QLatin1String("close, session")) {
        QVERIFY(form->close());
        form->endSession(true);
    } else if (how == QLatin1String("quiet session, close")) {
        QVERIFY(!form->endSession(false));
        QVERIFY(form->isVisible());
        QVERIFY(MessageBox::testRecord().isEmpty());
        QVERIFY(form->close());
    } else {
        QVERIFY(form->close());
        if (how == QLatin1String("close twice"))
            QVERIFY(form->close());
    }
    QVERIFY(!form->isVisible());
    QCOMPARE(MessageBox::testRecord().size(), 1);
    const MessageBox::Shown& shown = MessageBox::testRecord().constFirst();
    QCOMPARE(shown.prompt, Form1::farewellText());
    QCOMPARE(shown.style, 64);
    QCOMPARE(shown.title, QStringLiteral("Zorvan Calculator v0.1a"));
}

QTEST_MAIN(TestForm1Events)
#include "tst_form1events.moc"
