// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/control.h"
#include "toolkit/emboldened.h"

#include <QFont>
#include <QRgb>
#include <QString>

namespace Toolkit {

enum class TextTrimming { None, Character, Word };

// A label's own text attributes. Sizes are em heights in logical pixels.
struct TextSettings
{
    QString family = QStringLiteral("Segoe UI");
    qreal size = 12;
    QFont::Weight weight = QFont::Normal;
    bool italic = false;
    QRgb fontColor = 0xFF000000;
    Qt::Alignment horzAlign = Qt::AlignLeading;
    Qt::Alignment vertAlign = Qt::AlignVCenter;
    bool wordWrap = true;
    TextTrimming trimming = TextTrimming::None;

    friend bool operator==(const TextSettings &, const TextSettings &) = default;
};

// Which text attributes come from the platform's style instead of the label's own settings.
enum class StyledSetting { Family = 1, Size = 2, Style = 4, FontColor = 8, Other = 16 };
Q_DECLARE_FLAGS(StyledSettings, StyledSetting)

inline constexpr StyledSettings AllStyledSettings{0x1F};

} // namespace Toolkit

Q_DECLARE_OPERATORS_FOR_FLAGS(Toolkit::StyledSettings)

// A text. It never takes the mouse: presses reach the control beneath it.
class TLabel : public TControl
{
    Q_OBJECT

public:
    explicit TLabel(QWidget *owner);

    QString text() const { return m_text; }
    void setText(const QString &text);

    Toolkit::TextSettings textSettings() const { return m_settings; }
    void setTextSettings(const Toolkit::TextSettings &settings);
    void setFontColor(QRgb color);
    void setWordWrap(bool on);

    Toolkit::StyledSettings styledSettings() const { return m_styled; }
    void setStyledSettings(Toolkit::StyledSettings styled);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // What is shown, after the styled settings have had their say.
    QFont effectiveFont() const;
    QRgb effectiveFontColor() const;
    Qt::Alignment effectiveAlignment() const;
    bool effectiveWordWrap() const;

protected:
    bool takesMouse() const override { return false; }
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToText();
    void announceChange();

    QString m_text;
    Toolkit::TextSettings m_settings;
    Toolkit::StyledSettings m_styled = Toolkit::AllStyledSettings;
    bool m_autoSize = false;
    EmboldenedText m_emboldened;
};
