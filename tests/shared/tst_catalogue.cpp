#include "catalogue.h"
#include "expectedunits.h"
#include "listbox.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(StatLine)

namespace {

// Four race lists holding the names the window is designed with.
struct DesignLists {
    DesignLists()
    {
        for (int race = 0; race < raceCount; ++race) {
            lists[race] = std::make_unique<ListBox>();
            for (const QString& name : unitNamesOf(race))
                lists[race]->AddItem(name);
        }
    }

    RaceLists view() const
    {
        return {lists[0].get(), lists[1].get(), lists[2].get(), lists[3].get()};
    }

    std::array<std::unique_ptr<ListBox>, raceCount> lists;
};

std::unique_ptr<Catalogue> builtCatalogue()
{
    DesignLists design;
    auto catalogue = std::make_unique<Catalogue>();
    catalogue->buildcatalogue(design.view());
    return catalogue;
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT

private slots:
    void emptyBeforeBuild();
    void unitsPerRace_data();
    void unitsPerRace();
    void wholeTable_data();
    void wholeTable();
    void unoccupiedSlotsAreEmpty();
    void unusualUnits_data();
    void unusualUnits();
    void namesReadFromTheLists();
    void lookupIsExact_data();
    void lookupIsExact();
};

void TestCatalogue::emptyBeforeBuild()
{
    const Catalogue catalogue;
    for (int race = 0; race < raceCount; ++race) {
        for (int slot = 0; slot < slotCount; ++slot) {
            QVERIFY(catalogue.unitnames[race][slot].isEmpty());
            QCOMPARE(catalogue.unitstats[race][slot], StatLine{});
        }
    }
    QCOMPARE(catalogue.statsFor(u"Footman"), nullptr);
}

void TestCatalogue::unitsPerRace_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("units");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");

    QTest::newRow("Human") << 0 << 16 << "Peasant"
                           << "Phoenix";
    QTest::newRow("Orc") << 1 << 17 << "Peon"
                         << "Serpent Ward";
    QTest::newRow("Undead") << 2 << 18 << "Acolyte"
                            << "Destroyer";
    QTest::newRow("Night elf") << 3 << 16 << "Archer"
                               << "Vengeance";
}

void TestCatalogue::unitsPerRace()
{
    QFETCH(int, race);
    QFETCH(int, units);
    QFETCH(QString, first);
    QFETCH(QString, last);

    const auto catalogue = builtCatalogue();
    const auto& names = catalogue->unitnames[race];
    const auto occupied = std::count_if(names.begin(), names.end(),
                                        [](const QString& name) { return !name.isEmpty(); });
    QCOMPARE(int(occupied), units);
    QCOMPARE(names[0], first);
    QCOMPARE(names[units - 1], last);
    QCOMPARE(unitNamesOf(race).size(), units);
}

void TestCatalogue::wholeTable_data()
{
    QTest::addColumn<int>("race");
    QTest::newRow("Human") << 0;
    QTest::newRow("Orc") << 1;
    QTest::newRow("Undead") << 2;
    QTest::newRow("Night elf") << 3;
}

void TestCatalogue::wholeTable()
{
    QFETCH(int, race);

    const auto catalogue = builtCatalogue();
    QStringList names;
    for (const ExpectedUnit& unit : expectedUnits[race])
        names.append(QString::fromLatin1(unit.name));
    QCOMPARE(unitNamesOf(race), names);
    for (int slot = 0; slot < names.size(); ++slot) {
        const ExpectedUnit& unit = expectedUnits[race][slot];
        QCOMPARE(catalogue->unitnames[race][slot], names[slot]);
        QCOMPARE(catalogue->unitstats[race][slot],
                 (StatLine{unit.food, unit.gold, unit.lumber, unit.cv}));
    }
}

void TestCatalogue::unoccupiedSlotsAreEmpty()
{
    const auto catalogue = builtCatalogue();
    const int firstFree[raceCount] = {16, 17, 18, 16};
    for (int race = 0; race < raceCount; ++race) {
        for (int slot = firstFree[race]; slot < slotCount; ++slot) {
            QVERIFY(catalogue->unitnames[race][slot].isEmpty());
            QCOMPARE(catalogue->unitstats[race][slot], StatLine{});
        }
    }
    // The empty text therefore adds nothing.
    const StatLine* empty = catalogue->statsFor(QStringView());
    QVERIFY(!empty || *empty == StatLine{});
}

