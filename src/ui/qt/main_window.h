// The program's window in Qt Widgets: it passes every click to the window's state and draws the
// view it gets back, performing the one effect, opening an address. This object owns every
// widget of the window.
#pragma once

#include "launch/launch.h"
#include "ui/window_state.h"

#include <QWidget>

#include <vector>

namespace vorlank::ui::qt
{

class Announcer;

class MainWindow final : public QWidget
{
    Q_OBJECT
public:
    // Throws when the program's embedded inventory does not load.
    MainWindow(launch::Shell &shell, runtime::RandomSource &random, QWidget *parent = nullptr);

protected:
    // Tab and Shift+Tab go where the window's state says.
    bool focusNextPrevChild(bool next) override;
    // An arrow key on an answer moves to the other answer and chooses it, whether or not one was
    // chosen before (Qt's own options only move the focus until one is).
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Draws `view`, then shows its box, opens its address and announces what it says.
    void present(const View &view);
    void draw(const View &view);
    QWidget *widget(const Element &e) const { return widgets_[indexOf(e)]; }
    const Element *elementOf(const QObject *widget) const;

    WindowState state_;
    launch::Shell &shell_;
    std::vector<QWidget *> widgets_; // by the element's index in the table
    Announcer *announcer_;
};

} // namespace vorlank::ui::qt
