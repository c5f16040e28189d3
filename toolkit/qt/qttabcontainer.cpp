#include "qttabcontainer.h"

#include <QApplication>
#include <QStyleOptionTabWidgetFrame>
#include <QStylePainter>
#include <QTabBar>

namespace toolkit::qt {

QtTabContainer::QtTabContainer(QWidget* parent)
    : QWidget(parent)
    , bar(new QTabBar(this))
{
    bar->setObjectName(QStringLiteral("tabBar"));
    bar->setDrawBase(false);
    bar->setExpanding(false);
    bar->setUsesScrollButtons(false);
    // The strip takes the focus for the container; the arrow keys turn the tabs there.
    bar->setFocusPolicy(Qt::TabFocus);
    connect(bar, &QTabBar::currentChanged, this, &QtTabContainer::bringToFront);
}

QWidget* QtTabContainer::addPage(const QString& caption)
{
    auto* newPage = new QWidget(this);
    newPage->setObjectName(QStringLiteral("page%1").arg(pages.size()));
    newPage->setGeometry(rect());
    newPage->setVisible(pages.isEmpty());
    pages.append(newPage);
    bar->addTab(caption);
    // Pages are created under the strip; keep the strip on top for the mouse.
    bar->raise();
    placeTabBar();
    return newPage;
}

QWidget* QtTabContainer::page(Index index) const
{
    return pages.value(index, nullptr);
}

Index QtTabContainer::Tab() const
{
    return static_cast<Index>(bar->currentIndex());
}

void QtTabContainer::setTab(Index index)
{
    bar->setCurrentIndex(index);
}

void QtTabContainer::bringToFront(int index)
{
    QWidget* front = pages.value(index, nullptr);
    if (front)
        front->show();
    // Focus on a page going to the back moves to the first control of the page
    // in front that the Tab key reaches, before hiding would move it on past
    // the pages to whatever follows them.
    QWidget* focused = QApplication::focusWidget();
    if (front && focused && focused != bar && isAncestorOf(focused) &&
        !front->isAncestorOf(focused)) {
        for (QWidget* next = focused->nextInFocusChain(); next != focused;
             next = next->nextInFocusChain()) {
            if (front->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
                next->isEnabled() && next->isVisibleTo(front)) {
                next->setFocus(Qt::TabFocusReason);
                break;
            }
        }
    }
    for (int i = 0; i < pages.size(); ++i) {
        if (i != index)
            pages[i]->hide();
    }
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
