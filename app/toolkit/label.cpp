// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/label.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

using Toolkit::StyledSetting;
using Toolkit::StyledSettings;
using Toolkit::TextSettings;
using Toolkit::TextTrimming;

namespace {

// The platform style's text for labels: its default UI font, regular, 12 units, black.
constexpr qreal StyleFontSize = 12;
constexpr QRgb StyleFontColor = 0xFF000000;

} // namespace

TLabel::TLabel(QWidget *owner)
    : TControl(owner)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setBounds({0, 0, 120, 17});
}

void TLabel::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    fitToText();
    update();
    announceChange();
}

// A label's text names it, and the control that holds it, to assistive technologies.
void TLabel::announceChange()
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    if (QWidget *holder = parentWidget()) {
        QAccessibleEvent holderChanged(holder, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&holderChanged);
    }
}

void TLabel::setTextSettings(const TextSettings &settings)
{
    m_settings = settings;
    update();
}

void TLabel::setFontColor(QRgb color)
{
    if (m_settings.fontColor == color)
        return;
    m_settings.fontColor = color;
    update();
    announceChange(); // a cell or ball that lights up now reads as matched
}

void TLabel::setWordWrap(bool on)
{
    m_settings.wordWrap = on;
    update();
}

void TLabel::setStyledSettings(StyledSettings styled)
{
    m_styled = styled;
    update();
}

void TLabel::setAutoSize(bool on)
{
    m_autoSize = on; // a size already given stands until the text next changes
}

QFont TLabel::effectiveFont() const
{
    QFont font = QApplication::font();
    if (!m_styled.testFlag(StyledSetting::Family))
        font.setFamilies({m_settings.family});
    font.setPixelSize(qRound(m_styled.testFlag(StyledSetting::Size) ? StyleFontSize : m_settings.size));
    const bool styled = m_styled.testFlag(StyledSetting::Style);
    font.setWeight(styled ? QFont::Normal : m_settings.weight);
    font.setItalic(styled ? false : m_settings.italic);
    return font;
}

QRgb TLabel::effectiveFontColor() const
{
    return m_styled.testFlag(StyledSetting::FontColor) ? StyleFontColor : m_settings.fontColor;
}

Qt::Alignment TLabel::effectiveAlignment() const
{
    if (m_styled.testFlag(StyledSetting::Other))
        return Qt::AlignLeading | Qt::AlignVCenter;
    return m_settings.horzAlign | m_settings.vertAlign;
}

bool TLabel::effectiveWordWrap() const
{
    return m_styled.testFlag(StyledSetting::Other) || m_settings.wordWrap;
}

// A label that sizes itself follows its text as the text changes: it keeps its width when it
// wraps, and grows or shrinks to whole units around the text.
void TLabel::fitToText()
{
    if (!m_autoSize)
        return;
    const QFontMetricsF metrics(effectiveFont());
    if (effectiveWordWrap()) {
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, bounds().width(), 1e6), Qt::TextWordWrap, m_text);
        setHeight(std::ceil(std::max(needed.height(), metrics.height())));
    } else {
        setSize({std::ceil(metrics.horizontalAdvance(m_text)), std::ceil(metrics.height())});
    }
}

// A font whose bold face is only the regular outlines over bold advances (the metric-compatible
// Tahoma Bold is one) would show bold text as regular. Such text is drawn from its outlines,
// thickened to the weight asked for; text in a real face keeps Qt's own rendering.
void TLabel::paintEvent(QPaintEvent *)
{
    if (m_text.isEmpty())
        return;
    QPainter painter(this);
    const QFont font = effectiveFont();
    painter.setFont(font);
    const QColor colour = QColor::fromRgba(effectiveFontColor());
    painter.setPen(colour);
    const QRectF box = paintRect();
    int flags = int(effectiveAlignment());
    QString shown = m_text;
    if (m_settings.trimming != TextTrimming::None && !m_styled.testFlag(StyledSetting::Other)) {
        shown = painter.fontMetrics().elidedText(m_text, Qt::ElideRight, qFloor(box.width()));
    } else if (effectiveWordWrap()) {
        flags |= Qt::TextWordWrap;
    }
    if (const qreal missing = missingBoldness(font); missing > 0)
        m_emboldened.draw(painter, {font, box, flags, shown, painter.layoutDirection()}, missing, colour);
    else
        painter.drawText(box, flags, shown);
}
