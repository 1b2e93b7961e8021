#include "app/MainProgram.h"

#include "core/App.h"
#include "core/WindowUtils.h"
#include "core/logic/ActivityLog.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/StartUp.h"
#include "mainwin/BackForm.h"
#include "players/GetPlayer.h"
#include "practice/Define.h"
#include "practice/Practice.h"
#include "music/logic/MidiVolume.h"

#include <QApplication>
#include <QEventLoop>

void RunMainLoop(AppState& state, Platform& platform, const MainLoopWindows& windows)
{
    // Without the window a step needs, the background window's menu is all there is.
    auto idle = [] {
        QEventLoop idle;
        idle.exec();
    };
    for (;;) {
        LogEvent(state, platform, QStringLiteral("h"));
        if (!windows.ShowPlayer)
            return idle();
        windows.ShowPlayer();
        if (platform.HasEnded())
            return;
        for (;;) {
            if (!windows.ShowDefine)
                return idle();
            windows.ShowDefine();
            if (platform.HasEnded())
                return;
            if (state.PracticeOp == 9)
                break;
            if (windows.ShowPractice)
                windows.ShowPractice();
            if (platform.HasEnded())
                return;
        }
    }
}

void Main(const QString& commandLine)
{
    AppState& state = Shared();
    Platform& platform = System();
    if (!StartProgram(state, platform, commandLine))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    LoadPlayerList(state);
    LogEvent(state, platform, QStringLiteral("c"));
    LogEvent(state, platform, QStringLiteral("d"));
    ProbeMidiVolume(state, platform);
    LogEvent(state, platform, QStringLiteral("e"));
    Forms::Load<BackForm>()->show();
    QApplication::restoreOverrideCursor();
    LogEvent(state, platform, QStringLiteral("f"));
    MainLoopWindows windows;
    windows.ShowPlayer = [] { ShowAndWait<GetPlayer>(); };
    windows.ShowDefine = [] { ShowAndWait<Define>(); };
    windows.ShowPractice = [&state] { ShowAndWait(Forms::Load<Practice>(Definition(state))); };
    RunMainLoop(state, platform, windows);
}
