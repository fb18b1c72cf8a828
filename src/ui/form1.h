// The program's one window: the test with its big character, the answer options and buttons,
// the introduction and instructions, and the panel advertising the maker's other programs.
#pragma once

#include "inventory/inventory.h"
#include "ui/window_ops.h"

#include <QWidget>

#include <memory>

class QLabel;
class QRadioButton;

namespace vorlank::launch
{
class Shell;
}
namespace vorlank::runtime
{
class RandomSource;
}
namespace vorlank::quiz
{
class Quiz;
}

namespace vorlank::ui
{

class Form1 final : public QWidget, public WindowOps
{
    Q_OBJECT
public:
    Form1(launch::Shell &shell, runtime::RandomSource &random, QWidget *parent = nullptr);
    ~Form1() override;

    QString title() const override;
    void setTitle(const QString &title) override;
    QString characterCaption() const override;
    void setCharacterCaption(const QString &text) override;
    void setPromptCaption(const QString &text) override;
    bool recognisedSelected() const override;
    void showEndMessage(const QString &text) override;

    const inventory::InventoryTexts &inventoryTexts() const { return texts_; }
    const inventory::Bands &bands() const { return bands_; }
    const quiz::Quiz &quiz() const { return *quiz_; }

private:
    launch::Shell &shell_;
    inventory::InventoryTexts texts_; // Text1 and Text2: data of the window, never shown
    inventory::Bands bands_; // List1(0) .. List1(12)
    std::unique_ptr<quiz::Quiz> quiz_;
    QLabel *character_ = nullptr; // Label2
    QLabel *prompt_ = nullptr; // Label3
    QRadioButton *recognised_ = nullptr; // Option1(0)
};

} // namespace vorlank::ui
