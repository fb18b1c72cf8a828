// The Linux window in the journeys runner's hands (tests/qt_driver.py): this program hosts the
// window on a real X display and observes it as a screen reader does, through the accessibility
// interfaces and events the toolkit hands the accessibility bus, in process: what the bus would
// carry, without a bus whose timing a test would wait on. The driver types and clicks through X
// (xdotool), as a user's keyboard and mouse do, so that X's own key repeat and every filter on
// the way take part. Its opener is the desktop's, xdg-open, found on the PATH the driver gives.
// Commands, one a line on standard input, each answered by one line on standard output:
//   start SEED [CONTEXT...]  a fresh window whose draws are those of SEED, and an opener that
//                            takes every address, or in the context "fails" none, or in "late"
//                            takes each and gives up later (the folders opens, fails and late
//                            of $VORLANK_OPENERS, each the whole PATH): {"window": its X id}
//   where NAME               where the control a screen reader reads by NAME (or whose name
//                            starts so) has its centre, from the window's corner: {"x", "y"}
//   away                     another program's window comes up: {"window": its X id}
//   handled                  how many clicks and keys the program has taken in: {"inputs": N}
//   observe                  what the user's tools observe, as window_oracle prints it
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_shell.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_text.h"
#include "ui/view_json.h"

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

// Every interface below `root`, as a screen reader walks the tree.
void walk(QAccessibleInterface *root, const std::function<void(QAccessibleInterface *)> &visit)
{
    for (int i = 0; root && i < root->childCount(); ++i) {
        QAccessibleInterface *child = root->child(i);
        if (!child || child->state().invisible)
            continue;
        visit(child);
        walk(child, visit);
    }
}

QAccessibleInterface *describe(QObject *o)
{
    return QAccessible::queryAccessibleInterface(o);
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
        const QString opener = context.contains(QStringLiteral("fails")) ? QStringLiteral("fails")
            : context.contains(QStringLiteral("late"))                   ? QStringLiteral("late")
                                                                         : QStringLiteral("opens");
        qputenv("PATH", qgetenv("VORLANK_OPENERS") + '/' + opener.toLatin1());
        random_ = std::make_unique<runtime::SeededRandom>(seed);
        heard_ = {};
        window_ = std::make_unique<ui::qt::MainWindow>(shell_, *random_);
        titles_ = { nameOf(describe(window_.get())) }; // read as the window comes up
        window_->show();
        return { { "window", static_cast<qint64>(window_->winId()) } };
    }

    QJsonObject where(const QString &name) const
    {
        QWidget *box = QApplication::activeModalWidget();
        QAccessibleInterface *found = nullptr;
        walk(describe(box ? box : window_.get()), [&](QAccessibleInterface *a) {
            const QString read = nameOf(a);
            if (!read.isEmpty() && (read == name || (!found && read.startsWith(name))))
                found = a;
        });
        if (!found)
            return { { "error", QStringLiteral("no control named ") + name } };
        // In the display's own pixels from the window's corner, wherever the window manager has
        // put the window by now.
        const QPointF centre = (QRectF(found->rect()).center() - window_->mapToGlobal(QPoint()))
            * window_->devicePixelRatioF();
        return { { "x", qRound(centre.x()) }, { "y", qRound(centre.y()) } };
    }

    QJsonObject away()
    {
        elsewhere_ = std::make_unique<QWidget>();
        elsewhere_->setWindowTitle(QStringLiteral("elsewhere"));
        elsewhere_->resize(200, 100);
        elsewhere_->show();
        return { { "window", static_cast<qint64>(elsewhere_->winId()) } };
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

    QJsonObject observe()
    {
        QJsonObject seen { { "keyboard", "window" }, { "leaving", false },
            { "faults", QJsonArray() } };
        seen["title"] = titles_.isEmpty() ? QString() : titles_.back();
        for (const ui::Element &e : ui::elements()) {
            if (e.shows == ui::Shows::Caption)
                continue;
            auto *shown = window_->findChild<QWidget *>(
                QString::fromLatin1(e.name.data(), static_cast<qsizetype>(e.name.size())));
            seen[e.shows == ui::Shows::Prompt ? "prompt" : "character"] = nameOf(describe(shown));
        }
        seen["checked"] = QJsonValue::Null;
        walk(describe(window_.get()), [&](QAccessibleInterface *a) {
            if (a->role() == QAccessible::RadioButton && a->state().checked)
                seen["checked"] = nameOf(a);
        });
        QWidget *focused = QApplication::focusWidget();
        seen["focus"] = focused ? QJsonValue(nameOf(describe(focused))) : QJsonValue();
        seen["box"] = box(seen);
        seen["heard"] = QJsonArray::fromStringList(heard_);
        seen["opened"] = QJsonArray(); // the driver reads what the opener received
        return seen;
    }

private:
    // The open box as a screen reader reads it: its title, the text it shows, the field's text
    // when there is one, and its button; the faults of its face and its selection.
    static QJsonValue box(QJsonObject &seen)
    {
        QWidget *open = QApplication::activeModalWidget();
        if (!open || !open->isVisible())
            return QJsonValue::Null;
        QJsonObject box { { "title", nameOf(describe(open)) }, { "detail", QJsonValue::Null } };
        QString message;
        walk(describe(open), [&](QAccessibleInterface *a) {
            if (a->role() == QAccessible::StaticText && !nameOf(a).isEmpty())
                message += nameOf(a);
            if (a->role() == QAccessible::EditableText)
                box["detail"] = a->text(QAccessible::Value);
            if (a->role() == QAccessible::Button)
                box["button"] = nameOf(a);
        });
        box["message"] = message;
        QJsonArray faults = seen["faults"].toArray();
        const QString face = QFontInfo(open->font()).family();
        if (face != QStringLiteral("SimSun") && face != QStringLiteral("AR PL UMing CN"))
            faults.append(QStringLiteral("the box is drawn in ") + face);
        if (const auto *field = open->findChild<QLineEdit *>();
            field && field->isVisible() && field->selectedText() != field->text())
            faults.append(QStringLiteral("the box's field is not selected to copy"));
        seen["faults"] = faults;
        return box;
    }

    static void record(QAccessibleEvent *event)
    {
        QAccessibleInterface *about = event->accessibleInterface();
        if (!about)
            return;
        // A notification shown with no text (as the window first shows) says nothing.
        if (event->type() == QAccessible::ObjectShow && about->role() == QAccessible::Notification
            && !nameOf(about).isEmpty())
            heard_.append(nameOf(about));
        if (event->type() == QAccessible::NameChanged && about->role() == QAccessible::Window)
            titles_.append(nameOf(about));
    }

    static inline QStringList heard_;
    static inline QStringList titles_;
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
        if (words.isEmpty()) {
            QApplication::quit(); // the driver is done
            return;
        }
        const QString &command = words.front();
        const QJsonObject answer = command == QStringLiteral("start")
            ? agent.start(words.value(1).toULongLong(), words.mid(2))
            : command == QStringLiteral("where")   ? agent.where(words.mid(1).join(u' '))
            : command == QStringLiteral("away")    ? agent.away()
            : command == QStringLiteral("handled") ? agent.handled()
                                                   : agent.observe();
        std::fputs(
            QJsonDocument(answer).toJson(QJsonDocument::Compact).append('\n').constData(), stdout);
        std::fflush(stdout);
    });
    return QApplication::exec();
}
