// What a screen reader says after an answer, without the focus moving: a widget that screen
// readers meet as a notification, shown again with each announcement as its name. It draws
// nothing; a child label holds the same text, for braille displays and a reader's history.
#pragma once

#include <QWidget>

class QLabel;

namespace vorlank::ui::qt
{

class Announcer final : public QWidget
{
    Q_OBJECT
public:
    explicit Announcer(QWidget *window);

    // Has screen readers say `text` once; nothing for an empty text.
    void announce(const QString &text);
    QString text() const;

private:
    QLabel *said_;
};

// Screen readers meet `window` as a frame whose name is its title (a plain widget is a filler to
// them, whose title they cannot read), every Announcer as a notification, and each answer as a
// radio button that its frame's name does not label again. Installed once,
// before the window is shown.
void describeToScreenReaders();

// Tells screen readers that `window`'s title, which they read as its name, has changed.
void titleChanged(QWidget *window);

} // namespace vorlank::ui::qt
