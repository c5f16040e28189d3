#include "form1.h"
#include "identity.h"
#include "places.h"
#include "qtapplication.h"
#include "qtform.h"
#include "qtlabel.h"
#include "qtlistbox.h"
#include "qttabcontainer.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHash>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

using toolkit::qt::QtLabel;
using toolkit::qt::QtListBox;
using toolkit::qt::QtTabContainer;

namespace {

QString text(toolkit::Text text)
{
    return QStringView(text).toString();
}

// What a control looks like; where it sits comes from the table of places
// every platform shares.
void addControl(const char* name, const char* container, const char* kind, const char* caption,
                const char* family, double points, int weight, const char* alignment, bool redText)
{
    const toolkit::PixelRect place = placeOf(name).pixels();
    const QRect geometry(place.left, place.top, place.width, place.height);
    QTest::newRow(name) << QString::fromLatin1(container) << QString::fromLatin1(kind) << geometry
                        << QString::fromLatin1(caption) << QString::fromLatin1(family) << points
                        << weight << QString::fromLatin1(alignment) << redText;
}

// The face a design font is drawn in on the machine at hand: the design's own
// face where it is installed, else the first installed of its stand-ins, best
// first. Machines differ: one may carry the design's faces themselves.
QString installedFace(const QString& design)
{
    static const QHash<QString, QStringList> standIns{
        {"Book Antiqua", {"TeX Gyre Pagella", "P052", "Palatino", "DejaVu Serif"}},
        {"MS Sans Serif", {"Liberation Sans", "Nimbus Sans", "DejaVu Sans"}},
        {"Fixedsys", {"DejaVu Sans Mono", "Liberation Mono", "Nimbus Mono PS"}}};
    QStringList installed;
    for (const QString& family : QFontDatabase::families())
        installed.append(family.section(QStringLiteral(" ["), 0, 0)); // less any foundry
    for (const QString& face : QStringList{design} + standIns.value(design)) {
        if (installed.contains(face, Qt::CaseInsensitive))
            return face;
    }
    return QStringLiteral("(none of %1 and its stand-ins installed)").arg(design);
}

constexpr QPalette::ColorGroup colourGroups[] = {QPalette::Active, QPalette::Inactive,
                                                 QPalette::Disabled};

QString focusName(const QWidget* widget)
{
    if (!widget)
        return QStringLiteral("(none)");
    // The tab container takes the focus through its tab strip.
    if (qobject_cast<const QTabBar*>(widget))
        return widget->parentWidget()->objectName();
    return widget->objectName();
}

// The contrast ratio of two colours, as accessibility guidelines define it.
double contrast(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb rgb) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) +
               0.0722 * linear(qBlue(rgb));
    };
    const double first = luminance(a), second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// How a control's picture changed: the number of pixels that differ, and the
// largest contrast between a pixel's old and new colour.
std::pair<int, double> change(const QImage& before, const QImage& after)
{
    int differing = 0;
    double largest = 1;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x) {
            const QRgb old = before.pixel(x, y), now = after.pixel(x, y);
            if (old != now) {
                ++differing;
                largest = std::max(largest, contrast(old, now));
            }
        }
    }
    return {differing, largest};
}

} // namespace

class TestForm1Layout : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void window();
    void controls_data();
    void controls();
    void everyControlNamedOnce();
    void unitLists_data();
    void unitLists();
    void tabPages_data();
    void tabPages();
    void selectionsKeptAcrossTabs();
    void focusShown_data();
    void focusShown();
    void initialState();
    void fontStandIns_data();
    void fontStandIns();
    void totalsShownWhole_data();
    void totalsShownWhole();
    void textsFitTheirBoxes();

private:
    template <typename T = QWidget> T* control(const QString& name) const
    {
        T* widget = formWidget->findChild<T*>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }
    QtTabContainer* tabs() const { return control<QtTabContainer>(QStringLiteral("SSTab1")); }

    std::unique_ptr<Form1> form;
    QWidget* formWidget = nullptr;
};

