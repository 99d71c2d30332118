#pragma once
// The promotion settings: downloaded at every show of the main window, read
// one scrambled value at a time.
#include <cstddef>
#include <string>

#include "core/platform/downloader.h"
#include "core/platform/files.h"

namespace zv {

// Set at build time (ZV_PROMO_BASE_URL); an absolute URL ending in "/".
const std::string& PromoBaseUrl();

inline constexpr const char* kPromoSettingsFile = "SetConfig.ini";
inline constexpr const char* kDefaultSettingsFile = "config.ini";
// Enough for any settings file or promotion picture; a longer body is a
// failed download.
inline constexpr std::size_t kPromoDownloadLimit = 8 * 1024 * 1024;

// Fetches url into path. Only a complete successful response replaces the
// file, through a temporary file beside it; any failure leaves the old file
// and reports false, never an error.
bool DownloadToFile(Downloader& downloader, Files& files, const std::string& url, const std::string& path);

// Base URL + product code + ".rar" to appDir + "SetConfig.ini".
bool FetchPromoSettings(Downloader& downloader, Files& files, const std::string& appDir, const std::string& productCode,
                        const std::string& baseUrl = PromoBaseUrl());

inline constexpr int kSettingsWrite = 1;

// Mode kSettingsWrite scrambles value into the file and returns "" (throws
// "Unable to write to %s"); any other mode returns the unscrambled value
// ("" when missing). An empty path means appDir + "config.ini".
std::string SettingsValue(Files& files, const std::string& appDir, const std::string& path, int mode,
                          const std::string& section, const std::string& key, const std::string& value);

}  // namespace zv
