// What ticking does to the other check boxes of the bookmark tree, and the select
// tools, over the tree's boxes as an abstract set so that the rules can be worked
// out away from the control.
#pragma once

#include <cstdint>
#include <functional>

#include "tree_shape.h"

// The tree's check boxes, by entry.
class CheckBoxes {
 public:
  virtual ~CheckBoxes() = default;
  virtual bool IsChecked(int32_t entry) = 0;
  virtual void SetChecked(int32_t entry, bool checked) = 0;
};

// Sets every box to `checked`.
void SetAllChecks(const TreeShape& shape, CheckBoxes& boxes, bool checked);

// The rule for an item whose box goes from `oldState` to the opposite (the control
// toggles the item's own box itself, after the click or the key): every descendant
// takes the new state; unchecking unchecks every ancestor; checking the last
// unchecked child checks its parent (and nothing higher).
void ApplyAutoCheck(const TreeShape& shape, CheckBoxes& boxes, int32_t entry, bool oldState);

// Checks every item at that depth (1 for the top level); the rest keep their boxes.
void CheckLevel(const TreeShape& shape, CheckBoxes& boxes, int32_t level);

// Checks every item for which `matches` holds and, when `autoCheck`, applies the rule
// for a newly checked item to it; the item itself stays checked.
void CheckMatching(const TreeShape& shape, CheckBoxes& boxes,
                   const std::function<bool(int32_t entry)>& matches, bool autoCheck);
