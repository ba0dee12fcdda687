// Which optional-content groups (layers) of a document are shown now. It starts as the
// document's default configuration says (/OCProperties /D: /BaseState, then /ON and
// /OFF) and changes with the SetOCGState actions performed. The document itself keeps
// its configuration; only what is shown changes.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <qpdf/QPDF.hh>

namespace viewer::pdf {

class LayerState {
 public:
  // Reads the groups of /OCProperties /OCGs, in that order, and their default state.
  void Load(QPDF& qpdf);

  bool empty() const { return groups_.empty(); }
  // The names of the groups shown now, in /OCGs order.
  std::vector<std::string> VisibleNames() const;
  // Carries out a SetOCGState /State array: /ON, /OFF or /Toggle followed by the groups
  // it applies to. With preserveRadioButtons, a group turned on turns off the other
  // groups of each /RBGroups set it belongs to. True when anything changed.
  bool Apply(QPDFObjectHandle stateArray, bool preserveRadioButtons);
  // Differs from the document's default configuration.
  bool ChangedFromDefault() const;
  // Counts the changes so views know when to render again.
  unsigned changes() const { return changes_; }

  // While it lives, the document's default configuration shows the current state, so
  // a copy written now renders as the viewer shows it; the configuration as it was
  // comes back when it ends.
  class DisplayOverride {
   public:
    DisplayOverride(QPDF& qpdf, const LayerState& state);
    ~DisplayOverride();
    DisplayOverride(const DisplayOverride&) = delete;
    DisplayOverride& operator=(const DisplayOverride&) = delete;

   private:
    QPDFObjectHandle properties_;
    QPDFObjectHandle original_;  // /D as it was (null when there was none)
  };

 private:
  struct Group {
    QPDFObjectHandle object;
    std::string name;
    bool visible = true;
    bool initial = true;
  };
  Group* Find(QPDFObjectHandle group);
  void Show(Group& group, bool visible, bool preserveRadioButtons);

  std::vector<Group> groups_;
  std::vector<std::vector<QPDFObjGen>> radioButtonSets_;
  unsigned changes_ = 0;
};

}  // namespace viewer::pdf
