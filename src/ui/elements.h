// The window's elements, each at its design rectangle, with their texts, faces, pictures and
// keyboard order. No behaviour: the main window wires them; the start-up benchmark's floor
// program shows them bare.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

namespace vorlank::ui
{

class ClickableLabel;

// Layout unit of the window's design: 15 twips to the (device-independent) pixel.
constexpr int twipsPerPixel = 15;

struct Elements {
    QPushButton *command1; // 查询此字
    QPushButton *command3; // 提交
    QPushButton *command4; // 开始测试
    QRadioButton *option0; // 认识
    QRadioButton *option1; // 不认识
    QLabel *label2; // the character on show
    QLabel *label3; // the position prompt
    ClickableLabel *image1;
    ClickableLabel *label5;
    ClickableLabel *image2;
    ClickableLabel *label6;
};

// Gives `window` its title, icon, face and fixed size and builds its elements inside it.
Elements buildElements(QWidget *window);

} // namespace vorlank::ui