void TestForm1Layout::init()
{
    form = std::make_unique<Form1>();
    formWidget = toolkit::qt::widgetOf(form->form());
}

void TestForm1Layout::cleanup()
{
    form.reset();
}

void TestForm1Layout::window()
{
    QCOMPARE(formWidget->windowTitle(), QStringLiteral("Zorvan Calculator 0.1a by Kalmerid"));
    QCOMPARE(formWidget->size(), QSize(684, 478));
    QCOMPARE(formWidget->minimumSize(), QSize(684, 478));
    QCOMPARE(formWidget->maximumSize(), QSize(684, 478));
    QVERIFY(!(formWidget->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(formWidget->windowFlags() & Qt::WindowCloseButtonHint);
    const QIcon icon = formWidget->windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));
    // The pixel art: transparent outside the frame, black screen inside it.
    const QImage large = icon.pixmap(QSize(32, 32)).toImage();
    QCOMPARE(large.size(), QSize(32, 32));
    QVERIFY(large.hasAlphaChannel());
    QCOMPARE(qAlpha(large.pixel(0, 31)), 0);
    QVERIFY(large.pixelColor(16, 12).alpha() == 255);
}

void TestForm1Layout::controls_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("family"); // empty: the window's font
    QTest::addColumn<double>("points");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("alignment");
    QTest::addColumn<bool>("redText");

    addControl("SSTab1", "Form1", "toolkit::qt::QtTabContainer", "", "", 0, 0, "", false);
    addControl("Command2(0)", "Form1", "QPushButton", "Add to Force A", "", 0, 0, "", false);
    addControl("Command2(1)", "Form1", "QPushButton", "Add to Force B", "", 0, 0, "", false);
    addControl("Command3(0)", "Form1", "QPushButton", "Clear Force A", "", 0, 0, "", false);
    addControl("Command3(1)", "Form1", "QPushButton", "Clear Force B", "", 0, 0, "", false);
    addControl("Label14", "Form1", "QLabel",
               "Para remover un solo item lo seleccionas y presionas DELETE/SUPRIMIR", "", 0, 0,
               "left", false);
    addControl("Frame1", "Form1", "QFrame", "", "", 0, 0, "", false);
    addControl("List3(0)", "SSTab1:0", "toolkit::qt::QtListBox", "", "Fixedsys", 9, 400, "", false);
    addControl("List3(1)", "SSTab1:1", "toolkit::qt::QtListBox", "", "Fixedsys", 9, 400, "", false);
    addControl("List3(2)", "SSTab1:2", "toolkit::qt::QtListBox", "", "Fixedsys", 9, 400, "", false);
    addControl("List3(3)", "SSTab1:3", "toolkit::qt::QtListBox", "", "Fixedsys", 9, 400, "", false);
    addControl("Shape1(0)", "SSTab1:0", "toolkit::qt::Shape", "", "", 0, 0, "", false);
    addControl("Shape1(1)", "SSTab1:1", "toolkit::qt::Shape", "", "", 0, 0, "", false);
    addControl("Shape1(2)", "SSTab1:2", "toolkit::qt::Shape", "", "", 0, 0, "", false);
    addControl("Shape1(3)", "SSTab1:3", "toolkit::qt::Shape", "", "", 0, 0, "", false);
    addControl("Label13(3)", "SSTab1:0", "QLabel",
               "Aca irian las fotos y los atributos de cada unidad <In progress>", "", 0, 0,
               "centre", false);
    addControl("Label13(2)", "SSTab1:1", "QLabel",
               "Aca irian las fotos y los atributos de cada unidad <In progress>", "", 0, 0,
               "centre", false);
    addControl("Label13(0)", "SSTab1:2", "QLabel",
               "Aca irian las fotos y los atributos de cada unidad <In progress>", "", 0, 0,
               "centre", false);
    addControl("Label13(1)", "SSTab1:3", "QLabel",
               "Aca irian las fotos y los atributos de cada unidad <In progress>", "", 0, 0,
               "centre", false);
    addControl("forcea", "Frame1", "QLabel", "Force A", "MS Sans Serif", 13.5, 700, "centre",
               false);
    addControl("List1(0)", "Frame1", "toolkit::qt::QtListBox", "", "", 0, 0, "", false);
    addControl("Label2", "Frame1", "QLabel", "Total Gold: ", "Book Antiqua", 9.75, 700, "left",
               false);
    addControl("totalgold(0)", "Frame1", "QLabel", "0", "Book Antiqua", 11.25, 700, "right", false);
    addControl("Label3", "Frame1", "QLabel", "Total Lumber:", "Book Antiqua", 9.75, 700, "left",
               false);
    addControl("totallumber(0)", "Frame1", "QLabel", "0", "Book Antiqua", 11.25, 700, "right",
               false);
    addControl("Label4", "Frame1", "QLabel", "Total Food:", "Book Antiqua", 9.75, 700, "left",
               false);
    addControl("totalfood(0)", "Frame1", "QLabel", "0", "Book Antiqua", 11.25, 700, "right", false);
    addControl("Label11", "Frame1", "QLabel", "Total CV:", "Book Antiqua", 9.75, 700, "left",
               false);
    addControl("totalcv(0)", "Frame1", "QLabel", "0", "Book Antiqua", 11.25, 700, "right", false);
    addControl("Label9", "Frame1", "QLabel", "Total Time: WIP", "Book Antiqua", 9.75, 700, "left",
               true);
    addControl("forceb", "Frame1", "QLabel", "Force B", "MS Sans Serif", 13.5, 700, "centre",
               false);
    addControl("List1(1)", "Frame1", "toolkit::qt::QtListBox", "", "", 0, 0, "", false);
    addControl("Label6", "Frame1", "QLabel", "Total Gold: ", "Book Antiqua", 9.75, 700, "left",
               false);
    addControl("totalgold(1)", "Frame1", "QLabel", "0", "Book Antiqua", 11.25, 700, "right", false);
    addControl("Label7", "Frame1", "QLabel", "Total Lumber:", "Book Antiqua", 9.75, 700, "left",
               false);
    addControl("totallumber(1)", "Frame1", "QLabel", "0", "Book Antiqua", 11.25, 700, "right",
               false);
    addControl("Label8", "Frame1", "QLabel", "Total Food:", "Book Antiqua", 9.75, 700, "left",
               false);
    addControl("totalfood(1)", "Frame1", "QLabel", "0", "Book Antiqua", 11.25, 700, "right", false);
    addControl("Label12", "Frame1", "QLabel", "Total CV:", "Book Antiqua", 9.75, 700, "left",
               false);
    addControl("totalcv(1)", "Frame1", "QLabel", "0", "Book Antiqua", 11.25, 700, "right", false);
    addControl("Label10", "Frame1", "QLabel", "Total Time: WIP", "Book Antiqua", 9.75, 700, "left",
               true);
    addControl("Command1", "Frame1", "QPushButton", "Details... (WIP)", "", 0, 0, "", false);
}

