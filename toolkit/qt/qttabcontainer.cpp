#include "qttabcontainer.h"

#include "text.h"

#include <QSignalBlocker>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace toolkit::qt {

QtTabContainer::QtTabContainer(std::span<const Text> captions, QWidget* parent)
    : QWidget(parent)
    , TabContainer(Index(captions.size()))
    , bar(new QTabBar(this))
{
    bar->setObjectName(QStringLiteral("tabBar"));
    bar->setDrawBase(false);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(false);
    // The strip takes the focus for the container; the arrow keys turn the tabs there.
    bar->setFocusPolicy(Qt::TabFocus);
    for (const Text caption : captions) {
        auto* newPage = new QWidget(this);
        newPage->setObjectName(QStringLiteral("page%1").arg(pages.size()));
        newPage->setVisible(pages.isEmpty());
        pages.append(newPage);
        bar->addTab(toQString(caption));
    }
    // Pages are created under the strip; keep the strip on top for the mouse.
    bar->raise();
    placeTabBar();
    connect(bar, &QTabBar::currentChanged, this, [this](int index) { tabChosen(Index(index)); });
}

QWidget* QtTabContainer::page(Index index) const
{
    return pages.value(index, nullptr);
}

void QtTabContainer::chooseTab(Index tab)
{
    const QSignalBlocker quiet(bar);
    bar->setCurrentIndex(tab);
}

void QtTabContainer::showPage(Index index, bool shown)
{
    if (QWidget* each = page(index))
        each->setVisible(shown);
}

void QtTabContainer::placeTabBar()
{
    const QSize hint = bar->sizeHint();
    bar->setGeometry(0, 0, qMin(hint.width(), width()), hint.height());
}

void QtTabContainer::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QWidget* each : std::as_const(pages))
        each->setGeometry(rect());
    placeTabBar();
}

void QtTabContainer::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTabWidgetFrame frame;
    frame.initFrom(this);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    frame.shape = QTabBar::RoundedNorth;
    frame.tabBarSize = bar->size();
    frame.tabBarRect = bar->geometry();
    const int overlap = style()->pixelMetric(QStyle::PM_TabBarBaseOverlap, nullptr, this);
    frame.rect = rect().adjusted(0, bar->height() - overlap, 0, 0);
    painter.drawPrimitive(QStyle::PE_FrameTabWidget, frame);
}

} // namespace toolkit::qt
