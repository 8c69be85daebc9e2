// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "toolkit/control.h"
#include "toolkit/emboldened.h"

#include "game/faces.h"

#include <QFont>
#include <QRgb>
#include <QString>

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
Q_DECLARE_OPERATORS_FOR_FLAGS(StyledSettings)

inline constexpr StyledSettings AllStyledSettings{0x1F};

// A text. It never takes the mouse: presses reach the control beneath it.
class TLabel : public TControl, public Brelun::TextFace
{
    Q_OBJECT

public:
    explicit TLabel(QWidget *owner);

    QString text() const { return m_text; }
    void setText(const QString &text);

    TextSettings textSettings() const { return m_settings; }
    void setTextSettings(const TextSettings &settings);
    void setFontColor(QRgb color);
    void setWordWrap(bool on);

    StyledSettings styledSettings() const { return m_styled; }
    void setStyledSettings(StyledSettings styled);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    // What is shown, after the styled settings have had their say.
    QFont effectiveFont() const;
    QRgb effectiveFontColor() const;
    Qt::Alignment effectiveAlignment() const;
    bool effectiveWordWrap() const;

    void setFaceText(std::string_view text) override;
    void setFaceColor(Brelun::Argb color) override;
    void setFaceVisible(bool visible) override;

protected:
    bool takesMouse() const override { return false; }
    void paintEvent(QPaintEvent *event) override;

private:
    void fitToText();
    void announceChange();

    QString m_text;
    TextSettings m_settings;
    StyledSettings m_styled = AllStyledSettings;
    bool m_autoSize = false;
    EmboldenedText m_emboldened;
};
