# qpdf 11.3 (Debian 12) defines JSON::JSON_array, whose std::vector<JSON> member needs
# JSON complete, inside JSON itself. g++ takes that; clang in C++20 mode does not (the
# vector's destructor is constexpr there). Later qpdf defines the struct after the class;
# when the installed header has the old form, the build reads a copy of it moved so,
# found before the installed one.
set(qpdf_json_header ${QPDF_INCLUDEDIR}/qpdf/JSON.hh)
if(NOT QPDF_INCLUDEDIR)
  set(qpdf_json_header /usr/include/qpdf/JSON.hh)
endif()
file(READ ${qpdf_json_header} json_text)
set(json_array_body "\
    {
        JSON_array() :
            JSON_value(vt_array)
        {
        }
        virtual ~JSON_array() = default;
        virtual void write(Pipeline*, size_t depth) const;
        std::vector<JSON> elements;
    };
")
set(json_array_inside "    struct JSON_array: public JSON_value\n${json_array_body}")
string(FIND "${json_text}" "${json_array_inside}" inside_at)
if(inside_at GREATER -1)
  string(REPLACE "${json_array_inside}" "    struct JSON_array;\n" json_text "${json_text}")
  string(FIND "${json_text}" "\n};\n" class_end)
  math(EXPR class_end "${class_end} + 4")
  string(SUBSTRING "${json_text}" 0 ${class_end} head)
  string(SUBSTRING "${json_text}" ${class_end} -1 tail)
  string(REPLACE "\n    " "\n" outside_body "${json_array_body}")
  string(REGEX REPLACE "^    " "" outside_body "${outside_body}")
  set(fixed_dir ${CMAKE_CURRENT_BINARY_DIR}/qpdf-clang)
  file(WRITE ${fixed_dir}/qpdf/JSON.hh
       "${head}\nstruct JSON::JSON_array: public JSON::JSON_value\n${outside_body}${tail}")
  include_directories(BEFORE SYSTEM ${fixed_dir})
endif()
