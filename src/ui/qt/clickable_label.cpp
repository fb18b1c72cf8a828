#include "clickable_label.h"

#include <QMouseEvent>

namespace vorlank::ui::qt
{

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // Like a button: the click counts only if released over the element.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace vorlank::ui::qt
