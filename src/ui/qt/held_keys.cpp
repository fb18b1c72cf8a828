#include "held_keys.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>

namespace vorlank::ui::qt
{

namespace
{
// The stamp of the last release of each key.
QHash<int, quint64> released;

class Releases final : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            released.insert(key->key(), key->timestamp());
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void watchHeldKeys()
{
    static Releases *const watching = [] {
        auto *filter = new Releases;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
        return filter;
    }();
    (void)watching;
}

bool heldKeyRepeat(const QKeyEvent &event)
{
    return event.isAutoRepeat()
        || (event.type() == QEvent::KeyPress && event.timestamp() != 0
            && released.value(event.key(), 0) == event.timestamp());
}

} // namespace vorlank::ui::qt
