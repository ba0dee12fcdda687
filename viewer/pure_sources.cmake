# The viewer's units that need neither Windows nor Wine; the native unit tests
# compile them with g++ (paths relative to the repository root).
set(VIEWER_PURE_SOURCES
  viewer/core/atom_table.cpp
  viewer/core/command_line.cpp
  viewer/core/error_text.cpp
  viewer/core/exception_frames.cpp
  viewer/core/fixed_math.cpp
  viewer/core/table_offer.cpp
  viewer/core/unix_files.cpp
)
