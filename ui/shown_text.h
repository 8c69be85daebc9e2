// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/faces.h"

#include <QString>

#include <string_view>

namespace Brelun {

// What the rules write, shown on a control of the window: any control with a text, a font
// colour and a visibility (a label, a button).
template <typename Control>
class ShownText final : public TextFace
{
public:
    ShownText() = default;
    explicit ShownText(Control *control)
        : m_control(control)
    {
    }

    void setFaceText(std::string_view text) override
    {
        m_control->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    }
    void setFaceColor(Argb color) override { m_control->setFontColor(color); }
    void setFaceVisible(bool visible) override { m_control->setVisible(visible); }

private:
    Control *m_control = nullptr;
};

} // namespace Brelun
