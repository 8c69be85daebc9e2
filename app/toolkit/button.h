// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/control.h"
#include "toolkit/label.h"

#include "game/faces.h"

#include <QPushButton>

// The platform's standard push button. It clicks on a left press released over it, and on
// Enter or Space without modifiers while it holds the focus, which a press or Tab gives it.
class TButton : public QPushButton, public Brelun::TextFace
{
    Q_OBJECT

public:
    explicit TButton(QWidget *owner);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Family, size and style come from the platform's button font unless taken off this set.
    void setStyledSettings(StyledSettings styled) { m_styled = styled; }
    StyledSettings styledSettings() const { return m_styled; }
    void setFontColor(QRgb color);

    ClickHandler onClick;

    void setFaceText(std::string_view text) override;
    void setFaceColor(Brelun::Argb color) override;
    void setFaceVisible(bool visible) override;

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_tag = 0;
    StyledSettings m_styled = StyledSetting::Family | StyledSetting::Size | StyledSetting::Style;
};
