#include "form1.h"

#include "fonts.h"
#include "form1design.h"
#include "identity.h"
#include "label.h"
#include "listbox.h"
#include "shape.h"
#include "tabcontainer.h"

#include "keycodes.h"
#include "messagebox.h"
#include "sound.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHash>
#include <QPushButton>
#include <QSessionManager>
#include <QTabBar>

#include <algorithm>
#include <map>

namespace {

using design::ControlDesign;
using design::pixels;
using design::textOf;

QString objectNameOf(const ControlDesign& control)
{
    const QString name = QString::fromLatin1(control.name.data(), control.name.size());
    return control.index == design::noIndex ? name
                                            : QStringLiteral("%1(%2)").arg(name).arg(control.index);
}

Qt::Alignment alignmentOf(design::Align align)
{
    // Labels start their text at the top, wrapping downwards inside their box.
    switch (align) {
    case design::Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case design::Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case design::Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

const QString forceNames[forceCount] = {QStringLiteral("Force A"), QStringLiteral("Force B")};

// How far a total may widen leftwards: up to a space short of the end of the
// caption on its line, the nearest left-aligned label to its left.
int spareLeftOf(const Label& total)
{
    const Label* caption = nullptr;
    for (const Label* label :
         total.parentWidget()->findChildren<Label*>(Qt::FindDirectChildrenOnly)) {
        const bool onTheLeft = label->y() == total.y() && label->x() < total.x();
        if (onTheLeft && (label->alignment() & Qt::AlignLeft) &&
            (!caption || label->x() > caption->x()))
            caption = label;
    }
    if (!caption)
        return 0;
    const int captionEnd =
        caption->x() + QFontMetrics(caption->font(), caption).horizontalAdvance(caption->text());
    const int space = QFontMetrics(total.font(), &total).horizontalAdvance(QLatin1Char(' '));
    return total.x() - captionEnd - space;
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , module1(std::make_unique<Module1>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(textOf(design::formCaption));
    // A window of a program that gave itself its icon shows that one; decoding
    // the pixel art again would only make a copy.
    if (QApplication::windowIcon().isNull())
        setWindowIcon(applicationIcon());
    setFixedSize(design::clientWidth / design::twipsPerPixel,
                 design::clientHeight / design::twipsPerPixel);

    registerFontSubstitutes();
    setFont(windowFont(logicalDpiY()));
    createControls();
    setTabOrder();
    forces.List1[0]->setFocus();
    connectEvents();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createControls()
{
    QHash<QString, QWidget*> created;
    // One font per face, shared by the controls drawn in it.
    std::map<design::Face, QFont> faces;

    for (const ControlDesign& control : design::form1Design) {
        QWidget* container = this;
        if (control.container == design::Container::Frame1)
            container = Frame1;
        else if (control.container != design::Container::Client)
            container = SSTab1->page(static_cast<qint16>(control.container));

        const QString caption = textOf(control.caption);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case design::Kind::TabContainer: {
            SSTab1 = new TabContainer(container);
            SSTab1->setGeometry(pixels(control));
            for (const std::string_view tab : design::tabCaptions)
                SSTab1->addPage(textOf(tab));
            SSTab1->tabBar()->setAccessibleName(QStringLiteral("Races"));
            widget = SSTab1;
            break;
        }
        case design::Kind::CommandButton: {
            auto* button = new QPushButton(caption, container);
            button->setAutoDefault(false);
            button->setAccessibleName(caption);
            widget = button;
            break;
        }
        case design::Kind::Label: {
            auto* label = new Label(caption, container);
            label->setWordWrap(true);
            label->setAlignment(alignmentOf(control.align));
            if (control.redText)
                label->setForeColor(255, 0, 0);
            widget = label;
            break;
        }
        case design::Kind::Frame:
            // A plain etched border with no caption. (A group box would be drawn from
            // an image, loading the image plugins just for this.)
            Frame1 = new QFrame(container);
            Frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
            widget = Frame1;
            break;
        case design::Kind::ListBox:
            widget = new ListBox(container);
            break;
        case design::Kind::Shape:
            widget = new Shape(container);
            break;
        }

        widget->setObjectName(objectNameOf(control));
        if (control.kind != design::Kind::TabContainer)
            widget->setGeometry(pixels(control));
        if (control.face != design::Face::Default) {
            auto face = faces.find(control.face);
            if (face == faces.end())
                face =
                    faces.emplace(control.face, fontFor(control.face, font(), logicalDpiY())).first;
            widget->setFont(face->second);
        }
        created.insert(widget->objectName(), widget);
    }

    const auto find = [&created]<typename T>(T*& member, const QString& name) {
        member = qobject_cast<T*>(created.value(name));
        Q_ASSERT(member);
    };
    const auto member = [](const char* name, int index) {
        return QStringLiteral("%1(%2)").arg(QLatin1StringView(name)).arg(index);
    };

    for (int race = 0; race < raceCount; ++race) {
        find(List3[race], member("List3", race));
        find(Shape1[race], member("Shape1", race));
        find(Label13[race], member("Label13", race));

        ListBox* units = List3[race];
        QPalette colours = units->palette();
        colours.setColor(QPalette::Base, Qt::black);
        colours.setColor(QPalette::Text, QColor(0, 255, 0));
        units->setPalette(colours);
        units->addItems(unitNamesOf(race));
        units->setAccessibleName(QStringLiteral("%1 units").arg(textOf(design::tabCaptions[race])));
    }

    for (int force = 0; force < forceCount; ++force) {
        find(Command2[force], member("Command2", force));
        find(Command3[force], member("Command3", force));
        find(forces.List1[force], member("List1", force));
        find(forces.totalfood[force], member("totalfood", force));
        find(forces.totallumber[force], member("totallumber", force));
        find(forces.totalgold[force], member("totalgold", force));
        find(forces.totalcv[force], member("totalcv", force));

        forces.List1[force]->setAccessibleName(forceNames[force] + QStringLiteral(" entries"));
        const std::pair<Label*, const char*> totals[] = {
            {forces.totalfood[force], "food"},
            {forces.totallumber[force], "lumber"},
            {forces.totalgold[force], "gold"},
            {forces.totalcv[force], "CV"},
        };
        for (const auto& [label, stat] : totals) {
            label->setAccessibleDescription(
                QStringLiteral("%1 total %2").arg(forceNames[force], QLatin1StringView(stat)));
            // A force list can hold totals of ten digits, more than the box shows in its font.
            label->keepCaptionsWhole(spareLeftOf(*label));
        }
    }
    find(forces.forcea, QStringLiteral("forcea"));
    find(forces.forceb, QStringLiteral("forceb"));
    find(Command1, QStringLiteral("Command1"));
    Command1->setEnabled(false);
}

void Form1::setTabOrder()
{
    std::map<int, QWidget*> focusable;
    for (const ControlDesign& control : design::form1Design) {
        QWidget* widget = findChild<QWidget*>(objectNameOf(control));
        if (widget == SSTab1)
            widget = SSTab1->tabBar();
        if (control.tabIndex != design::noTabIndex && widget->focusPolicy() != Qt::NoFocus)
            focusable.emplace(control.tabIndex, widget);
    }
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, widget] : focusable) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void Form1::connectEvents()
{
    for (qint16 force = 0; force < forceCount; ++force) {
        connect(Command2[force], &QPushButton::clicked, this,
                [this, force] { Command2_Click(force); });
        connect(Command3[force], &QPushButton::clicked, this,
                [this, force] { Command3_Click(force); });
        // A direct connection: the handler runs before the list handles the key itself.
        connect(forces.List1[force], &ListBox::KeyDown, this,
                [this, force](qint16 keyCode, Qt::KeyboardModifiers shift) {
                    List1_KeyDown(force, keyCode, shift);
                });
    }
    // Ending the desktop session closes the window like any other way of closing it.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!unloaded && endSession(manager.allowsInteraction()))
            manager.release();
    });
}

bool Form1::endSession(bool interactionAllowed)
{
    // The farewell is a message box: without the session's leave to show it, stay quiet.
    if (!interactionAllowed)
        return false;
    close();
    return true;
}

void Form1::Form_Load()
{
    module1->buildcatalogue({List3[0], List3[1], List3[2], List3[3]});
}

void Form1::Command2_Click(qint16 index)
{
    const qint16 race = SSTab1->Tab();
    const ListBox& units = *List3[race];
    // With nothing selected this appends the empty text, which adds nothing.
    const QString text = units.List(units.ListIndex());
    if (!forces.List1[index]->AddItem(text))
        Sound::Beep(); // the list is full
    updateForce(index);
}

void Form1::Command3_Click(qint16 index)
{
    forces.List1[index]->Clear();
    updateForce(index);
}

void Form1::List1_KeyDown(qint16 index, qint16 keyCode, Qt::KeyboardModifiers)
{
    ListBox& list = *forces.List1[index];
    if (keyCode == KeyCode::Delete && list.ListIndex() != -1)
        list.RemoveItem(list.ListIndex());
    updateForce(index);
}

void Form1::updateForce(qint16 index)
{
    recalcforce(*module1, forces, index);
    showforce(*module1, forces, index);
    colourforces(*module1, forces);
}

QString Form1::farewellText()
{
    return QStringLiteral(
        "Gracias por usar el ZORVAN CALCULATOR 0.1a, pr\u00F3ximas mejoras son: \n"
        "\n"
        "   - Tipos de Armadura\n"
        "   - Tiempo de Implementacion\n"
        "   - Upgrades\n"
        "   - Unidades Neutrales\n"
        "   - Analisis Avanzado, Calculos inteligentes y mas...\n"
        "\n"
        "Agradezco comentarios, criticas y bug reports a "
        "zorvan@example.org.\n"
        "Agradezco a Fennoquill por la tabla de CV !");
}

void Form1::Form_Unload(bool&)
{
    MessageBox::MsgBox(this, farewellText(), MessageBox::Information,
                       QStringLiteral("Zorvan Calculator v0.1a"));
}

void Form1::closeEvent(QCloseEvent* event)
{
    // Every way of closing says goodbye once, and none can be refused.
    if (!unloaded) {
        unloaded = true;
        bool cancel = false;
        Form_Unload(cancel);
    }
    event->accept();
}
