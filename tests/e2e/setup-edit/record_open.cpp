// Stands in for the editor of ".ini" files in registry-setup-edit.test.sh: writes the
// path it is asked to open into that path plus ".opened". A windows program without a
// window, so that it neither opens a console nor takes the focus.
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string record = std::string(argv[1]) + ".opened";
  std::FILE* file = std::fopen(record.c_str(), "wb");
  if (!file) return 1;
  std::fputs(argv[1], file);
  return std::fclose(file) == 0 ? 0 : 1;
}
