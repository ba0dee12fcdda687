# The plug-in's units that need neither Win32 nor the host, relative to the
# repository root: the plug-in build compiles them, and so do the native unit tests.
set(PLUGIN_PURE_SOURCES
  plugin/host/print_notification.cpp
  plugin/host/table_acquisition.cpp
  plugin/host/tables.cpp
)
