#include "pdf/optional_content.h"

#include <algorithm>

namespace viewer::pdf {
namespace {

QPDFObjectHandle DefaultConfiguration(QPDF& qpdf) {
  QPDFObjectHandle properties = qpdf.getRoot().getKey("/OCProperties");
  return properties.isDictionary() ? properties.getKey("/D") : QPDFObjectHandle::newNull();
}

}  // namespace

void LayerState::Load(QPDF& qpdf) {
  groups_.clear();
  radioButtonSets_.clear();
  QPDFObjectHandle properties = qpdf.getRoot().getKey("/OCProperties");
  if (!properties.isDictionary()) return;
  QPDFObjectHandle ocgs = properties.getKey("/OCGs");
  if (!ocgs.isArray()) return;
  for (QPDFObjectHandle ocg : ocgs.aitems()) {
    if (!ocg.isDictionary() || !ocg.isIndirect() || Find(ocg) != nullptr) continue;
    QPDFObjectHandle name = ocg.getKey("/Name");
    groups_.push_back({ocg, name.isString() ? name.getUTF8Value() : std::string()});
  }
  QPDFObjectHandle config = properties.getKey("/D");
  if (!config.isDictionary()) return;
  QPDFObjectHandle base = config.getKey("/BaseState");
  const bool baseVisible = !(base.isName() && base.getName() == "/OFF");
  for (Group& group : groups_) group.visible = baseVisible;
  for (const char* key : {"/ON", "/OFF"}) {
    QPDFObjectHandle list = config.getKey(key);
    if (!list.isArray()) continue;
    for (QPDFObjectHandle ocg : list.aitems()) {
      if (Group* group = Find(ocg)) group->visible = key[2] == 'N';
    }
  }
  for (Group& group : groups_) group.initial = group.visible;
  QPDFObjectHandle sets = config.getKey("/RBGroups");
  if (sets.isArray()) {
    for (QPDFObjectHandle set : sets.aitems()) {
      if (!set.isArray()) continue;
      std::vector<QPDFObjGen> members;
      for (QPDFObjectHandle ocg : set.aitems()) {
        if (ocg.isIndirect()) members.push_back(ocg.getObjGen());
      }
      radioButtonSets_.push_back(std::move(members));
    }
  }
}

LayerState::Group* LayerState::Find(QPDFObjectHandle group) {
  if (!group.isIndirect()) return nullptr;
  const QPDFObjGen og = group.getObjGen();
  for (Group& known : groups_) {
    if (known.object.getObjGen() == og) return &known;
  }
  return nullptr;
}

std::vector<std::string> LayerState::VisibleNames() const {
  std::vector<std::string> names;
  for (const Group& group : groups_) {
    if (group.visible) names.push_back(group.name);
  }
  return names;
}

void LayerState::Show(Group& group, bool visible, bool preserveRadioButtons) {
  if (visible && preserveRadioButtons) {
    const QPDFObjGen og = group.object.getObjGen();
    for (const auto& set : radioButtonSets_) {
      if (std::find(set.begin(), set.end(), og) == set.end()) continue;
      for (Group& other : groups_) {
        const QPDFObjGen otherOg = other.object.getObjGen();
        if (otherOg != og && std::find(set.begin(), set.end(), otherOg) != set.end()) {
          other.visible = false;
        }
      }
    }
  }
  group.visible = visible;
}

bool LayerState::Apply(QPDFObjectHandle stateArray, bool preserveRadioButtons) {
  if (!stateArray.isArray()) return false;
  const std::vector<bool> before = [&] {
    std::vector<bool> shown;
    for (const Group& group : groups_) shown.push_back(group.visible);
    return shown;
  }();
  enum class Change { None, On, Off, Toggle } change = Change::None;
  for (QPDFObjectHandle item : stateArray.aitems()) {
    if (item.isName()) {
      const std::string name = item.getName();
      change = name == "/ON" ? Change::On
               : name == "/OFF" ? Change::Off
               : name == "/Toggle" ? Change::Toggle
                                   : Change::None;
      continue;
    }
    Group* group = Find(item);
    if (group == nullptr || change == Change::None) continue;
    const bool visible = change == Change::On || (change == Change::Toggle && !group->visible);
    Show(*group, visible, preserveRadioButtons);
  }
  for (size_t i = 0; i < groups_.size(); ++i) {
    if (groups_[i].visible != before[i]) {
      ++changes_;
      return true;
    }
  }
  return false;
}

bool LayerState::ChangedFromDefault() const {
  return std::any_of(groups_.begin(), groups_.end(),
                     [](const Group& group) { return group.visible != group.initial; });
}

LayerState::DisplayOverride::DisplayOverride(QPDF& qpdf, const LayerState& state) {
  properties_ = qpdf.getRoot().getKey("/OCProperties");
  if (!properties_.isDictionary() || state.empty()) {
    properties_ = QPDFObjectHandle::newNull();
    return;
  }
  original_ = DefaultConfiguration(qpdf);
  // A shallow copy of /D: its other entries (/Order, /RBGroups...) stay as they are.
  QPDFObjectHandle shown = original_.isDictionary() ? original_.shallowCopy()
                                                    : QPDFObjectHandle::newDictionary();
  QPDFObjectHandle on = QPDFObjectHandle::newArray();
  QPDFObjectHandle off = QPDFObjectHandle::newArray();
  for (const Group& group : state.groups_) (group.visible ? on : off).appendItem(group.object);
  shown.replaceKey("/BaseState", QPDFObjectHandle::newName("/ON"));
  shown.replaceKey("/ON", on);
  shown.replaceKey("/OFF", off);
  properties_.replaceKey("/D", shown);
}

LayerState::DisplayOverride::~DisplayOverride() {
  if (!properties_.isDictionary()) return;
  if (original_.isNull()) {
    properties_.removeKey("/D");
  } else {
    properties_.replaceKey("/D", original_);
  }
}

}  // namespace viewer::pdf
