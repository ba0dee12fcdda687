// A program that must never be run by "Edit": run, it leaves its own path plus ".ran".
#include <cstdio>
#include <string>

int main(int, char** argv) {
  const std::string record = std::string(argv[0]) + ".ran";
  std::FILE* file = std::fopen(record.c_str(), "wb");
  if (!file) return 1;
  return std::fclose(file) == 0 ? 0 : 1;
}
