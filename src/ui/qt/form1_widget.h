// Form1 in Qt Widgets: the window's elements as widgets, the window operations on them, and
// every click passed to the shared EventHandlers.
#pragma once

#include "ui/form1.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLabel;
class QRadioButton;

namespace vorlank::ui::qt
{

class Form1Widget final : public QWidget, public WindowOps
{
    Q_OBJECT
public:
    // Throws when the program's embedded inventory does not load.
    Form1Widget(launch::Shell &shell, runtime::RandomSource &random, QWidget *parent = nullptr);
    ~Form1Widget() override;

    void setTitle(std::u16string_view title) override;
    void setCharacterCaption(std::u16string_view text) override;
    void setPromptCaption(std::u16string_view text) override;
    bool recognisedSelected() const override;
    void showEndMessage(std::u16string_view text) override;
    void showProblem(std::u16string_view message, std::u16string_view detail) override;

    const EventHandlers &handlers() const { return *handlers_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *character_ = nullptr;
    QLabel *prompt_ = nullptr;
    QRadioButton *recognised_ = nullptr;
    std::vector<QRadioButton *> answers_;
    std::unique_ptr<EventHandlers> handlers_;
};

} // namespace vorlank::ui::qt
