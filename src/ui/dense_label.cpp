#include "dense_label.h"

#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace vorlank::ui
{

void DenseLabel::paintEvent(QPaintEvent * /*event*/)
{
    QTextLayout layout(text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<QTextLine> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width());
        lines.append(line);
    }
    layout.endLayout();
    if (lines.isEmpty())
        return;

    const qreal natural = lines.first().height();
    const qreal em = QFontInfo(font()).pixelSize();
    const qreal pitch = std::clamp(std::floor(height() / qreal(lines.size())), em, natural);
    // Centre each line's natural box on its pitch so that the ink stays inside the pitch.
    const qreal shift = (natural - pitch) / 2;
    for (qsizetype i = 0; i < lines.size(); ++i)
        lines[i].setPosition(QPointF(0, static_cast<qreal>(i) * pitch - shift));

    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    layout.draw(&painter, QPointF(0, 0));
}

} // namespace vorlank::ui
