// SPDX-License-Identifier: GPL-3.0-or-later
// The window's fixed layout, one statement per component, parents before children and
// siblings in their child order.
#include "ui/tavix.h"

using Toolkit::Align;
using Toolkit::BrushKind;
using Toolkit::Corner;
using Toolkit::Fill;
using Toolkit::LinearGradient;
using Toolkit::Margins;
using Toolkit::Stroke;
using Toolkit::StyledSetting;
using Toolkit::StyledSettings;
using Toolkit::TextSettings;

namespace Brelun {

namespace {

constexpr QRgb claWhite = 0xFFFFFFFF;
constexpr QRgb claDeepskyblue = 0xFF00BFFF;
constexpr QRgb claRoyalblue = 0xFF4169E1;
constexpr QRgb claLinen = 0xFFFAF0E6;
constexpr QRgb claRed = 0xFFFF0000;
constexpr QRgb claBlack = 0xFF000000;
constexpr QRgb TicketCard = 0xFFA1F0FC;
constexpr QRgb ControlOutline = 0xFF028DCB;
constexpr QRgb BallRing = 0xFFAFE8FA;

constexpr Stroke noStroke{.kind = BrushKind::None, .color = claBlack, .thickness = 1};

Fill solid(QRgb color)
{
    Fill fill;
    fill.color = color;
    return fill;
}

Fill none()
{
    Fill fill;
    fill.kind = BrushKind::None;
    return fill;
}

Fill gradient(const LinearGradient &gradient)
{
    Fill fill;
    fill.kind = BrushKind::Gradient;
    fill.gradient = gradient;
    return fill;
}

Stroke outline(QRgb color, qreal thickness = 1)
{
    return {.kind = BrushKind::Solid, .color = color, .thickness = thickness};
}

// What a shape's row of the layout says; unset columns hold what every new shape has.
struct ShapeRow
{
    Align align = Align::None;
    QRectF given{0, 0, 50, 50};
    Margins margins{};
    Fill fill{};
    Stroke stroke{};
    qreal radius = 0;
    bool visible = true;
};

// What a label's row says; unset columns are a plain label's: regular, black, leading, wrapped.
struct LabelRow
{
    Align align = Align::None;
    QRectF given;
    QString text;
    qreal size = 12;
    QFont::Weight weight = QFont::Normal;
    QRgb color = claBlack;
    Qt::Alignment horz = Qt::AlignLeading;
    StyledSettings styled{};
    bool autoSize = false;
};

template <typename Shape>
Shape *shape(QWidget *owner, QWidget *parent, const ShapeRow &row)
{
    auto *s = new Shape(owner);
    s->setParentControl(parent);
    s->setAlign(row.align);
    s->setBounds(row.given);
    s->setMargins(row.margins);
    s->setFill(row.fill);
    s->setStroke(row.stroke);
    if constexpr (std::is_same_v<Shape, TRectangle>)
        s->setRadii(row.radius, row.radius);
    s->setVisible(row.visible);
    return s;
}

TLayout *container(QWidget *owner, QWidget *parent, Align align, const QRectF &given)
{
    auto *l = new TLayout(owner);
    l->setParentControl(parent);
    l->setAlign(align);
    l->setBounds(given);
    return l;
}

TLabel *label(QWidget *owner, QWidget *parent, const LabelRow &row)
{
    auto *l = new TLabel(owner);
    l->setParentControl(parent);
    l->setAlign(row.align);
    l->setBounds(row.given);
    l->setStyledSettings(row.styled);
    TextSettings text;
    text.family = QStringLiteral("Tahoma");
    text.size = row.size;
    text.weight = row.weight;
    text.fontColor = row.color;
    text.horzAlign = row.horz;
    l->setTextSettings(text);
    l->setText(row.text);
    l->setAutoSize(row.autoSize);
    return l;
}

// A bet or game control: a blue rounded rectangle stacked from the left, with a white bold
// caption centred on it.
TRectangle *gameControl(QWidget *owner, QWidget *parent, QSizeF size, qreal givenLeft, qreal rightMargin)
{
    return shape<TRectangle>(owner, parent,
                             {.align = Align::MostLeft,
                              .given = {QPointF(givenLeft, 0), size},
                              .margins = {.left = 8, .right = rightMargin},
                              .fill = solid(claDeepskyblue),
                              .stroke = outline(ControlOutline),
                              .radius = 8});
}

TLabel *gameCaption(QWidget *owner, QWidget *parent, const char *text, QSizeF size, qreal fontSize)
{
    return label(owner, parent,
                 {.align = Align::Center,
                  .given = {QPointF(0, 0), size},
                  .text = QString::fromUtf8(text),
                  .size = fontSize,
                  .weight = QFont::Bold,
                  .color = claWhite,
                  .horz = Qt::AlignHCenter});
}

} // namespace

// The layout reads as a table, one control a line.
// clang-format off
void TTavix::buildMainBands()
{
    const Fill headerGradient = gradient({.start = {0.5, 1.0}, .stop = {0.49999997, 0.0},
                                          .stops = {{0.0, QColor::fromRgba(claDeepskyblue)}, {1.0, QColor::fromRgba(claWhite)}}});
    Rectangle16 = shape<TRectangle>(this, this, {.align = Align::Client, .given = {0, 0, 385, 650}, .fill = solid(claWhite), .stroke = outline(claWhite)});
    Layout1 = container(this, Rectangle16, Align::Client, {0, 0, 385, 650});
    Rectangle5 = shape<TRectangle>(this, Layout1, {.align = Align::Top, .given = {0, 0, 385, 50}, .fill = headerGradient, .stroke = noStroke});
    Rectangle1 = shape<TRectangle>(this, Layout1, {.align = Align::Top, .given = {0, 100, 385, 295}, .fill = solid(claWhite), .stroke = noStroke});
    RoundRect1 = shape<TRoundRect>(this, Layout1, {.align = Align::Top, .given = {0, 50, 385, 50}, .fill = solid(claDeepskyblue), .stroke = noStroke});
    RoundRect1->setCorners(Corner::BottomLeft | Corner::BottomRight);
    Layout6 = container(this, Layout1, Align::Client, {0, 395, 385, 255});
}

void TTavix::buildHeader()
{
    const StyledSettings style = StyledSetting::Style;
    Label3 = label(this, Rectangle5, {.given = {8, 8, 49, 25}, .text = QStringLiteral("Win:"), .size = 22, .color = claRoyalblue, .styled = style});
    Label4 = label(this, Rectangle5, {.given = {152, 9, 65, 25}, .text = QStringLiteral("0"), .size = 18});
    Label5 = label(this, Rectangle5, {.given = {55, 10, 65, 25}, .text = QStringLiteral("0"), .size = 18});
    Label6 = label(this, Rectangle5, {.given = {112, 8, 49, 25}, .text = QStringLiteral("Bet:"), .size = 22, .color = claRoyalblue, .styled = style});
    Label7 = label(this, Rectangle5, {.given = {278, 10, 65, 25}, .text = QStringLiteral("0"), .size = 18});
    Label8 = label(this, Rectangle5, {.given = {218, 8, 65, 25}, .text = QStringLiteral("Chips:"), .size = 22, .color = claRoyalblue, .styled = style});
}

void TTavix::buildBallBand()
{
    Layout3 = container(this, RoundRect1, Align::Center, {43, 0, 299, 50});
    Circle3 = shape<TCircle>(this, Layout3, {.given = {6, 1, 38, 48}, .fill = none(), .stroke = outline(BallRing, 3), .visible = false});
    Label2 = label(this, Circle3, {.align = Align::Center, .given = {0, 0, 49, 25}, .text = QStringLiteral("8"), .size = 20, .horz = Qt::AlignHCenter, .autoSize = true});
}

void TTavix::buildTicketCard()
{
    const Margins six{6, 6, 6, 6};
    const ShapeRow row{.align = Align::MostTop, .margins = six, .fill = none(), .stroke = noStroke};
    const auto rowAt = [&](qreal top) { ShapeRow r = row; r.given = {6, top, 309, 49}; return r; };

    Rectangle8 = shape<TRectangle>(this, Rectangle1, {.align = Align::Center, .given = {28, 15, 329, 265}, .fill = solid(TicketCard), .stroke = noStroke, .radius = 12});
    Layout2 = container(this, Rectangle8, Align::Center, {4, 12, 321, 241});
    Rectangle2 = shape<TRectangle>(this, Layout2, rowAt(6));
    Rectangle4 = shape<TRectangle>(this, Layout2, rowAt(128));
    Rectangle6 = shape<TRectangle>(this, Layout2, rowAt(189));
    Rectangle7 = shape<TRectangle>(this, Layout2, rowAt(67));
    BevelEffect1 = new TBevelEffect(this);
    BevelEffect1->setDirection(45);
    BevelEffect1->setSize(2);
    Layout2->setGraphicsEffect(BevelEffect1);
    Rectangle3 = shape<TRectangle>(this, Rectangle2, {.align = Align::MostLeft, .given = {4, 0, 49, 49}, .margins = {.left = 4}, .fill = solid(claLinen), .stroke = noStroke, .radius = 4, .visible = false});
    Rectangle3->onClick = [this](QObject *sender) { Rectangle3Click(sender); };
    Label1 = label(this, Rectangle3, {.align = Align::Fit, .given = {0, 0, 49, 40}, .text = QStringLiteral("8"), .size = 33, .horz = Qt::AlignHCenter, .styled = StyledSetting::FontColor, .autoSize = true});
}

void TTavix::buildControlArea()
{
    using Handler = void (TTavix::*)(TControl *, Qt::MouseButton, Qt::KeyboardModifiers, QPointF);
    const auto bind = [this](TRectangle *control, Handler handler) {
        control->onMouseDown = [this, handler](TControl *s, Qt::MouseButton b, Qt::KeyboardModifiers k, QPointF p) { (this->*handler)(s, b, k, p); };
    };

    Rectangle9 = shape<TRectangle>(this, Layout6, {.align = Align::HorzCenter, .given = {-4, 0, 393, 255}, .fill = solid(claWhite), .stroke = outline(claWhite)});
    Layout4 = container(this, Rectangle9, Align::None, {7, 16, 378, 55});
    //                                                size        left  right margin
    Rectangle10 = gameControl(this, Layout4, {65, 55}, 8, 0);
    Label9 = gameCaption(this, Rectangle10, "+1", {57, 41}, 22);
    Rectangle11 = gameControl(this, Layout4, {65, 55}, 300, 0);
    Label10 = gameCaption(this, Rectangle11, "x0", {57, 41}, 22);
    Rectangle12 = gameControl(this, Layout4, {65, 55}, 227, 0);
    Label11 = gameCaption(this, Rectangle12, "x10", {60, 41}, 22);
    Rectangle13 = gameControl(this, Layout4, {65, 55}, 154, 0);
    Label12 = gameCaption(this, Rectangle13, "x2", {57, 41}, 22);
    Rectangle14 = gameControl(this, Layout4, {65, 55}, 81, 0);
    Label13 = gameCaption(this, Rectangle14, "+10", {59, 49}, 22);
    Layout5 = container(this, Rectangle9, Align::None, {8, 82, 377, 63});
    Rectangle15 = gameControl(this, Layout5, {169, 63}, 8, 0);
    Label14 = gameCaption(this, Rectangle15, "Change values", {150, 27}, 18);
    Rectangle19 = gameControl(this, Layout5, {180, 63}, 185, 12);
    Label18 = gameCaption(this, Rectangle19, "Start Lotto", {177, 27}, 22);

    Button1 = new TButton(this);
    Button1->setParent(Layout6);
    Button1->setGeometry(264, 192, 80, 41);
    Button1->setText(QStringLiteral("Show"));
    Button1->setFontColor(claRed);
    Button1->setStyledSettings(StyledSetting::Family | StyledSetting::Size | StyledSetting::Style);
    Button1->setVisible(false);
    Button1->onClick = [this](QObject *sender) { Button1Click(sender); };

    bind(Rectangle10, &TTavix::Rectangle10MouseDown);
    bind(Rectangle14, &TTavix::Rectangle14MouseDown);
    bind(Rectangle13, &TTavix::Rectangle13MouseDown);
    bind(Rectangle12, &TTavix::Rectangle12MouseDown);
    bind(Rectangle11, &TTavix::Rectangle11MouseDown);
    bind(Rectangle15, &TTavix::Rectangle15MouseDown);
    bind(Rectangle19, &TTavix::Rectangle19MouseDown);
}

// clang-format on

} // namespace Brelun
