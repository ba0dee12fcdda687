# The script language units that need neither Win32 nor the viewer: compiled into
# the viewer and into the native unit tests.
set(SCRIPT_PURE_SOURCES
  viewer/script/measure_expression.cpp
  viewer/script/script_commands.cpp
  viewer/script/script_parser.cpp
  viewer/script/script_tokenizer.cpp
  viewer/script/script_values.cpp
  viewer/script/tree_listing.cpp
)
