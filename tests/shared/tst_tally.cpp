#include "label.h"
#include "listbox.h"
#include "tally.h"

#include <QTest>

#include <memory>

namespace {

constexpr QRgb green = qRgb(0, 255, 0);
constexpr QRgb red = qRgb(255, 0, 0);
constexpr QRgb blue = qRgb(0, 0, 255);

// The force columns and the race lists the totals work on, without a window.
struct Bench {
    Bench()
    {
        for (int race = 0; race < raceCount; ++race) {
            for (const QString& name : unitNamesOf(race))
                raceLists[race].AddItem(name);
        }
        module->buildcatalogue({&raceLists[0], &raceLists[1], &raceLists[2], &raceLists[3]});
        for (int force = 0; force < forceCount; ++force) {
            controls.List1[force] = &lists[force];
            controls.totalfood[force] = &labels[force][0];
            controls.totallumber[force] = &labels[force][1];
            controls.totalgold[force] = &labels[force][2];
            controls.totalcv[force] = &labels[force][3];
            for (Label& label : labels[force])
                label.setText(QStringLiteral("0"));
        }
        controls.forcea = &headings[0];
        controls.forceb = &headings[1];
    }

    void fill(int force, const QStringList& entries)
    {
        for (const QString& entry : entries)
            lists[force].AddItem(entry);
    }

    // Runs the three updates the way every change to a force list does.
    void update(int force)
    {
        recalcforce(*module, controls, static_cast<qint16>(force));
        showforce(*module, controls, static_cast<qint16>(force));
        colourforces(*module, controls);
    }

    // Food, lumber, gold, CV, as the labels show them.
    QStringList shown(int force) const
    {
        QStringList texts;
        for (const Label& label : labels[force])
            texts.append(label.text());
        return texts;
    }

    QRgb colourA() const { return headings[0].foreColor().rgb(); }
    QRgb colourB() const { return headings[1].foreColor().rgb(); }

    std::array<ListBox, raceCount> raceLists;
    std::array<ListBox, forceCount> lists;
    std::array<std::array<Label, 4>, forceCount> labels;
    std::array<Label, forceCount> headings;
    std::unique_ptr<Module1> module = std::make_unique<Module1>();
    ForceControls controls;
};

QStringList repeated(const QString& name, int times)
{
    QStringList entries;
    entries.reserve(times);
    for (int i = 0; i < times; ++i)
        entries.append(name);
    return entries;
}

} // namespace

class TestTally : public QObject {
    Q_OBJECT

private slots:
    void totalsShown_data();
    void totalsShown();
    void headingColours_data();
    void headingColours();
    void otherForceUntouched();
    void removingOneOfTwoLeavesTheOther();
    void exactAtTheTopOfTheRange_data();
    void exactAtTheTopOfTheRange();
};

void TestTally::totalsShown_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expected"); // food, lumber, gold, CV

    QTest::newRow("no entries") << QStringList{} << QStringList{"0", "0", "0", "0"};
    QTest::newRow("one Footman") << QStringList{"Footman"} << QStringList{"2", "0", "135", "4355"};
    QTest::newRow("Footman three times")
        << repeated("Footman", 3) << QStringList{"6", "0", "405", "13065"};
    QTest::newRow("an empty entry") << QStringList{""} << QStringList{"0", "0", "0", "0"};
    QTest::newRow("empty entries between units")
        << QStringList{"", "Peasant", "", "Peon", ""} << QStringList{"2", "0", "150", "1230"};
    QTest::newRow("text naming no unit")
        << QStringList{"footman", "Footman ", "Gryphon Rider"} << QStringList{"0", "0", "0", "0"};
    QTest::newRow("summoned units raise only CV")
        << QStringList{"Spirit Wolf", "Infernal", "Treant"} << QStringList{"0", "0", "0", "87398"};
    QTest::newRow("elementals and phoenix carry lumber 1")
        << QStringList{"Water Elemental 1", "Water Elemental 2", "Water Elemental 3", "Phoenix"}
        << QStringList{"0", "4", "0", "120041"};
    QTest::newRow("Shade: food only") << QStringList{"Shade"} << QStringList{"1", "0", "0", "0"};
    QTest::newRow("Hippogryph Rider: food and CV")
        << QStringList{"Hippogryph Rider"} << QStringList{"4", "0", "0", "11823"};
    QTest::newRow("one of every race")
        << QStringList{"Knight", "Tauren", "FrostWyrm", "Mountain Giant"}
        << QStringList{"23", "360", "1335", "116937"};
}

