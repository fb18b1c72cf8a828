// The Linux window in the journeys runner's hands (tests/qt_driver.py): this program hosts the
// window on a real X display and observes it as a screen reader does, through the accessibility
// interfaces and events the toolkit hands the accessibility bus, in process: what the bus would
// carry, without a bus whose timing a test would wait on. The driver types and clicks through X,
// as a user's keyboard and mouse do, so that X's own key repeat and every filter on the way take
// part. Its opener is the desktop's, xdg-open, found on the PATH the driver gives.
// Commands, one a line on standard input, each answered by one line of JSON:
//   start SEED [CONTEXT...]  a fresh window whose draws are those of SEED, and an opener that
//                            takes every address, or in the context "fails" none, or in "late"
//                            takes each and gives up later (the folders opens, fails and late
//                            of $VORLANK_OPENERS, each the whole PATH): {"window": its X id}
//   where NAME               where the control a screen reader reads by NAME (or whose name
//                            starts so) has its centre, from the window's corner: {"x", "y"}
//   away                     another program's window comes up: {"window": its X id}
//   handled                  the buttons and keys released in the program's windows: {"inputs"}
//   observe                  what the user's tools observe, as window_oracle prints it
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_shell.h"
#include "ui/qt/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QSocketNotifier>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <memory>

using namespace vorlank;

namespace
{
QString nameOf(QAccessibleInterface *a)
{
    return a ? a->text(QAccessible::Name) : QString();
}

QString nameOf(QObject *o)
{
    return nameOf(QAccessible::queryAccessibleInterface(o));
}

// Every interface below `root`'s, as a screen reader walks the tree.
void walk(QObject *root, const std::function<void(QAccessibleInterface *)> &visit)
{
    std::function<void(QAccessibleInterface *)> below = [&](QAccessibleInterface *a) {
        for (int i = 0; a && i < a->childCount(); ++i)
            if (QAccessibleInterface *child = a->child(i); child && !child->state().invisible) {
                visit(child);
                below(child);
            }
    };
    below(QAccessible::queryAccessibleInterface(root));
}

QJsonObject windowId(const QWidget &w)
{
    return { { "window", static_cast<qint64>(w.winId()) } };
}

class Agent final : public QObject
{
public:
    Agent()
    {
        QAccessible::installUpdateHandler(record);
        qApp->installEventFilter(this);
    }

    QJsonObject start(quint64 seed, const QStringList &context)
    {
        // The toolkit tells screen readers nothing until the accessibility bus has answered.
        for (int i = 0; i < 1000 && !QAccessible::isActive(); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        window_.reset();
        elsewhere_.reset();
        const char *opener = context.contains(QStringLiteral("fails")) ? "/fails"
            : context.contains(QStringLiteral("late"))                 ? "/late"
                                                                       : "/opens";
        qputenv("PATH", qgetenv("VORLANK_OPENERS") + opener);
        random_ = std::make_unique<runtime::SeededRandom>(seed);
        heard_ = {};
        early_ = {};
        window_ = std::make_unique<ui::qt::MainWindow>(shell_, *random_);
        title_ = nameOf(window_.get()); // read as the window comes up
        window_->show();
        return windowId(*window_);
    }

    QJsonObject where(const QString &name) const
    {
        QWidget *box = QApplication::activeModalWidget();
        QAccessibleInterface *found = nullptr;
        walk(box ? box : window_.get(), [&](QAccessibleInterface *a) {
            if (nameOf(a) == name || (!found && !nameOf(a).isEmpty() && nameOf(a).startsWith(name)))
                found = a;
        });
        // In the display's own pixels from the window's corner, wherever the window manager has
        // put the window by now.
        const QPointF centre = (QRectF(found->rect()).center() - window_->mapToGlobal(QPoint()))
            * window_->devicePixelRatioF();
        return { { "x", qRound(centre.x()) }, { "y", qRound(centre.y()) } };
    }

    QJsonObject away()
    {
        elsewhere_ = std::make_unique<QWidget>();
        elsewhere_->show();
        return windowId(*elsewhere_);
    }

    // Each click and key the window takes in ends with a release, which reaches a window first,
    // and its widgets after.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        inputs_ += watched->isWindowType()
            && (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyRelease);
        return false;
    }
    QJsonObject handled() const { return { { "inputs", inputs_ } }; }

