// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/alignment.h"

#include <QPointF>
#include <QRectF>
#include <QWidget>

#include <functional>

class TControl;

using MouseDownHandler =
    std::function<void(TControl *sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, QPointF position)>;
using ClickHandler = std::function<void(QObject *sender)>;

// A control of the window's retained tree. It keeps its place in logical units, fractions
// included, and takes its place from its alignment whenever its parent lays it out.
class TControl : public QWidget
{
    Q_OBJECT

public:
    // The owner frees the control. Until setParentControl gives it a parent the control
    // stands nowhere: it is neither drawn nor laid out.
    explicit TControl(QWidget *owner);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    Toolkit::Align align() const { return m_align; }
    void setAlign(Toolkit::Align align);
    Toolkit::Margins margins() const { return m_margins; }
    void setMargins(Toolkit::Margins margins);

    QRectF bounds() const { return m_bounds; }
    void setBounds(const QRectF &bounds);
    void setPosition(QPointF position) { setBounds(QRectF(position, m_bounds.size())); }
    void setSize(QSizeF size) { setBounds(QRectF(m_bounds.topLeft(), size)); }
    void setWidth(qreal width) { setSize({width, m_bounds.height()}); }
    void setHeight(qreal height) { setSize({m_bounds.width(), height}); }

    // Makes the control the topmost child of parent, keeping its shown or hidden state.
    void setParentControl(QWidget *parent);

    // Shown or hidden; a control without a parent keeps the state until it gets one.
    void setVisible(bool visible) override;
    bool isVisibleProperty() const { return m_visible; }

    // Holds layout while several properties change; the last endUpdate lays out and repaints.
    void beginUpdate() { ++m_updating; }
    void endUpdate();
    bool isUpdating() const { return m_updating > 0; }

    MouseDownHandler onMouseDown;
    ClickHandler onClick;

    // While it lives, a left press that reaches a control is the second press of a double click
    // (if the first went to the same control). For a form that passes a press on itself: the
    // toolkit marks only the double-click event, not the press that makes it.
    class DoubleClickPress
    {
    public:
        explicit DoubleClickPress(bool on);
        ~DoubleClickPress();
        DoubleClickPress(const DoubleClickPress &) = delete;
        DoubleClickPress &operator=(const DoubleClickPress &) = delete;

    private:
        bool m_previous;
    };

protected:
    // Shapes take the mouse; layouts and labels let a press through to what lies beneath.
    virtual bool takesMouse() const { return true; }

    // The control's own rectangle in logical units, for painting: the widget's geometry is
    // rounded to whole units, its painting is not.
    QRectF paintRect() const { return {m_paintOffset, m_bounds.size()}; }

    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    void press(QMouseEvent *event, bool secondOfDoubleClick);
    void parentNeedsLayout() const;

    QRectF m_bounds{0, 0, 50, 50};
    QPointF m_paintOffset;
    Toolkit::Margins m_margins;
    Toolkit::Align m_align = Toolkit::Align::None;
    int m_tag = 0;
    int m_updating = 0;
    bool m_clickPending = false;
    bool m_visible = true;
};

// Lays out the aligned TControl children of any widget, the window included.
void realignChildren(QWidget *parent);

// Lays out a whole tree, parents before children.
void realignTree(QWidget *root);

// While a stored layout is being read, nothing is laid out: the given positions decide the
// order of aligned siblings, so they must all stand before the first layout. The reader
// lays the tree out once when it is done.
class LayoutLoading
{
public:
    LayoutLoading();
    ~LayoutLoading();
    LayoutLoading(const LayoutLoading &) = delete;
    LayoutLoading &operator=(const LayoutLoading &) = delete;

    static bool active();
};
