// For the tests of documents the viewer writes: qpdf's own check of a file, a page's
// content, and an outline read back link by link, its counts worked out again.
#pragma once

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFJob.hh>
#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

// What `qpdf --check` says of the file when it finds a problem; empty when it finds none.
inline std::string QpdfCheckProblems(const std::string& path) {
  QPDFJob check;
  const char* argv[] = {"qpdf", "--check", path.c_str(), nullptr};
  check.initializeFromArgv(argv);
  std::ostringstream output;
  auto logger = QPDFLogger::create();
  logger->setOutputStreams(&output, &output);
  check.setLogger(logger);
  check.run();
  return check.getExitCode() == 0 ? std::string() : output.str();
}

// The page's content streams, decoded and joined.
inline std::string PageContent(QPDFObjectHandle page) {
  Pl_Buffer buffer("content");
  QPDFPageObjectHelper(page).pipeContents(&buffer);
  std::unique_ptr<Buffer> bytes(buffer.getBuffer());
  return std::string(reinterpret_cast<const char*>(bytes->getBuffer()), bytes->getSize());
}

// The outline of pdf as "Title" per item, with "+N" or "-N" for its count and its
// children in braces: "A+2{A1 A2} B". Each link is checked as it is read (/Parent,
// /Prev, the parent's /Last) and every count against the items below it; what does not
// hold goes to `problems`.
inline std::string OutlineListing(QPDF& pdf, std::string* problems) {
  std::ostringstream listing;
  // The items shown below node when it is open; lists its children meanwhile.
  std::function<long long(QPDFObjectHandle, int)> children = [&](QPDFObjectHandle node, int depth) {
    long long shown = 0;
    QPDFObjectHandle previous;
    QPDFObjectHandle item = node.getKey("/First");
    bool firstChild = true;
    while (item.isDictionary()) {
      if (depth > 64) {
        *problems += "too deep; ";
        return shown;
      }
      listing << (firstChild ? "" : " ") << item.getKey("/Title").getUTF8Value();
      firstChild = false;
      if (item.getKey("/Parent").getObjGen() != node.getObjGen()) *problems += "bad /Parent; ";
      if (previous.isInitialized() ? item.getKey("/Prev").getObjGen() != previous.getObjGen()
                                   : item.hasKey("/Prev")) {
        *problems += "bad /Prev; ";
      }
      const long long count = item.getKey("/Count").isInteger() ? item.getKey("/Count").getIntValue() : 0;
      long long below = 0;
      if (item.hasKey("/First")) {
        listing << (count > 0 ? "+" : "") << count << "{";
        below = children(item, depth + 1);
        listing << "}";
      }
      if ((count > 0 ? count : -count) != below) *problems += "bad /Count; ";
      shown += 1 + (count > 0 ? below : 0);
      previous = item;
      item = item.getKey("/Next");
    }
    if (previous.isInitialized() ? node.getKey("/Last").getObjGen() != previous.getObjGen()
                                 : node.hasKey("/Last")) {
      *problems += "bad /Last; ";
    }
    return shown;
  };
  QPDFObjectHandle root = pdf.getRoot().getKey("/Outlines");
  if (!root.isDictionary()) return "";
  const long long shown = children(root, 0);
  const long long rootCount = root.getKey("/Count").isInteger() ? root.getKey("/Count").getIntValue() : 0;
  if (rootCount != shown) *problems += "bad root /Count; ";
  return listing.str();
}
