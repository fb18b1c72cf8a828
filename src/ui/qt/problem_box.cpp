#include "problem_box.h"

#include "qt_text.h"
#include "texts/texts.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>

namespace vorlank::ui::qt
{

void showProblemBox(QWidget *parent, const QString &message, const QString &detail)
{
    QDialog box(parent);
    box.setObjectName(QStringLiteral("problem"));
    box.setWindowTitle(toQString(texts::applicationTitle));
    auto *icon = new QLabel(&box);
    const int iconSize = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    icon->setPixmap(
        box.style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, &box).pixmap(iconSize));
    auto *text = new QLabel(message, &box);
    text->setObjectName(QStringLiteral("message"));
    auto *field = new QLineEdit(detail, &box);
    field->setObjectName(QStringLiteral("detail"));
    field->setReadOnly(true);
    // The detail is ASCII (an address, an error's description). The window face draws "_" below
    // its descent, where a selection, which covers ascent and descent, hides it; the system's
    // Latin face draws it within, so an address selected to copy reads as it will paste.
    const QFont sans(QStringLiteral("sans-serif"));
    QFont latinFirst = field->font();
    latinFirst.setFamilies(QStringList(QFontInfo(sans).family()) + latinFirst.families());
    field->setFont(latinFirst);
    field->setAccessibleName(message);
    // Wide enough for the whole address on one line; a longer detail scrolls.
    const int room = field->fontMetrics().horizontalAdvance(detail) + 4 * field->height() / 3;
    field->setMinimumWidth(std::min(room, 600));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    buttons->button(QDialogButtonBox::Ok)->setText(toQString(texts::okButton));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto *layout = new QGridLayout(&box);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(text, 0, 1);
    layout->addWidget(field, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    field->selectAll();
    field->setFocus();
    box.exec();
}

} // namespace vorlank::ui::qt
