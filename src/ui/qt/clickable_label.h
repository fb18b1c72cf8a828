// A label (text or picture) that acts on a mouse click, for the advertising panel.
#pragma once

#include <QLabel>

namespace vorlank::ui::qt
{

class ClickableLabel final : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace vorlank::ui::qt