void TestForm1Layout::controls()
{
    QFETCH(QString, container);
    QFETCH(QString, kind);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(int, weight);
    QFETCH(QString, alignment);
    QFETCH(bool, redText);

    QWidget* widget = control(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY2(widget->inherits(qPrintable(kind)), widget->metaObject()->className());

    // Left and Top count from the container: the window, the tab container's
    // outer corner (tab strip included) or the frame.
    QWidget* expectedParent = nullptr;
    QWidget* origin = nullptr;
    if (container.startsWith(QLatin1String("SSTab1:"))) {
        const auto tab = static_cast<qint16>(container.mid(7).toInt());
        expectedParent = tabs()->page(tab);
        origin = tabs();
    } else {
        expectedParent = origin = container == QLatin1String("Form1")
                                      ? static_cast<QWidget*>(formWidget)
                                      : control(container);
    }
    QCOMPARE(widget->parentWidget(), expectedParent);
    QCOMPARE(QRect(widget->mapTo(origin, QPoint(0, 0)), widget->size()), geometry);

    if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), caption);
        QVERIFY(label->wordWrap());
        // Text starts at the top of the box and wraps downwards.
        const Qt::Alignment expected = alignment == QLatin1String("centre")  ? Qt::AlignHCenter
                                       : alignment == QLatin1String("right") ? Qt::AlignRight
                                                                             : Qt::AlignLeft;
        QCOMPARE(label->alignment(), expected | Qt::AlignTop);
        QCOMPARE(label->frameShape(), QFrame::NoFrame);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    } else if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QCOMPARE(button->text(), caption);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    } else if (kind == QLatin1String("QFrame")) {
        // A border and nothing else: no caption of its own.
        auto* frame = qobject_cast<QFrame*>(widget);
        QCOMPARE(frame->metaObject(), &QFrame::staticMetaObject);
        QVERIFY(frame->frameShape() != QFrame::NoFrame);
        QCOMPARE(frame->focusPolicy(), Qt::NoFocus);
    }

    if (family.isEmpty()) {
        QVERIFY2(!widget->testAttribute(Qt::WA_SetFont), "uses the window's font");
        QCOMPARE(widget->font(), formWidget->font());
    } else {
        QCOMPARE(widget->font().family(), installedFace(family));
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().weight(), QFont::Weight(weight));
        QVERIFY(!widget->font().italic());
    }

    for (const QPalette::ColorGroup group : colourGroups) {
        const QColor text = widget->palette().color(group, QPalette::WindowText);
        if (redText)
            QCOMPARE(text, QColor(255, 0, 0));
        else if (qobject_cast<QLabel*>(widget))
            QCOMPARE(text, formWidget->palette().color(group, QPalette::WindowText));
    }
}

