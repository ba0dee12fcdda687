// The UI script runner: `--script FILE` runs one command a line from a driver thread
// while the UI thread runs the message loop.
#pragma once

#include <string>

namespace viewer::script {

// Reads and checks the whole script before anything runs. On a bad script returns
// false with every problem in *error (line numbers included); the script is refused.
bool LoadScript(const std::string& path, std::string* error);

// Starts the driver thread for the loaded script. Call on the UI thread once the main
// window exists and the plug-ins are loaded. When the script ends the driver calls
// viewer::AppQuit(0); after a failed step it prints the script line and why to stderr
// and calls viewer::AppQuit(1).
void StartDriver();

}  // namespace viewer::script
