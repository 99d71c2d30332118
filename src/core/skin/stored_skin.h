#pragma once
// TzsCompressedStoredSkin: one skin package kept compressed, and the
// stored-skin stream (version, length, zlib data) by which it sits in a form
// description or a compressed skin file.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/base/byte_stream.h"
#include "core/platform/files.h"
#include "core/platform/text_codec.h"
#include "core/skin/free_notifier.h"
#include "core/skin/package.h"

namespace zv {

class TzsCompressedStoredSkin : public FreeNotifier {
 public:
  bool IsEmpty() const { return compressedData_.empty(); }

  // The zlib stream as the form description's "CompressedData" holds it.
  const std::vector<std::uint8_t>& CompressedData() const { return compressedData_; }
  void SetCompressedData(std::vector<std::uint8_t> data) { compressedData_ = std::move(data); }

  // Appends the unpacked package to `target`; see DecompressPackage.
  void Unpack(std::vector<std::uint8_t>& target) const;

  // Stored-skin stream. Reading empties the data first; a version above 3
  // leaves it empty without an error; a length beyond the stream raises
  // EReadError (and so does a negative one).
  void ReadSkinStream(ByteReader& stream);
  void WriteSkinStream(ByteWriter& stream) const;

  // A compressed skin file is one stored-skin stream.
  void ReadCompressedSkinFile(Files& files, const std::string& path);

  // Compresses `package` and keeps it. The old data is replaced only once the
  // new package is complete, so a failed build loses nothing.
  void Pack(const SkinPackage& package);

  // Builds from a skin.ini and the BMP files its PICTURES section names,
  // relative to its folder. Returns false, changing nothing, when one of the
  // sections VERSION, PICTURES, FORMINFO, SKINOBJECTS, SKINCONTROLS is
  // missing. A missing or bad picture raises its error and also keeps the
  // previous data.
  // Picture names are CP936 in skin.ini; `codec` makes them UTF-8 paths.
  bool BuildFromSkinIni(Files& files, TextCodec& codec, const std::string& path);

  const std::string& Description() const { return description_; }
  void SetDescription(std::string value) { description_ = std::move(value); }
  // Outside the form designer the file-name properties only store their value.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(std::string value) { fileName_ = std::move(value); }
  const std::string& CompressedFileName() const { return compressedFileName_; }
  void SetCompressedFileName(std::string value) { compressedFileName_ = std::move(value); }

 private:
  std::vector<std::uint8_t> compressedData_;
  std::string description_;
  std::string fileName_;
  std::string compressedFileName_;
};

}  // namespace zv
