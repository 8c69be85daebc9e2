// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QColor;
class QPainter;

// How much of the weight a font asks for its face's outlines do not carry, in units of the step
// from regular to bold: 0 for a real face; 1 for bold text in a "bold" face that is the regular
// face's outlines over bold advances (as the metric-compatible Tahoma Bold is), more for heavier
// text that falls to such a face. Cached per font.
qreal missingBoldness(const QFont &font);

// What QPainter::drawText(box, flags, text) is asked to show.
struct TextToDraw
{
    QFont font;
    QRectF box;
    int flags = 0;
    QString text;
    Qt::LayoutDirection direction = Qt::LeftToRight;

    friend bool operator==(const TextToDraw &, const TextToDraw &) = default;
};

// A text laid out as QPainter::drawText lays it out, with its glyphs' outlines thickened to the
// weight asked for: each glyph stands in the middle of its advance, its outline grown outwards
// so that its stems gain the bold face's width. The outlines are kept for the last text drawn,
// so that a repaint only fills them.
class EmboldenedText
{
public:
    void draw(QPainter &painter, const TextToDraw &text, qreal boldness, const QColor &colour);

private:
    void build(const TextToDraw &text, qreal boldness);

    TextToDraw m_text;
    qreal m_boldness = 0;
    QPainterPath m_glyphs;
};
