# The plug-in's units that need neither Win32 nor the host, relative to the
# repository root: the plug-in build compiles them, and so do the native unit tests.
set(PLUGIN_PURE_SOURCES
  plugin/framework/integer_text.cpp
  plugin/host/print_notification.cpp
  plugin/host/table_acquisition.cpp
  plugin/host/tables.cpp
  plugin/model/bookmark_label.cpp
  plugin/model/bookmark_lookup.cpp
  plugin/model/bookmark_model.cpp
  plugin/model/bookmark_ranges.cpp
  plugin/model/bookmark_title.cpp
  plugin/model/check_rules.cpp
  plugin/model/expansion_order.cpp
  plugin/model/selection_refresh.cpp
  plugin/model/thumbnail_plan.cpp
  plugin/model/timing_log.cpp
  plugin/model/tree_shape.cpp
  plugin/print/index_layout.cpp
  plugin/print/index_pdf_writer.cpp
  plugin/print/print_list.cpp
  plugin/print/print_params.cpp
  plugin/settings/print_settings.cpp
  plugin/settings/settings_file.cpp
  plugin/ui/install_path.cpp
  plugin/ui/main_layout.cpp
  plugin/ui/page_count_text.cpp
)