void TestForm1Layout::everyControlNamedOnce()
{
    QStringList names;
    for (const QWidget* widget : formWidget->findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (qobject_cast<QTabBar*>(widget->parentWidget()))
            continue; // the strip's own scroll buttons
        if (!name.isEmpty() && !name.startsWith(QLatin1String("page")) &&
            !name.startsWith(QLatin1String("qt_")) && name != QLatin1String("tabBar"))
            names.append(name);
    }
    names.sort();
    QCOMPARE(names.size(), 42);
    QCOMPARE(names.removeDuplicates(), 0);
}

void TestForm1Layout::unitLists_data()
{
    QTest::addColumn<int>("race");
    QTest::addColumn<int>("count");
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

void TestForm1Layout::unitLists()
{
    QFETCH(int, race);
    QFETCH(int, count);
    QFETCH(QString, first);
    QFETCH(QString, last);

    auto* list = control<QtListBox>(QStringLiteral("List3(%1)").arg(race));
    QCOMPARE(list->ListCount(), qint16(count));
    QCOMPARE(text(list->List(0)), first);
    QCOMPARE(text(list->List(qint16(count - 1))), last);
    QCOMPARE(list->ListIndex(), qint16(-1));
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    for (const QPalette::ColorGroup group : colourGroups) {
        QCOMPARE(list->palette().color(group, QPalette::Base), QColor(0, 0, 0));
        QCOMPARE(list->palette().color(group, QPalette::Text), QColor(0, 255, 0));
    }
    QCOMPARE(tabs()->tabBar()->tabText(race), QString::fromLatin1(QTest::currentDataTag()));
    if (race == 0) {
        // Catalogue order, not alphabetical.
        QCOMPARE(text(list->List(9)), QStringLiteral("Mortar Team"));
        QCOMPARE(text(list->List(10)), QStringLiteral("Griphon Ryder"));
        QCOMPARE(text(list->List(11)), QStringLiteral("DragonHawk Rider"));
    }
}

void TestForm1Layout::tabPages_data()
{
    QTest::addColumn<qint16>("tab");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("Human") << qint16(0) << QStringList{"List3(0)", "Shape1(0)", "Label13(3)"};
    QTest::newRow("Orc") << qint16(1) << QStringList{"List3(1)", "Shape1(1)", "Label13(2)"};
    QTest::newRow("Undead") << qint16(2) << QStringList{"List3(2)", "Shape1(2)", "Label13(0)"};
    QTest::newRow("Night elf") << qint16(3) << QStringList{"List3(3)", "Shape1(3)", "Label13(1)"};
}

void TestForm1Layout::tabPages()
{
    QFETCH(qint16, tab);
    QFETCH(QStringList, shown);

    formWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(formWidget));
    tabs()->tabBar()->setCurrentIndex(tab);
    QCOMPARE(tabs()->Tab(), tab);

    for (const char* name : {"List3", "Shape1", "Label13"}) {
        for (int index = 0; index < 4; ++index) {
            const QString member = QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
            QWidget* widget = control(member);
            const bool expectShown = shown.contains(member);
            QVERIFY2(widget->isVisible() == expectShown, qPrintable(member));
        }
    }
}

