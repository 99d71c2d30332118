#include "core/skin/skin_data.h"

#include <algorithm>

#include "core/base/display_scale.h"

namespace zv {

namespace {

template <typename Records>
int FindRecord(const Records& records, std::string_view name) {
  const auto found = std::find_if(records.begin(), records.end(), [&](const auto& r) { return r->Name() == name; });
  return found == records.end() ? -1 : static_cast<int>(found - records.begin());
}

Bitmap TakeBitmap(std::optional<BmpPicture>& picture) {
  return picture ? std::move(picture->bitmap) : Bitmap();
}

}  // namespace

TzsSkinData::TzsSkinData(SkinMessageTarget* owner, FormRegistry& forms) : owner_(owner), forms_(forms) {}

TzsSkinData::~TzsSkinData() {
  // The controls let go of the records and pictures before they are freed.
  NotifyFree();
  Relink(compressedStoredSkin_, static_cast<TzsCompressedStoredSkin*>(nullptr));
  Relink(resourceStrData_, static_cast<TzsResourceStrData*>(nullptr));
  Relink(skinList_, static_cast<TzsCompressedSkinList*>(nullptr));
}

template <typename T>
void TzsSkinData::Relink(T*& reference, T* value) {
  if (reference == value) return;
  // The same component may sit behind two properties; keep listening while
  // any of them still names it.
  T* old = reference;
  reference = value;
  const FreeNotifier* oldNotifier = old;
  const bool stillLinked = oldNotifier == compressedStoredSkin_ || oldNotifier == resourceStrData_ ||
                           oldNotifier == skinList_;
  if (old && !stillLinked) old->RemoveFreeListener(this);
  if (value) value->AddFreeListener(this);
}

void TzsSkinData::FreeNotification(const FreeNotifier* removed) {
  // Only the reference goes: the skin in force stays and nothing is sent.
  if (removed == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
  if (removed == resourceStrData_) resourceStrData_ = nullptr;
  if (removed == skinList_) skinList_ = nullptr;
}

void TzsSkinData::SetHighContrast(bool on) {
  if (on == highContrast_) return;
  BroadcastSkinMessage(ZSM_SKINCHANGING);
  highContrast_ = on;
  BroadcastSkinMessage(ZSM_SKINCHANGED);
  BroadcastSkinMessage(ZSM_SKINCHANGEDONE);
  BroadcastSkinMessage(ZSM_FORMSKINNABLECHANGED);
}

void TzsSkinData::SetSkinnableForm(bool value) {
  if (value == skinnableForm_) return;
  skinnableForm_ = value;
  if (!loading_) BroadcastSkinMessage(ZSM_FORMSKINNABLECHANGED);
}

void TzsSkinData::SetCompressedStoredSkin(TzsCompressedStoredSkin* value) {
  Relink(compressedStoredSkin_, value);
  if (value) LoadCompressedSkin(*value);
}

void TzsSkinData::SetResourceStrData(TzsResourceStrData* value) {
  Relink(resourceStrData_, value);
  BroadcastSkinMessage(ZSM_RESSTRINGSCHANGED);
}

void TzsSkinData::SetSkinList(TzsCompressedSkinList* value) {
  Relink(skinList_, value);
  if (value && skinIndex_ >= 0 && skinIndex_ < value->Skins().Count()) {
    LoadCompressedSkin(value->Skins().Item(skinIndex_).StoredSkin());
  }
}

void TzsSkinData::SetSkinIndex(int value) {
  if (value == skinIndex_) return;
  if (!skinList_) {
    skinIndex_ = value;
    return;
  }
  if (value < 0 || value >= skinList_->Skins().Count()) return;
  skinIndex_ = value;
  LoadCompressedSkin(skinList_->Skins().Item(skinIndex_).StoredSkin());
}

void TzsSkinData::BroadcastSkinMessage(SkinMessage message) {
  if (owner_) owner_->ReceiveSkinMessage(message, *this, kSkinMessageParam);
  // A receiver may open or close forms; the list is taken once.
  for (SkinMessageTarget* form : forms_.Forms()) {
    if (form != owner_) form->ReceiveSkinMessage(message, *this, kSkinMessageParam);
  }
}

int TzsSkinData::FindObjectRecord(std::string_view name) const { return FindRecord(objectList_, name); }

int TzsSkinData::FindControlRecord(std::string_view name) const { return FindRecord(controlList_, name); }

const TzsDataSkinControl* TzsSkinData::ControlRecord(std::string_view name) const {
  const int index = FindControlRecord(name);
  return index < 0 ? nullptr : controlList_[static_cast<std::size_t>(index)].get();
}

BitmapView TzsSkinData::Picture(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= activePictures_.size()) return {};
  // Consumers only read; the view type is shared with drawing targets.
  Bitmap& picture = const_cast<Bitmap&>(activePictures_[static_cast<std::size_t>(index)]);
  return picture.view();
}

const SkinSource& TzsSkinData::AtDpi(int dpi) const {
  if (dpi == kBaseDpi || Empty()) return *this;
  const ScaledSkin* scaled = ScaledAt(dpi);
  return scaled ? static_cast<const SkinSource&>(*scaled) : NoSkinSource();
}

const ScaledSkin* TzsSkinData::ScaledAt(int dpi) const {
  if (dpi == kBaseDpi || Empty()) return nullptr;
  return scaled_.Get(Contents(), dpi);
}

SkinContents TzsSkinData::Contents() const {
  SkinContents c;
  c.picture = const_cast<Bitmap&>(picture_).view();
  c.inactivePicture = const_cast<Bitmap&>(inactivePicture_).view();
  c.mask = const_cast<Bitmap&>(mask_).view();
  for (int i = 0; i < static_cast<int>(activePictures_.size()); ++i) c.activePictures.push_back(Picture(i));
  c.formInfo = &formInfo_;
  c.popupWindow = &popupWindow_;
  c.hintWindow = &hintWindow_;
  c.colors = &skinColors_;
  c.objects = &objectList_;
  c.controls = &controlList_;
  return c;
}

void TzsSkinData::Clear() {
  scaled_.Clear();
  objectList_.clear();
  controlList_.clear();
  activePictures_.clear();
  popupWindow_.windowPictureIndex = -1;
  hintWindow_.windowPictureIndex = -1;
  pictureNames_.activePictures.clear();
  skinColors_.ResetToSystemColors();
  picture_ = Bitmap();
  inactivePicture_ = Bitmap();
  mask_ = Bitmap();
  pictureNames_.picture.clear();
  pictureNames_.mask.clear();
}

void TzsSkinData::Take(SkinPackage& package, SkinDefinition& definition) {
  scaled_.Clear();
  picture_ = TakeBitmap(package.picture);
  inactivePicture_ = TakeBitmap(package.inactivePicture);
  mask_ = TakeBitmap(package.mask);
  for (BmpPicture& active : package.activePictures) activePictures_.push_back(std::move(active.bitmap));
  version_ = std::move(definition.version);
  pictureNames_ = std::move(definition.pictures);
  formInfo_ = definition.formInfo;
  popupWindow_ = definition.popupWindow;
  hintWindow_ = std::move(definition.hintWindow);
  skinColors_ = definition.colors;
  objectList_ = std::move(definition.objects);
  controlList_ = std::move(definition.controls);
}

// A load that stops after 1225 still ends the change with 1226 and 1227:
// every listener that dropped its records on 1225 waits for them, and an
// empty skin data reads as no skin, so they fall back to their plain look.
void TzsSkinData::EndChange() {
  Clear();
  BroadcastSkinMessage(ZSM_SKINCHANGED);
  changingSkin_ = false;
  BroadcastSkinMessage(ZSM_SKINCHANGEDONE);
}

void TzsSkinData::LoadCompressedSkin(const TzsCompressedStoredSkin& skin) {
  if (skin.IsEmpty()) return;
  empty_ = true;
  changingSkin_ = true;
  BroadcastSkinMessage(ZSM_SKINCHANGING);
  Clear();
  try {
    // The package is read in full before anything of it is taken, so a
    // failure leaves no half skin behind.
    std::vector<std::uint8_t> buffer;
    skin.Unpack(buffer);
    SkinPackage package = ReadPackage(buffer);
    buffer = {};
    if (!IsAcceptedVersion(package.version)) {
      EndChange();
      return;
    }
    SkinDefinition definition = ParseSkinDefinition(package.definitionText);
    Take(package, definition);
  } catch (...) {
    EndChange();
    throw;
  }
  empty_ = false;
  BroadcastSkinMessage(ZSM_SKINCHANGED);
  changingSkin_ = false;
  BroadcastSkinMessage(ZSM_SKINCHANGEDONE);
}

}  // namespace zv
