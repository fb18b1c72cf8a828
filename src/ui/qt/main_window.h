// The program's window in Qt Widgets: it passes every click and key to the window's state, draws
// the view it gets back and performs the step's effects. This object owns every widget of the
// window.
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
    // chosen before (Qt's own options only move the focus until one is); Enter held down on a
    // button repeats as the window's state says.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Draws the step's view, then performs its effects: the focus, the announcement, the
    // address, the box.
    void present(const Step &step, Qt::FocusReason reason = Qt::TabFocusReason);
    void draw(const View &view);
    QWidget *widget(const Element &e) const { return widgets_[indexOf(e)]; }
    const Element *elementOf(const QObject *widget) const;

    WindowState state_;
    launch::Shell &shell_;
    std::vector<QWidget *> widgets_; // by the element's index in the table
    Announcer *announcer_;
};

} // namespace vorlank::ui::qt
