#pragma once

#include "tabcontainer.h"

#include <QList>
#include <QWidget>

class QTabBar;

namespace toolkit::qt {

// A tabbed container whose pages share its whole area, so that a page's
// controls are placed from the container's outer top-left corner, tab strip
// included. Only the page in front is shown and can take the focus.
class QtTabContainer : public QWidget, public TabContainer {
    Q_OBJECT

public:
    explicit QtTabContainer(QWidget* parent = nullptr);

    // Adds a tab and returns its page, the parent for that tab's controls.
    QWidget* addPage(const QString& caption);
    QWidget* page(Index index) const;
    QTabBar* tabBar() const { return bar; }

    // The index of the tab in front, or -1 while there is no tab.
    Index Tab() const override;
    void setTab(Index index) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void bringToFront(int index);
    void placeTabBar();

    QTabBar* bar;
    QList<QWidget*> pages;
};

} // namespace toolkit::qt
