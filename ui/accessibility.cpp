#include "ui/accessibility.h"

#include "ui/tavix.h"

#include <QAccessibleWidget>

#include <array>
#include <utility>

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
// read out again as children of their own.
class LeafAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
};

// A control that acts on a press or a click: pressing it through the accessibility bridge
// does exactly what the mouse does, nothing more.
class PressableAccessible : public LeafAccessible
{
public:
    enum class Acts { OnPress, OnClick };

    PressableAccessible(TControl *control, QString name, Acts acts)
        : LeafAccessible(control, QAccessible::Button), m_name(std::move(name)), m_acts(acts)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_name : QAccessibleWidget::text(t);
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
    QString m_name;
    Acts m_acts;
};

// A value display of the header: "Win: 0".
class DisplayAccessible : public LeafAccessible
{
public:
    DisplayAccessible(TLabel *value, const TLabel *caption)
        : LeafAccessible(value, QAccessible::StaticText), m_caption(caption)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        const QString value = static_cast<const TLabel *>(widget())->text();
        if (t == QAccessible::Name)
            return m_caption->text() + QLatin1Char(' ') + value;
        if (t == QAccessible::Value)
            return value;
        return QAccessibleWidget::text(t);
    }

private:
    const TLabel *m_caption;
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
        : LeafAccessible(ball, QAccessible::StaticText), m_index(j)
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
        : PressableAccessible(cell, QString(), Acts::OnClick), m_index(i)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? cellName(m_index) : QAccessibleWidget::text(t);
    }

private:
    int m_index;
};

// Any other caption ("Win:") is read as the text it shows.
class CaptionAccessible : public LeafAccessible
{
public:
    explicit CaptionAccessible(TLabel *label)
        : LeafAccessible(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const TLabel *>(widget())->text() : QAccessibleWidget::text(t);
    }
};

template <typename Array, typename Control>
int indexIn(const Array &array, const Control *control)
{
    for (int i = array.first(); i <= array.last(); ++i) {
        if (array[i] == control)
            return i;
    }
    return 0;
}

QAccessibleInterface *boardControl(TControl *control)
{
    if (auto *cell = qobject_cast<TRectangle *>(control); cell != nullptr) {
        if (const int i = indexIn(RR, cell); i != 0)
            return new CellAccessible(cell, i);
    }
    if (auto *ball = qobject_cast<TCircle *>(control); ball != nullptr) {
        if (const int j = indexIn(WW, ball); j != 0)
            return new BallAccessible(ball, j);
    }
    return nullptr;
}

QAccessibleInterface *fixedControl(const TTavix *w, TControl *control)
{
    const std::array<std::pair<const TLabel *, const TLabel *>, 3> displays{
        {{w->Label5, w->Label3}, {w->Label4, w->Label6}, {w->Label7, w->Label8}}};
    for (const auto &[value, caption] : displays) {
        if (control == value)
            return new DisplayAccessible(static_cast<TLabel *>(control), caption);
    }
    const std::array<std::pair<const TRectangle *, const TLabel *>, 7> pressables{
        {{w->Rectangle10, w->Label9}, {w->Rectangle14, w->Label13}, {w->Rectangle13, w->Label12},
         {w->Rectangle12, w->Label11}, {w->Rectangle11, w->Label10}, {w->Rectangle15, w->Label14},
         {w->Rectangle19, w->Label18}}};
    for (const auto &[rectangle, caption] : pressables) {
        if (control == rectangle)
            return new PressableAccessible(control, caption->text(), PressableAccessible::Acts::OnPress);
    }
    if (auto *label = qobject_cast<TLabel *>(control); label != nullptr)
        return new CaptionAccessible(label);
    return nullptr;
}

} // namespace

QAccessibleInterface *accessibleFor(const QString &, QObject *object)
{
    // The window itself: a frame named by its caption, where a plain widget would be a filler.
    if (object != nullptr && object == Tavix)
        return new QAccessibleWidget(Tavix, QAccessible::Window);
    auto *control = qobject_cast<TControl *>(object);
    if (control == nullptr || Tavix == nullptr || control->window() != Tavix)
        return nullptr;
    if (QAccessibleInterface *board = boardControl(control))
        return board;
    return fixedControl(Tavix, control);
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFor);
        return true;
    }();
    (void)installed;
}

} // namespace Brelun
