#include "print/print_service.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

#include "app/main_frame.h"
#include "app/print_dialog.h"
#include "app/registrations.h"
#include "app/wine_paths.h"
#include "core/unix_files.h"
#include "print/cups_printers.h"
#include "print/spool_names.h"
#include "print/spool_printer.h"

namespace viewer::print {

std::vector<std::string> AvailablePrinters() {
  std::vector<std::string> printers = {kSpoolPrinterName};
  for (std::string& name : CupsPrinterNames()) {
    if (name != kSpoolPrinterName) printers.push_back(std::move(name));
  }
  return printers;
}

std::string SpoolFolder() {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, sizeof module);
  return SpoolFolderFor(std::getenv("TESSALY_SPOOL"), core::FolderOf(UnixPathOf(module)));
}

std::string DefaultPrinter() {
  const char* named = std::getenv("TESSALY_DEFAULT_PRINTER");
  return named != nullptr && *named != '\0' ? named : kSpoolPrinterName;
}

void PrintDocument(DocWindow& doc, const PrintRequest& request) {
  PrintChoice choice;
  choice.printer = DefaultPrinter();
  choice.firstPage = request.firstPage;
  choice.lastPage = request.lastPage;
  if (request.interactive) {
    std::optional<PrintChoice> chosen =
        ShowPrintDialog(MainFrameWindow(), AvailablePrinters(), choice, doc.pdf().PageCount());
    if (!chosen) return;
    CheckedDoc(HandleOf(&doc));  // still open after the dialog
    choice = *chosen;
  }
  // As the host does before each page it prints (copies included), so a registrant
  // learns that something is being printed; a cancelled dialog tells nobody.
  for (int copy = 0; copy < std::max(1, choice.copies); ++copy) {
    for (int page = choice.firstPage; page <= choice.lastPage; ++page) {
      NotifyWillPrintPage(PDDocOf(&doc), page);
      CheckedDoc(HandleOf(&doc));  // a registrant may have closed it
    }
  }
  if (choice.printer == kSpoolPrinterName) {
    SpoolJob(doc.pdf(), choice.firstPage, choice.lastPage, choice.copies, SpoolFolder());
  } else {
    PrintToCups(doc.pdf(), choice.printer, choice.firstPage, choice.lastPage, choice.copies);
  }
}

}  // namespace viewer::print
