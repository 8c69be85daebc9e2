// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/control.h"
#include "toolkit/label.h"

#include <QPushButton>

// The platform's standard push button. It clicks on a left press released over it, and on
// Enter or Space without modifiers while it holds the focus, which a press or Tab gives it.
class TButton : public QPushButton
{
    Q_OBJECT

public:
    explicit TButton(QWidget *owner);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Family, size and style come from the platform's button font unless taken off this set.
    void setStyledSettings(Toolkit::StyledSettings styled) { m_styled = styled; }
    Toolkit::StyledSettings styledSettings() const { return m_styled; }
    void setFontColor(QRgb color);

    ClickHandler onClick;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_tag = 0;
    Toolkit::StyledSettings m_styled =
        Toolkit::StyledSetting::Family | Toolkit::StyledSetting::Size | Toolkit::StyledSetting::Style;
};
