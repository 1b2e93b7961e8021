#include "core/MainProgram.h"

#include "core/App.h"
#include "core/WindowUtils.h"
#include "core/logic/ActivityLog.h"
#include "core/logic/PlayerFiles.h"
#include "core/logic/StartUp.h"
#include "mainwin/BackForm.h"
#include "music/logic/MidiVolume.h"

#include <QApplication>
#include <QEventLoop>

void RunMainLoop(AppState& state, Platform& platform, const MainLoopWindows& windows)
{
    for (;;) {
        LogEvent(state, platform, QStringLiteral("h"));
        if (!windows.ShowPlayer) {
            // No player window to show: the background window's menu is all there is.
            QEventLoop idle;
            idle.exec();
            return;
        }
        windows.ShowPlayer();
        if (platform.HasEnded())
            return;
        for (;;) {
            windows.ShowDefine();
            if (platform.HasEnded())
                return;
            if (state.PracticeOp == 9)
                break;
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
    RunMainLoop(state, platform, MainLoopWindows{});
}