    QJsonObject observe() const
    {
        QJsonObject seen { { "keyboard", "window" }, { "title", title_ }, { "checked", {} },
            { "focus", {} }, { "leaving", false },
            { "heard", QJsonArray::fromStringList(heard_) } };
        for (const ui::Element &e : ui::elements())
            if (e.shows != ui::Shows::Caption)
                seen[e.shows == ui::Shows::Prompt ? "prompt" : "character"]
                    = nameOf(window_->findChild<QWidget *>(
                        QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size()))));
        walk(window_.get(), [&](QAccessibleInterface *a) {
            if (a->role() == QAccessible::RadioButton && a->state().checked)
                seen["checked"] = nameOf(a);
        });
        QJsonArray faults = QJsonArray::fromStringList(early_);
        if (QWidget *focused = QApplication::focusWidget()) {
            seen["focus"] = nameOf(focused);
            // Orca, which cannot tell that two answers share a frame, would read a labelling
            // frame's name again at every arrow key.
            const auto *a = QAccessible::queryAccessibleInterface(focused);
            if (a->role() == QAccessible::RadioButton
                && !a->relations(QAccessible::Label).isEmpty())
                faults.append(QStringLiteral("an answer labelled by its frame"));
        }
        seen["box"] = box(faults);
        seen["faults"] = faults;
        return seen;
    }

private:
    // The open box as a screen reader reads it: its title, the text it shows, the field's text
    // when there is one, and its button; the faults of its face and its selection.
    static QJsonValue box(QJsonArray &faults)
    {
        QWidget *open = QApplication::activeModalWidget();
        if (!open || !open->isVisible())
            return {};
        QJsonObject box { { "title", nameOf(open) }, { "detail", {} } };
        QString message;
        walk(open, [&](QAccessibleInterface *a) {
            message += a->role() == QAccessible::StaticText ? nameOf(a) : QString();
            // Read as Orca reads it: up to the end of the run of attributes at its last character.
            if (auto *t = a->textInterface(); t && a->role() == QAccessible::EditableText) {
                int start = 0;
                int end = 0;
                t->attributes(t->characterCount() - 1, &start, &end);
                box["detail"] = t->text(0, end);
            }
            if (a->role() == QAccessible::Button)
                box["button"] = nameOf(a);
        });
        box["message"] = message;
        const QString face = QFontInfo(open->font()).family();
        if (face != QStringLiteral("SimSun") && face != QStringLiteral("AR PL UMing CN"))
            faults.append(QStringLiteral("the box is drawn in ") + face);
        if (const auto *field = open->findChild<QLineEdit *>();
            field && field->isVisible() && field->selectedText() != field->text())
            faults.append(QStringLiteral("the box's field is not selected to copy"));
        return box;
    }

    // What screen readers are told: each notification shown with words, and each new title; and
    // a text's selection told before it shows, which Orca reads then, and again as it shows.
    static void record(QAccessibleEvent *event)
    {
        QAccessibleInterface *about = event->accessibleInterface();
        if (event->type() == QAccessible::TextSelectionChanged && about && about->state().invisible)
            early_.append(nameOf(about) + QStringLiteral(": selection told before it shows"));
        if (about && event->type() == QAccessible::ObjectShow
            && about->role() == QAccessible::Notification && !nameOf(about).isEmpty())
            heard_.append(nameOf(about));
        if (about && event->type() == QAccessible::NameChanged
            && about->role() == QAccessible::Window)
            title_ = nameOf(about);
    }

    static inline QStringList heard_;
    static inline QStringList early_;
    static inline QString title_;
    ui::qt::DesktopShell shell_;
    std::unique_ptr<runtime::RandomSource> random_;
    std::unique_ptr<ui::qt::MainWindow> window_;
    std::unique_ptr<QWidget> elsewhere_;
    qint64 inputs_ = 0;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    ui::qt::applyChineseConventions();
    Agent agent;
    QTextStream in(stdin);
    QSocketNotifier commands(0, QSocketNotifier::Read);
    QObject::connect(&commands, &QSocketNotifier::activated, [&] {
        const QStringList words = in.readLine().split(u' ', Qt::SkipEmptyParts);
        const QString command = words.value(0);
        if (command.isEmpty())
            return QApplication::quit(); // the driver is done
        const QJsonObject answer = command == QStringLiteral("start")
            ? agent.start(words.value(1).toULongLong(), words.mid(2))
            : command == QStringLiteral("where")   ? agent.where(words.mid(1).join(u' '))
            : command == QStringLiteral("away")    ? agent.away()
            : command == QStringLiteral("handled") ? agent.handled()
                                                   : agent.observe();
        std::puts(QJsonDocument(answer).toJson(QJsonDocument::Compact).constData());
        std::fflush(stdout);
    });
    return QApplication::exec();
}
