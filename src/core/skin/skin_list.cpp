#include "core/skin/skin_list.h"

namespace zv {

namespace {

void CheckIndex(int index, int count) {
  if (index < 0 || index >= count) throw Error("List index out of bounds (" + std::to_string(index) + ")");
}

}  // namespace

TzsSkinListItem::TzsSkinListItem(int index) : name_("zsSkin" + std::to_string(index)) {}

TzsSkinListItem& TzsSkinListItems::Item(int index) {
  CheckIndex(index, Count());
  return *items_[index];
}

const TzsSkinListItem& TzsSkinListItems::Item(int index) const {
  CheckIndex(index, Count());
  return *items_[index];
}

TzsSkinListItem& TzsSkinListItems::Add() {
  items_.push_back(std::make_unique<TzsSkinListItem>(Count()));
  return *items_.back();
}

void TzsSkinListItems::Delete(int index) {
  CheckIndex(index, Count());
  items_.erase(items_.begin() + index);
}

}  // namespace zv
