// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Numbrella developers
#pragma once
// Read-modify-write of a shared file under a lock file beside it ("Players.lock"), so that
// two copies of the program on one folder never lose each other's changes.

#include <QString>
#include <functional>

// How long a change waits for another copy's lock, and the age after which a lock left by
// a copy that died on another computer is taken over (on this computer a dead copy's lock
// is taken over at once). A change holds the lock for milliseconds.
constexpr int LockWaitMs = 5000;
constexpr int StaleLockMs = 15000;

// What the program does while a lock is waited for: by default it sleeps a little at each
// step; the program sets a waiter that keeps its windows painted and shows the busy pointer.
enum class LockWait { Begin, Step, End };
void SetLockWaiter(std::function<void(LockWait)> waiter);

// Runs `work` holding the lock of `path`; false without running it when the lock cannot be
// taken (a folder that cannot be written, another copy holding it too long, or something
// other than a plain file at the lock's place: a named pipe, a folder, a link). Then
// `blocked`, when given, names the file that stood in the way: the lock's own name
// ("Players.lock") when something stood there, otherwise the file's ("Players").
bool WithFileLock(const QString& path, const std::function<bool()>& work, QString* blocked = nullptr);
