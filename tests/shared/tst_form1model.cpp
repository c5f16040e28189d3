#include "expectedunits.h"
#include "form1.h"
#include "label.h"
#include "listbox.h"
#include "messagebox.h"
#include "tabcontainer.h"

#include <QApplication>
#include <QHash>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTest>

#include <memory>
#include <optional>

// Drives the real window with random events and checks it, after every event,
// against a small model of what the program must do.

namespace {

constexpr int forces = 2;
constexpr int races = 4;
constexpr int maxEntries = 32767;

using Sums = std::array<qint64, 4>; // food, lumber, gold, CV

struct Model {
    Model()
    {
        for (int race = 0; race < races; ++race) {
            for (const ExpectedUnit& unit : expectedUnits[race]) {
                names[race].append(QString::fromLatin1(unit.name));
                stats.insert(names[race].last(), {unit.food, unit.lumber, unit.gold, unit.cv});
            }
        }
        for (auto& shown : labels)
            shown = {"0", "0", "0", "0"};
    }

    // The three updates after force i's list was touched.
    void update(int i)
    {
        Sums sums{};
        for (const QString& entry : lists[i]) {
            const Sums unit = stats.value(entry);
            for (int k = 0; k < 4; ++k)
                sums[k] += unit[k];
        }
        cv[i] = sums[3];
        for (int k = 0; k < 4; ++k)
            labels[i][k] = QString::number(sums[k]);
        const QRgb green = qRgb(0, 255, 0), red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
        if (cv[0] == cv[1])
            colours = {{blue, blue}};
        else
            colours =
                cv[0] > cv[1] ? std::array<QRgb, 2>{green, red} : std::array<QRgb, 2>{red, green};
    }

    std::array<QStringList, races> names;
    QHash<QString, Sums> stats;

    std::array<QStringList, forces> lists;
    std::array<int, forces> selected{-1, -1};
    std::array<int, races> unitSelected{-1, -1, -1, -1};
    int tab = 0;
    std::array<qint64, forces> cv{};
    std::array<QStringList, forces> labels;
    std::optional<std::array<QRgb, 2>> colours; // the design colour until the first update
};

} // namespace

class TestForm1Model : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomEvents_data();
    void randomEvents();

private:
    quint32 baseSeed = 0;
};

void TestForm1Model::initTestCase()
{
    MessageBox::setTestAnswer(MessageBox::Ok);
    // Set ZORVAN_TEST_SEED to replay a failure.
    bool given = false;
    baseSeed = qEnvironmentVariableIntValue("ZORVAN_TEST_SEED", &given);
    if (!given)
        baseSeed = QRandomGenerator::global()->generate();
    qInfo("ZORVAN_TEST_SEED=%u", baseSeed);
}

void TestForm1Model::cleanupTestCase()
{
    MessageBox::setTestAnswer(std::nullopt);
}

void TestForm1Model::randomEvents_data()
{
    QTest::addColumn<int>("run");
    QTest::addColumn<int>("events");
    QTest::addColumn<int>("prefill"); // entries put into Force A before the run, near the limit

    for (int run = 0; run < 20; ++run)
        QTest::addRow("run %d", run) << run << 500 << 0;
    QTest::newRow("Force A near full") << 20 << 300 << maxEntries - 10;
    QTest::newRow("Force A one short of full") << 21 << 150 << maxEntries - 1;
}

