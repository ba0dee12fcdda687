#include "print/spool_printer.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/host_error.h"
#include "core/unix_files.h"
#include "print/job_line.h"
#include "print/page_copy.h"
#include "print/spool_names.h"

namespace viewer::print {
namespace {

// mkdir -p: true when folder is there afterwards.
bool MakeFolders(const std::string& folder) {
  struct stat info {};
  if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  const std::string parent = core::FolderOf(folder);
  if (parent != folder && parent != "." && !MakeFolders(parent)) return false;
  return mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST;
}

void AppendLine(const std::string& path, const std::string& line) {
  std::FILE* file = std::fopen(path.c_str(), "ab");
  const bool written = file != nullptr &&
                       std::fwrite(line.data(), 1, line.size(), file) == line.size();
  const bool closed = file != nullptr && std::fclose(file) == 0;
  if (!written || !closed) {
    throw core::HostError(kHostErrPrint, "cannot add to " + path + ": " + std::strerror(errno));
  }
}

}  // namespace

std::string SpoolJob(pdf::PdfDocument& doc, int firstPage, int lastPage, int copies,
                     const std::string& folder) {
  if (!MakeFolders(folder)) {
    throw core::HostError(kHostErrPrint, "cannot create the spool folder " + folder);
  }
  const int jobNumber = NextJobNumber(core::FilesWithExtension(folder, ".pdf"));
  const std::string jobPath = core::JoinPath(folder, JobFileName(jobNumber));
  // Written under another name and listed first, so that whoever waits for the job
  // file finds it whole and already in the list.
  const std::string partPath = jobPath + ".part";
  WritePrintCopy(doc, firstPage, lastPage, copies, partPath);
  JobLine line;
  line.jobNumber = jobNumber;
  line.document = doc.path();
  line.firstPage = firstPage + 1;
  line.lastPage = lastPage + 1;
  line.printer = kSpoolPrinterName;
  line.copies = copies;
  try {
    AppendLine(core::JoinPath(folder, kJobListName), FormatJobLine(line));
  } catch (...) {
    std::remove(partPath.c_str());
    throw;
  }
  if (!core::RenameFile(partPath, jobPath)) {
    std::remove(partPath.c_str());
    throw core::HostError(kHostErrPrint, "cannot write " + jobPath);
  }
  return jobPath;
}

}  // namespace viewer::print
