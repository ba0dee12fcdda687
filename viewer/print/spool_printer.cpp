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

// This viewer's last job in a folder, with the folder as it stood right after it.
struct LastJob {
  std::string folder;
  dev_t device = 0;
  ino_t inode = 0;
  timespec modified{};
  int number = 0;
};

LastJob& LastJobWritten() {
  static LastJob last;
  return last;
}

bool SameFolderState(const LastJob& last, const std::string& folder, const struct stat& now) {
  return last.number > 0 && last.folder == folder && last.device == now.st_dev &&
         last.inode == now.st_ino && last.modified.tv_sec == now.st_mtim.tv_sec &&
         last.modified.tv_nsec == now.st_mtim.tv_nsec;
}

// The folder is listed again only when it has changed since this viewer's last job
// there: a run of many jobs would otherwise list a folder that grows by a file a job.
int NextJobNumberIn(const std::string& folder) {
  struct stat now {};
  const LastJob& last = LastJobWritten();
  if (stat(folder.c_str(), &now) == 0 && SameFolderState(last, folder, now)) {
    struct stat taken {};
    const int next = last.number + 1;
    if (stat(core::JoinPath(folder, JobFileName(next)).c_str(), &taken) != 0) return next;
  }
  return NextJobNumber(core::FilesWithExtension(folder, ".pdf"));
}

void RememberJob(const std::string& folder, int number) {
  struct stat now {};
  LastJob& last = LastJobWritten();
  if (stat(folder.c_str(), &now) != 0) {
    last = {};
    return;
  }
  last = {folder, now.st_dev, now.st_ino, now.st_mtim, number};
}

}  // namespace

std::string SpoolJob(pdf::PdfDocument& doc, int firstPage, int lastPage, int copies,
                     const std::string& folder) {
  if (!MakeFolders(folder)) {
    throw core::HostError(kHostErrPrint, "cannot create the spool folder " + folder);
  }
  const int jobNumber = NextJobNumberIn(folder);
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
  RememberJob(folder, jobNumber);
  return jobPath;
}

}  // namespace viewer::print
