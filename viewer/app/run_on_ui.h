// Running a function on the user-interface thread from another thread.
#pragma once

#include <windows.h>

namespace viewer {

// Handles RunOnUiMessage on the UI thread: lParam is the job RunOnUiThread sent.
void RunPostedJob(LPARAM job);

}  // namespace viewer
