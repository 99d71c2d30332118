#pragma once
// Stand-ins for the seams the promotion panel reaches for.
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/base/error.h"
#include "core/platform/downloader.h"
#include "core/platform/picture_decoder.h"
#include "core/platform/shell.h"
#include "core/platform/text_renderer.h"
#include "core/controls/link_image.h"
#include "fake_text_renderer.h"

namespace zv::test {

// Serves bodies by URL; every other URL fails. Records each request.
class FakeDownloader : public Downloader {
 public:
  std::map<std::string, std::string> bodies;
  std::vector<std::string> requests;

  std::optional<std::string> Fetch(const std::string& url, std::size_t maxBytes) override {
    requests.push_back(url);
    const auto it = bodies.find(url);
    if (it == bodies.end() || it->second.size() > maxBytes) return std::nullopt;
    return it->second;
  }
};

// "PIC w h" becomes a w x h bitmap of grey; anything else is a bad file.
class FakePictureDecoder : public PictureDecoder {
 public:
  Picture Decode(std::span<const std::uint8_t> bytes, PictureFormat format) override {
    const std::string text(bytes.begin(), bytes.end());
    int width = 0, height = 0;
    if (std::sscanf(text.c_str(), "PIC %d %d", &width, &height) != 2 || width < 0 || height < 0) {
      throw Error("Bad picture");
    }
    return Picture{format, Bitmap(width, height, Pixel{128, 128, 128, 255}), false};
  }
};

// A control whose alignment may override the height it is given.
class FakeLinkImageHost : public LinkImageHost {
 public:
  Size size{225, 10};
  std::optional<int> alignedHeight;  // the panel's height for img1
  std::vector<int> heightsSet;
  int invalidations = 0;

  void SetHeight(int height) override {
    heightsSet.push_back(height);
    size.height = alignedHeight.value_or(height);
  }
  Size ClientSize() override { return size; }
  void Invalidate() override { ++invalidations; }
};

class RecordingShell : public Shell {
 public:
  std::vector<std::string> opened;
  void OpenUrl(const std::string& target) override { opened.push_back(target); }
  void OpenFolderInExplorer(const std::string& folder) override { opened.push_back("folder:" + folder); }
};

}  // namespace zv::test
