// Host calls the dialogs make, each in an error frame of its own: a raise makes the
// call answer "none" or "not done" instead of unwinding through the dialog.
#pragma once

#include <string>

#include "host_records.h"
#include "host_types.h"

AVDoc ActiveDocument();
bool PerformAction(AVDoc doc, PDAction action);
// Shows a page (0-based) in the document's page view.
void ShowPage(AVDoc doc, PDPageNumber page);
void AlertNote(const std::string& message);
// Prints with the host's print service; false when the host raised.
bool PrintDocumentPages(AVDoc doc, AVDocPrintParams parameters);
// A Windows path as the host's default file system names it. Raises as the host does:
// call it inside an error frame, and give the path back with ReleaseHostPath.
ASPathName NewHostPath(const char* path);
// Gives back a path from NewHostPath (null: nothing); a raise is swallowed.
void ReleaseHostPath(ASPathName path);
// Opens a PDF file (a Windows path) in a host document window; null when it cannot.
AVDoc OpenDocumentWindow(const std::string& path);
// Closes a document window without saving.
void CloseWithoutSaving(AVDoc doc);

// Gives back a page acquired or made; a raise is swallowed.
void ReleasePage(PDPage page);
// The document of a document window and its page count; false when the host raised.
bool DocumentPageCount(AVDoc doc, PDDoc& document, ASInt32& pageCount);
// A page's crop box, the page acquired and released around it; false when the host
// raised, with its error code in `error`.
bool ReadPageCropBox(PDDoc document, PDPageNumber page, ASFixedRect& box, ASErrorCode& error);
// The host's own text for an error.
std::string HostErrorText(ASErrorCode error);
// Shows the host's own text for an error in the host's note alert.
void AlertHostError(ASErrorCode error);
