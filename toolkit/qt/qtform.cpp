#include "qtform.h"

#include "focusmark.h"
#include "fonts.h"
#include "qtlabel.h"
#include "qtlistbox.h"
#include "qttabcontainer.h"
#include "shape.h"
#include "text.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHash>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabBar>

#include <map>

namespace toolkit {

std::unique_ptr<Form> Form::create(const FormDesign& design)
{
    return std::make_unique<qt::QtForm>(design);
}

namespace qt {

namespace {

QString objectNameOf(std::string_view name, Index index)
{
    return index == noIndex ? toQString(name)
                            : QStringLiteral("%1(%2)").arg(toQString(name)).arg(index);
}

QRect pixels(const ControlDesign& control)
{
    const PixelRect place = pixelsOf(control);
    return {place.left, place.top, place.width, place.height};
}

QColor colourOf(Colour colour)
{
    return {colour.red, colour.green, colour.blue};
}

Qt::Alignment alignmentOf(Align align)
{
    // Labels start their text at the top, wrapping downwards inside their box.
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

// Announcements: screen readers read an object of the notification role
// whenever it shows. It has no size and draws nothing.
class Announcer : public QWidget {
    Q_OBJECT

public:
    explicit Announcer(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(0, 0, 0, 0);
        hide();
    }
};

// Qt gives a window made from a plain QWidget the role of a filler, with no
// title to read, and a plain QFrame that of a window frame: screen readers
// take it for a second window, inactive, and drop the focus moves inside it.
// Here a plain frame only ever groups controls.
QAccessibleInterface* accessibleFor(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String(QtForm::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("QFrame"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}

} // namespace

QtForm::QtForm(const FormDesign& design)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint)
{
    static const bool accessibleRoles = (QAccessible::installFactory(accessibleFor), true);
    Q_UNUSED(accessibleRoles);
    setObjectName(toQString(design.name));
    setWindowTitle(toQString(design.caption));
    setFixedSize(design.clientWidth / twipsPerPixel, design.clientHeight / twipsPerPixel);
    if (design.font)
        setFont(fontFor(*design.font, logicalDpiY()));
    createControls(design);
    setTabOrder(design);
    announcer = new Announcer(this);

    // The session's save requests are left alone: Qt raises commitDataRequest
    // for checkpoints as well as for a logout, and a logout can still be
    // cancelled. Only the end of the session closes the window: the session
    // manager's Die reaches the program as Qt's request to quit, which closes
    // every window, so the farewell is shown then, whether or not the session
    // ever gave leave to interact.
}

void QtForm::createControls(const FormDesign& design)
{
    QHash<QString, QWidget*> containers;
    // One font per face, shared by the controls drawn in it.
    std::map<const FontDesign*, QFont> fonts;
    // The base style's focus mark on buttons and tabs is too faint to find.
    auto* focusMarks = new FocusMarkStyle(QStyleFactory::create(style()->name()));
    focusMarks->setParent(this);

    for (const ControlDesign& control : design.controls) {
        QWidget* container = this;
        if (!control.container.empty()) {
            container = containers.value(toQString(control.container));
            if (auto* tabs = qobject_cast<QtTabContainer*>(container))
                container = tabs->page(control.page);
            Q_ASSERT(container);
        }

        const QString caption = toQString(control.caption);
        const QString name = objectNameOf(control.name, control.index);
        QWidget* widget = nullptr;
        switch (control.kind) {
        case Kind::TabContainer: {
            auto* tabs = new QtTabContainer(container);
            tabs->setGeometry(pixels(control));
            for (const Text tab : control.items)
                tabs->addPage(toQString(tab));
            tabs->tabBar()->setAccessibleName(toQString(control.accessibleName));
            tabs->tabBar()->setStyle(focusMarks);
            addControl(control.name, control.index, static_cast<TabContainer*>(tabs));
            containers.insert(name, tabs);
            widget = tabs;
            break;
        }
        case Kind::CommandButton: {
            auto* button = new QPushButton(caption, container);
            button->setAutoDefault(false);
            button->setAccessibleName(caption);
            if (control.enabled) // a disabled button never takes the focus
                button->setStyle(focusMarks);
            connect(button, &QPushButton::clicked, this,
                    [this, control] { raiseClick(control.name, control.index); });
            widget = button;
            break;
        }
        case Kind::Label: {
            auto* label = new QtLabel(caption, container);
            label->setWordWrap(true);
            label->setAlignment(alignmentOf(control.align));
            if (control.foreColour)
                label->setForeColour(*control.foreColour);
            addControl(control.name, control.index, static_cast<Label*>(label));
            widget = label;
            break;
        }
        case Kind::Frame: {
            // A plain etched border with no caption. (A group box would be drawn from
            // an image, loading the image plugins just for this.)
            auto* frame = new QFrame(container);
            frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
            containers.insert(name, frame);
            widget = frame;
            break;
        }
        case Kind::ListBox: {
            auto* list = new QtListBox(container);
            if (control.backColour || control.foreColour) {
                QPalette colours = list->palette();
                if (control.backColour)
                    colours.setColor(QPalette::Base, colourOf(*control.backColour));
                if (control.foreColour)
                    colours.setColor(QPalette::Text, colourOf(*control.foreColour));
                list->setPalette(colours);
            }
            for (const Text item : control.items)
                list->AddItem(item);
            // A direct call: the handler runs before the list handles the key itself.
            list->keyDown = [this, control](KeyCode keyCode, ShiftState shift) {
                raiseKeyDown(control.name, control.index, keyCode, shift);
            };
            addControl(control.name, control.index, static_cast<ListBox*>(list));
            widget = list;
            break;
        }
        case Kind::Shape:
            widget = new Shape(container);
            break;
        }

        widget->setObjectName(name);
        if (control.kind != Kind::TabContainer)
            widget->setGeometry(pixels(control));
        if (control.font) {
            auto font = fonts.find(control.font);
            if (font == fonts.end())
                font = fonts.emplace(control.font, fontFor(*control.font, logicalDpiY())).first;
            widget->setFont(font->second);
        }
        if (!control.accessibleName.empty() && control.kind != Kind::TabContainer)
            widget->setAccessibleName(toQString(control.accessibleName));
        if (!control.accessibleDescription.empty())
            widget->setAccessibleDescription(toQString(control.accessibleDescription));
        if (!control.enabled)
            widget->setEnabled(false);
    }
}

void QtForm::setTabOrder(const FormDesign& design)
{
    std::map<int, QWidget*> focusable;
    for (const ControlDesign& control : design.controls) {
        QWidget* widget = controlOf(*this, control.name, control.index);
        if (auto* tabs = qobject_cast<QtTabContainer*>(widget))
            widget = tabs->tabBar();
        if (control.tabIndex != noTabIndex && widget->focusPolicy() != Qt::NoFocus)
            focusable.emplace(control.tabIndex, widget);
    }
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, widget] : focusable) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    // The focus starts on the first control in tab order that takes it.
    for (const auto& [tabIndex, widget] : focusable) {
        if (widget->isEnabled()) {
            widget->setFocus();
            break;
        }
    }
}

void QtForm::showWindow()
{
    QWidget::show();
}

bool QtForm::close()
{
    return QWidget::close();
}

bool QtForm::isVisible() const
{
    return QWidget::isVisible();
}

void QtForm::closeEvent(QCloseEvent* event)
{
    // Every way of closing says goodbye once.
    if (raiseUnload())
        event->accept();
    else
        event->ignore();
}

void QtForm::announce(Text text)
{
    // Shown again with its new name: every announcement is read, a repeated one too.
    announcer->hide();
    announcer->setAccessibleName(toQString(text));
    announcer->show();
}

QWidget* widgetOf(const Form& form)
{
    return const_cast<QtForm*>(&dynamic_cast<const QtForm&>(form));
}

QWidget* controlOf(const Form& form, std::string_view name, Index index)
{
    return widgetOf(form)->findChild<QWidget*>(objectNameOf(name, index));
}

} // namespace qt

} // namespace toolkit

#include "qtform.moc"
