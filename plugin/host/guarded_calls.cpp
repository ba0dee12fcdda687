#include "guarded_calls.h"

#include "error_frame.h"

AVDoc ActiveDocument() {
  AVDoc volatile doc = nullptr;
  HOST_DURING
    doc = host::AVAppGetActiveDoc();
  HOST_HANDLER
    doc = nullptr;
  HOST_END_HANDLER
  return doc;
}

bool PerformAction(AVDoc doc, PDAction action) {
  volatile bool done = false;
  HOST_DURING
    host::AVDocPerformAction(doc, action);
    done = true;
  HOST_HANDLER
  HOST_END_HANDLER
  return done;
}

void ShowPage(AVDoc doc, PDPageNumber page) {
  HOST_DURING
    host::AVPageViewGoTo(host::AVDocGetPageView(doc), page);
  HOST_HANDLER
  HOST_END_HANDLER
}

void AlertNote(const std::string& message) {
  const char* text = message.c_str();
  HOST_DURING
    host::AVAlertNote(text);
  HOST_HANDLER
  HOST_END_HANDLER
}

bool PrintDocumentPages(AVDoc doc, AVDocPrintParams parameters) {
  volatile bool done = false;
  HOST_DURING
    host::AVDocPrintPagesWithParams(doc, parameters);
    done = true;
  HOST_HANDLER
  HOST_END_HANDLER
  return done;
}

ASPathName NewHostPath(const char* path) {
  return host::ASFileSysCreatePathName(host::ASGetDefaultFileSys(),
                                       host::ASAtomFromString("Cstring"), path, nullptr);
}

void ReleaseHostPath(ASPathName path) {
  if (!path) return;
  HOST_DURING
    host::ASFileSysReleasePath(host::ASGetDefaultFileSys(), path);
  HOST_HANDLER
  HOST_END_HANDLER
}

AVDoc OpenDocumentWindow(const std::string& path) {
  const char* text = path.c_str();
  ASPathName volatile pathName = nullptr;
  AVDoc volatile doc = nullptr;
  HOST_DURING
    pathName = NewHostPath(text);
    doc = host::AVDocOpenFromFile(pathName, host::ASGetDefaultFileSys(), nullptr);
  HOST_HANDLER
    doc = nullptr;
  HOST_END_HANDLER
  // The path is the caller's to release either way.
  ReleaseHostPath(pathName);
  return doc;
}

void CloseWithoutSaving(AVDoc doc) {
  HOST_DURING
    host::AVDocClose(doc, true);
  HOST_HANDLER
  HOST_END_HANDLER
}

void ReleasePage(PDPage page) {
  HOST_DURING
    host::PDPageRelease(page);
  HOST_HANDLER
  HOST_END_HANDLER
}

bool DocumentPageCount(AVDoc doc, PDDoc& document, ASInt32& pageCount) {
  PDDoc volatile found = nullptr;
  volatile ASInt32 count = 0;
  volatile bool done = false;
  HOST_DURING
    found = host::AVDocGetPDDoc(doc);
    count = host::PDDocGetNumPages(found);
    done = true;
  HOST_HANDLER
  HOST_END_HANDLER
  document = found;
  pageCount = count;
  return done;
}

bool ReadPageCropBox(PDDoc document, PDPageNumber page, ASFixedRect& box, ASErrorCode& error) {
  PDPage volatile acquired = nullptr;
  volatile bool done = false;
  HOST_DURING
    acquired = host::PDDocAcquirePage(document, page);
    host::PDPageGetCropBox(acquired, &box);
    host::PDPageRelease(acquired);
    acquired = nullptr;
    done = true;
  HOST_HANDLER
    error = HOST_ERRORCODE;
  HOST_END_HANDLER
  // A page acquired before the raise is released all the same.
  if (acquired) ReleasePage(acquired);
  return done;
}

std::string HostErrorText(ASErrorCode error) {
  char text[256] = {};
  HOST_DURING
    host::ASGetErrorString(error, text, sizeof text);
  HOST_HANDLER
  HOST_END_HANDLER
  text[sizeof text - 1] = '\0';
  return text;
}

void AlertHostError(ASErrorCode error) { AlertNote(HostErrorText(error)); }