void TestForm1Layout::selectionsKeptAcrossTabs()
{
    formWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(formWidget));
    auto* human = control<QtListBox>(QStringLiteral("List3(0)"));
    auto* orc = control<QtListBox>(QStringLiteral("List3(1)"));
    human->setListIndex(2);
    tabs()->setTab(1);
    orc->setListIndex(5);
    tabs()->setTab(3);
    tabs()->setTab(0);
    QCOMPARE(human->ListIndex(), qint16(2));
    QCOMPARE(text(human->List(human->ListIndex())), QStringLiteral("Footman"));
    QCOMPARE(orc->ListIndex(), qint16(5));
    QCOMPARE(human->ListCount(), qint16(16));
    QCOMPARE(orc->ListCount(), qint16(17));
}

void TestForm1Layout::focusShown_data()
{
    QTest::addColumn<int>("step"); // Tab presses from start-up before the one checked
    const char* const chain[] = {"List1(0)",    "List1(1)",    "SSTab1",
                                 "List3(0)",    "Command2(0)", "Command2(1)",
                                 "Command3(0)", "Command3(1)", "List1(0)"};
    for (int step = 0; step + 1 < int(std::size(chain)); ++step)
        QTest::addRow("%s to %s", chain[step], chain[step + 1]) << step;
}

void TestForm1Layout::focusShown()
{
    QFETCH(int, step);

    // The window as it starts, focus on the empty Force A list; nothing selected anywhere.
    formWidget->show();
    QApplication::setActiveWindow(formWidget);
    QVERIFY(QTest::qWaitForWindowActive(formWidget));
    for (int i = 0; i < step; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    QWidget* losing = QApplication::focusWidget();
    QTest::keyClick(losing, Qt::Key_Tab);
    QWidget* gaining = QApplication::focusWidget();
    QVERIFY(gaining && gaining != losing);
    // Each control drawn with the focus and without it, in the same state otherwise.
    const auto picture = [](QWidget* widget) {
        return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage losingAfter = picture(losing), gainingWith = picture(gaining);
    QTest::keyClick(gaining, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), losing);
    const QImage losingWith = picture(losing), gainingAfter = picture(gaining);

    // A mark that shows: some pixels change, at least 3:1 against what they were.
    for (const auto& [widget, with, without] :
         {std::tuple{losing, losingWith, losingAfter}, {gaining, gainingWith, gainingAfter}}) {
        const auto [differing, largest] = change(with, without);

        QVERIFY2(differing > 0,
                 qPrintable(focusName(widget) + QStringLiteral(" looks the same with focus")));
        QVERIFY2(largest >= 3, qPrintable(QStringLiteral("%1: focus mark at %2:1 contrast")
                                              .arg(focusName(widget))
                                              .arg(largest, 0, 'f', 2)));
    }
}

void TestForm1Layout::initialState()
{
    formWidget->show();
    QApplication::setActiveWindow(formWidget);
    QVERIFY(QTest::qWaitForWindowActive(formWidget));

    QCOMPARE(focusName(QApplication::focusWidget()), QStringLiteral("List1(0)"));
    QCOMPARE(tabs()->Tab(), qint16(0));
    for (const char* total : {"totalgold", "totallumber", "totalfood", "totalcv"}) {
        for (int force = 0; force < 2; ++force)
            QCOMPARE(control<QLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(total)).arg(force))
                         ->text(),
                     QStringLiteral("0"));
    }
    for (const char* heading : {"forcea", "forceb"}) {
        auto* label = control<QtLabel>(QString::fromLatin1(heading));
        QVERIFY(!label->testAttribute(Qt::WA_SetPalette));
        QCOMPARE(label->palette().color(QPalette::WindowText),
                 QLabel().palette().color(QPalette::WindowText));
    }
    for (const char* force : {"List1(0)", "List1(1)"}) {
        auto* list = control<QtListBox>(QString::fromLatin1(force));
        QCOMPARE(list->ListCount(), qint16(0));
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    }
    auto* details = control<QPushButton>(QStringLiteral("Command1"));
    QVERIFY(!details->isEnabled());
    QTest::mouseClick(details, Qt::LeftButton);
    QVERIFY(!details->hasFocus());
}

