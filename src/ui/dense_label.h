// A wrapping paragraph that tightens its line pitch, down to one em, when the face's natural
// line height would push its last lines out of the box. The window's design fits its
// introduction in 12-pixel lines (SimSun's); faces such as Noto Sans CJK have taller lines.
#pragma once

#include <QLabel>

namespace vorlank::ui
{

class DenseLabel final : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vorlank::ui
