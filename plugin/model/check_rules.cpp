#include "check_rules.h"

namespace {

void SetDescendants(const TreeShape& shape, CheckBoxes& boxes, int32_t entry, bool checked) {
  for (const int32_t* d = shape.DescendantsBegin(entry); d != shape.DescendantsEnd(entry); ++d)
    boxes.SetChecked(*d, checked);
}

}  // namespace

void SetAllChecks(const TreeShape& shape, CheckBoxes& boxes, bool checked) {
  for (const int32_t entry : shape.preorder) boxes.SetChecked(entry, checked);
}

void ApplyAutoCheck(const TreeShape& shape, CheckBoxes& boxes, int32_t entry, bool oldState) {
  const bool newState = !oldState;
  if (shape.HasChildren(entry)) SetDescendants(shape, boxes, entry, newState);
  const int32_t parent = shape.parent[entry];
  if (!newState) {
    for (int32_t up = parent; up >= 0; up = shape.parent[up]) boxes.SetChecked(up, false);
    return;
  }
  if (parent < 0) return;
  for (const int32_t sibling : shape.Children(parent)) {
    if (sibling != entry && !boxes.IsChecked(sibling)) return;
  }
  boxes.SetChecked(parent, true);
}

void CheckLevel(const TreeShape& shape, CheckBoxes& boxes, int32_t level) {
  for (const int32_t entry : shape.preorder)
    if (shape.depth[entry] == level) boxes.SetChecked(entry, true);
}

void CheckMatching(const TreeShape& shape, CheckBoxes& boxes,
                   const std::function<bool(int32_t entry)>& matches, bool autoCheck) {
  for (const int32_t entry : shape.preorder) {
    if (!matches(entry)) continue;
    boxes.SetChecked(entry, true);
    if (autoCheck) ApplyAutoCheck(shape, boxes, entry, false);
  }
}
