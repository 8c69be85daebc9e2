// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/emboldened.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QStyle>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace {

// Tahoma's regular stems are about 0.09 em wide, its bold's about 0.16 em: thickening adds the
// difference to every vertical stem.
constexpr qreal StemGrowth = 0.07;
// Bold faces thicken their horizontal strokes less than their stems; that also keeps the
// lower-case and the capitals close to their regular heights.
constexpr qreal HorizontalShare = 0.5;
// How far a sharp corner may reach out, in strengths: the points of x and v stay as short as a
// bold face's, and a text that starts with x is not drawn further left than one that ends with o.
constexpr qreal MiterLimit = 1.5;
// The size at which a face's outlines are compared with its regular face's, in pixels.
constexpr int ProbeSize = 64;

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
        return face.pathForGlyph(glyph).boundingRect().width() <=
               Tolerance * regular.pathForGlyph(glyph).boundingRect().width();
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

// The points of each closed contour of a path, as element indexes; a contour that ends back on
// its first point leaves that last point out.
std::vector<std::vector<int>> contoursOf(const QPainterPath &path)
{
    std::vector<std::vector<int>> contours;
    for (int i = 0; i < path.elementCount(); ++i) {
        if (path.elementAt(i).isMoveTo() || contours.empty())
            contours.emplace_back();
        contours.back().push_back(i);
    }
    for (std::vector<int> &contour : contours) {
        const QPointF first = path.elementAt(contour.front());
        if (contour.size() > 1 && QPointF(path.elementAt(contour.back())) == first)
            contour.pop_back();
    }
    return contours;
}

QPointF unit(QPointF v)
{
    const qreal length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF();
}

// Moves a contour's points outwards, as FreeType emboldens an outline: each point along the
// bisector of its two edges, far enough that both edges move by the strength (apart across, apart
// up and down), but never past the shorter edge, so that small counters shrink without turning
// inside out, nor further than the miter limit. Off-curve points move with the polygon they make
// with the on-curve points.
void thicken(QPainterPath &path, const std::vector<int> &contour, QPointF strength, qreal side)
{
    const auto n = contour.size();
    std::vector<QPointF> points(n);
    for (std::size_t i = 0; i < n; ++i)
        points[i] = path.elementAt(contour[i]);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF here = points[i];
        const QPointF before = points[(i + n - 1) % n];
        const QPointF after = points[(i + 1) % n];
        const QPointF in = unit(here - before);
        const QPointF out = unit(after - here);
        const qreal cosine = QPointF::dotProduct(in, out);
        if (in.isNull() || out.isNull() || cosine <= -0.9375)
            continue; // a zero-length edge or a turn of almost 180 degrees stays put
        const qreal sine = side * (out.x() * in.y() - out.y() * in.x());
        const qreal shortest = std::min(std::hypot(here.x() - before.x(), here.y() - before.y()),
                                        std::hypot(after.x() - here.x(), after.y() - here.y()));
        const qreal d = 1 + cosine;
        const auto shift = [&](qreal bisector, qreal s) {
            return s * sine <= shortest * d ? bisector * s / d : bisector * shortest / sine;
        };
        QPointF moved(shift(side * (in.y() + out.y()), strength.x()), shift(-side * (in.x() + out.x()), strength.y()));
        if (const qreal reach = std::hypot(moved.x() / strength.x(), moved.y() / strength.y()); reach > MiterLimit)
            moved *= MiterLimit / reach;
        path.setElementPositionAt(contour[i], here.x() + moved.x(), here.y() + moved.y());
    }
    const QPainterPath::Element first = path.elementAt(contour.front());
    if (const int closing = contour.back() + 1; closing < path.elementCount() && !path.elementAt(closing).isMoveTo())
        path.setElementPositionAt(closing, first.x, first.y);
}

// Twice the signed area of the outline's polygon: its sign says which way the outer contours run.
qreal signedArea(const QPainterPath &path)
{
    qreal area = 0;
    for (const std::vector<int> &contour : contoursOf(path)) {
        for (std::size_t i = 0; i < contour.size(); ++i) {
            const QPointF a = path.elementAt(contour[i]);
            const QPointF b = path.elementAt(contour[(i + 1) % contour.size()]);
            area += a.x() * b.y() - b.x() * a.y();
        }
    }
    return area;
}

// The glyph's outline grown outwards by half the growth on each side: across by the stems'
// growth, up and down by the horizontal strokes'.
QPainterPath thickened(const QPainterPath &glyph, qreal across, qreal upright)
{
    if (across <= 0 || upright <= 0)
        return glyph;
    QPainterPath grown = glyph;
    const qreal side = signedArea(glyph) < 0 ? -1 : 1;
    for (const std::vector<int> &contour : contoursOf(glyph))
        thicken(grown, contour, QPointF(across, upright) / 2, side);
    return grown;
}

// The run's outlines at its place, thickened by the growth. Where they are the regular face's (a
// run may fall back to another family), each glyph moves right by half of what its advance
// gained, so that its ink stands in the middle of the wider advance.
void addRun(QPainterPath &glyphs, const QGlyphRun &run, QPointF origin, const QRawFont &regular, qreal growth)
{
    const QRawFont face = run.rawFont();
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    const QList<QPointF> wide = face.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
    const QList<QPointF> own = regular.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
    const bool narrow =
        face.familyName() == regular.familyName() && wide.size() == indexes.size() && own.size() == indexes.size();
    for (qsizetype i = 0; i < indexes.size(); ++i) {
        const qreal centring = narrow ? (wide[i].x() - own[i].x()) / 2 : 0;
        const QPainterPath glyph = thickened(face.pathForGlyph(indexes[i]), growth, growth * HorizontalShare);
        glyphs.addPath(glyph.translated(origin + positions[i] + QPointF(centring, 0)));
    }
}

} // namespace

// Regular text asks for nothing its face could lack, and costs no look at the face. A face is
// looked at once, at one size for all; the face that a font resolves to is part of the key, as
// fonts added later may change it.
qreal missingBoldness(const QFont &font)
{
    if (font.weight() <= QFont::Normal)
        return 0;
    static QHash<QString, qreal> known;
    QFont probe = unhinted(font);
    probe.setPixelSize(ProbeSize);
    const QFontInfo resolved(probe);
    const QString key = probe.key() + QLatin1Char('/') + resolved.family() + QLatin1Char('/') + resolved.styleName();
    if (const auto found = known.constFind(key); found != known.cend())
        return *found;
    const QRawFont face = QRawFont::fromFont(probe);
    const QRawFont regular = regularFace(probe);
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
    painter.fillPath(m_glyphs, colour);
    painter.restore();
}

void EmboldenedText::build(const TextToDraw &text, qreal boldness)
{
    m_text = text;
    m_boldness = boldness;
    m_glyphs = {};
    const int flags = int(QStyle::visualAlignment(text.direction, Qt::Alignment(text.flags)));
    QTextLayout layout(text.text, text.font);
    layOut(layout, text, flags);
    if (layout.lineCount() == 0)
        return;
    const QRawFont regular = regularFace(text.font);
    const qreal growth = StemGrowth * boldness * QFontInfo(text.font).pixelSize();
    const qreal top = blockTop(layout, text.box, flags);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const QPointF origin(text.box.left() + lineLeft(line, text.box, flags), top);
        for (const QGlyphRun &run : line.glyphRuns())
            addRun(m_glyphs, run, origin, regular, growth);
    }
}
