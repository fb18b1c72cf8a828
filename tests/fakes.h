// Stand-ins for the window, the generator and the shell, so that logic is tested without them.
#pragma once

#include "launch/launch.h"
#include "runtime/runtime.h"
#include "ui/window_ops.h"

#include <QList>
#include <QString>
#include <QStringList>

// The core's UTF-16 text as a QString, for comparisons and messages.
inline QString q(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline QByteArray q(std::string_view bytes)
{
    return { bytes.data(), static_cast<qsizetype>(bytes.size()) };
}

class RecordingWindow final : public vorlank::ui::WindowOps
{
public:
    QString titleText = QStringLiteral("Vorlank1.0版");
    QString character = QStringLiteral("人");
    QString prompt = QStringLiteral("第1个字：");
    bool recognised = false;
    QStringList titles; // every title written, in order
    QStringList endMessages;
    QStringList problems;

    void setTitle(std::u16string_view t) override
    {
        titleText = q(t);
        titles.append(titleText);
    }
    std::u16string characterCaption() const override { return character.toStdU16String(); }
    void setCharacterCaption(std::u16string_view t) override { character = q(t); }
    void setPromptCaption(std::u16string_view t) override { prompt = q(t); }
    bool recognisedSelected() const override { return recognised; }
    void showEndMessage(std::u16string_view t) override { endMessages.append(q(t)); }
    void showProblem(std::u16string_view message, std::u16string_view detail) override
    {
        problems.append(q(message) + QLatin1Char('\n') + q(detail));
    }
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

// Records every hand-over; `opens` says whether the desktop takes the address.
class RecordingShell final : public vorlank::launch::Shell
{
public:
    QList<vorlank::launch::ShellArguments> calls;
    bool opens = true;
    bool execute(const vorlank::launch::ShellArguments &a) override
    {
        calls.append(a);
        return opens;
    }
};
