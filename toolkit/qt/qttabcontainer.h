#pragma once

#include "tabcontainer.h"

#include <span>

#include <QList>
#include <QWidget>

class QTabBar;

namespace toolkit::qt {

// A tabbed container whose pages share its whole area, so that a page's
// controls are placed from the container's outer top-left corner, tab strip
// included.
class QtTabContainer : public QWidget, public TabContainer {
    Q_OBJECT

public:
    QtTabContainer(std::span<const Text> captions, QWidget* parent);

    // A tab's page, the parent for that tab's controls.
    QWidget* page(Index index) const;
    QTabBar* tabBar() const { return bar; }

protected:
    void chooseTab(Index tab) override;
    void showPage(Index page, bool shown) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeTabBar();

    QTabBar* bar;
    QList<QWidget*> pages;
};

} // namespace toolkit::qt
