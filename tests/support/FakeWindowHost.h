#pragma once

#include "FakePrompts.h"
#include "FakeRandom.h"
#include "ui/WindowHost.h"

#include <QWidget>
#include <QtGlobal>

namespace skyvarre::test {

// A window host for testing one window on its own: it records the moves the
// window asks for instead of making them. Tests that need the result window
// derive from it and override frmDisplayInstance().
class FakeWindowHost : public WindowHost
{
public:
    Prompts& prompts() override { return fakePrompts; }
    RandomSource& random() override { return fakeRandom; }
    frmDisplay& frmDisplayInstance() override
    {
        qFatal("this test does not expect the result window");
    }
    void showResult() override { ++showResultCalls; }
    void goBack() override { ++goBackCalls; }
    void showFarewell() override { ++showFarewellCalls; }
    void showAbout(QWidget* owner) override
    {
        ++showAboutCalls;
        aboutOwner = owner;
    }
    void CloseAllAndEnd() override { ++closeAllAndEndCalls; }

    FakePrompts fakePrompts;
    FakeRandom fakeRandom;
    int showResultCalls = 0;
    int goBackCalls = 0;
    int showFarewellCalls = 0;
    int showAboutCalls = 0;
    int closeAllAndEndCalls = 0;
    QWidget* aboutOwner = nullptr; // the window About last opened over
};

} // namespace skyvarre::test