void TestTally::totalsShown()
{
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);

    Bench bench;
    bench.fill(0, entries);
    bench.update(0);
    QCOMPARE(bench.shown(0), expected);
    QCOMPARE(QString::number(bench.module->forcefood[0]), expected[0]);
    QCOMPARE(QString::number(bench.module->forcelumber[0]), expected[1]);
    QCOMPARE(QString::number(bench.module->forcegold[0]), expected[2]);
    QCOMPARE(QString::number(bench.module->forcecv[0]), expected[3]);
}

void TestTally::headingColours_data()
{
    QTest::addColumn<QStringList>("forceA");
    QTest::addColumn<QStringList>("forceB");
    QTest::addColumn<QRgb>("colourA");
    QTest::addColumn<QRgb>("colourB");

    QTest::newRow("Peasant against nothing")
        << QStringList{"Peasant"} << QStringList{} << green << red;
    QTest::newRow("Peasant against Peon")
        << QStringList{"Peasant"} << QStringList{"Peon"} << red << green;
    QTest::newRow("both empty") << QStringList{} << QStringList{} << blue << blue;
    QTest::newRow("equal CV from other units")
        << QStringList{"Ballista"} << repeated("Serpent Ward", 10) << blue << blue;
    QTest::newRow("Shade has no CV") << QStringList{"Shade"} << QStringList{} << blue << blue;
    QTest::newRow("only CV counts, not costs")
        << QStringList{"Phoenix"} << QStringList{"Mountain Giant", "Mountain Giant"} << green
        << red;
    // Past 2^24 a running single-precision sum would depend on the order of the entries.
    QTest::newRow("same units in another order")
        << repeated("Infernal", 300) + QStringList{"Peasant"}
        << QStringList{"Peasant"} + repeated("Infernal", 300) << blue << blue;
    QTest::newRow("one CV apart past 2^24")
        << repeated("Infernal", 300) + QStringList{"Peon"}
        << repeated("Infernal", 300) + QStringList{"Peasant"} << green << red;
}

void TestTally::headingColours()
{
    QFETCH(QStringList, forceA);
    QFETCH(QStringList, forceB);
    QFETCH(QRgb, colourA);
    QFETCH(QRgb, colourB);

    Bench bench;
    bench.fill(0, forceA);
    bench.fill(1, forceB);
    bench.update(0);
    bench.update(1);
    QCOMPARE(bench.colourA(), colourA);
    QCOMPARE(bench.colourB(), colourB);
}

void TestTally::otherForceUntouched()
{
    Bench bench;
    bench.fill(0, {"Knight"});
    bench.update(0);
    QCOMPARE(bench.shown(0), (QStringList{"4", "60", "245", "18927"}));

    // Force A's list changes, but only Force B is recalculated: A keeps its
    // stored totals and labels, and the colours compare A's stored CV with B's new one.
    bench.lists[0].Clear();
    bench.fill(1, {"Footman"});
    bench.update(1);
    QCOMPARE(bench.shown(0), (QStringList{"4", "60", "245", "18927"}));
    QCOMPARE(bench.module->forcecv[0], Total(18927));
    QCOMPARE(bench.shown(1), (QStringList{"2", "0", "135", "4355"}));
    QCOMPARE(bench.colourA(), green);
    QCOMPARE(bench.colourB(), red);

    bench.update(0);
    QCOMPARE(bench.shown(0), (QStringList{"0", "0", "0", "0"}));
    QCOMPARE(bench.colourA(), red);
    QCOMPARE(bench.colourB(), green);
}

void TestTally::removingOneOfTwoLeavesTheOther()
{
    Bench bench;
    bench.fill(0, {"Grunt", "Peon", "Grunt"});
    bench.update(0);
    QCOMPARE(bench.shown(0), (QStringList{"7", "0", "475", "18711"}));
    bench.lists[0].RemoveItem(0);
    bench.update(0);
    QCOMPARE(bench.shown(0), (QStringList{"4", "0", "275", "9668"}));
}

void TestTally::exactAtTheTopOfTheRange_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("expected");

    // 32767 entries: the most a force list holds.
    QTest::newRow("Infernal, highest CV") << "Infernal" << QStringList{"0", "0", "0", "2698526285"};
    QTest::newRow("Mountain Giant, highest gold")
        << "Mountain Giant" << QStringList{"229369", "3276700", "13925975", "713009920"};
    QTest::newRow("FrostWyrm") << "FrostWyrm"
                               << QStringList{"229369", "3932040", "12615295", "1625505336"};
}

void TestTally::exactAtTheTopOfTheRange()
{
    QFETCH(QString, unit);
    QFETCH(QStringList, expected);

    Bench bench;
    bench.fill(0, repeated(unit, ListBox::MaxCount));
    bench.update(0);
    QCOMPARE(bench.lists[0].ListCount(), ListBox::MaxCount);
    QCOMPARE(bench.shown(0), expected);
}

QTEST_MAIN(TestTally)
#include "tst_tally.moc"
