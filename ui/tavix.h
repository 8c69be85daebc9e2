// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/board_faces.h"

#include "toolkit/application.h"
#include "toolkit/bevel.h"
#include "toolkit/button.h"
#include "toolkit/label.h"
#include "toolkit/shapes.h"

#include "game/onebased.h"

namespace Brelun {

// The game's one window: the fixed layout, its handlers, and the board built at creation.
class TTavix : public TForm
{
    Q_OBJECT

public:
    TTavix();
    ~TTavix() override;

    // The main bands
    TRectangle *Rectangle16 = nullptr;
    TLayout *Layout1 = nullptr;
    TRectangle *Rectangle5 = nullptr;
    TRectangle *Rectangle1 = nullptr;
    TRoundRect *RoundRect1 = nullptr;
    TLayout *Layout6 = nullptr;
    // The header
    TLabel *Label3 = nullptr;
    TLabel *Label4 = nullptr;
    TLabel *Label5 = nullptr;
    TLabel *Label6 = nullptr;
    TLabel *Label7 = nullptr;
    TLabel *Label8 = nullptr;
    // The ball band
    TLayout *Layout3 = nullptr;
    TCircle *Circle3 = nullptr;
    TLabel *Label2 = nullptr;
    // The ticket card
    TRectangle *Rectangle8 = nullptr;
    TLayout *Layout2 = nullptr;
    TRectangle *Rectangle2 = nullptr;
    TRectangle *Rectangle4 = nullptr;
    TRectangle *Rectangle6 = nullptr;
    TRectangle *Rectangle7 = nullptr;
    TBevelEffect *BevelEffect1 = nullptr;
    TRectangle *Rectangle3 = nullptr;
    TLabel *Label1 = nullptr;
    // The control area
    TRectangle *Rectangle9 = nullptr;
    TLayout *Layout4 = nullptr;
    TLayout *Layout5 = nullptr;
    TButton *Button1 = nullptr;
    TRectangle *Rectangle10 = nullptr;
    TRectangle *Rectangle11 = nullptr;
    TRectangle *Rectangle12 = nullptr;
    TRectangle *Rectangle13 = nullptr;
    TRectangle *Rectangle14 = nullptr;
    TRectangle *Rectangle15 = nullptr;
    TRectangle *Rectangle19 = nullptr;
    TLabel *Label9 = nullptr;
    TLabel *Label10 = nullptr;
    TLabel *Label11 = nullptr;
    TLabel *Label12 = nullptr;
    TLabel *Label13 = nullptr;
    TLabel *Label14 = nullptr;
    TLabel *Label18 = nullptr;

    void FormCreate(QObject *Sender);
    void Rectangle3Click(QObject *Sender);
    void Rectangle10MouseDown(TControl *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos);
    void Rectangle14MouseDown(TControl *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos);
    void Rectangle13MouseDown(TControl *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos);
    void Rectangle12MouseDown(TControl *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos);
    void Rectangle11MouseDown(TControl *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos);
    void Rectangle15MouseDown(TControl *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos);
    void Rectangle19MouseDown(TControl *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, QPointF Pos);
    void Button1Click(QObject *Sender);

private:
    void buildMainBands();
    void buildHeader();
    void buildBallBand();
    void buildTicketCard();
    void buildControlArea();

    BoardFaces m_faces;
};

// The window, set as soon as its construction begins.
inline TTavix *Tavix = nullptr;

// The board that FormCreate builds: the ticket cells and their labels by cell index, the balls
// and their labels left to right.
inline Array1<TRectangle *, 20> RR;
inline Array1<TLabel *, 20> LL;
inline Array1<TCircle *, 7> WW;
inline Array1<TLabel *, 7> WL;

} // namespace Brelun
