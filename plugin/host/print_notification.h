// Set when the host reports (notification 28) that a document has really
// printed; the print job clears it before each print call and tests it after.
#pragma once

extern bool printNotified;
