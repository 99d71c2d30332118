#pragma once
// A recording form registry for the skin data's announcements.
#include <memory>
#include <string>
#include <vector>

#include "core/base/byte_stream.h"
#include "core/skin/skin_data.h"
#include "embedded/default_skin.h"

namespace zv::test {

struct SkinMessageRecord {
  std::string form;
  SkinMessage message;
  const TzsSkinData* sender;
  long param;
  // What the sender held when the message arrived.
  bool empty;
  bool changing;
  int objects;
};

class RecordingForm : public SkinMessageTarget {
 public:
  RecordingForm(std::string name, std::vector<SkinMessageRecord>& log) : name_(std::move(name)), log_(log) {}
  void ReceiveSkinMessage(SkinMessage message, TzsSkinData& sender, long param) override {
    log_.push_back({name_, message, &sender, param, sender.Empty(), sender.ChangingSkin(),
                    static_cast<int>(sender.ObjectList().size())});
  }

 private:
  std::string name_;
  std::vector<SkinMessageRecord>& log_;
};

class RecordingForms : public FormRegistry {
 public:
  std::vector<SkinMessageRecord> log;
  std::vector<std::unique_ptr<RecordingForm>> forms;

  RecordingForm* AddForm(const std::string& name) {
    forms.push_back(std::make_unique<RecordingForm>(name, log));
    return forms.back().get();
  }
  std::vector<SkinMessageTarget*> Forms() override {
    std::vector<SkinMessageTarget*> targets;
    for (auto& form : forms) targets.push_back(form.get());
    return targets;
  }
  std::vector<unsigned> Messages() const {
    std::vector<unsigned> messages;
    for (const auto& r : log) messages.push_back(r.message);
    return messages;
  }
  std::vector<std::string> Receivers() const {
    std::vector<std::string> names;
    for (const auto& r : log) names.push_back(r.form);
    return names;
  }
};

// The embedded skin in force in a skin data component that one form owns.
struct EmbeddedSkinData {
  RecordingForms forms;
  TzsCompressedSkinList list;
  TzsSkinData data{forms.AddForm("owner"), forms};

  EmbeddedSkinData() {
    ByteReader stream(DefaultSkinStream());
    list.Skins().Add().ReadSkin(stream);
    data.SetSkinList(&list);
  }
};

}  // namespace zv::test
