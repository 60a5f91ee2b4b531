// What the offscreen open files tell the path operations: Windows refuses to
// delete, rename or replace a file that is open without delete sharing, and
// the launcher's opens never grant it.
#pragma once

#include <sys/types.h>

bool offscreenFileIsOpen(dev_t device, ino_t inode);

// Counts one file-changing step; true when the test wants it to fail
// (OffscreenSystem::failFileStep), with errno set as a failing disk sets it.
bool offscreenStepFails();
