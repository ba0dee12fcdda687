// Actions: dictionaries with a /S type name, chained through /Next (one action or an
// array of them). The viewer carries out GoTo, the page-moving Named actions and
// SetOCGState; other types do nothing here.
#pragma once

#include <functional>
#include <string>

#include <qpdf/QPDFObjectHandle.hh>

namespace viewer::pdf {

class PdfDocument;

// The action of an outline item: its /A when that is a dictionary; else, when it has
// a /Dest, a GoTo action to that destination (made here, not part of the document);
// else a null object.
QPDFObjectHandle OutlineItemAction(QPDFObjectHandle item);

// A dictionary with a /S name.
bool IsAction(QPDFObjectHandle action);
// The name of /S without its slash ("GoTo"), or "" when there is none.
std::string ActionType(QPDFObjectHandle action);

// Visits the actions of the chain from action in the order they run: each action,
// then its /Next actions with their own chains, in order. An action met again is
// skipped, so a looping chain ends. visit returns false to stop the walk.
void ForEachChainedAction(QPDFObjectHandle action,
                          const std::function<bool(QPDFObjectHandle)>& visit);

// The /D of the first GoTo action of the chain, or a null object.
QPDFObjectHandle ChainDestination(QPDFObjectHandle action);

struct ActionOutcome {
  int page = -1;               // the page the view should show now (0-based), or -1
  bool layersChanged = false;  // which layers are shown has changed
};

// Carries out the chain from action on doc, whose view shows currentPage: a GoTo to a
// page of doc, or a Named NextPage, PrevPage, FirstPage or LastPage, moves the view
// (the last of them counts); SetOCGState changes doc's layer state.
ActionOutcome RunActionChain(PdfDocument& doc, QPDFObjectHandle action, int currentPage);

}  // namespace viewer::pdf
