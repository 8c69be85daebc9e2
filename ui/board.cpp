// SPDX-License-Identifier: GPL-3.0-or-later
// FormCreate: the ticket cells and the balls, copied from the hidden templates, and the first game.
#include "ui/tavix.h"

#include "game/deal.h"
#include "game/state.h"

using Toolkit::Align;
using Toolkit::Fill;
using Toolkit::StyledSetting;

namespace Brelun {

namespace {

constexpr QRgb CellFill = 0xFF2EC0F1;

} // namespace

// The arrays take each control as soon as it exists, so that anything that asks about it while
// it is being set up (an assistive technology, say) already knows which cell or ball it is.
void TTavix::FormCreate(QObject *)
{
    const Array1<TRectangle *, 4> rows{{Rectangle2, Rectangle7, Rectangle4, Rectangle6}};

    for (int i = 1; i <= 20; ++i) {
        TRectangle *cell = new TRectangle(this);
        RR[i] = cell;
        cell->setVisible(true);
        cell->setAlign(Rectangle3->align());
        cell->setMargins(Rectangle3->margins());
        cell->setRadii(Rectangle3->xRadius(), Rectangle3->yRadius());
        cell->setStroke(Rectangle3->stroke());
        cell->setFillColor(CellFill);
        cell->onClick = Rectangle3->onClick;
        cell->setTag(i);
        // Number cells fill rows from the right: each new one takes the leftmost slot.
        // The letter cell of a row stands at its right end.
        if (i > 16)
            cell->setAlign(Align::MostRight);
        cell->setParentControl(rows[i <= 16 ? (i - 1) / 4 + 1 : i - 16]);

        TLabel *text = new TLabel(this);
        LL[i] = text;
        text->beginUpdate();
        text->setStyledSettings(StyledSetting::Family | StyledSetting::Style);
        text->setText(QString::number(i));
        text->setWordWrap(true);
        text->setAlign(Label1->align());
        text->setTextSettings(Label1->textSettings());
        text->setSize(Label1->bounds().size());
        text->setWidth(Label1->bounds().width());
        text->setHeight(Label1->bounds().height());
        text->endUpdate();
        text->setParentControl(cell);
        text->setVisible(true);
        text->setTag(i);
    }

    for (int j = 1; j <= 7; ++j) {
        TCircle *ball = new TCircle(this);
        WW[j] = ball;
        ball->setStroke(Circle3->stroke());
        Fill fill = ball->fill();
        fill.kind = Circle3->fill().kind;
        ball->setFill(fill);
        ball->setAlign(Circle3->align());
        ball->setWidth(Circle3->bounds().width());
        ball->setMargins(Circle3->margins());
        ball->setParentControl(Layout3);
        ball->setTag(j);
        const qreal w = ball->bounds().width();
        ball->setPosition({(w + 4) * j - w, ball->bounds().y()});

        TLabel *text = new TLabel(this);
        WL[j] = text;
        text->beginUpdate();
        text->setStyledSettings({});
        text->setText(QString());
        text->setWordWrap(true);
        text->setAlign(Label2->align());
        text->setTextSettings(Label2->textSettings());
        text->setWidth(Label2->bounds().width());
        text->setHeight(Label2->bounds().height());
        text->endUpdate();
        text->setParentControl(ball);
        text->setTag(j);
    }

    WL[7]->setText(QStringLiteral("R"));
    m_faces.bind(*this);
    GO.Chips = 500;
    Label7->setText(QString::number(GO.Chips));
    initNewLoto();
    GenWinLine();
}

} // namespace Brelun
