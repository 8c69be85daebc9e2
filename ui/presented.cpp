// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/presented.h"

#include "ui/reading_order.h"
#include "ui/tavix.h"

#include <QAccessibleWidget>
#include <QEvent>

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace Brelun {

namespace {

template <typename Array>
int indexIn(const Array &array, const QWidget *widget)
{
    for (int i = array.first(); i <= array.last(); ++i) {
        if (array[i] == widget)
            return i;
    }
    return 0;
}

std::optional<Presented> fixedControl(const TTavix *w, const QWidget *widget)
{
    using Kind = Presented::Kind;
    const std::array<std::pair<const TLabel *, const TLabel *>, 3> displays{
        {{w->Label5, w->Label3}, {w->Label4, w->Label6}, {w->Label7, w->Label8}}};
    for (const auto &[value, caption] : displays) {
        if (widget == value)
            return Presented{Kind::Display, 0, caption};
    }
    const std::array<std::pair<const TRectangle *, const TLabel *>, 7> pressables{{{w->Rectangle10, w->Label9},
                                                                                   {w->Rectangle14, w->Label13},
                                                                                   {w->Rectangle13, w->Label12},
                                                                                   {w->Rectangle12, w->Label11},
                                                                                   {w->Rectangle11, w->Label10},
                                                                                   {w->Rectangle15, w->Label14},
                                                                                   {w->Rectangle19, w->Label18}}};
    for (const auto &[rectangle, caption] : pressables) {
        if (widget == rectangle)
            return Presented{Kind::Control, 0, caption};
    }
    if (widget == w->Button1)
        return Presented{Kind::Show};
    return std::nullopt;
}

std::optional<Presented> presentedIn(const TTavix *window, const QWidget *widget)
{
    if (const int i = indexIn(RR, widget); i != 0)
        return Presented{Presented::Kind::Cell, i};
    if (const int j = indexIn(WW, widget); j != 0)
        return Presented{Presented::Kind::Ball, j};
    return fixedControl(window, widget);
}

QRect placeIn(const QWidget *window, const QWidget *widget)
{
    return {widget->mapTo(window, QPoint(0, 0)), widget->size()};
}

// Through the bands, rows and layouts down to what is read, with where each stands. What is
// hidden is not read: the templates never show, and "Show" only once the letter is chosen.
void collect(const TTavix *window, const QWidget *holder, std::vector<Placed> &found)
{
    for (QObject *child : holder->children()) {
        const auto *widget = qobject_cast<QWidget *>(child);
        if (widget == nullptr || widget->isWindow() || widget->isHidden())
            continue;
        const auto as = presentedIn(window, widget);
        if (!as) {
            collect(window, widget, found);
            continue;
        }
        QRect place = placeIn(window, widget);
        if (as->kind == Presented::Kind::Display)
            place = place.united(placeIn(window, as->caption)); // read as one: "Win: 0"
        found.push_back({child, place});
    }
}

// "Show" is read only while it is on screen. Nothing else in the window comes or goes, so this
// is the one change of the window's list that assistive technologies must be told of.
class ListedWhileShown : public QObject
{
public:
    explicit ListedWhileShown(QWidget *control)
        : QObject(control),
          m_listed(!control->isHidden())
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            announce(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void announce(QWidget *control)
    {
        const bool listed = !control->isHidden();
        if (listed == m_listed)
            return;
        m_listed = listed;
        QAccessibleEvent changed(control, listed ? QAccessible::ObjectCreated : QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&changed);
    }

    bool m_listed;
};

// The window, a frame named by its caption, lists what it presents in reading order, however
// deep each control stands in the tree of bands and rows. The list is worked out from where
// the controls stand each time it is asked for: only an assistive technology asks.
class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(TTavix *window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }

    int childCount() const override { return static_cast<int>(presented().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const std::vector<QObject *> order = presented();
        if (index < 0 || index >= static_cast<int>(order.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(order[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child == nullptr)
            return -1;
        const std::vector<QObject *> order = presented();
        const auto found = std::find(order.begin(), order.end(), child->object());
        return found == order.end() ? -1 : static_cast<int>(found - order.begin());
    }

private:
    std::vector<QObject *> presented() const
    {
        auto *window = static_cast<TTavix *>(widget());
        // The window may be asked for its name while it is still being built; its list is
        // first asked for once it stands whole, and from then on its changes are told.
        if (!m_watchingShow) {
            new ListedWhileShown(window->Button1);
            m_watchingShow = true;
        }
        std::vector<Placed> found;
        collect(window, window, found);
        return inReadingOrder(std::move(found));
    }

    mutable bool m_watchingShow = false;
};

} // namespace

std::optional<Presented> presentedAs(const QWidget *widget)
{
    const auto *window = qobject_cast<const TTavix *>(widget->window());
    return window != nullptr ? presentedIn(window, widget) : std::nullopt;
}

QAccessibleInterface *newWindowAccessible(TTavix *window)
{
    return new WindowAccessible(window);
}

} // namespace Brelun
