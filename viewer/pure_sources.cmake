# The viewer's units that need neither Windows nor Wine; the native unit tests
# compile them with g++ (paths relative to the repository root). The pdf/ units
# need qpdf.
set(VIEWER_PURE_SOURCES
  viewer/core/atom_table.cpp
  viewer/core/command_line.cpp
  viewer/core/error_text.cpp
  viewer/core/exception_frames.cpp
  viewer/core/fixed_math.cpp
  viewer/core/handle_words.cpp
  viewer/core/pdf_doc_encoding.cpp
  viewer/core/table_offer.cpp
  viewer/core/unix_files.cpp
  viewer/pdf/actions.cpp
  viewer/pdf/destinations.cpp
  viewer/pdf/document_slots.cpp
  viewer/pdf/name_tree.cpp
  viewer/pdf/object_handles.cpp
  viewer/pdf/optional_content.cpp
  viewer/pdf/outline_index.cpp
  viewer/pdf/pdf_document.cpp
  viewer/print/job_line.cpp
  viewer/print/page_copy.cpp
  viewer/print/print_choice.cpp
  viewer/print/print_request.cpp
  viewer/print/spool_names.cpp
  viewer/print/spool_printer.cpp
)
