#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <QtGlobal>

#include <string_view>

namespace skyvarre::test {

// Shows window and waits until it has the keyboard; false when it never does.
[[nodiscard]] inline bool showActive(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The control of window with that object name; a missing control ends the
// test program, since every later check would be meaningless.
template <class Control> Control& control(QWidget& window, const char* name)
{
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (found == nullptr)
        qFatal("no control named %s", name);
    return *found;
}

// A text of the sign core as a window shows it.
inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The menu bar as read from the live widgets, one line per entry: object name
// and caption ("-" for a separator), the items of a menu indented below it,
// "(off)" for a disabled and "(hidden)" for an invisible entry.
inline QStringList menuLines(QWidget& window)
{
    auto describe = [](const QAction& action, const QString& name) {
        QString line =
            name + QLatin1Char(' ') + (action.isSeparator() ? QStringLiteral("-") : action.text());
        if (!action.isEnabled())
            line += QStringLiteral(" (off)");
        if (!action.isVisible())
            line += QStringLiteral(" (hidden)");
        return line;
    };
    QStringList lines;
    for (QAction* entry : window.findChild<QMenuBar*>()->actions()) {
        QMenu* menu = entry->menu<QMenu*>();
        lines.append(describe(*entry, menu != nullptr ? menu->objectName() : entry->objectName()));
        if (menu == nullptr)
            continue;
        for (QAction* item : menu->actions())
            lines.append(QStringLiteral("    ") + describe(*item, item->objectName()));
    }
    return lines;
}

} // namespace skyvarre::test
