// Stand-ins for the window, the generator and the shell, so that logic is tested without them.
#pragma once

#include "launch/launch.h"
#include "runtime/runtime.h"
#include "ui/window_ops.h"

#include <QList>
#include <QStringList>

#include <functional>

class RecordingWindow final : public vorlank::ui::WindowOps
{
public:
    QString titleText = QStringLiteral("Vorlank1.0版");
    QString character = QStringLiteral("人");
    QString prompt = QStringLiteral("第1个字：");
    bool recognised = false;
    QStringList titles; // every title written, in order
    QStringList endMessages;

    QString title() const override { return titleText; }
    void setTitle(const QString &t) override
    {
        titleText = t;
        titles.append(t);
    }
    QString characterCaption() const override { return character; }
    void setCharacterCaption(const QString &t) override { character = t; }
    void setPromptCaption(const QString &t) override { prompt = t; }
    bool recognisedSelected() const override { return recognised; }
    void showEndMessage(const QString &t) override { endMessages.append(t); }
};

// Plays back the given values in a loop; counts reseeds.
class ScriptedRandom final : public vorlank::runtime::RandomSource
{
public:
    explicit ScriptedRandom(QList<float> values)
        : values_(std::move(values))
    {
    }
    void reseed() override { ++reseeds; }
    float next() override { return values_[position_++ % values_.size()]; }
    int reseeds = 0;

private:
    QList<float> values_;
    qsizetype position_ = 0;
};

class RecordingShell final : public vorlank::launch::Shell
{
public:
    QList<vorlank::launch::ShellArguments> calls;
    void execute(const vorlank::launch::ShellArguments &a) override { calls.append(a); }
};
