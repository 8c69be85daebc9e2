// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <functional>

// A window of the application. Its creation handler runs once, after the window's stored
// layout is built and before it is shown.
class TForm : public QWidget
{
    Q_OBJECT

public:
    explicit TForm(QWidget *parent = nullptr);

    std::function<void(QObject *sender)> onCreate;

    // Runs the creation handler. The application calls it once, right after construction.
    void create();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_redelivering = false;
    bool m_droppingDoubleClick = false;
};
