// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include "ui/presented.h"
#include "ui/tavix.h"

#include <QAccessibleWidget>

#include <optional>

namespace Brelun {

namespace {

constexpr QRgb Highlight = HighlightColor;

bool matched(const TLabel *text)
{
    return text->textSettings().fontColor == Highlight;
}

// What a cell or ball shows, as words: its text and whether it lit up.
QString shown(const TLabel *text)
{
    if (text->text().isEmpty())
        return QObject::tr("closed");
    return matched(text) ? QObject::tr("%1, matched").arg(text->text()) : text->text();
}

// A control whose name already says what its captions say: the captions inside it are not
// read out again as children of their own. The window lists it, in reading order, so the
// window is its parent, not the band or row that holds it on screen.
class LeafAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(widget()->window()); }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
};

// The caption read with a display or a control, looked up when it is read: the window may be
// asked about a control while it is still being built, before the control's caption exists.
QString captionOf(const QWidget *widget)
{
    const std::optional<Presented> as = presentedAs(widget);
    return as && as->caption != nullptr ? as->caption->text() : QString();
}

QRect captionRect(const QWidget *widget)
{
    const std::optional<Presented> as = presentedAs(widget);
    if (!as || as->caption == nullptr)
        return {};
    return {as->caption->mapToGlobal(QPoint(0, 0)), as->caption->size()};
}

// A control that acts on a press or a click: pressing it through the accessibility bridge
// does exactly what the mouse does, nothing more.
class PressableAccessible : public LeafAccessible
{
public:
    enum class Acts { OnPress, OnClick };

    PressableAccessible(TControl *control, Acts acts)
        : LeafAccessible(control, QAccessible::Button),
          m_acts(acts)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? captionOf(widget()) : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        auto *control = static_cast<TControl *>(widget());
        if (action != pressAction() || !control->isVisible())
            return;
        const QPointF centre = QRectF(control->rect()).center();
        if (m_acts == Acts::OnPress && control->onMouseDown)
            TApplication::runHandler([&] { control->onMouseDown(control, Qt::LeftButton, Qt::NoModifier, centre); });
        if (m_acts == Acts::OnClick && control->onClick)
            TApplication::runHandler([&] { control->onClick(control); });
    }

private:
    Acts m_acts;
};

// A value display of the header: "Win: 0".
class DisplayAccessible : public LeafAccessible
{
public:
    explicit DisplayAccessible(TLabel *value)
        : LeafAccessible(value, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString value = static_cast<const TLabel *>(widget())->text();
        if (t == QAccessible::Name)
            return captionOf(widget()) + QLatin1Char(' ') + value;
        if (t == QAccessible::Value)
            return value;
        return QAccessibleWidget::text(t);
    }

    // The caption and the value, so that a screen reader's highlight frames what it reads.
    QRect rect() const override
    {
        const QRect value = QAccessibleWidget::rect();
        if (value.isEmpty())
            return value;
        return value.united(captionRect(widget()));
    }
};

QString cellName(int i)
{
    if (i > 16)
        return QObject::tr("Row %1, letter, %2").arg(i - 16).arg(shown(LL[i]));
    const int row = (i - 1) / 4 + 1;
    const int column = 4 - (i - 1) % 4; // number cells run right to left within a row
    return QObject::tr("Row %1, column %2, %3").arg(row).arg(column).arg(shown(LL[i]));
}

QString ballName(int j)
{
    if (j == 7)
        return QObject::tr("Letter ball, %1").arg(shown(WL[j]));
    return QObject::tr("Ball %1, %2").arg(j).arg(shown(WL[j]));
}

// A ball is read, not pressed.
class BallAccessible : public LeafAccessible
{
public:
    BallAccessible(TCircle *ball, int j)
        : LeafAccessible(ball, QAccessible::StaticText),
          m_index(j)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? ballName(m_index) : QAccessibleWidget::text(t);
    }

private:
    int m_index;
};

// The cell's name is worked out when asked, so it always tells what the cell shows now.
class CellAccessible : public PressableAccessible
{
public:
    CellAccessible(TRectangle *cell, int i)
        : PressableAccessible(cell, Acts::OnClick),
          m_index(i)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? cellName(m_index) : QAccessibleWidget::text(t);
    }

private:
    int m_index;
};

// "Show", the platform's push button. A press through the bridge clicks it at once, as a
// click of the mouse does, and only while it is on screen.
class ShowAccessible : public LeafAccessible
{
public:
    explicit ShowAccessible(TButton *button)
        : LeafAccessible(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? button()->text() : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString &action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        if (button()->isVisible() && button()->isEnabled())
            button()->click();
    }

private:
    TButton *button() const { return static_cast<TButton *>(widget()); }
};

QAccessibleInterface *presentedControl(Presented as, QWidget *widget)
{
    switch (as.kind) {
    case Presented::Kind::Display:
        return new DisplayAccessible(static_cast<TLabel *>(widget));
    case Presented::Kind::Control:
        return new PressableAccessible(static_cast<TControl *>(widget), PressableAccessible::Acts::OnPress);
    case Presented::Kind::Cell:
        return new CellAccessible(static_cast<TRectangle *>(widget), as.index);
    case Presented::Kind::Ball:
        return new BallAccessible(static_cast<TCircle *>(widget), as.index);
    case Presented::Kind::Show:
        return new ShowAccessible(static_cast<TButton *>(widget));
    }
    return nullptr;
}

} // namespace

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    if (auto *window = qobject_cast<TTavix *>(object))
        return newWindowAccessible(window);
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget == nullptr)
        return nullptr;
    // The bands, rows and captions keep the toolkit's plain interfaces; nothing lists them.
    const std::optional<Presented> as = presentedAs(widget);
    return as ? presentedControl(*as, widget) : nullptr;
}

void installAccessibility()
{
    QAccessible::installFactory(&accessibleFor);
}

} // namespace Brelun
