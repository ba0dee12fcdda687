#include "pdf/link_copy.h"

#include "pdf/actions.h"
#include "pdf/destinations.h"
#include "pdf/object_copy.h"
#include "pdf/object_key.h"

namespace viewer::pdf {
namespace {

bool IsAnnotation(QPDFObjectHandle object) {
  return object.isDictionary() && object.getKey("/Subtype").isName() && object.hasKey("/Rect");
}

}  // namespace

void LinkCopier::PageCopied(QPDFObjectHandle page, QPDFObjectHandle copy) {
  pages_[ObjectKey(page.getObjGen())] = copy;
}

QPDFObjectHandle LinkCopier::Copy(QPDFObjectHandle value) {
  QPDFObjectHandle copy = Value(value);
  Drain();
  return copy;
}

QPDFObjectHandle LinkCopier::Destination(QPDFObjectHandle dest) {
  QPDFObjectHandle copy = ExplicitDestination(dest);
  Drain();
  return copy;
}

QPDFObjectHandle LinkCopier::PageCopy(QPDFObjectHandle page) {
  const auto found = pages_.find(ObjectKey(page.getObjGen()));
  return found != pages_.end() ? found->second : QPDFObjectHandle::newNull();
}

QPDFObjectHandle LinkCopier::ExplicitDestination(QPDFObjectHandle dest) {
  QPDFObjectHandle resolved = ResolveDestination(from_, dest);
  if (!resolved.isArray() || resolved.getArrayNItems() < 1) return Value(dest);
  QPDFObjectHandle copy = QPDFObjectHandle::newArray();
  QPDFObjectHandle target = resolved.getArrayItem(0);
  // A page index (which the viewer follows within the document) becomes the page
  // object it names there.
  if (target.isInteger()) {
    const long long index = target.getIntValue();
    target = index >= 0 && index < from_.PageCount() ? from_.Page(static_cast<int>(index)).getObjectHandle()
                                                     : QPDFObjectHandle::newNull();
  }
  copy.appendItem(target.isIndirect() ? PageCopy(target) : QPDFObjectHandle::newNull());
  for (int i = 1; i < resolved.getArrayNItems(); ++i) copy.appendItem(Value(resolved.getArrayItem(i)));
  return copy;
}

QPDFObjectHandle LinkCopier::Value(QPDFObjectHandle value) {
  if (value.isIndirect()) {
    if (value.isDictionaryOfType("/Page") || from_.PageIndexOf(value) >= 0) return PageCopy(value);
    if (!IsAnnotation(value) && !IsAction(value)) return CopyOver(to_, value);
    const uint64_t key = ObjectKey(value.getObjGen());
    const auto found = copies_.find(key);
    if (found != copies_.end()) return found->second;
    QPDFObjectHandle onPage = IsAnnotation(value) ? value.getKey("/P") : QPDFObjectHandle::newNull();
    if (onPage.isIndirect() && PageCopy(onPage).isNull()) return QPDFObjectHandle::newNull();
    // Filled later, so a chain of actions or annotations of any length, or a loop
    // among them, is copied without going deeper.
    QPDFObjectHandle copy = to_.makeIndirectObject(QPDFObjectHandle::newDictionary());
    copies_.emplace(key, copy);
    unfilled_.emplace_back(value, copy);
    return copy;
  }
  if (value.isArray()) {
    QPDFObjectHandle array = QPDFObjectHandle::newArray();
    for (QPDFObjectHandle item : value.getArrayAsVector()) array.appendItem(Value(item));
    return array;
  }
  if (value.isDictionary()) {
    QPDFObjectHandle dict = QPDFObjectHandle::newDictionary();
    FillDictionary(value, dict);
    return dict;
  }
  return value.shallowCopy();
}

void LinkCopier::FillDictionary(QPDFObjectHandle from, QPDFObjectHandle into) {
  const bool goTo = ActionType(from) == "GoTo";
  const bool annotation = IsAnnotation(from);
  for (const std::string& key : from.getKeys()) {
    QPDFObjectHandle value = from.getKey(key);
    // An annotation's parent is a form field, or the annotation a pop-up belongs to.
    if (annotation && key == "/Parent" && !IsAnnotation(value)) continue;
    const bool destination = key == "/Dest" || (goTo && key == "/D");
    into.replaceKey(key, destination ? ExplicitDestination(value) : Value(value));
  }
}

void LinkCopier::Drain() {
  while (!unfilled_.empty()) {
    auto [from, into] = unfilled_.back();
    unfilled_.pop_back();
    FillDictionary(from, into);
  }
}

}  // namespace viewer::pdf
