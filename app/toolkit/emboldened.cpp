// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/emboldened.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRawFont>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Tahoma's regular stems are about 0.09 em wide, its bold's about 0.16 em: the rim adds the
// difference to every vertical stem.
constexpr qreal StemGrowth = 0.07;
// Bold faces thicken their horizontal strokes less than their stems; that also keeps the
// lower-case and the capitals close to their regular heights.
constexpr qreal HorizontalShare = 0.5;
// Mitred corners stay square as a bold face's do; the limit cuts off the sharp points of v and x.
constexpr qreal MiterLimit = 2;
// Uniting curved outlines flattens them: done this much larger, the flat pieces do not show.
constexpr qreal UnionScale = 16;

QRawFont regularFace(const QFont &font)
{
    QFont regular = font;
    regular.setWeight(QFont::Normal);
    return QRawFont::fromFont(regular);
}

// The face's outlines as designed: hinting fits them to the pixel grid by each face's own rules.
QFont unhinted(const QFont &font)
{
    QFont designed = font;
    designed.setHintingPreference(QFont::PreferNoHinting);
    return designed;
}

// A face that is the regular face under another name has the regular face's glyphs, and their
// ink is no wider: a real bold face's stems and bowls are far wider.
bool sameOutlines(const QRawFont &face, const QRawFont &regular)
{
    constexpr qreal Tolerance = 1.05;
    const QString probe = QStringLiteral("lo");
    const QList<quint32> glyphs = face.glyphIndexesForString(probe);
    if (glyphs != regular.glyphIndexesForString(probe) || glyphs.contains(0))
        return false;
    return std::all_of(glyphs.cbegin(), glyphs.cend(), [&](quint32 glyph) {
        return face.pathForGlyph(glyph).boundingRect().width() <= Tolerance * regular.pathForGlyph(glyph).boundingRect().width();
    });
}

// drawText's vertical place of the block of lines: their heights, whole-pixel tops, leading between.
qreal blockTop(const QTextLayout &layout, const QRectF &box, int flags)
{
    const QTextLine last = layout.lineAt(layout.lineCount() - 1);
    const qreal height = last.y() + last.height();
    if (flags & Qt::AlignBottom)
        return box.top() + box.height() - height;
    if (flags & Qt::AlignVCenter)
        return box.top() + (box.height() - height) / 2;
    return box.top();
}

// Lays the text out in lines as drawText does: wrapped to the box's width only when asked.
void layOut(QTextLayout &layout, const TextToDraw &text, int flags)
{
    QTextOption option;
    option.setTextDirection(text.direction);
    const bool wrap = flags & Qt::TextWordWrap;
    if (!wrap)
        option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    const qreal lineWidth = wrap ? std::max<qreal>(0, text.box.width()) : 0x01000000;
    const qreal leading = QFontMetricsF(text.font).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(lineWidth);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
}

// Where drawText puts a line's left end, relative to the box's left edge.
qreal lineLeft(const QTextLine &line, const QRectF &box, int flags)
{
    if (flags & Qt::AlignRight)
        return box.width() - line.horizontalAdvance();
    if (flags & Qt::AlignHCenter)
        return (box.width() - line.horizontalAdvance()) / 2;
    return 0;
}

// The run's outlines at its place. Where they are the regular face's (a run may fall back to
// another family), each glyph moves right by half of what its advance gained, so that its ink
// stands in the middle of the wider advance.
void addRun(QPainterPath &glyphs, const QGlyphRun &run, QPointF origin, const QRawFont &regular)
{
    const QRawFont face = run.rawFont();
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    const bool narrow = face.familyName() == regular.familyName();
    const QList<QPointF> wide = face.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
    const QList<QPointF> own = regular.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        const qreal centring = narrow ? (wide[i].x() - own[i].x()) / 2 : 0;
        glyphs.addPath(face.pathForGlyph(indexes[i]).translated(origin + positions[i] + QPointF(centring, 0)));
    }
}

// The band that a flat, elliptic pen (wide across, low up and down) draws along the outlines: a
// round pen's stroke of the outlines stretched upright, squashed back.
QPainterPath rimOf(const QPainterPath &glyphs, qreal width, qreal height)
{
    QPainterPathStroker pen;
    pen.setWidth(width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setMiterLimit(MiterLimit);
    const QTransform stretch = QTransform::fromScale(1, width / height);
    return stretch.inverted().map(pen.createStroke(stretch.map(glyphs)));
}

} // namespace

qreal missingBoldness(const QFont &font)
{
    static QHash<QString, qreal> known;
    const QString key = font.key();
    if (const auto found = known.constFind(key); found != known.cend())
        return *found;
    const QRawFont face = QRawFont::fromFont(unhinted(font));
    const QRawFont regular = regularFace(unhinted(font));
    qreal missing = 0;
    if (face.isValid() && regular.isValid() && face.weight() > regular.weight() && sameOutlines(face, regular))
        missing = qreal(face.weight() - regular.weight()) / (QFont::Bold - QFont::Normal);
    known.insert(key, missing);
    return missing;
}

void EmboldenedText::draw(QPainter &painter, const TextToDraw &text, qreal boldness, const QColor &colour)
{
    if (!(text == m_text && boldness == m_boldness))
        build(text, boldness);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (!(text.flags & Qt::TextDontClip))
        painter.setClipRect(text.box, Qt::IntersectClip);
    if (colour.alpha() == 255) {
        painter.fillPath(m_glyphs, colour);
        painter.fillPath(m_rim, colour);
    } else {
        painter.fillPath(whole(), colour);
    }
    painter.restore();
}

void EmboldenedText::build(const TextToDraw &text, qreal boldness)
{
    m_text = text;
    m_boldness = boldness;
    m_glyphs = {};
    m_whole = {};
    const int flags = int(QStyle::visualAlignment(text.direction, Qt::Alignment(text.flags)));
    QTextLayout layout(text.text, text.font);
    layOut(layout, text, flags);
    m_rim = {};
    if (layout.lineCount() == 0)
        return;
    const QRawFont regular = regularFace(text.font);
    const qreal top = blockTop(layout, text.box, flags);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const QPointF origin(text.box.left() + lineLeft(line, text.box, flags), top);
        for (const QGlyphRun &run : line.glyphRuns())
            addRun(m_glyphs, run, origin, regular);
    }
    const qreal growth = StemGrowth * boldness * QFontInfo(text.font).pixelSize();
    if (growth > 0)
        m_rim = rimOf(m_glyphs, growth, growth * HorizontalShare);
}

// Where the rim overlaps the glyphs a translucent colour would be laid on twice: such a colour
// fills the union of both instead.
const QPainterPath &EmboldenedText::whole()
{
    if (m_whole.isEmpty() && !m_glyphs.isEmpty()) {
        const QTransform up = QTransform::fromScale(UnionScale, UnionScale);
        m_whole = up.inverted().map(up.map(m_glyphs).united(up.map(m_rim)));
    }
    return m_whole;
}
