#pragma once

// Builds the window of the initialised main form with all its components, raises its created
// event while it is still hidden, then shows and activates it. A window or component that
// cannot be created is fatal ("载入启动窗口失败").
void LoadMainWindow();

// Dispatches the thread's messages until the last window of the program is gone.
void RunMessageLoop();
