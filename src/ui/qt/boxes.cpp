#include "boxes.h"

#include "address_field.h"
#include "held_keys.h"
#include "qt_text.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace vorlank::ui::qt
{

namespace
{
// Swallows the repeats of a key held down: the keys that press a box's button or close it.
class HeldKeys final : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
            const auto *key = static_cast<QKeyEvent *>(event);
            const bool closes = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter
                || key->key() == Qt::Key_Space || key->key() == Qt::Key_Escape;
            if (closes && heldKeyRepeat(*key))
                return true;
        }
        return QObject::eventFilter(watched, event);
    }
};

QDialog *warningBox(QWidget *parent, const Box &content)
{
    auto *box = new QDialog(parent);
    box->setObjectName(QStringLiteral("problem"));
    auto *icon = new QLabel(box);
    const int iconSize = box->style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, box);
    icon->setPixmap(
        box->style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, box).pixmap(iconSize));
    auto *text = new QLabel(toQString(content.message), box);
    text->setObjectName(QStringLiteral("message"));
    auto *field = new AddressField(toQString(content.detail), box);
    field->setObjectName(QStringLiteral("detail"));
    // The detail is ASCII (an address, an error's description). The window face draws "_" below
    // its descent, where a selection, which covers ascent and descent, hides it; the system's
    // Latin face draws it within, so an address selected to copy reads as it will paste.
    const QFont sans(QStringLiteral("sans-serif"));
    QFont latinFirst = field->font();
    latinFirst.setFamilies(QStringList(QFontInfo(sans).family()) + latinFirst.families());
    field->setFont(latinFirst);
    field->setAccessibleName(text->text());
    // Wide enough for the whole address on one line; a longer detail scrolls.
    const int room
        = field->fontMetrics().horizontalAdvance(field->text()) + 4 * field->height() / 3;
    field->setMinimumWidth(std::min(room, 600));
    field->setHidden(content.detail.empty());
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
    buttons->button(QDialogButtonBox::Ok)->setText(toQString(content.button));
    QObject::connect(buttons, &QDialogButtonBox::accepted, box, &QDialog::accept);

    auto *layout = new QGridLayout(box);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(text, 0, 1);
    layout->addWidget(field, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    field->selectAll();
    (content.detail.empty() ? static_cast<QWidget *>(buttons) : field)->setFocus();
    return box;
}
} // namespace

QDialog *makeBox(QWidget *parent, const Box &content)
{
    // A box tells screen readers of itself as it shows and takes the focus. Built out of sight,
    // its field's text and selection would be read first, then again with the box.
    const QAccessible::UpdateHandler telling = QAccessible::installUpdateHandler([](auto *) {});
    QDialog *box = nullptr;
    if (content.warning) {
        box = warningBox(parent, content);
    } else {
        auto *message = new QMessageBox(
            QMessageBox::NoIcon, {}, toQString(content.message), QMessageBox::Ok, parent);
        message->button(QMessageBox::Ok)->setText(toQString(content.button));
        box = message;
    }
    QAccessible::installUpdateHandler(telling);
    watchHeldKeys();
    box->setWindowTitle(toQString(content.title));
    box->setAttribute(Qt::WA_DeleteOnClose);
    auto *held = new HeldKeys(box);
    box->installEventFilter(held);
    for (QWidget *w : box->findChildren<QWidget *>())
        w->installEventFilter(held);
    return box;
}

} // namespace vorlank::ui::qt
