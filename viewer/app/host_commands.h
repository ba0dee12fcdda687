// The viewer's own menus, menu items and toolbar buttons, built on the same host
// objects the plug-ins use.
#pragma once

namespace viewer {

// Call once the main window and its toolbar exist, before plug-ins load.
void BuildHostMenusAndToolbar();

}  // namespace viewer
