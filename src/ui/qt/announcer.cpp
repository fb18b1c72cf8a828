#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QRadioButton>

namespace vorlank::ui::qt
{

namespace
{
class NotificationInterface final : public QAccessibleWidget
{
public:
    explicit NotificationInterface(Announcer *announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<Announcer *>(widget())->text()
                                      : QAccessibleWidget::text(t);
    }
};

// An answer as the toolkit describes a radio button, but not labelled by its frame: a screen
// reader that cannot tell that two answers share a frame reads the frame's name again at every
// arrow key. It reads it once, entering the frame.
class AnswerInterface final : public QAccessibleWidget
{
public:
    explicit AnswerInterface(QRadioButton *answer)
        : QAccessibleWidget(answer, QAccessible::RadioButton)
    {
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = answer()->isChecked();
        return s;
    }
    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            answer()->click();
        else
            QAccessibleWidget::doAction(action);
    }
    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override
    {
        auto related = QAccessibleWidget::relations(match);
        related.removeIf(
            [](const auto &r) { return qobject_cast<QGroupBox *>(r.first->object()); });
        return related;
    }

private:
    QRadioButton *answer() const { return static_cast<QRadioButton *>(widget()); }
};

QAccessibleInterface *describe(const QString & /*className*/, QObject *object)
{
    if (auto *answer = qobject_cast<QRadioButton *>(object))
        return new AnswerInterface(answer);
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new NotificationInterface(announcer);
    // The program's window; the toolkit's dialogs describe themselves.
    if (object->inherits("vorlank::ui::qt::MainWindow"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    return nullptr;
}
} // namespace

Announcer::Announcer(QWidget *window)
    : QWidget(window)
    , said_(new QLabel(this))
{
    // In the window's bottom right corner, where nothing else lies; nothing is drawn.
    setGeometry(window->width() - 1, window->height() - 1, 1, 1);
    said_->setGeometry(0, 0, 1, 1);
    QPalette unseen = said_->palette();
    unseen.setColor(QPalette::WindowText, Qt::transparent);
    said_->setPalette(unseen);
    setFocusPolicy(Qt::NoFocus);
}

QString Announcer::text() const
{
    return said_->text();
}

void Announcer::announce(const QString &text)
{
    if (text.isEmpty())
        return;
    said_->setText(text);
    said_->setAccessibleName(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void describeToScreenReaders()
{
    static const bool installed = [] {
        QAccessible::installFactory(describe);
        return true;
    }();
    (void)installed;
}

void titleChanged(QWidget *window)
{
    QAccessibleEvent renamed(window, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

} // namespace vorlank::ui::qt