void TestCatalogue::unusualUnits_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("name");
    QTest::addColumn<StatLine>("stats"); // food, gold, lumber, CV

    QTest::newRow("Water Elemental 1") << 0 << 12 << "Water Elemental 1" << StatLine{0, 0, 1, 8750};
    QTest::newRow("Water Elemental 2")
        << 0 << 13 << "Water Elemental 2" << StatLine{0, 0, 1, 16695};
    QTest::newRow("Water Elemental 3")
        << 0 << 14 << "Water Elemental 3" << StatLine{0, 0, 1, 30239};
    QTest::newRow("Phoenix") << 0 << 15 << "Phoenix" << StatLine{0, 0, 1, 64357};
    QTest::newRow("Griphon Ryder") << 0 << 10 << "Griphon Ryder" << StatLine{4, 280, 70, 18750};
    QTest::newRow("Troll Berseker") << 1 << 3 << "Troll Berseker" << StatLine{2, 135, 20, 4808};
    QTest::newRow("Spirit Wolf") << 1 << 13 << "Spirit Wolf" << StatLine{0, 0, 0, 2300};
    QTest::newRow("Shade") << 2 << 9 << "Shade" << StatLine{1, 0, 0, 0};
    QTest::newRow("Infernal") << 2 << 12 << "Infernal" << StatLine{0, 0, 0, 82355};
    QTest::newRow("Carrion Bettle 1") << 2 << 13 << "Carrion Bettle 1" << StatLine{0, 0, 0, 888};
    QTest::newRow("Destroyer") << 2 << 17 << "Destroyer" << StatLine{5, 200, 35, 22319};
    QTest::newRow("Hippogryph Rider") << 3 << 11 << "Hippogryph Rider" << StatLine{4, 0, 0, 11823};
    QTest::newRow("Spirit of Vengeance")
        << 3 << 14 << "Spirit of Vengeance" << StatLine{0, 0, 0, 30363};
}

void TestCatalogue::unusualUnits()
{
    QFETCH(int, race);
    QFETCH(int, slot);
    QFETCH(QString, name);
    QFETCH(StatLine, stats);

    const auto catalogue = builtCatalogue();
    QCOMPARE(catalogue->unitnames[race][slot], name);
    QCOMPARE(catalogue->unitstats[race][slot], stats);
    QVERIFY(catalogue->statsFor(name));
    QCOMPARE(*catalogue->statsFor(name), stats);
}

void TestCatalogue::namesReadFromTheLists()
{
    // Names come from the lists as they stand; the statistics from the fixed table.
    DesignLists design;
    design.lists[0]->RemoveItem(0);
    design.lists[0]->AddItem(QStringLiteral("Extra"));
    design.lists[3]->Clear();

    Catalogue catalogue;
    catalogue.buildcatalogue(design.view());

    QCOMPARE(catalogue.unitnames[0][0], QStringLiteral("Militia"));
    QCOMPARE(catalogue.unitnames[0][15], QStringLiteral("Extra"));
    for (const QString& name : catalogue.unitnames[3])
        QVERIFY(name.isEmpty());
    QCOMPARE(catalogue.unitstats[0][0], (StatLine{1, 75, 0, 605}));
    QCOMPARE(catalogue.unitstats[3][0], (StatLine{2, 130, 10, 2777}));
    // Matching goes by the names read: slot 0 is now "Militia" with the Peasant's figures.
    QCOMPARE(*catalogue.statsFor(u"Militia"), (StatLine{1, 75, 0, 605}));
    QCOMPARE(catalogue.statsFor(u"Peasant"), nullptr);
    QCOMPARE(catalogue.statsFor(u"Archer"), nullptr);
}

void TestCatalogue::lookupIsExact_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");

    QTest::newRow("exact") << "Footman" << true;
    QTest::newRow("lower case") << "footman" << false;
    QTest::newRow("trailing space") << "Footman " << false;
    QTest::newRow("leading space") << " Footman" << false;
    QTest::newRow("corrected spelling") << "Gryphon Rider" << false;
    QTest::newRow("similar name, other race") << "DoC Druid Form" << true;
    QTest::newRow("sibling of the above") << "DoT Druid Form" << true;
    QTest::newRow("prefix of a name") << "Hippogryph" << true;
    QTest::newRow("name with a suffix") << "Hippogryph Riders" << false;
    QTest::newRow("accented") << QString::fromUtf8("Peas\xC3\xA1nt") << false;
}

void TestCatalogue::lookupIsExact()
{
    QFETCH(QString, text);
    QFETCH(bool, found);

    const auto catalogue = builtCatalogue();
    const StatLine* stats = catalogue->statsFor(text);
    QCOMPARE(stats != nullptr, found);
    for (const auto& race : expectedUnits) {
        for (const ExpectedUnit& unit : race) {
            if (text == QLatin1String(unit.name))
                QCOMPARE(*stats, (StatLine{unit.food, unit.gold, unit.lumber, unit.cv}));
        }
    }
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
