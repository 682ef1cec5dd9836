#pragma once

#include "WindowInspection.h"
#include "sign/Sign.h"
#include "support/FakeWindowHost.h"
#include "ui/CoreText.h"
#include "ui/frmAbout.h"
#include "ui/frmDisplay.h"
#include "ui/frmMain.h"
#include "ui/frmReferFriend.h"

#include <QMetaType>
#include <QPointer>
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

// Builds a real result window at the first request, as the program does, and
// discards it on Back, so that the find flow can be followed to its result.
class HostWithResultWindow : public FakeWindowHost
{
public:
    ~HostWithResultWindow() override { delete result; }

    frmDisplay& frmDisplayInstance() override
    {
        if (result.isNull()) {
            result = new frmDisplay(*this);
            ++resultWindowsBuilt;
        }
        return *result;
    }

    void goBack() override
    {
        ++goBackCalls;
        // Back runs inside a handler of the result window, so it goes later.
        if (result != nullptr)
            result->deleteLater();
        result = nullptr;
    }

    QPointer<frmDisplay> result;
    int resultWindowsBuilt = 0;
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
// The result window shows a sign, as after a lookup, in the language installed.
inline std::unique_ptr<QWidget> buildWindow(AnyWindow window, FakeWindowHost& host)
{
    switch (window) {
    case AnyWindow::Input:
        return std::make_unique<frmMain>(host);
    case AnyWindow::Result: {
        auto result = std::make_unique<frmDisplay>(host);
        result->setSednaSign(coreText(kSignNamesContext, signName(Sign::Aries)));
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
