#include "core/app/promo_settings.h"

#include "core/app/profile_file.h"
#include "core/app/promo_cipher.h"
#include "core/base/error.h"

#ifndef ZV_PROMO_BASE_URL
#error "ZV_PROMO_BASE_URL is set by the build (CMake cache variable of the same name)"
#endif

namespace zv {

const std::string& PromoBaseUrl() {
  static const std::string url = ZV_PROMO_BASE_URL;
  return url;
}

bool DownloadToFile(Downloader& downloader, Files& files, const std::string& url, const std::string& path) {
  const auto body = downloader.Fetch(url, kPromoDownloadLimit);
  if (!body) return false;
  try {
    files.WriteAtomic(path, *body);
  } catch (const Error&) {
    return false;  // downloads report nothing
  }
  return true;
}

bool FetchPromoSettings(Downloader& downloader, Files& files, const std::string& appDir, const std::string& productCode,
                        const std::string& baseUrl) {
  return DownloadToFile(downloader, files, baseUrl + productCode + ".rar", appDir + kPromoSettingsFile);
}

std::string SettingsValue(Files& files, const std::string& appDir, const std::string& path, int mode,
                          const std::string& section, const std::string& key, const std::string& value) {
  const std::string file = path.empty() ? appDir + kDefaultSettingsFile : path;
  if (mode == kSettingsWrite) {
    WriteProfileString(files, file, section, key, ScrambleValue(value, kPromoStartKey));
    return {};
  }
  return UnscrambleValue(ReadProfileString(files, file, section, key, ""), kPromoStartKey);
}

}  // namespace zv
