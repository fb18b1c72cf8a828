#include "address_field.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

namespace vorlank::ui::qt
{

namespace
{
// The field's text as the toolkit's own line edit gives it, but for its runs of attributes: the
// toolkit reports an empty run at every offset, which Orca joins into one that stops short of the
// last character, so an address was read without its last letter.
class FieldText final : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit FieldText(QLineEdit *field)
        : QAccessibleWidget(field, QAccessible::EditableText)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface *>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text which) const override
    {
        return which == QAccessible::Value ? field()->text() : QAccessibleWidget::text(which);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = s.selectableText = true;
        return s;
    }

    QString attributes(int /*offset*/, int *start, int *end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    QString text(int start, int end) const override
    {
        return field()->text().mid(start, end - start);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int at) override { field()->setCursorPosition(at); }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void selection(int /*index*/, int *start, int *end) const override
    {
        *start = field()->selectionStart();
        *end = *start + field()->selectionLength();
    }
    void setSelection(int /*index*/, int start, int end) override
    {
        field()->setSelection(start, end - start);
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int /*index*/) override { field()->deselect(); }
    QRect characterRect(int offset) const override
    {
        const QFontMetrics metrics = field()->fontMetrics();
        const QString before = field()->text().left(offset);
        const int x = field()->textMargins().left() + metrics.horizontalAdvance(before);
        const QRect r(x, (field()->height() - metrics.height()) / 2,
            metrics.horizontalAdvance(field()->text().mid(offset, 1)), metrics.height());
        return r.translated(field()->mapToGlobal(QPoint()));
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }
    void scrollToSubstring(int /*start*/, int end) override { field()->setCursorPosition(end); }

private:
    QLineEdit *field() const { return static_cast<QLineEdit *>(widget()); }
};

QAccessibleInterface *fieldText(const QString & /*className*/, QObject *object)
{
    auto *field = dynamic_cast<AddressField *>(object);
    return field ? new FieldText(field) : nullptr;
}
} // namespace

AddressField::AddressField(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
{
    static const bool described = (QAccessible::installFactory(fieldText), true);
    (void)described;
    setReadOnly(true);
}

} // namespace vorlank::ui::qt
