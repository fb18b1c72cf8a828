// The read-only field a box hands an address or an error's description in, selected to copy, and
// the text a screen reader reads of it.
#pragma once

#include <QLineEdit>

namespace vorlank::ui::qt
{

class AddressField final : public QLineEdit
{
public:
    AddressField(const QString &text, QWidget *parent);
};

} // namespace vorlank::ui::qt
