// Built with the Windows macros undefined: with _WIN32 defined, the CUPS headers take
// themselves for a Windows build and want Winsock.
#include "print/cups_printers.h"

#include <cups/cups.h>
#include <unistd.h>

#include <cstdlib>

#include "core/host_error.h"
#include "core/unix_files.h"
#include "print/page_copy.h"

namespace viewer::print {
namespace {

std::string NameOf(const cups_dest_t& dest) {
  std::string name = dest.name;
  if (dest.instance != nullptr) name += std::string("/") + dest.instance;
  return name;
}

// The job file lives only while CUPS takes it.
class TemporaryPdf {
 public:
  TemporaryPdf() {
    const char* folder = std::getenv("TMPDIR");
    path_ = core::JoinPath(folder != nullptr && *folder != '\0' ? folder : "/tmp",
                           "viewer-print-XXXXXX.pdf");
    const int fd = mkstemps(path_.data(), 4);
    if (fd < 0) throw core::HostError(kHostErrPrint, "cannot create a temporary print file");
    close(fd);
  }
  ~TemporaryPdf() { unlink(path_.c_str()); }
  TemporaryPdf(const TemporaryPdf&) = delete;
  TemporaryPdf& operator=(const TemporaryPdf&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

std::vector<std::string> CupsPrinterNames() {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests(&dests);
  std::vector<std::string> names;
  for (int i = 0; i < count; ++i) {
    if (dests[i].is_default) names.insert(names.begin(), NameOf(dests[i]));
    else names.push_back(NameOf(dests[i]));
  }
  cupsFreeDests(count, dests);
  return names;
}

void PrintToCups(pdf::PdfDocument& doc, const std::string& printer, int firstPage,
                 int lastPage, int copies) {
  const auto slash = printer.find('/');
  const std::string name = printer.substr(0, slash);
  const std::string instance = slash == std::string::npos ? "" : printer.substr(slash + 1);
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests(&dests);
  cups_dest_t* dest =
      cupsGetDest(name.c_str(), instance.empty() ? nullptr : instance.c_str(), count, dests);
  if (dest == nullptr) {
    cupsFreeDests(count, dests);
    throw core::HostError(kHostErrPrint, "no printer " + printer);
  }
  cups_option_t* options = nullptr;
  int optionCount = 0;
  for (int i = 0; i < dest->num_options; ++i) {
    optionCount = cupsAddOption(dest->options[i].name, dest->options[i].value, optionCount,
                                &options);
  }
  cupsFreeDests(count, dests);
  optionCount = cupsAddOption("copies", std::to_string(copies < 1 ? 1 : copies).c_str(),
                              optionCount, &options);

  TemporaryPdf file;
  int job = 0;
  try {
    WritePrintCopy(doc, firstPage, lastPage, 1, file.path());
    job = cupsPrintFile(name.c_str(), file.path().c_str(), core::FileNameOf(doc.path()).c_str(),
                        optionCount, options);
  } catch (...) {
    cupsFreeOptions(optionCount, options);
    throw;
  }
  cupsFreeOptions(optionCount, options);
  if (job == 0) {
    throw core::HostError(kHostErrPrint, printer + ": " + cupsLastErrorString());
  }
}

}  // namespace viewer::print
