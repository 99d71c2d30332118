#pragma once
// TzsSkinData: puts one skin in force. It unpacks a stored skin into
// pictures, parses the definition into records, holds them for every skinned
// window and control, and tells every form before, while and after the skin
// changes.
#include <string>
#include <string_view>
#include <vector>

#include "core/base/bitmap.h"
#include "core/skin/free_notifier.h"
#include "core/skin/resource_strings.h"
#include "core/skin/scaling/scaled_skin.h"
#include "core/skin/skin_definition.h"
#include "core/skin/skin_list.h"
#include "core/skin/skin_messages.h"
#include "core/skin/skin_source.h"
#include "core/skin/stored_skin.h"

namespace zv {

class TzsSkinData : public SkinSource, private FreeListener {
 public:
  // `owner` is the owner form (nullptr: none); `forms` lists every form.
  TzsSkinData(SkinMessageTarget* owner, FormRegistry& forms);
  ~TzsSkinData() override;
  TzsSkinData(const TzsSkinData&) = delete;
  TzsSkinData& operator=(const TzsSkinData&) = delete;

  // Published properties. In high contrast no form is skinnable.
  bool SkinnableForm() const { return skinnableForm_ && !highContrast_; }
  void SetSkinnableForm(bool value);
  // The user's high-contrast colours: the skin steps aside, as if none were
  // loaded (the platform's frame, every control's plain look), and comes
  // back when they go. Every form hears the change.
  void SetHighContrast(bool on);
  bool HighContrast() const { return highContrast_; }
  bool EnableSkinEffects = true;
  bool ShowButtonGlowFrames = true;
  bool ShowCaptionButtonGlowFrames = true;
  TzsCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
  void SetCompressedStoredSkin(TzsCompressedStoredSkin* value);
  TzsResourceStrData* ResourceStrData() const { return resourceStrData_; }
  void SetResourceStrData(TzsResourceStrData* value);
  TzsCompressedSkinList* SkinList() const { return skinList_; }
  void SetSkinList(TzsCompressedSkinList* value);
  int SkinIndex() const { return skinIndex_; }
  void SetSkinIndex(int value);

  // While a form description is applied, SkinnableForm announces nothing.
  void SetLoading(bool value) { loading_ = value; }

  // Puts `skin` in force. An error while unpacking or parsing is raised to
  // the caller after the change has been ended (see skin_data.cpp).
  void LoadCompressedSkin(const TzsCompressedStoredSkin& skin);
  // To the owner form first, then every other form in order.
  void BroadcastSkinMessage(SkinMessage message);

  // Index of the first record named exactly `name`, or -1.
  int FindObjectRecord(std::string_view name) const;
  int FindControlRecord(std::string_view name) const;

  // What skinned controls read.
  bool IsEmpty() const override { return Empty(); }
  const TzsDataSkinControl* ControlRecord(std::string_view name) const override;
  BitmapView Picture(int index) const override;
  const TzsSkinColors& Colors() const override { return skinColors_; }
  // This at 96 DPI and without a skin; else the scaled copy, made at the
  // first request and kept until the skin changes (NoSkinSource when the
  // skin cannot be scaled that far).
  const SkinSource& AtDpi(int dpi) const override;
  // The scaled copy itself; nullptr at 96 DPI, without a skin or past the limits.
  const ScaledSkin* ScaledAt(int dpi) const;
  // The skin in force as the scaling reads it.
  SkinContents Contents() const;

  // State held for consumers.
  bool Empty() const { return empty_ || highContrast_; }
  bool ChangingSkin() const { return changingSkin_; }
  const Bitmap& Picture() const { return picture_; }
  const Bitmap& InactivePicture() const { return inactivePicture_; }
  const Bitmap& Mask() const { return mask_; }
  const std::vector<Bitmap>& ActivePictures() const { return activePictures_; }
  const SkinPictureNames& PictureNames() const { return pictureNames_; }
  const SkinVersionInfo& Version() const { return version_; }
  const SkinFormInfo& FormInfo() const { return formInfo_; }
  const TzsDataSkinPopupWindow& PopupWindow() const { return popupWindow_; }
  const TzsDataSkinHintWindow& HintWindow() const { return hintWindow_; }
  const TzsSkinColors& SkinColors() const { return skinColors_; }
  const ObjectRecords& ObjectList() const { return objectList_; }
  const ControlRecords& ControlList() const { return controlList_; }

 private:
  void FreeNotification(const FreeNotifier* removed) override;
  template <typename T>
  void Relink(T*& reference, T* value);
  void Clear();
  void Take(SkinPackage& package, SkinDefinition& definition);
  void EndChange();

  SkinMessageTarget* owner_;
  FormRegistry& forms_;
  bool skinnableForm_ = true;
  bool highContrast_ = false;
  TzsCompressedStoredSkin* compressedStoredSkin_ = nullptr;
  TzsResourceStrData* resourceStrData_ = nullptr;
  TzsCompressedSkinList* skinList_ = nullptr;
  int skinIndex_ = 0;
  bool loading_ = false;

  bool empty_ = true;
  bool changingSkin_ = false;
  Bitmap picture_, inactivePicture_, mask_;
  std::vector<Bitmap> activePictures_;
  SkinPictureNames pictureNames_;
  SkinVersionInfo version_;
  SkinFormInfo formInfo_;
  TzsDataSkinPopupWindow popupWindow_;
  TzsDataSkinHintWindow hintWindow_;
  TzsSkinColors skinColors_;
  ObjectRecords objectList_;
  ControlRecords controlList_;
  ScaledSkinCache scaled_;
};

}  // namespace zv