void TestForm1Layout::fontStandIns_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("standIns");
    QTest::addColumn<bool>("fixedPitch");

    const QStringList serif{"Book Antiqua", "TeX Gyre Pagella", "P052"};
    const QStringList sans{"MS Sans Serif", "Nimbus Sans", "Liberation Sans", "DejaVu Sans"};
    QTest::newRow("caption") << "Label2" << serif << false;
    QTest::newRow("total") << "totalcv(1)" << serif << false;
    QTest::newRow("heading") << "forcea" << sans << false;
    QTest::newRow("window") << "Label14" << sans << false;
    QTest::newRow("unit list") << "List3(0)"
                               << QStringList{"Fixedsys", "DejaVu Sans Mono", "Liberation Mono"}
                               << true;
}

void TestForm1Layout::fontStandIns()
{
    QFETCH(QString, name);
    QFETCH(QStringList, standIns);
    QFETCH(bool, fixedPitch);

    // The face drawn is the named one or one of its registered stand-ins,
    // whatever the machine's own font configuration would pick.
    const QFontInfo drawn(control(name)->font());
    const QString family = drawn.family().section(QStringLiteral(" ["), 0, 0); // less any foundry
    QVERIFY2(standIns.contains(family), qPrintable(drawn.family()));
    QCOMPARE(drawn.fixedPitch(), fixedPitch);
}

void TestForm1Layout::totalsShownWhole_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("largest");

    // A full force list, 32,767 entries, of the unit with the most of each:
    // Mountain Giant's gold 425, FrostWyrm's lumber 120, food 7, Infernal's CV 82,355.
    const char* const rows[][4] = {{"Label2", "Label6", "totalgold", "13925975"},
                                   {"Label3", "Label7", "totallumber", "3932040"},
                                   {"Label4", "Label8", "totalfood", "229369"},
                                   {"Label11", "Label12", "totalcv", "2698526285"}};
    for (const auto& [captionA, captionB, total, largest] : rows) {
        QTest::addRow("%s(0)", total) << captionA << QStringLiteral("%1(0)").arg(total) << largest;
        QTest::addRow("%s(1)", total) << captionB << QStringLiteral("%1(1)").arg(total) << largest;
    }
}

