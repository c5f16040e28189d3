#include "form1.h"

#include "fonts.h"
#include "form1design.h"
#include "identity.h"
#include "label.h"
#include "listbox.h"
#include "shape.h"
#include "tabcontainer.h"

#include <QGroupBox>
#include <QHash>
#include <QPushButton>
#include <QTabBar>

#include <algorithm>
#include <map>

namespace {

using design::ControlDesign;

QString objectNameOf(const ControlDesign& control) {
    const QString name = QString::fromLatin1(control.name.data(), control.name.size());
    return control.index == design::noIndex ? name
                                            : QStringLiteral("%1(%2)").arg(name).arg(control.index);
}

QString textOf(std::string_view text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QRect pixels(const ControlDesign& control) {
    constexpr int px = design::twipsPerPixel;
    return {control.left / px, control.top / px, control.width / px, control.height / px};
}

Qt::Alignment alignmentOf(design::Align align) {
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

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint)
    , module1(std::make_unique<Module1>()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(textOf(design::formCaption));
    setWindowIcon(applicationIcon());
    setFixedSize(design::clientWidth / design::twipsPerPixel,
                 design::clientHeight / design::twipsPerPixel);

    registerFontSubstitutes();
    setFont(windowFont());
    createControls();
    setTabOrder();
    forces.List1[0]->setFocus();
}

Form1::~Form1() = default;

void Form1::createControls() {
    QHash<QString, QWidget*> created;

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
            Frame1 = new QGroupBox(container);
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
        if (control.face != design::Face::Default)
            widget->setFont(fontFor(control.face, font()));
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
        for (const auto& [label, stat] : totals)
            label->setAccessibleDescription(
                QStringLiteral("%1 total %2").arg(forceNames[force], QLatin1StringView(stat)));
    }
    find(forces.forcea, QStringLiteral("forcea"));
    find(forces.forceb, QStringLiteral("forceb"));
    find(Command1, QStringLiteral("Command1"));
    Command1->setEnabled(false);
}

void Form1::setTabOrder() {
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
