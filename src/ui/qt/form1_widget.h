// Form1 in Qt Widgets: the window's elements as widgets, the window operations on them, and
// every click passed to the shared EventHandlers.
#pragma once

#include "ui/form1.h"

#include <QWidget>

#include <memory>

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
    std::u16string characterCaption() const override;
    void setCharacterCaption(std::u16string_view text) override;
    void setPromptCaption(std::u16string_view text) override;
    bool recognisedSelected() const override;
    void showEndMessage(std::u16string_view text) override;
    void showProblem(std::u16string_view message, std::u16string_view detail) override;

    const EventHandlers &handlers() const { return *handlers_; }

private:
    QLabel *character_ = nullptr; // Label2
    QLabel *prompt_ = nullptr; // Label3
    QRadioButton *recognised_ = nullptr; // Option1(0)
    std::unique_ptr<EventHandlers> handlers_;
};

// The desktop's opener (xdg-open), started without waiting for it. An opener that cannot be
// started fails the hand-over at once; one that ends with an error is reported to the shell's
// late-failure listener.
launch::Shell &desktopShell();

} // namespace vorlank::ui::qt
