#pragma once

#include "support/FakeWindowHost.h"
#include "ui/frmAbout.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/frmReferFriend.h"

#include <QMetaType>
#include <QString>
#include <QWidget>

#include <memory>

namespace skyvarre::test {

// The program's four windows, for tests that go through each of them alike.
enum class AnyWindow
{
    Input,
    Result,
    About,
    Farewell
};

// How a row name speaks of the window.
inline QString describe(AnyWindow window)
{
    switch (window) {
    case AnyWindow::Input:
        return QStringLiteral("the input window");
    case AnyWindow::Result:
        return QStringLiteral("the result window");
    case AnyWindow::About:
        return QStringLiteral("the About window");
    case AnyWindow::Farewell:
        return QStringLiteral("the farewell window");
    }
    Q_UNREACHABLE();
}

// A new window of that kind, built hidden over host as the program builds it.
// The result window shows a sign, as after a lookup.
inline std::unique_ptr<QWidget> buildWindow(AnyWindow window, FakeWindowHost& host)
{
    switch (window) {
    case AnyWindow::Input:
        return std::make_unique<frmMain>(host);
    case AnyWindow::Result: {
        auto result = std::make_unique<frmDisplay>(host);
        result->setSednaSign(QStringLiteral("Aries"));
        return result;
    }
    case AnyWindow::About:
        return std::make_unique<frmAbout>();
    case AnyWindow::Farewell:
        return std::make_unique<frmReferFriend>(host);
    }
    Q_UNREACHABLE();
}

} // namespace skyvarre::test

Q_DECLARE_METATYPE(skyvarre::test::AnyWindow)
