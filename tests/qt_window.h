// What the Qt window's suites share: controls found as a screen reader finds them, by the name it
// reads, and the box on show as the user reads it.
#pragma once

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QWidget>

// The control a screen reader reads by `name`, or whose name starts with it (a paragraph's); null
// when there is none. Two such controls are a fault.
template <typename W = QWidget> W *control(const QWidget *in, const QString &name)
{
    const auto nameOf = [](QWidget *w) {
        QAccessibleInterface *described = QAccessible::queryAccessibleInterface(w);
        return described ? described->text(QAccessible::Name) : QString();
    };
    QWidget *found = nullptr;
    for (QWidget *w : name.isEmpty() ? QList<QWidget *>() : in->findChildren<QWidget *>()) {
        const QString read = nameOf(w);
        if (!qobject_cast<W *>(w) || read.isEmpty() || !read.startsWith(name) || !w->isVisible())
            continue;
        if (found && nameOf(found) == read)
            qFatal("two controls named %s", qPrintable(read));
        if (!found || read == name)
            found = w;
    }
    return qobject_cast<W *>(found);
}

// The box on show: its title, every text it shows and its buttons' texts; empty when none is.
struct ShownBox {
    QString title;
    QStringList texts;
    QStringList buttons;
    bool operator==(const ShownBox &) const = default;
};
inline ShownBox shownBox()
{
    QWidget *box = QApplication::activeModalWidget();
    if (!box || !box->isVisible())
        return {};
    ShownBox shown { box->windowTitle(), {}, {} };
    for (const QLabel *l : box->findChildren<QLabel *>())
        if (!l->text().isEmpty())
            shown.texts.push_back(l->text());
    for (const QAbstractButton *b : box->findChildren<QAbstractButton *>())
        shown.buttons.push_back(b->text());
    return shown;
}