void TestForm1Model::randomEvents()
{
    QFETCH(int, run);
    QFETCH(int, events);
    QFETCH(int, prefill);

    const quint32 seed = baseSeed + quint32(run);
    QRandomGenerator random(seed);
    Model model;
    Form1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));

    const auto find = [&form]<typename T = QWidget>(const QString& name)
    {
        return form.findChild<T*>(name);
    };
    std::array<ListBox*, forces> forceLists{};
    std::array<Label*, forces> headings{find.operator()<Label>("forcea"),
                                        find.operator()<Label>("forceb")};
    std::array<std::array<QLabel*, 4>, forces> totals{};
    std::array<ListBox*, races> unitLists{};
    std::array<QWidget*, forces> addButtons{}, clearButtons{};
    for (int i = 0; i < forces; ++i) {
        forceLists[i] = find.operator()<ListBox>(QStringLiteral("List1(%1)").arg(i));
        addButtons[i] = find(QStringLiteral("Command2(%1)").arg(i));
        clearButtons[i] = find(QStringLiteral("Command3(%1)").arg(i));
        int k = 0;
        for (const char* total : {"totalfood", "totallumber", "totalgold", "totalcv"})
            totals[i][k++] =
                find.operator()<QLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(total)).arg(i));
    }
    for (int race = 0; race < races; ++race)
        unitLists[race] = find.operator()<ListBox>(QStringLiteral("List3(%1)").arg(race));
    QTabBar* tabBar = find.operator()<TabContainer>(QStringLiteral("SSTab1"))->tabBar();
    const QColor designColour = headings[0]->foreColor();

    // Entries put in without the handlers: nothing is recalculated until the list is touched.
    for (int row = 0; row < prefill; ++row) {
        const QString name = model.names[row % races].value(row % 16);
        forceLists[0]->AddItem(name);
        model.lists[0].append(name);
    }

    const auto check = [&]() -> QString {
        for (int i = 0; i < forces; ++i) {
            const ListBox& list = *forceLists[i];
            if (list.ListCount() != model.lists[i].size())
                return QStringLiteral("force %1 holds %2 entries, expected %3")
                    .arg(i)
                    .arg(list.ListCount())
                    .arg(model.lists[i].size());
            for (qint16 row = 0; row < list.ListCount(); ++row) {
                if (list.List(row) != model.lists[i][row])
                    return QStringLiteral("force %1 row %2 is '%3', expected '%4'")
                        .arg(i)
                        .arg(row)
                        .arg(list.List(row), model.lists[i][row]);
            }
            if (list.ListIndex() != model.selected[i])
                return QStringLiteral("force %1 selects row %2, expected %3")
                    .arg(i)
                    .arg(list.ListIndex())
                    .arg(model.selected[i]);
            for (int k = 0; k < 4; ++k) {
                if (totals[i][k]->text() != model.labels[i][k])
                    return QStringLiteral("force %1 total %2 shows %3, expected %4")
                        .arg(i)
                        .arg(k)
                        .arg(totals[i][k]->text(), model.labels[i][k]);
            }
            const QColor expected = model.colours ? QColor((*model.colours)[i]) : designColour;
            if (headings[i]->foreColor() != expected)
                return QStringLiteral("heading %1 is %2, expected %3")
                    .arg(i)
                    .arg(headings[i]->foreColor().name(), expected.name());
        }
        return {};
    };

    const std::array<Qt::Key, 9> otherKeys{Qt::Key_Down, Qt::Key_Up,       Qt::Key_Home,
                                           Qt::Key_End,  Qt::Key_PageDown, Qt::Key_A,
                                           Qt::Key_F,    Qt::Key_Escape,   Qt::Key_Return};
    const std::array<Qt::KeyboardModifiers, 3> modifiers{Qt::NoModifier, Qt::ShiftModifier,
                                                         Qt::ControlModifier};
    // Near the limit, Add often and never Clear, so that the list fills up and stays full.
    const int addWeight = prefill > 0 ? 43 : 20;
    const int clearWeight = prefill > 0 ? 0 : 3;
    int refusedAdds = 0;

    for (int event = 0; event < events; ++event) {
        QString what;
        // Near the limit most events go to Force A, the force being filled.
        const int i = prefill > 0 ? int(random.bounded(4) == 0) : random.bounded(forces);
        const int roll = random.bounded(100);
        if (roll < 14) {
            const int race = random.bounded(races);
            const int row = random.bounded(-1, int(model.names[race].size()));
            what = QStringLiteral("select unit row %1 of race %2").arg(row).arg(race);
            if (row < 0)
                unitLists[race]->clearSelection();
            else
                unitLists[race]->setCurrentRow(row);
            model.unitSelected[race] = row;
        } else if (roll < 20) {
            const int race = random.bounded(races);
            what = QStringLiteral("bring tab %1 to the front").arg(race);
            QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(race).center());
            model.tab = race;
        } else if (roll < 20 + addWeight) {
            what = QStringLiteral("Add to force %1").arg(i);
            QTest::mouseClick(addButtons[i], Qt::LeftButton);
            const int row = model.unitSelected[model.tab];
            if (model.lists[i].size() < maxEntries)
                model.lists[i].append(row < 0 ? QString() : model.names[model.tab][row]);
            else
                ++refusedAdds;
            model.update(i);
        } else if (roll < 20 + addWeight + clearWeight) {
            what = QStringLiteral("Clear force %1").arg(i);
            QTest::mouseClick(clearButtons[i], Qt::LeftButton);
            model.lists[i].clear();
            model.selected[i] = -1;
            model.update(i);
        } else if (roll < 42 + addWeight + clearWeight) {
            const int size = int(model.lists[i].size());
            const int row = size == 0 || random.bounded(5) == 0 ? -1 : random.bounded(size);
            what = QStringLiteral("select entry %1 of force %2").arg(row).arg(i);
            if (row < 0)
                forceLists[i]->clearSelection();
            else
                forceLists[i]->setCurrentRow(row);
            model.selected[i] = row;
        } else if (roll < 62 + addWeight + clearWeight) {
            const Qt::KeyboardModifiers shift = modifiers[random.bounded(int(modifiers.size()))];
            what = QStringLiteral("Delete in force %1 (modifiers %2)").arg(i).arg(int(shift));
            QTest::keyClick(forceLists[i], Qt::Key_Delete, shift);
            if (model.selected[i] >= 0)
                model.lists[i].removeAt(model.selected[i]);
            model.selected[i] = -1;
            model.update(i);
        } else {
            const Qt::Key key = otherKeys[random.bounded(int(otherKeys.size()))];
            what = QStringLiteral("key %1 in force %2").arg(int(key), 0, 16).arg(i);
            QTest::keyClick(forceLists[i], key);
            // The list moves its own selection; that is the list's business, not the program's.
            model.selected[i] = forceLists[i]->ListIndex();
            model.update(i);
        }

        const QString mismatch = check();
        QVERIFY2(
            mismatch.isEmpty(),
            qPrintable(QStringLiteral("seed %1 (ZORVAN_TEST_SEED=%2, run %3), event %4: %5: %6")
                           .arg(seed)
                           .arg(baseSeed)
                           .arg(run)
                           .arg(event)
                           .arg(what, mismatch)));
    }
    if (prefill > 0)
        QVERIFY2(refusedAdds > 0, "the run never reached the limit");
}

QTEST_MAIN(TestForm1Model)
#include "tst_form1model.moc"
