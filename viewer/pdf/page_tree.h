// Putting a new page into a document's page tree where it belongs, and taking one out,
// touching only the nodes above it, at a cost that does not grow with the number of
// pages: the other pages keep their objects and the tree its shape, but for a new node
// of two where a page stood in a large node.
#pragma once

#include <qpdf/QPDFObjectHandle.hh>

namespace viewer::pdf {

// Puts page (an indirect page dictionary) into the /Kids of neighbour's parent, just
// before or after neighbour (in a large node: into a new node of the two that takes
// neighbour's place), and counts it in every node above. The page
// overrides what it would inherit there but should not (a crop box, a rotation). False,
// with nothing changed, when neighbour's parent does not list it. Neighbour is looked
// for in its parent's /Kids from position hint outwards (in a flat tree a page's
// index is its position).
bool InsertNextTo(QPDFObjectHandle page, QPDFObjectHandle neighbour, bool before, int hint);

// Takes page out of its parent's /Kids (looked for from position hint outwards) and
// out of the count of every node above; nodes left without kids go as well. The page
// loses its /Parent; every other object stays. False, with nothing changed, when the
// page's parent does not list it.
bool RemoveFromTree(QPDFObjectHandle page, int hint);

// Appends page to the root node of a tree without pages; false when there is no root
// node to append to.
bool AppendToRoot(QPDFObjectHandle root, QPDFObjectHandle page);

}  // namespace viewer::pdf
