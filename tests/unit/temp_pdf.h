// Files under /tmp for tests that open documents the way the viewer does.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <string>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

// The path of a new empty file under /tmp whose name starts with stem.
inline std::string TempPath(const char* stem) {
  std::string name = std::string("/tmp/") + stem + "-XXXXXX";
  const int fd = mkstemp(name.data());
  if (fd >= 0) close(fd);
  return name;
}

// pdf written to a new file under /tmp whose name starts with stem; its path.
inline std::string WriteTempPdf(QPDF& pdf, const char* stem) {
  const std::string path = TempPath(stem);
  QPDFWriter writer(pdf, path.c_str());
  writer.write();
  return path;
}
