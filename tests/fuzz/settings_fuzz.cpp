// The settings store on any text: what is read lies in every setting's
// range, and what is written reads back as exactly the settings the
// program holds, keeping the lines it does not know.
#include <string_view>

#include "sky/app_settings.h"
#include "sky/profile.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CProfile profile;
  profile.Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  AppSettings settings;
  const std::vector<std::string> changes = LoadSettings(profile, settings);
  if (!changes.empty()) FUZZ_CHECK(!SettingsClampedMessage("fuzz.INI", changes).empty());

  // Read settings are in range: bringing them into range changes nothing.
  AppSettings clamped = settings;
  ClampSettings(clamped);
  FUZZ_CHECK(clamped == settings);

  // Written and read again, they come back exactly, with nothing to clamp.
  StoreSettings(settings, profile);
  const std::string text = profile.Text();
  CProfile again;
  again.Parse(text);
  AppSettings reread;
  FUZZ_CHECK(LoadSettings(again, reread).empty());
  FUZZ_CHECK(reread == settings);
  // A second save writes the same text.
  StoreSettings(reread, again);
  FUZZ_CHECK(again.Text() == text);
  return 0;
}