void TestForm1Layout::totalsShownWhole()
{
    QFETCH(QString, caption);
    QFETCH(QString, total);
    QFETCH(QString, largest);

    formWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(formWidget));
    auto* label = control<QtLabel>(total);
    auto* captionLabel = control<QLabel>(caption);
    const QRect designBox = label->geometry();
    const QFont designFont = label->font();
    if (const QString faces = qEnvironmentVariable("ZORVAN_TEST_FACE"); !faces.isEmpty())
        QCOMPARE(QFontInfo(designFont).family(), faces);

    label->setCaption(largest.toStdU16String());
    const QFontMetrics metrics(label->font(), label);
    const QRect room = label->contentsRect();
    const int baseline = room.top() + metrics.ascent();
    const QRect ink = metrics.tightBoundingRect(label->text()).translated(0, baseline);
    QVERIFY2(metrics.horizontalAdvance(label->text()) <= room.width(), "every digit shown");
    QVERIFY2(ink.top() >= 0 && ink.bottom() < label->height(), "digits not cut off vertically");
    QVERIFY2(QFontInfo(label->font()).pixelSize() * 3 >= QFontInfo(designFont).pixelSize() * 2,
             "no smaller than two thirds of the design's size");
    const int captionEnd =
        captionLabel->x() +
        QFontMetrics(captionLabel->font(), captionLabel).horizontalAdvance(captionLabel->text());
    const int textLeft = label->x() + room.right() + 1 - metrics.horizontalAdvance(label->text());
    QVERIFY2(captionEnd < textLeft, "the caption's text stays clear");
    QCOMPARE(label->geometry().right(), designBox.right());
    QCOMPARE(label->geometry().top(), designBox.top());

    // A total that fits is shown as designed.
    label->setCaption(u"4355");
    QCOMPARE(label->geometry(), designBox);
    QCOMPARE(label->font(), designFont);
    QCOMPARE(label->contentsRect(), label->rect());
}

void TestForm1Layout::textsFitTheirBoxes()
{
    if (const QByteArray dpi = qgetenv("QT_FONT_DPI"); !dpi.isEmpty())
        QCOMPARE(formWidget->logicalDpiY(), dpi.toInt());
    formWidget->show();
    QVERIFY(QTest::qWaitForWindowExposed(formWidget));

    for (const QLabel* label : formWidget->findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        const QFontMetrics metrics(label->font(), label);
        const QRect needed =
            metrics.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text());
        // The last line may lose the part of its descent that no glyph reaches into.
        const int inkBelowBaseline = qMax(0, metrics.tightBoundingRect(label->text()).bottom());
        const int unusedDescent = metrics.descent() - inkBelowBaseline;
        QVERIFY2(needed.width() <= room.width() && needed.height() - unusedDescent <= room.height(),
                 qPrintable(label->objectName()));
    }
    for (const QPushButton* button : formWidget->findChildren<QPushButton*>()) {
        QVERIFY2(button->sizeHint().width() <= button->width() &&
                     button->sizeHint().height() <= button->height(),
                 qPrintable(button->objectName()));
    }
    // All four tabs in one row above the pages' controls, none of them cut.
    const QTabBar* bar = tabs()->tabBar();
    QVERIFY(bar->sizeHint().width() <= tabs()->width());
    QVERIFY(bar->sizeHint().height() <= 40);

    // Every unit name, in its race's list and in a force list.
    for (qint16 race = 0; race < 4; ++race) {
        tabs()->setTab(race);
        auto* units = control<QtListBox>(QStringLiteral("List3(%1)").arg(race));
        for (QtListBox* list : {units, control<QtListBox>(QStringLiteral("List1(0)")),
                                control<QtListBox>(QStringLiteral("List1(1)"))}) {
            for (qint16 row = 0; row < units->ListCount(); ++row)
                if (list != units)
                    list->AddItem(units->List(row));
            QCoreApplication::processEvents();
            const int margin = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
            const QFontMetrics metrics(list->font(), list);
            for (qint16 row = 0; row < list->ListCount(); ++row)
                QVERIFY2(metrics.horizontalAdvance(text(list->List(row))) + margin <=
                             list->viewport()->width(),
                         qPrintable(text(list->List(row))));
            if (list != units)
                list->Clear();
        }
    }
}

int main(int argc, char** argv)
{
    // The window takes its icon from the application, as the program's does.
    QApplication application(argc, argv);
    toolkit::qt::applyIdentity(application, identity());
    TestForm1Layout test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_form1layout.moc"
