// The platform's one channel for failures the launcher goes on past: a write,
// rename, delete or process start that failed is recorded with its file (or
// command line) and the reason, so that a save that did not happen leaves a
// trace. Nothing is shown to the player and nothing else changes: callers
// still take the failure as their result says. On Windows the record goes to
// the debugger (OutputDebugStringW, which DebugView also shows); the offscreen
// system keeps the records for the tests.
#pragma once

#include "platform/text.h"

// `operation`: "write", "rename", "delete" or "start". `subject`: the GBK path
// or command line. An empty `reason` stands for the system's own: the error of
// the call that has just failed.
void recordFailure(const char* operation, const Text& subject, const Text& reason = Text());

// Forgets the system's last error, so that a call which fails without setting
// one is not blamed on an earlier call.
void clearSystemError();
